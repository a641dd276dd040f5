// Feeds arbitrary bytes, read as UTF-16, to both conversions and checks that
// every answer is a fixed message or a well-formed text that converts back.
#include "conversion/hex_to_time.hpp"
#include "conversion/time_to_hex.hpp"
#include "messages.hpp" // the tests' own texts

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <variant>

namespace {

using namespace quennarix::conversion;
namespace expected = quennarix::testing;

void require(bool holds, const char *what)
{
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

int hexValue(char16_t c)
{
    if (isDigit(c))
        return c - u'0';
    return c >= u'A' && c <= u'F' ? c - u'A' + 10 : -1;
}

// "mm:ss": two or more minute digits (no leading zero beyond two), two second
// digits below 60. Gives the total of seconds, or -1 when the form is wrong.
long secondsOfTime(std::u16string_view time)
{
    const std::size_t colon = time.find(u':');
    if (colon == std::u16string_view::npos || colon < 2 || time.size() != colon + 3)
        return -1;
    if (colon > 2 && time[0] == u'0')
        return -1;
    long minutes = 0;
    for (std::size_t i = 0; i < colon; ++i) {
        if (!isDigit(time[i]) || minutes > 100000)
            return -1;
        minutes = minutes * 10 + (time[i] - u'0');
    }
    if (!isDigit(time[colon + 1]) || !isDigit(time[colon + 2]))
        return -1;
    const long seconds = (time[colon + 1] - u'0') * 10 + (time[colon + 2] - u'0');
    if (seconds >= 60 || minutes > 1092)
        return -1;
    return minutes * 60 + seconds;
}

// Exactly four upper-case hexadecimal digits, or -1.
long valueOfHex(std::u16string_view hex)
{
    if (hex.size() != 4)
        return -1;
    long value = 0;
    for (const char16_t c : hex) {
        if (hexValue(c) < 0)
            return -1;
        value = value * 16 + hexValue(c);
    }
    return value;
}

// One button: its conversion, the way back, its messages and how to read its answers.
struct Direction
{
    const char *name;
    ConversionOutcome (*convert)(std::u16string_view);
    ConversionOutcome (*back)(std::u16string_view);
    std::u16string_view emptyMessage;
    std::u16string_view invalidMessage;
    long (*valueOfAnswer)(std::u16string_view);
    long (*valueOfBackAnswer)(std::u16string_view);
};

constexpr Direction kHexToTime{"'<'",
                               ConvertHexToTime,
                               ConvertTimeToHex,
                               expected::kEnterHexValue,
                               expected::kEnterValidHexValue,
                               secondsOfTime,
                               valueOfHex};
constexpr Direction kTimeToHex{"'>'",
                               ConvertTimeToHex,
                               ConvertHexToTime,
                               expected::kEnterTimeValue,
                               expected::kEnterValidTimeValue,
                               valueOfHex,
                               secondsOfTime};

void require(const Direction &direction, bool holds, const char *what)
{
    if (!holds)
        std::fprintf(stderr, "%s: ", direction.name);
    require(holds, what);
}

void check(const Direction &direction, std::u16string_view input)
{
    const ConversionOutcome outcome = direction.convert(input);
    if (const auto *message = std::get_if<Message>(&outcome)) {
        require(direction,
                message->text ==
                    (input.empty() ? direction.emptyMessage : direction.invalidMessage),
                "wrong message");
        return;
    }
    const std::u16string &answer = std::get<TargetText>(outcome).text;
    const long seconds = direction.valueOfAnswer(answer);
    require(direction, seconds >= 0 && seconds <= 0xFFFF, "answer of the wrong form");
    const ConversionOutcome back = direction.back(answer);
    require(direction,
            std::holds_alternative<TargetText>(back) &&
                direction.valueOfBackAnswer(std::get<TargetText>(back).text) == seconds,
            "the other button did not read the answer back");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // An odd last byte becomes a unit of its own, so odd lengths are tried too.
    std::u16string text((size + 1) / 2, u'\0');
    std::memcpy(text.data(), data, size);
    check(kHexToTime, text);
    check(kTimeToHex, text);
    return 0;
}
