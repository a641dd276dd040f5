#pragma once

#include "conversion/conversion_outcome.hpp"
#include "outcome_text.hpp"
#include "row.hpp"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace quennarix::testing {

// One row of a conversion table: what goes in, and the outcome that comes out,
// as TextOutcome or MessageOutcome describe it.
struct ConversionRow : NamedRow
{
    std::u16string input;
    std::string expected;
};

using Converter = conversion::ConversionOutcome (*)(std::u16string_view);

// The table of one conversion; each file names its own with an alias.
template <Converter convert> class ConversionTable : public ::testing::TestWithParam<ConversionRow>
{
protected:
    static std::string outcomeOf(std::u16string_view input) { return Describe(convert(input)); }
};

} // namespace quennarix::testing
