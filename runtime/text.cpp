#include "runtime/text.hpp"

namespace quennarix::runtime {

int compareBinary(std::u16string_view left, std::u16string_view right)
{
    return left.compare(right);
}

std::u16string join(std::u16string_view first, std::u16string_view second)
{
    std::u16string joined;
    joined.reserve(first.size() + second.size());
    joined.append(first).append(second);
    return joined;
}

std::size_t lengthOf(std::u16string_view text)
{
    return text.size();
}

std::u16string copiesOf(char16_t character, std::size_t count)
{
    return std::u16string(count, character);
}

std::size_t findFrom(std::size_t start, std::u16string_view text, std::u16string_view sought)
{
    if (start == 0 || start - 1 > text.size())
        return 0;
    const std::size_t found = text.find(sought, start - 1);
    return found == std::u16string_view::npos ? 0 : found + 1;
}

std::u16string_view leftOf(std::u16string_view text, std::size_t count)
{
    return text.substr(0, count);
}

std::u16string_view middleOf(std::u16string_view text, std::size_t start, std::size_t count)
{
    if (start == 0 || start > text.size())
        return {};
    return text.substr(start - 1, count);
}

} // namespace quennarix::runtime
