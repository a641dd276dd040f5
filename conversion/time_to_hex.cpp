#include "conversion/time_to_hex.hpp"

#include "conversion/messages.hpp"
#include "conversion/pad_zeros.hpp"
#include "runtime/errors.hpp"
#include "runtime/number.hpp"
#include "runtime/text.hpp"

#include <cstdint>

namespace quennarix::conversion {

ConversionOutcome ConvertTimeToHex(std::u16string_view timeText)
{
    using namespace runtime;

    if (compareBinary(timeText, u"") == 0)
        return Message{messages::kEnterTimeValue};

    const std::size_t colon = findFrom(1, timeText, u":");
    if (colon == 0)
        return Message{messages::kEnterValidTimeValue};
    const std::u16string_view minutesText = leftOf(timeText, colon - 1);
    const std::u16string_view secondsText = middleOf(timeText, colon + 1, lengthOf(timeText));

    // Minutes are read and multiplied before the seconds are read.
    std::int32_t total = 0;
    try {
        const std::int32_t minutesInSeconds = multiplyChecked(toInt32(minutesText), 60);
        total = addChecked(minutesInSeconds, toInt32(secondsText));
    } catch (const RuntimeError &) {
        return Message{messages::kEnterValidTimeValue};
    }

    // Four hexadecimal digits hold no more, and a negative total has no time to stand for.
    constexpr std::int32_t kLargestTotal = 0xFFFF;
    if (total < 0 || total > kLargestTotal)
        return Message{messages::kEnterValidTimeValue};

    return TargetText{PadZeros(upperHexText(total), 4)};
}

} // namespace quennarix::conversion
