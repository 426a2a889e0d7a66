#include "core/drawing/drawing_file.h"

#include <algorithm>
#include <array>
#include <vector>

namespace drawlot {

namespace {

std::uint32_t Little32(std::string_view bytes, std::size_t at) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at])) |
         static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 2])) << 16 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 3])) << 24;
}

std::uint16_t Little16(std::string_view bytes, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                    static_cast<unsigned char>(bytes[at + 1]) << 8);
}

std::uint32_t Big32(std::string_view bytes, std::size_t at) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at])) << 24 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 16 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 2])) << 8 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 3]));
}

void PutLittle32(std::string& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>(value >> shift));
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// "AC" and four digits: the form every DWG and $ACADVER format code has.
bool IsVersionCode(std::string_view text) {
  return text.size() == 6 && text.substr(0, 2) == "AC" &&
         std::all_of(text.begin() + 2, text.end(), IsDigit);
}

int VersionNumber(std::string_view code) {
  int number = 0;
  for (char c : code.substr(2)) number = number * 10 + (c - '0');
  return number;
}

struct Release {
  std::string_view code;
  std::string_view name;
};

constexpr std::array<Release, 9> kReleases = {{
    {"AC1009", "R11/12"},
    {"AC1012", "R13"},
    {"AC1014", "R14"},
    {"AC1015", "2000"},
    {"AC1018", "2004"},
    {"AC1021", "2007"},
    {"AC1024", "2010"},
    {"AC1027", "2013"},
    {"AC1032", "2018"},
}};

// ---- Pictures -------------------------------------------------------------------------------

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;

std::optional<DrawingPreview> PictureOf(PictureKind kind, std::string bytes) {
  if (kind == PictureKind::kBmp) {
    const std::optional<DibShape> shape = CheckDib(bytes);
    if (!shape) return std::nullopt;
    bytes.resize(shape->bytes);  // what follows the bits is no part of the picture
  } else if (!CheckPng(bytes)) {
    return std::nullopt;
  }
  DrawingPreview picture;
  picture.picture = kind;
  picture.picture_bytes = std::move(bytes);
  return picture;
}

// ---- DWG ------------------------------------------------------------------------------------

constexpr std::uint64_t kDwgImageAddressAt = 0x0D;
constexpr std::string_view kDwgImageSentinel(
    "\x1F\x25\x6D\x07\xD4\x36\x28\x28\x9D\x57\xCA\x3F\x9D\x44\x10\x2B", 16);
constexpr std::size_t kDwgImageHead = 16 + 4 + 1;  // sentinel, block size, entry count
constexpr std::size_t kDwgEntryBytes = 1 + 4 + 4;  // code, start, size
constexpr unsigned char kDwgBmpEntry = 2;
constexpr unsigned char kDwgPngEntry = 6;

struct DwgEntry {
  PictureKind kind;
  std::uint64_t start;
  std::uint32_t size;
};

