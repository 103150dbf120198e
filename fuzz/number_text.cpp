// The numbers the wizard keeps as text: any text reads as a number, and every number written in
// the short form reads back as itself.
#include <cmath>
#include <string>

#include "animace/number_text.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    long long value = 0;
    for (int i = 0; i < 8; ++i) value = static_cast<long long>(static_cast<unsigned long long>(value) << 8 | input.Byte());
    const std::vector<std::uint8_t> rest = input.Rest();
    const std::string text(rest.begin(), rest.end());

    const double read = animace::LeadingNumber(text);
    FUZZ_CHECK(!std::isnan(read));

    FUZZ_CHECK(animace::LeadingNumber(" " + std::to_string(value)) == static_cast<double>(value));

    const std::string time = animace::ShortFormOfTwentieths(value);
    FUZZ_CHECK(time[0] == (value < 0 ? '-' : ' '));
    FUZZ_CHECK(time.back() != '.' && (time.find('.') == std::string::npos || time.back() != '0'));
    const long long small = value % 1000000000;  // exactly representable in twentieths
    FUZZ_CHECK(std::fabs(animace::LeadingNumber(animace::ShortFormOfTwentieths(small)) * 20 - static_cast<double>(small)) < 1e-6);
    return 0;
}
