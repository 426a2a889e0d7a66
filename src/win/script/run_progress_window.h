// The progress window "実行中" of a run: row n of N, the drawing, the time on it and in all, a
// progress bar (a marquee for a single script), and "中止", which stops the run after the
// drawing in progress and, pressed while AutoCAD runs, offers to end AutoCAD as well.
#pragma once

#include <memory>

#include "core/script/run_session.h"
#include "win/platform/dialog.h"

namespace drawlot {

class RunProgressWindow : public RunProgress {
 public:
  // Opens the window over the context's owner.
  virtual void Open() = 0;
  // The run is over: the window closes.
  virtual void Close() = 0;
  virtual HWND window() const = 0;
};

std::unique_ptr<RunProgressWindow> MakeRunProgressWindow(const DialogContext& context);

inline constexpr char kEndAutoCadText[] = "AutoCADを終了させますか？";
inline constexpr char kEndAutoCadTitle[] = "中止";

}  // namespace drawlot
