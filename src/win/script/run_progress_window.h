// The progress window "実行中" of a run: row n of N, the drawing, the time on it and in all, a
// progress bar (a marquee for a single script), and "中止", which the run is told of: it stops
// after the drawing in progress and, while AutoCAD runs, asks whether to end AutoCAD as well.
#pragma once

#include <memory>

#include "core/script/run_engine.h"
#include "win/platform/dialog.h"

namespace drawlot {

class RunProgressWindow {
 public:
  virtual ~RunProgressWindow() = default;
  // Opens the window over the context's owner.
  virtual void Open() = 0;
  // The run is over: the window closes.
  virtual void Close() = 0;
  virtual void Show(const RunProgressView& view) = 0;
  virtual HWND window() const = 0;
};

// "中止" and Esc post `stop_message` to the context's owner; the window does nothing else.
std::unique_ptr<RunProgressWindow> MakeRunProgressWindow(const DialogContext& context,
                                                         UINT stop_message);

inline constexpr char kEndAutoCadText[] = "AutoCADを終了させますか？";
inline constexpr char kEndAutoCadTitle[] = "中止";

}  // namespace drawlot
