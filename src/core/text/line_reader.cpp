#include "core/text/line_reader.h"

namespace drawlot {

bool LineReader::IsDroppedCr(std::size_t at) const {
  if (at >= bytes_.size() || bytes_[at] != '\r') return false;
  if (cr_ == CarriageReturns::kDropAll) return true;
  return at + 1 < bytes_.size() && bytes_[at + 1] == '\n';
}

bool LineReader::ConsumeLineEnd() {
  std::size_t at = pos_;
  while (IsDroppedCr(at)) ++at;
  if (at < bytes_.size() && bytes_[at] == '\n') {
    pos_ = at + 1;
    return true;
  }
  return false;
}

bool LineReader::ReadLine(std::size_t max_bytes, std::string& line) {
  line.clear();
  if (AtEnd()) return false;
  while (pos_ < bytes_.size()) {
    if (ConsumeLineEnd()) return true;
    if (IsDroppedCr(pos_)) {
      ++pos_;  // a CR dropped before the end of the data
      continue;
    }
    if (line.size() == max_bytes) break;
    line.push_back(bytes_[pos_++]);
  }
  return true;
}

}  // namespace drawlot
