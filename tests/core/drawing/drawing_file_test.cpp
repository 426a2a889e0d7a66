#include "core/drawing/drawing_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/drawing/preview_cache.h"
#include "support/drawing_builder.h"
#include "support/temp_folder.h"

namespace drawlot {
namespace {

using namespace testing;

std::string Patched(std::string bytes, std::size_t at, std::uint32_t value, int size = 4) {
  PutLe(bytes, at, value, size);
  return bytes;
}

// A DXF whose THUMBNAILIMAGE says it has `count` bytes.
std::string WithCount(std::string dxf, std::size_t count) {
  const std::size_t at = dxf.find("\n 90\n") + 5;
  return dxf.replace(at, dxf.find('\n', at) - at, std::to_string(count));
}

// Counts what the reader asks for.
class CountingSource : public MemoryByteSource {
 public:
  using MemoryByteSource::MemoryByteSource;
  bool ReadAt(std::uint64_t offset, std::size_t count, std::string& out) override {
    read += count;
    return MemoryByteSource::ReadAt(offset, count, out);
  }
  std::size_t read = 0;
};

TEST(DrawingFile, ReadsFormatAndPictureOfEachKindWithinEveryBound) {
  const std::string bmp = Dib(3, 2, 8);
  const std::string png = Png(256, 192);
  const std::string dwg = Dwg("AC1032", {{1, "head"}, {3, "wmf"}, {2, bmp}}, 100);
  const std::string bmp_at = std::to_string(DwgEntryAt(2) + 1);
  const std::string big_thumbnail = Dib(400, 300, 24);  // more hex than the first tail window
  struct Case {
    const char* name;
    std::string bytes;
    DrawingFileKind kind;
    std::string text;
    PictureKind picture = PictureKind::kNone;
    std::string picture_bytes = {};
  };
  const std::vector<Case> cases = {
      {"2018 BMP after header and WMF", dwg, DrawingFileKind::kDwg, "AutoCAD 2018 形式 (AC1032)",
       PictureKind::kBmp, bmp},
      {"2013 PNG", Dwg("AC1027", {{6, png}}), DrawingFileKind::kDwg, "AutoCAD 2013 形式 (AC1027)",
       PictureKind::kPng, png},
      {"PNG before BMP", Dwg("AC1024", {{2, bmp}, {6, png}}), DrawingFileKind::kDwg,
       "AutoCAD 2010 形式 (AC1024)", PictureKind::kPng, png},
      {"BMP with bytes after its bits", Dwg("AC1014", {{2, bmp + "pad"}}), DrawingFileKind::kDwg,
       "AutoCAD R14 形式 (AC1014)", PictureKind::kBmp, bmp},
      {"a future code keeps the layout", Dwg("AC1099", {{2, bmp}}), DrawingFileKind::kDwg,
       "不明な形式 (AC1099)", PictureKind::kBmp, bmp},
      {"R11/12 has no image block", Dwg("AC1009", {{2, bmp}}), DrawingFileKind::kDwg,
       "AutoCAD R11/12 形式 (AC1009)"},
      {"R13", Dwg("AC1012", {}), DrawingFileKind::kDwg, "AutoCAD R13 形式 (AC1012)"},
      {"2000", Dwg("AC1015", {}), DrawingFileKind::kDwg, "AutoCAD 2000 形式 (AC1015)"},
      {"2004", Dwg("AC1018", {}), DrawingFileKind::kDwg, "AutoCAD 2004 形式 (AC1018)"},
      {"2007", Dwg("AC1021", {}), DrawingFileKind::kDwg, "AutoCAD 2007 形式 (AC1021)"},
      {"cut inside the address", dwg.substr(0, 15), DrawingFileKind::kDwg,
       "AutoCAD 2018 形式 (AC1032)"},
      {"address past the end", Patched(dwg, 0x0D, 0xFFFFFFF0), DrawingFileKind::kDwg,
       "AutoCAD 2018 形式 (AC1032)"},
      {"wrong sentinel", Patched(dwg, kDwgBlockAt + 15, 0, 1), DrawingFileKind::kDwg,
       "AutoCAD 2018 形式 (AC1032)"},
      {"count past the file",
       Patched(Patched(dwg, kDwgBlockAt + 20, 200, 1), kDwgBlockAt + 16, 0xFFFFFFFF),
       DrawingFileKind::kDwg, "AutoCAD 2018 形式 (AC1032)"},
      {"count above the entries: the others are checked", Patched(dwg, kDwgBlockAt + 20, 9, 1),
       DrawingFileKind::kDwg, "AutoCAD 2018 形式 (AC1032)", PictureKind::kBmp, bmp},
      {"block smaller than its table", Patched(dwg, kDwgBlockAt + 16, 27), DrawingFileKind::kDwg,
       "AutoCAD 2018 形式 (AC1032)"},
      {"start past the end", Patched(dwg, DwgEntryAt(2) + 1, 0xFFFFFFFF), DrawingFileKind::kDwg,
       "AutoCAD 2018 形式 (AC1032)"},
      {"size past the end", Patched(dwg, DwgEntryAt(2) + 5, bmp.size() + 200), DrawingFileKind::kDwg,
       "AutoCAD 2018 形式 (AC1032)"},
      {"cut inside the BMP", dwg.substr(0, dwg.size() - 101), DrawingFileKind::kDwg,
       "AutoCAD 2018 形式 (AC1032)"},
      {"BMP 4097 wide", Dwg("AC1032", {{2, Dib(4097, 1, 1)}}), DrawingFileKind::kDwg,
       "AutoCAD 2018 形式 (AC1032)"},
      {"BMP over 16 MiB", Dwg("AC1032", {{2, Dib(4096, 4096, 1) + std::string(16 << 20, '\0')}}),
       DrawingFileKind::kDwg, "AutoCAD 2018 形式 (AC1032)"},
      {"BMP 4096 x 1024 x 32 bits is 16 MiB and more",
       Dwg("AC1032", {{2, Dib(4096, 1024, 32).substr(0, 16 << 20)}}), DrawingFileKind::kDwg,
       "AutoCAD 2018 形式 (AC1032)"},
      {"PNG 4097 high", Dwg("AC1032", {{6, Png(1, 4097)}}), DrawingFileKind::kDwg,
       "AutoCAD 2018 形式 (AC1032)"},
      {"BMP header of another size", Dwg("AC1032", {{2, Patched(bmp, 0, 12)}}), DrawingFileKind::kDwg,
       "AutoCAD 2018 形式 (AC1032)"},
      {"BMP of 7 bits", Dwg("AC1032", {{2, Patched(bmp, 14, 7, 2)}}), DrawingFileKind::kDwg,
       "AutoCAD 2018 形式 (AC1032)"},
      {"palette larger than the bytes there",
       Dwg("AC1032", {{2, Patched(Dib(3, 2, 8, 16), 32, 200)}}), DrawingFileKind::kDwg,
       "AutoCAD 2018 形式 (AC1032)"},
      {"top-down BMP", Dwg("AC1032", {{2, Dib(2, -2, 24)}}), DrawingFileKind::kDwg,
       "AutoCAD 2018 形式 (AC1032)", PictureKind::kBmp, Dib(2, -2, 24)},
      {"DXF", Dxf("AC1015", bmp), DrawingFileKind::kAsciiDxf, "AutoCAD 2000 形式 (AC1015)",
       PictureKind::kBmp, bmp},
      {"DXF with CR LF and a large picture far down", Dxf("AC1032", big_thumbnail, "\r\n", 40000),
       DrawingFileKind::kAsciiDxf, "AutoCAD 2018 形式 (AC1032)", PictureKind::kBmp, big_thumbnail},
      {"DXF without $ACADVER or picture", "999\r\nmade by hand\r\n  0\r\nSECTION\r\n",
       DrawingFileKind::kAsciiDxf, "DXF 形式"},
      {"DXF count above the hex", WithCount(Dxf("AC1018", bmp), bmp.size() + 1),
       DrawingFileKind::kAsciiDxf, "AutoCAD 2004 形式 (AC1018)"},
      {"DXF count below the hex", WithCount(Dxf("AC1018", bmp), bmp.size() - 1),
       DrawingFileKind::kAsciiDxf, "AutoCAD 2004 形式 (AC1018)"},
      {"DXF cut inside the hex", Dxf("AC1009", bmp).substr(0, Dxf("AC1009", bmp).size() - 40),
       DrawingFileKind::kAsciiDxf, "AutoCAD R11/12 形式 (AC1009)"},
      {"binary DXF", std::string("AutoCAD Binary DXF\r\n\x1A\0", 22) + "\0\0SECTION",
       DrawingFileKind::kBinaryDxf, "バイナリ DXF 形式"},
      {"text", "SECTION\nACADVER\n", DrawingFileKind::kNotDrawing, "図面ではありません"},
      {"AC but no digits", "ACAD12" + bmp_at, DrawingFileKind::kNotDrawing, "図面ではありません"},
      {"empty", "", DrawingFileKind::kNotDrawing, "図面ではありません"},
  };
  for (const Case& c : cases) {
    MemoryByteSource source(c.bytes);
    const DrawingPreview preview = ReadDrawingPreview(source);
    EXPECT_EQ(preview.kind, c.kind) << c.name;
    EXPECT_EQ(FormatText(preview), c.text) << c.name;
    EXPECT_EQ(preview.picture, c.picture) << c.name;
    EXPECT_TRUE(preview.picture_bytes == c.picture_bytes)
        << c.name << ": " << preview.picture_bytes.size() << " bytes";
  }
}

TEST(DrawingFile, ReadsTheHeaderAndPictureOfALargeDrawingOnly) {
  const std::string bmp = Dib(160, 120, 8);
  const std::string dwg = Dwg("AC1032", {{2, bmp}}, 50 << 20);
  const std::string dxf = Dxf("AC1032", bmp, "\r\n", 200000);  // about 9 MB
  for (const std::string* bytes : {&dwg, &dxf}) {
    CountingSource source(*bytes);
    EXPECT_EQ(ReadDrawingPreview(source).picture_bytes, bmp);
    EXPECT_LT(source.read, bytes == &dwg ? bmp.size() + 1024 : 1u << 20) << bytes->size();
  }
}

TEST(DrawingFile, ReadsFilesAndMakesBmpFiles) {
  TempFolder folder;
  const std::string dib = Dib(1, 1, 1);
  folder.Write("a.dwg", Dwg("AC1027", {{2, dib}}));
  const std::optional<DrawingPreview> read = ReadDrawingPreviewFile(folder.File("a.dwg"));
  ASSERT_TRUE(read);
  EXPECT_EQ(read->picture_bytes, dib);
  EXPECT_FALSE(ReadDrawingPreviewFile(folder.File("none.dwg")));
  // File size 14 + 40 + 8 + 4, bits at 14 + 40 + two colours.
  EXPECT_EQ(Visible(BmpFileFromDib(dib).substr(0, 14)),
            Visible(std::string("BM\x42\0\0\0\0\0\0\0\x3E\0\0\0", 14)));
  EXPECT_EQ(BmpFileFromDib(dib).substr(14), dib);
  EXPECT_EQ(BmpFileFromDib(dib.substr(0, 50)), "");
}

TEST(PreviewCache, KeepsTheLastPicturesByPathSizeAndTime) {
  PreviewCache cache(3);
  const auto picture = [](const char* version) {
    DrawingPreview preview;
    preview.version = version;
    return std::make_shared<const DrawingPreview>(preview);
  };
  struct Step {
    char op;  // p: put, f: find
    PreviewKey key;
    const char* version;  // put; or found, "" for none
  };
  const std::vector<Step> steps = {
      {'p', {"a", 1, 1}, "AC1001"}, {'p', {"b", 1, 1}, "AC1002"}, {'p', {"c", 1, 1}, "AC1003"},
      {'f', {"a", 1, 1}, "AC1001"},  // a is now the newest, b the oldest
      {'p', {"d", 1, 1}, "AC1004"}, {'f', {"b", 1, 1}, ""},       {'f', {"c", 1, 1}, "AC1003"},
      {'f', {"a", 2, 1}, ""},       {'f', {"a", 1, 2}, ""},       {'f', {"A", 1, 1}, ""},
      {'p', {"d", 1, 9}, "AC1005"},  // saved again: replaces its older picture
      {'f', {"d", 1, 1}, ""},       {'f', {"d", 1, 9}, "AC1005"}, {'f', {"a", 1, 1}, "AC1001"},
  };
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const Step& step = steps[i];
    if (step.op == 'p') {
      cache.Put(step.key, picture(step.version));
    } else {
      const auto found = cache.Find(step.key);
      EXPECT_EQ(found ? found->version : "", step.version) << "step " << i;
    }
  }
  EXPECT_EQ(cache.Count(), 3u);
  PreviewCache full;
  for (int i = 0; i <= 64; ++i) full.Put({std::to_string(i), 0, 0}, picture("AC1032"));
  EXPECT_EQ(full.Count(), 64u);
  EXPECT_FALSE(full.Find({"0", 0, 0}));
  EXPECT_TRUE(full.Find({"1", 0, 0}));
}

}  // namespace
}  // namespace drawlot
