#include "conversion/pad_zeros.hpp"

#include "runtime/text.hpp"

namespace quennarix::conversion {

std::u16string PadZeros(std::u16string_view text, std::size_t width)
{
    const std::size_t length = runtime::lengthOf(text);
    if (length >= width)
        return std::u16string(text);
    return runtime::join(runtime::copiesOf(u'0', width - length), text);
}

} // namespace quennarix::conversion