// The picture of a DWG from R13 on. The image block's address is in the file header; the block
// lists its entries (header, BMP, WMF, PNG) by absolute offsets. A PNG is taken before a BMP:
// a file that has both keeps its full picture in the PNG.
std::optional<DrawingPreview> ReadDwgPicture(ByteSource& source) {
  std::string bytes;
  if (!source.ReadAt(kDwgImageAddressAt, 4, bytes)) return std::nullopt;
  const std::uint64_t block = Little32(bytes, 0);
  if (!source.ReadAt(block, kDwgImageHead, bytes) || bytes.substr(0, 16) != kDwgImageSentinel) {
    return std::nullopt;
  }
  const std::uint32_t block_size = Little32(bytes, 16);
  const std::size_t count = static_cast<unsigned char>(bytes[20]);
  // The count is believed only as far as the block's own size and the file hold its entries.
  const std::size_t table = count * kDwgEntryBytes;
  if (count == 0 || block_size < 1 + table || !source.ReadAt(block + kDwgImageHead, table, bytes)) {
    return std::nullopt;
  }
  std::vector<DwgEntry> entries;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t at = i * kDwgEntryBytes;
    const unsigned char code = static_cast<unsigned char>(bytes[at]);
    const DwgEntry entry{code == kDwgPngEntry ? PictureKind::kPng : PictureKind::kBmp,
                         Little32(bytes, at + 1), Little32(bytes, at + 5)};
    if (code != kDwgBmpEntry && code != kDwgPngEntry) continue;  // header, WMF
    if (entry.size == 0 || entry.size > kMaxPictureBytes) continue;
    entries.push_back(entry);
  }
  std::stable_sort(entries.begin(), entries.end(), [](const DwgEntry& a, const DwgEntry& b) {
    return a.kind == PictureKind::kPng && b.kind != PictureKind::kPng;
  });
  for (const DwgEntry& entry : entries) {
    if (!source.ReadAt(entry.start, entry.size, bytes)) continue;  // past the end of the file
    if (std::optional<DrawingPreview> picture = PictureOf(entry.kind, std::move(bytes))) {
      return picture;
    }
  }
  return std::nullopt;
}

// ---- ASCII DXF ------------------------------------------------------------------------------

// A DXF is text: pairs of lines, a group code and its value, in sections. $ACADVER is the first
// variable of the HEADER section at the start, but THUMBNAILIMAGE is the last section, after
// every entity and object. Reading from the start to the picture would cost the whole file, so
// the reader takes the format from the first kDxfHeadBytes and looks for the picture in the
// last bytes only, from kDxfTailStep up to kDxfTailBytes, growing while all it has seen is
// picture data. A picture that does not fit there (bigger than about half of kDxfTailBytes,
// for its hexadecimal text) is not shown; the ones AutoCAD writes are a few tens of KB.
constexpr std::uint64_t kDxfHeadBytes = 1u << 20;
constexpr std::uint64_t kDxfTailStep = 64u << 10;
constexpr std::uint64_t kDxfTailBytes = 4u << 20;
constexpr std::size_t kDxfReadBlock = 64u << 10;
constexpr std::size_t kDxfHeadBlock = 4u << 10;
constexpr std::size_t kDxfLongestLine = 4096;  // DXF lines hold at most 2049 characters

// The lines of bytes [begin, end) of a source, read by blocks. A line ends at LF; a CR before
// it is dropped.
class SourceLines {
 public:
  SourceLines(ByteSource& source, std::uint64_t begin, std::uint64_t end,
              std::size_t block = kDxfReadBlock)
      : source_(source), next_(begin), end_(end), block_size_(block) {}

  // False at the end, on a read failure and at a line longer than kDxfLongestLine.
  bool Next(std::string_view& line) {
    for (;;) {
      const std::size_t lf = buffer_.find('\n', pos_);
      if (lf != std::string::npos) {
        line = std::string_view(buffer_).substr(pos_, lf - pos_);
        pos_ = lf + 1;
        return Trimmed(line);
      }
      if (buffer_.size() - pos_ > kDxfLongestLine) return false;
      if (next_ >= end_) {
        if (pos_ == buffer_.size()) return false;
        line = std::string_view(buffer_).substr(pos_);  // the last line, without its LF
        pos_ = buffer_.size();
        return Trimmed(line);
      }
      const std::size_t count =
          static_cast<std::size_t>(std::min<std::uint64_t>(block_size_, end_ - next_));
      if (!source_.ReadAt(next_, count, block_)) return false;
      next_ += count;
      buffer_.erase(0, pos_);
      pos_ = 0;
      buffer_ += block_;
    }
  }

 private:
  static bool Trimmed(std::string_view& line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line.size() <= kDxfLongestLine;
  }

