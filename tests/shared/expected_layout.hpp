#pragma once

#include "table.hpp"

#include <string>
#include <vector>

// expected_layout.txt, which the tests of the real program read too.
namespace quennarix::testing {

struct ExpectedFont
{
    std::string family; // empty: the window's font
    int weight = 0;
    double points = 0;
};

struct ExpectedControl : NamedRow
{
    std::string kind; // window, label, box or button
    int left, top, width, height;
    ExpectedFont font;
    std::string caption;
    std::string accessibleName;
};

// The window first, then its controls in tab order.
const std::vector<ExpectedControl> &expectedLayout();
const ExpectedControl &expectedWindow();
std::vector<ExpectedControl> expectedControls();

} // namespace quennarix::testing
