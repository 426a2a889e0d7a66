#include "core/env/paper_records.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

#include "core/env/printer_catalog.h"

namespace drawlot {
namespace {

// Room beyond the count asked right before the read: more than the catalogue ever keeps.
constexpr std::size_t kSpareRecords = 64;

}  // namespace

int ReadPaperRecordsGuarded(std::span<char> records, const std::function<int()>& count,
                            const std::function<int(char*)>& read) {
  const std::size_t fit = records.size() / kPaperRecordBytes;
  const std::size_t now = static_cast<std::size_t>(std::max(count(), 0));
  const std::size_t room = std::max(fit, now) + kSpareRecords;
  std::vector<char> buffer;
  try {
    buffer.assign(room * kPaperRecordBytes, '\0');
  } catch (const std::bad_alloc&) {
    return -1;  // read nothing rather than into a buffer that may be too small
  }
  const int reported = read(buffer.data());
  const std::size_t got = static_cast<std::size_t>(std::max(reported, 0));
  std::memcpy(records.data(), buffer.data(), std::min({got, fit, room}) * kPaperRecordBytes);
  return reported;
}

}  // namespace drawlot
