// The help pages and the maker's home page, opened with the shell's "open" verb.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/platform/prompter.h"

namespace drawlot {

// Opens an address (a web address or a file's path) as the shell's "open" verb does, shown
// normally. WinMain puts ShellPageOpener here; tests put a recorder.
using PageOpener = std::function<void(const std::string& address)>;

inline constexpr char kMainHelpPage[] = "Dw-HELP00.htm";

// The shell's "open" verb. When the shell cannot open the address (no browser is associated
// with it, as under a bare Wine), a box owned by the active window says where the page is, so
// the user can open it by hand instead of seeing nothing happen.
PageOpener ShellPageOpener(Prompter& prompter);

// Where the help page `page` ("Dw-HELP00.htm") is opened from: the page that lies beside the
// running program when it is there (the release puts the pages there), its address on the
// maker's site otherwise.
std::string HelpPageLocation(std::string_view page);
std::string HomePageAddress();

// Opens the help page `page` through `open`; nothing happens while `open` is empty.
void OpenHelpPage(const PageOpener& open, std::string_view page);

}  // namespace drawlot
