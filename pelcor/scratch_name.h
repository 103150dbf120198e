#pragma once
#include <string>

namespace pelcor {

// "mObr" + a number from 0 to 999 + ".tmp"; the number is drawn from a generator seeded with
// the seconds since midnight.
std::string ScratchFileName(unsigned secondsSinceMidnight);

// Seconds since the local midnight, now.
unsigned SecondsSinceMidnight();

}  // namespace pelcor
