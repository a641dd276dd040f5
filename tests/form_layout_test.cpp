#include "form/layout.hpp"
#include "row.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace quennarix::form {
namespace {

struct ScaleRow : testing::NamedRow
{
    int pixels;
    int dpi;
    int expected; // worked out by hand: pixels * dpi / 96, halves rounded up
};

class Scaled : public ::testing::TestWithParam<ScaleRow>
{
};

TEST_P(Scaled, RoundsToTheNearestPixel)
{
    EXPECT_EQ(scaled(GetParam().pixels, GetParam().dpi), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, Scaled,
                         ::testing::Values(ScaleRow{{"ClientWidthAt96"}, 471, 96, 471},
                                           ScaleRow{{"ZeroAt120"}, 0, 120, 0},
                                           ScaleRow{{"QuarterDownAt120"}, 17, 120, 21},
                                           ScaleRow{{"HalfUpAt120"}, 2, 120, 3},
                                           ScaleRow{{"OtherHalfUpAt120"}, 6, 120, 8},
                                           ScaleRow{{"ThreeQuartersUpAt120"}, 471, 120, 589},
                                           ScaleRow{{"ClientHeightAt120"}, 296, 120, 370},
                                           ScaleRow{{"HalfUpAt144"}, 471, 144, 707},
                                           ScaleRow{{"BoxHeightAt144"}, 33, 144, 50},
                                           ScaleRow{{"OnePixelAt144"}, 1, 144, 2},
                                           ScaleRow{{"WholeAt144"}, 296, 144, 444},
                                           ScaleRow{{"DoubledAt192"}, 471, 192, 942},
                                           ScaleRow{{"OddDoubledAt192"}, 33, 192, 66}),
                         testing::RowName());

struct FontRow : testing::NamedRow
{
    const char *family;
    double pointSize;
    int weight;
};

class ControlFonts : public ::testing::TestWithParam<FontRow>
{
};

const ControlLayout &named(const char *name)
{
    for (const ControlLayout &entry : kControls) {
        if (std::string(entry.name) == name)
            return entry;
    }
    throw std::invalid_argument(name);
}

TEST_P(ControlFonts, AreTheTitleArrowOrWindowFont)
{
    const FontChoice &font = fontOf(named(GetParam().name));
    EXPECT_STREQ(font.family, GetParam().family);
    EXPECT_EQ(font.pointSize, GetParam().pointSize);
    EXPECT_EQ(font.weight, GetParam().weight);
}

INSTANTIATE_TEST_SUITE_P(Table, ControlFonts,
                         ::testing::Values(FontRow{{"Label1"}, "MS Sans Serif", 13.5, 700},
                                           FontRow{{"Text1"}, "MS Sans Serif", 8, 400},
                                           FontRow{{"Label2"}, "MS Sans Serif", 8, 400},
                                           FontRow{{"Text2"}, "MS Sans Serif", 8, 400},
                                           FontRow{{"Label3"}, "MS Sans Serif", 8, 400},
                                           FontRow{{"Command1"}, "MS Sans Serif", 24, 700},
                                           FontRow{{"Command2"}, "MS Sans Serif", 24, 700},
                                           FontRow{{"Label4"}, "MS Sans Serif", 8, 400}),
                         testing::RowName());

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

TEST(Layout, TabVisitsTimeHexThenTheArrows)
{
    std::vector<std::string> focusable;
    for (const ControlLayout &entry : kControls) {
        if (entry.kind != Label)
            focusable.emplace_back(entry.name);
    }
    EXPECT_EQ(focusable, (std::vector<std::string>{"Text1", "Text2", "Command1", "Command2"}));
}

} // namespace
} // namespace quennarix::form
