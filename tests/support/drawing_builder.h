// Drawing files built by the tests, the fuzzer's seed maker and the benchmark: a DWG header with
// its image block, an ASCII DXF with $ACADVER and THUMBNAILIMAGE, and the pictures they hold.
// Header-only, so the benchmark and the fuzz tools can use it without GoogleTest.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace drawlot::testing {

inline void PutLe(std::string& bytes, std::size_t at, std::uint32_t value, int size = 4) {
  if (bytes.size() < at + size) bytes.resize(at + size, '\0');
  for (int i = 0; i < size; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
}

inline void PutBe32(std::string& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(value >> (24 - 8 * i));
}

// A BITMAPINFOHEADER DIB whose colour table and bits are numbered bytes.
inline std::string Dib(int width, int height, int bits, std::uint32_t colours_used = 0) {
  std::string dib;
  const std::uint32_t fields[] = {40, static_cast<std::uint32_t>(width),
                                  static_cast<std::uint32_t>(height)};
  for (int i = 0; i < 3; ++i) PutLe(dib, 4 * i, fields[i]);
  PutLe(dib, 12, 1, 2);
  PutLe(dib, 14, static_cast<std::uint32_t>(bits), 2);
  PutLe(dib, 32, colours_used);
  PutLe(dib, 36, 0);
  const std::size_t colours = colours_used != 0 ? colours_used : bits <= 8 ? 1u << bits : 0;
  const std::size_t rows = static_cast<std::size_t>(height < 0 ? -height : height);
  const std::size_t size = 40 + colours * 4 + (std::size_t(width) * bits + 31) / 32 * 4 * rows;
  for (std::size_t i = dib.size(); i < size; ++i) dib.push_back(static_cast<char>(i * 7));
  return dib;
}

// A PNG's signature, IHDR chunk and IEND chunk (CRCs not filled in).
inline std::string Png(int width, int height) {
  std::string png("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR", 16);
  png.append(8, '\0');
  PutBe32(png, 16, static_cast<std::uint32_t>(width));
  PutBe32(png, 20, static_cast<std::uint32_t>(height));
  png.append("\x08\x02\0\0\0", 5);
  png.append(std::string("\0\0\0\0\0\0\0\0IEND\0\0\0\0", 16));
  return png;
}

// A 24-bit DIB of one colour (0xRRGGBB), bottom-up as drawing programs store their pictures.
inline std::string SolidDib(int width, int height, std::uint32_t rgb) {
  std::string dib = Dib(width, height, 24);
  const std::size_t stride = (std::size_t(width) * 24 + 31) / 32 * 4;
  for (std::size_t row = 0; row < std::size_t(height); ++row) {
    for (std::size_t x = 0; x < std::size_t(width); ++x)
      PutLe(dib, 40 + row * stride + 3 * x, rgb, 3);
  }
  return dib;
}

// A PNG of one colour that any decoder takes: RGB rows in one stored zlib block, with CRCs.
inline std::string SolidPng(int width, int height, std::uint32_t rgb) {
  const auto crc = [](std::string_view bytes) {
    std::uint32_t c = 0xFFFFFFFF;
    for (unsigned char b : bytes) {
      c ^= b;
      for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320 & (0 - (c & 1)));
    }
    return ~c;
  };
  std::string png("\x89PNG\r\n\x1A\n", 8);
  const auto chunk = [&](std::string_view type, std::string data) {
    std::string body(type);
    body += data;
    std::string head(4, '\0');
    PutBe32(head, 0, static_cast<std::uint32_t>(data.size()));
    std::string tail(4, '\0');
    PutBe32(tail, 0, crc(body));
    png += head + body + tail;
  };
  std::string header(13, '\0');
  PutBe32(header, 0, static_cast<std::uint32_t>(width));
  PutBe32(header, 4, static_cast<std::uint32_t>(height));
  header[8] = 8, header[9] = 2;  // 8 bits a sample, RGB
  chunk("IHDR", header);
  std::string rows;
  for (int y = 0; y < height; ++y) {
    rows.push_back('\0');  // no filter
    for (int x = 0; x < width; ++x) rows.append({char(rgb >> 16), char(rgb >> 8), char(rgb)});
  }
  std::uint32_t a = 1, b = 0;
  for (unsigned char c : rows) a = (a + c) % 65521, b = (b + a) % 65521;
  std::string zlib("\x78\x01\x01", 3);
  PutLe(zlib, 3, static_cast<std::uint32_t>(rows.size()), 2);
  PutLe(zlib, 5, static_cast<std::uint32_t>(~rows.size() & 0xFFFF), 2);
  zlib += rows;
  zlib.append(4, '\0');
  PutBe32(zlib, zlib.size() - 4, (b << 16) | a);
  chunk("IDAT", zlib);
  chunk("IEND", "");
  return png;
}

