#include "form/layout.hpp"
#include "table.hpp"

#include <optional>
#include <utility>

namespace quennarix::form {
namespace {

struct ScaleRow : testing::NamedRow
{
    int pixels;
    int dpi;
    int expected; // worked out by hand: pixels * dpi / 96, halves rounded up
};

const ScaleRow kScaleRows[] = {
    {{"ClientWidthAt96"}, 471, 96, 471},    {{"ZeroAt120"}, 0, 120, 0},
    {{"QuarterDownAt120"}, 17, 120, 21},    {{"HalfUpAt120"}, 2, 120, 3},
    {{"OtherHalfUpAt120"}, 6, 120, 8},      {{"ThreeQuartersUpAt120"}, 471, 120, 589},
    {{"ClientHeightAt120"}, 296, 120, 370}, {{"HalfUpAt144"}, 471, 144, 707},
    {{"BoxHeightAt144"}, 33, 144, 50},      {{"OnePixelAt144"}, 1, 144, 2},
    {{"WholeAt144"}, 296, 144, 444},        {{"DoubledAt192"}, 471, 192, 942},
    {{"OddDoubledAt192"}, 33, 192, 66},
};

using Scaled = testing::Table<ScaleRow>;

TEST_P(Scaled, RoundsToTheNearestPixel)
{
    EXPECT_EQ(scaled(row().pixels, row().dpi), row().expected);
}

QUENNARIX_TABLE(Scaled, kScaleRows);

TEST(Layout, EveryControlLiesInsideTheClientArea)
{
    for (const ControlLayout &entry : kControls) {
        EXPECT_GE(entry.left, 0) << entry.name;
        EXPECT_GE(entry.top, 0) << entry.name;
        EXPECT_LE(entry.left + entry.width, kClientWidth) << entry.name;
        EXPECT_LE(entry.top + entry.height, kClientHeight) << entry.name;
    }
}

// Each box's label starts above it at its left edge; screen readers take the
// box's name from it.
TEST(Layout, EachBoxIsNamedByTheLabelAboveIt)
{
    for (const auto &[box, label] : {std::pair{Text1, Label2}, std::pair{Text2, Label3}}) {
        ASSERT_EQ(labelOf(box), label) << layoutOf(box).name;
        EXPECT_LT(layoutOf(label).top, layoutOf(box).top) << layoutOf(box).name;
        EXPECT_EQ(layoutOf(label).left, layoutOf(box).left) << layoutOf(box).name;
        EXPECT_STREQ(layoutOf(label).caption, layoutOf(box).accessibleName);
    }
    for (const ControlId other : {Label1, Command1, Command2, Label4})
        EXPECT_EQ(labelOf(other), std::nullopt) << layoutOf(other).name;
}

} // namespace
} // namespace quennarix::form
