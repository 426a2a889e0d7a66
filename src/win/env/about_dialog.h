// The About box "このソフトについて" (dialog 1): the program's picture, name and version.
// Modeless; every command opens a new copy.
#pragma once

#include <memory>

#include "win/platform/dialog.h"

namespace drawlot {

// The window property that holds a copy's picture while it is open.
inline constexpr char kAboutPictureProperty[] = "DrawlotAboutPicture";

// Opens and shows a new copy over the context's owner: the dialog object, which must outlive
// its window (OK and the close box destroy the window).
std::unique_ptr<Dialog> OpenAboutDialog(const DialogContext& context);

}  // namespace drawlot
