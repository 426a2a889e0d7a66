// PNG pictures decoded with the system's imaging component (WIC), which Windows has had since
// Vista and Wine provides as well, so the program carries no decoder of its own.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace drawlot {

// The picture of a whole PNG file as a top-down 32-bit DIB laid over white, or nullopt when it
// cannot be decoded or is larger than the pane takes. Call it on a thread that may enter COM's
// multithreaded apartment: it enters and leaves it itself.
std::optional<std::string> DecodePngToDib(std::string_view png);

}  // namespace drawlot
