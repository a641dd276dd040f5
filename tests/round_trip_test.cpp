#include "conversion/hex_to_time.hpp"
#include "conversion/time_to_hex.hpp"
#include "outcome_text.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace quennarix::conversion {
namespace {

using testing::Describe;
using testing::TextOutcome;

std::u16string Widen(const char *ascii)
{
    return std::u16string(ascii, ascii + std::char_traits<char>::length(ascii));
}

// Every total the hexadecimal box can hold goes there and back again.
TEST(RoundTrip, EveryTotalFromZeroToFFFF)
{
    int failures = 0;
    for (int total = 0; total <= 0xFFFF && failures < 10; ++total) {
        char time[16];
        char hex[8];
        std::snprintf(time, sizeof time, "%02d:%02d", total / 60, total % 60);
        std::snprintf(hex, sizeof hex, "%04X", total);

        const std::string toHex = Describe(ConvertTimeToHex(Widen(time)));
        const std::string toTime = Describe(ConvertHexToTime(Widen(hex)));
        EXPECT_EQ(toHex, TextOutcome(Widen(hex))) << "time " << time;
        EXPECT_EQ(toTime, TextOutcome(Widen(time))) << "hex " << hex;
        failures += (toHex != TextOutcome(Widen(hex))) + (toTime != TextOutcome(Widen(time)));
    }
}

} // namespace
} // namespace quennarix::conversion
