// Reading a driver's paper names safely. The driver writes as many 64-byte records as it has
// at that moment and is given no buffer size; the count it gave before may be out of date by
// the time it writes (a driver updated, a queue changed), so its records never go straight
// into a buffer sized from that earlier count.
#pragma once

#include <functional>
#include <span>

namespace drawlot {

// Asks `count` for the number the driver has now, lets `read` write into a buffer of its own
// with room for that many and more, and copies into `records` (zeroed by the caller) the names
// that fit there. Returns the number `read` reported, so a caller that sized `records` from an
// earlier count still sees that the counts differ.
int ReadPaperRecordsGuarded(std::span<char> records, const std::function<int()>& count,
                            const std::function<int(char*)>& read);

}  // namespace drawlot