  ByteSource& source_;
  std::uint64_t next_;
  std::uint64_t end_;
  std::size_t block_size_;
  std::string buffer_;
  std::string block_;
  std::size_t pos_ = 0;
};

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// A group code line: digits, with blanks around them. -1 when it is not one.
int GroupCode(std::string_view line) {
  line = TrimBlanks(line);
  if (line.empty() || line.size() > 4 || !std::all_of(line.begin(), line.end(), IsDigit)) {
    return -1;
  }
  int code = 0;
  for (char c : line) code = code * 10 + (c - '0');
  return code;
}

struct Group {
  int code = -1;
  std::string_view value;  // valid until the next read
};

bool NextGroup(SourceLines& lines, Group& group) {
  std::string_view code;
  if (!lines.Next(code) || (group.code = GroupCode(code)) < 0) return false;
  return lines.Next(group.value);
}

// Whether the head is an ASCII DXF (its first group, after any comments, opens a section), and
// its $ACADVER when the HEADER section has one.
bool ReadDxfHead(ByteSource& source, std::string& version) {
  // Small blocks: $ACADVER comes within the first hundred bytes.
  SourceLines lines(source, 0, std::min(source.Size(), kDxfHeadBytes), kDxfHeadBlock);
  Group group;
  std::string_view code;
  if (!lines.Next(code)) return false;
  if (code.substr(0, 3) == "\xEF\xBB\xBF") code.remove_prefix(3);  // a UTF-8 mark
  if ((group.code = GroupCode(code)) < 0 || !lines.Next(group.value)) return false;
  while (group.code == 999) {
    if (!NextGroup(lines, group)) return false;
  }
  if (group.code != 0 || TrimBlanks(group.value) != "SECTION") return false;
  while (NextGroup(lines, group)) {
    if (group.code == 0 && TrimBlanks(group.value) == "ENDSEC") break;  // the HEADER ends
    if (group.code == 9 && TrimBlanks(group.value) == "$ACADVER") {
      if (NextGroup(lines, group) && group.code == 1 && IsVersionCode(TrimBlanks(group.value))) {
        version = TrimBlanks(group.value);
      }
      break;
    }
  }
  return true;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// The picture of a THUMBNAILIMAGE section whose name was just read: group 90 its byte count,
// then groups 310 of hexadecimal text, up to the section's end. The bytes must be exactly as
// many as the count says.
std::optional<DrawingPreview> ReadThumbnailSection(SourceLines& lines) {
  Group group;
  if (!NextGroup(lines, group) || group.code != 90) return std::nullopt;
  const std::string_view count_text = TrimBlanks(group.value);
  if (count_text.empty() || count_text.size() > 9 ||
      !std::all_of(count_text.begin(), count_text.end(), IsDigit)) {
    return std::nullopt;
  }
  std::size_t count = 0;
  for (char c : count_text) count = count * 10 + static_cast<std::size_t>(c - '0');
  if (count == 0 || count > kMaxPictureBytes) return std::nullopt;
  std::string bytes;
  while (NextGroup(lines, group) && group.code != 0) {
    if (group.code != 310) continue;
    const std::string_view hex = TrimBlanks(group.value);
    if (hex.size() % 2 != 0 || bytes.size() + hex.size() / 2 > count) return std::nullopt;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
      const int high = HexDigit(hex[i]);
      const int low = HexDigit(hex[i + 1]);
      if (high < 0 || low < 0) return std::nullopt;
      bytes.push_back(static_cast<char>(high << 4 | low));
    }
  }
  if (group.code != 0 || bytes.size() != count) return std::nullopt;  // cut short
  return PictureOf(PictureKind::kBmp, std::move(bytes));
}