struct DwgEntry {
  unsigned char code;  // 1 header, 2 BMP, 3 WMF, 6 PNG
  std::string bytes;
};

// Where Dwg puts the image block, and entry i's code in its table.
inline constexpr std::size_t kDwgBlockAt = 0x40;
inline constexpr std::size_t DwgEntryAt(std::size_t i) {
  return kDwgBlockAt + 21 + 9 * i;
}

// A DWG of format `version`: its header with the image block's address, the block with
// `entries` (their bytes follow the table), then `filler` bytes for the rest of the drawing.
inline std::string Dwg(std::string_view version, const std::vector<DwgEntry>& entries,
                       std::size_t filler = 0) {
  std::string dwg(version);
  PutLe(dwg, 0x0D, kDwgBlockAt);
  dwg.resize(kDwgBlockAt, '\0');
  dwg.append("\x1F\x25\x6D\x07\xD4\x36\x28\x28\x9D\x57\xCA\x3F\x9D\x44\x10\x2B", 16);
  std::size_t data = DwgEntryAt(entries.size());
  std::size_t block_size = 1 + 9 * entries.size();
  for (const DwgEntry& entry : entries) block_size += entry.bytes.size();
  PutLe(dwg, kDwgBlockAt + 16, static_cast<std::uint32_t>(block_size));
  PutLe(dwg, kDwgBlockAt + 20, static_cast<std::uint32_t>(entries.size()), 1);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    PutLe(dwg, DwgEntryAt(i), entries[i].code, 1);
    PutLe(dwg, DwgEntryAt(i) + 1, static_cast<std::uint32_t>(data));
    PutLe(dwg, DwgEntryAt(i) + 5, static_cast<std::uint32_t>(entries[i].bytes.size()));
    data += entries[i].bytes.size();
  }
  for (const DwgEntry& entry : entries) dwg += entry.bytes;
  dwg.append(filler, '\x55');
  return dwg;
}

// An ASCII DXF: HEADER with $ACADVER (none when `version` is empty), `lines` LINE entities,
// and a THUMBNAILIMAGE section holding `dib` (none when empty) as 254-digit hex lines. Group
// codes are right-aligned in three places, as AutoCAD writes them; lines end in `eol`.
inline std::string Dxf(std::string_view version, std::string_view dib, std::string_view eol = "\n",
                       std::size_t lines = 0) {
  std::string dxf;
  const auto group = [&](int code, std::string_view value) {
    std::string text = std::to_string(code);
    dxf.append(text.size() < 3 ? 3 - text.size() : 0, ' ').append(text).append(eol);
    dxf.append(value).append(eol);
  };
  group(0, "SECTION");
  group(2, "HEADER");
  if (!version.empty()) group(9, "$ACADVER"), group(1, version);
  group(9, "$INSBASE"), group(10, "0.0"), group(20, "0.0"), group(30, "0.0");
  group(0, "ENDSEC");
  group(0, "SECTION");
  group(2, "ENTITIES");
  for (std::size_t i = 0; i < lines; ++i) {
    group(0, "LINE"), group(8, "0"), group(10, std::to_string(i)), group(20, "0.0");
    group(11, "1.0"), group(21, std::to_string(i));
  }
  group(0, "ENDSEC");
  if (!dib.empty()) {
    group(0, "SECTION");
    group(2, "THUMBNAILIMAGE");
    group(90, std::to_string(dib.size()));
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (std::size_t at = 0; at < dib.size(); at += 127) {
      std::string hex;
      for (unsigned char c : dib.substr(at, 127)) hex.append({kHex[c >> 4], kHex[c & 15]});
      group(310, hex);
    }
    group(0, "ENDSEC");
  }
  group(0, "EOF");
  return dxf;
}

}  // namespace drawlot::testing
