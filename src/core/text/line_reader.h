// Reads the lines of a settings or list file held in memory, the way these files have always
// been read: a line ends at LF, which is consumed and not kept; a line longer than the reader's
// byte limit comes back as several lines of at most that many bytes. A line of exactly the
// limit is one line: the LF right after it is consumed with it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace drawlot {

enum class CarriageReturns {
  kLineEndOnly,  // CR LF reads as LF; any other CR is an ordinary byte
  kDropAll,      // every CR byte is dropped, wherever it stands
};

class LineReader {
 public:
  explicit LineReader(std::string_view bytes, CarriageReturns cr = CarriageReturns::kLineEndOnly)
      : bytes_(bytes), cr_(cr) {}

  // Reads the next line of at most `max_bytes` bytes into `line`. Returns false at the end of
  // the data (with `line` empty).
  bool ReadLine(std::size_t max_bytes, std::string& line);

  bool AtEnd() const { return pos_ >= bytes_.size(); }

 private:
  // Consumes a line end (LF, or CR LF, or with kDropAll any CRs then LF) if one is next.
  bool ConsumeLineEnd();
  bool IsDroppedCr(std::size_t at) const;

  std::string_view bytes_;
  CarriageReturns cr_;
  std::size_t pos_ = 0;
};

// Appends `text` and CR LF.
inline void AppendLine(std::string& out, std::string_view text) {
  out.append(text);
  out.append("\r\n");
}

}  // namespace drawlot
