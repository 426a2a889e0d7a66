// The save dialogs of scripts and lists force their file type's extension onto the chosen name.
#pragma once

#include <string>
#include <string_view>

namespace drawlot {

inline constexpr std::string_view kScriptExtension = ".scr";
inline constexpr std::string_view kListExtension = ".ini";

// `path` with `extension` forced onto its file name (the part after the last backslash that is
// a separator): from the name's first period on, the text is replaced by the extension; a name
// without a period gets the extension appended. A period in a folder name does not count.
std::string ForceExtension(std::string_view path, std::string_view extension);

}  // namespace drawlot