std::optional<DrawingPreview> ReadDxfPicture(ByteSource& source) {
  const std::uint64_t size = source.Size();
  for (std::uint64_t window = kDxfTailStep; window <= kDxfTailBytes; window *= 4) {
    const std::uint64_t begin = size > window ? size - window : 0;
    SourceLines lines(source, begin, size);
    std::string_view line;
    if (begin > 0 && !lines.Next(line)) return std::nullopt;  // the part of a line before it
    // The three lines before this one, for "0", "SECTION", "2" before the section's name.
    std::array<std::string, 3> before;
    bool other_section = false;
    while (lines.Next(line)) {
      const std::string_view text = TrimBlanks(line);
      if (text == "THUMBNAILIMAGE" && before[0] == "2" && before[1] == "SECTION" &&
          before[2] == "0") {
        return ReadThumbnailSection(lines);
      }
      if (text == "SECTION") other_section = true;
      before[2] = std::move(before[1]);
      before[1] = std::move(before[0]);
      before[0] = text.size() <= 16 ? std::string(text) : std::string();
    }
    // A section that starts here and is not the picture's is the last one: there is none.
    if (other_section || begin == 0) return std::nullopt;
  }
  return std::nullopt;
}

constexpr std::string_view kBinaryDxfMark = "AutoCAD Binary DXF";

}  // namespace

DrawingPreview ReadDrawingPreview(ByteSource& source) {
  DrawingPreview preview;
  std::string head;
  const std::size_t head_size =
      static_cast<std::size_t>(std::min<std::uint64_t>(source.Size(), 32));
  if (!source.ReadAt(0, head_size, head)) return preview;
  if (head.starts_with(kBinaryDxfMark)) {
    preview.kind = DrawingFileKind::kBinaryDxf;
    return preview;
  }
  std::optional<DrawingPreview> picture;
  if (head.size() >= 6 && IsVersionCode(std::string_view(head).substr(0, 6))) {
    preview.kind = DrawingFileKind::kDwg;
    preview.version = head.substr(0, 6);
    if (VersionNumber(preview.version) >= 1012) picture = ReadDwgPicture(source);
  } else if (ReadDxfHead(source, preview.version)) {
    preview.kind = DrawingFileKind::kAsciiDxf;
    picture = ReadDxfPicture(source);
  }
  if (picture) {
    preview.picture = picture->picture;
    preview.picture_bytes = std::move(picture->picture_bytes);
  }
  return preview;
}

std::optional<DrawingPreview> ReadDrawingPreviewFile(const std::string& path) {
  FileByteSource source(path);
  if (!source.IsOpen()) return std::nullopt;
  return ReadDrawingPreview(source);
}

std::string_view ReleaseOfVersion(std::string_view version) {
  for (const Release& release : kReleases) {
    if (release.code == version) return release.name;
  }
  return {};
}

std::string FormatText(const DrawingPreview& preview) {
  if (preview.kind == DrawingFileKind::kNotDrawing) return "図面ではありません";
  if (preview.version.empty()) {
    return preview.kind == DrawingFileKind::kBinaryDxf ? "バイナリ DXF 形式" : "DXF 形式";
  }
  const std::string_view release = ReleaseOfVersion(preview.version);
  if (release.empty()) return "不明な形式 (" + preview.version + ")";
  return "AutoCAD " + std::string(release) + " 形式 (" + preview.version + ")";
}

