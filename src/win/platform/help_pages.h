// The maker's web pages: the help pages and the home page, opened with the shell's "open" verb.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace drawlot {

// Opens an address as the shell's "open" verb does, shown normally. WinMain puts the shell
// here; tests put a recorder.
using PageOpener = std::function<void(const std::string& address)>;

inline constexpr char kMainHelpPage[] = "Dw-HELP00.htm";

// The shell's "open" verb on `address`; a page that cannot be opened is not reported.
void OpenWithShell(const std::string& address);

// The address of the help page `page` ("Dw-HELP00.htm") on the maker's site.
std::string HelpPageAddress(std::string_view page);
std::string HomePageAddress();

// Opens the help page `page` through `open`; nothing happens while `open` is empty.
void OpenHelpPage(const PageOpener& open, std::string_view page);

}  // namespace drawlot
