#include <cstdint>
#include <string>

#include "core/drawing/drawing_file.h"
#include "fuzz_support.h"

using namespace drawlot;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  MemoryByteSource source(std::string_view(reinterpret_cast<const char*>(data), size));
  const DrawingPreview preview = ReadDrawingPreview(source);
  fuzz::Require(preview.version.empty() || preview.version.size() == 6, "a format code or none");
  fuzz::Require(!FormatText(preview).empty(), "a format line");
  fuzz::Require(preview.picture_bytes.size() <= size, "a picture from the file's bytes");
  switch (preview.picture) {
    case PictureKind::kNone:
      fuzz::Require(preview.picture_bytes.empty(), "no bytes without a picture");
      break;
    case PictureKind::kBmp: {
      const auto shape = CheckDib(preview.picture_bytes);
      fuzz::Require(shape && shape->bytes == preview.picture_bytes.size(), "a BMP as drawn");
      fuzz::Require(BmpFileFromDib(preview.picture_bytes).size() == 14 + shape->bytes,
                    "a BMP file of the DIB");
      break;
    }
    case PictureKind::kPng:
      fuzz::Require(CheckPng(preview.picture_bytes).has_value(), "a PNG within bounds");
      break;
  }
  return 0;
}
