// What the first bytes of a drawing file say: whether it is a DWG or a DXF, its format code
// ("AC1032") and the picture the drawing program stored in it. The reader never trusts an
// address, size or count it finds: it reads only inside the file, checks each picture's own
// header, and refuses pictures over kMaxPictureSide pixels a side or kMaxPictureBytes bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/drawing/byte_source.h"

namespace drawlot {

enum class DrawingFileKind { kNotDrawing, kDwg, kAsciiDxf, kBinaryDxf };

enum class PictureKind {
  kNone,
  kBmp,  // a DIB: BITMAPINFOHEADER, colour table and bits, without a BITMAPFILEHEADER
  kPng,  // a whole PNG file
};

inline constexpr int kMaxPictureSide = 4096;
inline constexpr std::size_t kMaxPictureBytes = 16u << 20;

struct DrawingPreview {
  DrawingFileKind kind = DrawingFileKind::kNotDrawing;
  // "AC" and four digits; empty for a binary DXF, a DXF without $ACADVER and a non-drawing.
  std::string version;
  PictureKind picture = PictureKind::kNone;
  std::string picture_bytes;  // empty when picture is kNone
};

// Reads what `source` holds. Reads the start of the file and the picture's blocks only.
DrawingPreview ReadDrawingPreview(ByteSource& source);

// The same for the file at `path`; nullopt when it cannot be opened.
std::optional<DrawingPreview> ReadDrawingPreviewFile(const std::string& path);

// The format line of the preview pane: "AutoCAD 2018 形式 (AC1032)", "不明な形式 (AC1099)" for a
// code this program does not know, "DXF 形式" and "バイナリ DXF 形式" for a DXF that names no
// format, "図面ではありません" for a file that is neither a DWG nor a DXF.
std::string FormatText(const DrawingPreview& preview);

// The AutoCAD release of a format code ("2018" for "AC1032", "R11/12" for "AC1009"); empty for
// a code this program does not know.
std::string_view ReleaseOfVersion(std::string_view version);

// What a DIB's header says, when it is one this program draws: BITMAPINFOHEADER (or its V4/V5
// forms), 1, 4, 8, 16, 24 or 32 bits a pixel, uncompressed or with bit fields, at most
// kMaxPictureSide a side, and its colour table and bits all inside `dib`.
struct DibShape {
  int width = 0;
  int height = 0;  // negative for a top-down picture
  int bit_count = 0;
  std::size_t bits_offset = 0;  // header, masks and colour table
  std::size_t bytes = 0;        // with the bits; at most dib.size()
};
std::optional<DibShape> CheckDib(std::string_view dib);

// The width and height of a PNG from its signature and IHDR chunk, or nullopt when it does not
// start as a PNG or is larger than kMaxPictureSide a side.
struct PngShape {
  int width = 0;
  int height = 0;
};
std::optional<PngShape> CheckPng(std::string_view png);

// A .bmp file's bytes: the BITMAPFILEHEADER that `dib` (checked by CheckDib) lacks, then `dib`.
std::string BmpFileFromDib(std::string_view dib);

// A top-down 32-bit DIB of a decoded picture's `width` x `height` pixels, given as rows of
// blue, green, red and alpha bytes (not premultiplied), laid over white so that GDI draws it as
// the drawing program showed it. Empty when the sizes do not match or exceed kMaxPictureSide or
// kMaxPictureBytes.
std::string DibOverWhite(int width, int height, std::string_view bgra);

}  // namespace drawlot
