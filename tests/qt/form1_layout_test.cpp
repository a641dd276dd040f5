#include "form1_fixture.hpp"
#include "row.hpp"

#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>

#include <cmath>

namespace quennarix::qt {
namespace {

using testing::Form1Fixture;

struct ControlRow : testing::NamedRow
{
    const char *kind;
    const char *caption;
    QRect geometry;
    int tabIndex;
    const char *family; // nullptr: the window's own font
    int weight;
    double pointSize;
};

class Form1Controls : public Form1Fixture, public ::testing::WithParamInterface<ControlRow>
{
};

QString captionOf(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (const auto *button = qobject_cast<const QPushButton *>(widget))
        return button->text();
    return qobject_cast<const QLineEdit *>(widget)->text();
}

// The table is in pixels at 96 dpi. CTest also runs these tests with Qt's
// scaling off and a larger font DPI, where the window has to scale itself.
int expectedDpi()
{
    const int fontDpi = qEnvironmentVariableIntValue("QT_FONT_DPI");
    if (qEnvironmentVariable("QT_ENABLE_HIGHDPI_SCALING") != QLatin1String("0") || fontDpi == 0)
        return 96;
    return fontDpi;
}

// Worked out apart from the layout's own integer rule: the nearest pixel to
// the exact product.
int atDpi(int pixels)
{
    return static_cast<int>(std::lround(pixels * expectedDpi() / 96.0));
}

QRect scaled(const QRect &rect)
{
    return QRect(atDpi(rect.x()), atDpi(rect.y()), atDpi(rect.width()), atDpi(rect.height()));
}

// Position among the window's controls in the focus chain, which Tab follows.
int tabIndexOf(const QWidget *form, const QWidget *widget)
{
    int index = 0;
    for (QWidget *at = form->nextInFocusChain(); at != form; at = at->nextInFocusChain()) {
        if (at == widget)
            return index;
        ++index;
    }
    return -1;
}

TEST_P(Form1Controls, StandWhereTheyBelong)
{
    const ControlRow &row = GetParam();
    const QWidget *widget = control(row.name);
    ASSERT_NE(widget, nullptr);
    EXPECT_STREQ(widget->metaObject()->className(), row.kind);
    EXPECT_EQ(captionOf(widget), QString::fromLatin1(row.caption));
    EXPECT_EQ(widget->geometry(), scaled(row.geometry));
    EXPECT_EQ(tabIndexOf(form.get(), widget), row.tabIndex);
    if (row.family == nullptr) {
        EXPECT_EQ(widget->font(), form->font());
    } else {
        EXPECT_EQ(widget->font().family(), QString::fromLatin1(row.family));
        EXPECT_EQ(widget->font().weight(), row.weight);
        EXPECT_EQ(widget->font().pointSizeF(), row.pointSize);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, Form1Controls,
    ::testing::Values(
        ControlRow{
            {"Label1"}, "QLabel", "Quennarix", {32, 32, 433, 25}, 0, "MS Sans Serif", 700, 13.5},
        ControlRow{{"Text1"}, "QLineEdit", "", {72, 168, 121, 33}, 1, nullptr, 0, 0},
        ControlRow{{"Label2"}, "QLabel", "Time (XX:XX)", {72, 152, 65, 17}, 2, nullptr, 0, 0},
        ControlRow{{"Text2"}, "QLineEdit", "", {304, 168, 121, 33}, 3, nullptr, 0, 0},
        ControlRow{{"Label3"}, "QLabel", "Hex", {304, 152, 73, 17}, 4, nullptr, 0, 0},
        ControlRow{
            {"Command1"}, "QPushButton", "<", {200, 168, 41, 33}, 5, "MS Sans Serif", 700, 24},
        ControlRow{
            {"Command2"}, "QPushButton", ">", {256, 168, 41, 33}, 6, "MS Sans Serif", 700, 24},
        ControlRow{{"Label4"},
                   "QLabel",
                   "Made by the Quennarix authors",
                   {56, 272, 377, 17},
                   7,
                   nullptr,
                   0,
                   0}),
    testing::RowName());

TEST_P(Form1Controls, ShowTheirWholeCaption)
{
    const QWidget *widget = control(GetParam().name);
    ASSERT_NE(widget, nullptr);
    // A text box starts empty; it has to show the longest answer it can be given.
    const QString caption = qobject_cast<const QLineEdit *>(widget) != nullptr
                                ? QStringLiteral("1092:15")
                                : captionOf(widget);
    const QFontMetrics metrics(widget->font());
    const QRect room = widget->contentsRect();
    const bool isButton = qobject_cast<const QPushButton *>(widget) != nullptr;
    // A button's glyph only has to fit the face; a label needs its whole line.
    const QSize needed = isButton ? metrics.tightBoundingRect(caption).size()
                                  : QSize(metrics.horizontalAdvance(caption), metrics.height());
    EXPECT_LE(needed.width(), room.width())
        << "in " << QFontInfo(widget->font()).family().toStdString();
    EXPECT_LE(needed.height(), room.height())
        << "in " << QFontInfo(widget->font()).family().toStdString();
}

TEST_F(Form1Fixture, WindowHasItsCaptionAndFixedClientArea)
{
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Quennarix"));
    EXPECT_EQ(form->size(), scaled(QRect(0, 0, 471, 296)).size());
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
}

// The captions were measured in this family; without it they may be cut.
TEST_F(Form1Fixture, FontsResolveToTheInstalledFamily)
{
    for (const char *name : {"Label1", "Label2", "Command1"})
        EXPECT_EQ(QFontInfo(control(name)->font()).family(), QStringLiteral("Liberation Sans"))
            << name;
}

struct AccessibleRow : testing::NamedRow
{
    const char *accessibleName;
    const char *toolTip;
};

class Form1Accessibility : public Form1Fixture, public ::testing::WithParamInterface<AccessibleRow>
{
};

TEST_P(Form1Accessibility, NamesWhatEachControlDoes)
{
    const QWidget *widget = control(GetParam().name);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->accessibleName(), QString::fromLatin1(GetParam().accessibleName));
    EXPECT_EQ(widget->toolTip(), QString::fromLatin1(GetParam().toolTip));
}

INSTANTIATE_TEST_SUITE_P(
    Table, Form1Accessibility,
    ::testing::Values(AccessibleRow{{"Text1"}, "Time (XX:XX)", ""},
                      AccessibleRow{{"Text2"}, "Hex", ""},
                      AccessibleRow{{"Command1"}, "Convert hex to time", "Convert hex to time"},
                      AccessibleRow{{"Command2"}, "Convert time to hex", "Convert time to hex"}),
    testing::RowName());

TEST_F(Form1Fixture, LabelsAreTheBuddiesOfTheirBoxes)
{
    EXPECT_EQ(control<QLabel>("Label2")->buddy(), text1());
    EXPECT_EQ(control<QLabel>("Label3")->buddy(), text2());
}

} // namespace
} // namespace quennarix::qt
