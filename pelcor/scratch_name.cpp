#include "pelcor/scratch_name.h"

#include <ctime>
#include <random>

namespace pelcor {

std::string ScratchFileName(unsigned secondsSinceMidnight) {
    std::mt19937 generator(secondsSinceMidnight);
    const double fraction = std::uniform_real_distribution<double>(0.0, 1.0)(generator);
    int number = static_cast<int>(fraction * 1000);
    if (number > 999) number = 999;
    return "mObr" + std::to_string(number) + ".tmp";
}

unsigned SecondsSinceMidnight() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) return 0;
    return static_cast<unsigned>(local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec);
}

}  // namespace pelcor
