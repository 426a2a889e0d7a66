#include "win/platform/help_pages.h"

#include <windows.h>

#include <shellapi.h>

namespace drawlot {

namespace {

// The maker's web site: the help pages and the home page.
constexpr char kMakerSite[] = "https://www.harrowby.example/";

}  // namespace

void OpenWithShell(const std::string& address) {
  ShellExecuteA(nullptr, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

std::string HelpPageAddress(std::string_view page) {
  return std::string(kMakerSite).append(page);
}

std::string HomePageAddress() {
  return kMakerSite;
}

void OpenHelpPage(const PageOpener& open, std::string_view page) {
  if (open) open(HelpPageAddress(page));
}

}  // namespace drawlot
