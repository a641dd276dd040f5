#pragma once

#include <ostream>
#include <string_view>

namespace quennarix::testing {

// One row of a conversion table: what goes in, and the text or message that comes out.
struct ConversionRow
{
    const char *name;
    std::u16string_view input;
    std::u16string_view expected;
    friend void PrintTo(const ConversionRow &row, std::ostream *out) { *out << row.name; }
};

} // namespace quennarix::testing
