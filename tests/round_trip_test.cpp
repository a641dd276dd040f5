#include "conversion/hex_to_time.hpp"
#include "conversion/time_to_hex.hpp"
#include "conversion_table.hpp"

#include <cstdio>

namespace quennarix::testing {
namespace {

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

        const std::u16string toHex = Describe(conversion::ConvertTimeToHex(Widen(time)));
        const std::u16string toTime = Describe(conversion::ConvertHexToTime(Widen(hex)));
        EXPECT_EQ(toHex, Text(Widen(hex))) << "time " << time;
        EXPECT_EQ(toTime, Text(Widen(time))) << "hex " << hex;
        failures += (toHex != Text(Widen(hex))) + (toTime != Text(Widen(time)));
    }
}

} // namespace
} // namespace quennarix::testing
