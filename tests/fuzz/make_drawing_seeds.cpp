// Writes the seeds of fuzz_drawing into the folder given: small drawings of each kind, made
// with the tests' builder. Run by hand when the builder changes:
//   build/fuzz/tests/fuzz/make_drawing_seeds tests/fuzz/seeds/drawing
#include <cstdio>
#include <string>

#include "support/drawing_builder.h"

using namespace drawlot::testing;

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const std::string bmp = Dib(4, 3, 4);
  const struct {
    const char* name;
    std::string bytes;
  } seeds[] = {
      {"dwg2018_bmp.dwg", Dwg("AC1032", {{1, "header"}, {3, "wmf"}, {2, bmp}}, 16)},
      {"dwg2013_png.dwg", Dwg("AC1027", {{1, "header"}, {6, Png(64, 48)}})},
      {"dwg_r12.dwg", Dwg("AC1009", {})},
      {"dxf_lf.dxf", Dxf("AC1015", bmp, "\n", 2)},
      {"dxf_crlf.dxf", Dxf("AC1032", Dib(2, -2, 24), "\r\n", 1)},
      {"dxf_binary.dxf", std::string("AutoCAD Binary DXF\r\n\x1A\0", 22)},
  };
  for (const auto& seed : seeds) {
    const std::string path = std::string(argv[1]) + "/" + seed.name;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr ||
        std::fwrite(seed.bytes.data(), 1, seed.bytes.size(), file) != seed.bytes.size()) {
      return 1;
    }
    std::fclose(file);
  }
  return 0;
}
