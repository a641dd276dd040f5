#include "conversion/hex_to_time.hpp"

#include "conversion/messages.hpp"
#include "conversion/pad_zeros.hpp"
#include "runtime/errors.hpp"
#include "runtime/number.hpp"
#include "runtime/text.hpp"

#include <cstdint>
#include <utility>

namespace quennarix::conversion {

ConversionOutcome ConvertHexToTime(std::u16string_view hexText)
{
    using namespace runtime;

    if (compareBinary(hexText, u"") == 0)
        return Message{messages::kEnterHexValue};

    // The box holds what ">" writes, 0000 to FFFF, so the digits are read unsigned.
    std::int32_t value = 0;
    try {
        value = toUnsigned16(toInt32(readHexNumeral(join(u"&H", hexText))));
    } catch (const RuntimeError &) {
        return Message{messages::kEnterValidHexValue};
    }

    const double quotient = value / 60.0;
    const std::int32_t minutes = toInt32(floorOf(quotient));
    std::u16string timeText = join(PadZeros(decimalText(minutes), 2), u":");
    const std::int32_t seconds = value % 60;
    timeText = join(timeText, PadZeros(decimalText(seconds), 2));
    return TargetText{std::move(timeText)};
}

} // namespace quennarix::conversion
