// A local date and time as the system clock gives it: for the run record's times and the names
// of the session versions of kept files.
#pragma once

namespace drawlot {

struct LocalTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

}  // namespace drawlot