std::optional<DibShape> CheckDib(std::string_view dib) {
  constexpr std::size_t kInfoHeader = 40;
  if (dib.size() < kInfoHeader) return std::nullopt;
  const std::uint32_t header = Little32(dib, 0);
  if (header != kInfoHeader && header != 108 && header != 124) return std::nullopt;
  if (dib.size() < header) return std::nullopt;
  DibShape shape;
  shape.width = static_cast<std::int32_t>(Little32(dib, 4));
  shape.height = static_cast<std::int32_t>(Little32(dib, 8));
  shape.bit_count = Little16(dib, 14);
  const std::uint32_t compression = Little32(dib, 16);
  const std::uint32_t colours_used = Little32(dib, 32);
  if (shape.width < 1 || shape.width > kMaxPictureSide || shape.height == 0 ||
      shape.height < -kMaxPictureSide || shape.height > kMaxPictureSide || Little16(dib, 12) != 1) {
    return std::nullopt;
  }
  const int bits = shape.bit_count;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) {
    return std::nullopt;
  }
  std::uint64_t masks = 0;
  if (compression == kBiBitfields && (bits == 16 || bits == 32)) {
    masks = header == kInfoHeader ? 12 : 0;  // V4 and V5 headers hold the masks
  } else if (compression != kBiRgb) {
    return std::nullopt;
  }
  std::uint64_t colours = colours_used;
  if (bits <= 8) {
    if (colours_used > (1u << bits)) return std::nullopt;
    if (colours_used == 0) colours = 1u << bits;
  } else if (colours_used > 256) {
    return std::nullopt;
  }
  const std::uint64_t stride = (static_cast<std::uint64_t>(shape.width) * bits + 31) / 32 * 4;
  const std::uint64_t rows =
      static_cast<std::uint64_t>(shape.height < 0 ? -shape.height : shape.height);
  const std::uint64_t offset = header + masks + colours * 4;
  const std::uint64_t total = offset + stride * rows;
  if (total > kMaxPictureBytes || total > dib.size()) return std::nullopt;
  shape.bits_offset = static_cast<std::size_t>(offset);
  shape.bytes = static_cast<std::size_t>(total);
  return shape;
}

std::optional<PngShape> CheckPng(std::string_view png) {
  constexpr std::string_view kSignature("\x89PNG\r\n\x1A\n", 8);
  // Signature, the IHDR chunk's length and type, width, height, 5 more bytes and its CRC.
  if (png.size() < 8 + 8 + 13 + 4 || png.size() > kMaxPictureBytes) return std::nullopt;
  if (png.substr(0, 8) != kSignature || Big32(png, 8) != 13 || png.substr(12, 4) != "IHDR") {
    return std::nullopt;
  }
  const std::uint32_t width = Big32(png, 16);
  const std::uint32_t height = Big32(png, 20);
  if (width < 1 || width > kMaxPictureSide || height < 1 || height > kMaxPictureSide) {
    return std::nullopt;
  }
  return PngShape{static_cast<int>(width), static_cast<int>(height)};
}

std::string BmpFileFromDib(std::string_view dib) {
  const std::optional<DibShape> shape = CheckDib(dib);
  if (!shape) return {};
  constexpr std::size_t kFileHeader = 14;
  std::string file = "BM";
  PutLittle32(file, static_cast<std::uint32_t>(kFileHeader + shape->bytes));
  PutLittle32(file, 0);  // two reserved words
  PutLittle32(file, static_cast<std::uint32_t>(kFileHeader + shape->bits_offset));
  file.append(dib.substr(0, shape->bytes));
  return file;
}

std::string DibOverWhite(int width, int height, std::string_view bgra) {
  if (width < 1 || height < 1 || width > kMaxPictureSide || height > kMaxPictureSide) return {};
  const std::size_t pixels = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  constexpr std::size_t kHeaderBytes = 40;
  if (bgra.size() != pixels * 4 || kHeaderBytes + pixels * 4 > kMaxPictureBytes) return {};
  std::string dib;
  dib.reserve(kHeaderBytes + bgra.size());
  PutLittle32(dib, kHeaderBytes);
  PutLittle32(dib, static_cast<std::uint32_t>(width));
  PutLittle32(dib, static_cast<std::uint32_t>(-height));  // top-down, as the decoder gives rows
  PutLittle32(dib, 1 | (32u << 16));                      // one plane, 32 bits a pixel
  dib.append(kHeaderBytes - dib.size(), '\0');            // BI_RGB, no colour table
  for (std::size_t at = 0; at < bgra.size(); at += 4) {
    const unsigned alpha = static_cast<unsigned char>(bgra[at + 3]);
    for (int k = 0; k < 3; ++k) {
      const unsigned colour = static_cast<unsigned char>(bgra[at + k]);
      dib.push_back(static_cast<char>((colour * alpha + 255 * (255 - alpha) + 127) / 255));
    }
    dib.push_back('\0');
  }
  return dib;
}

}  // namespace drawlot
