#include "expected_layout.hpp"
#include "form1_fixture.hpp"

#include <QAccessible>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>

#include <cmath>
#include <map>

namespace quennarix::qt {
namespace {

using testing::ExpectedControl;
using testing::Form1Fixture;

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

// The nearest pixel to the exact product, worked out apart from the layout's
// own integer rule.
int atDpi(int pixels)
{
    return static_cast<int>(std::lround(pixels * expectedDpi() / 96.0));
}

QRect placeOf(const ExpectedControl &entry)
{
    return QRect(atDpi(entry.left), atDpi(entry.top), atDpi(entry.width), atDpi(entry.height));
}

using Form1Controls = testing::Table<ExpectedControl, Form1Fixture>;

TEST_P(Form1Controls, StandWhereTheyBelong)
{
    static const std::map<std::string, const char *> kClasses{
        {"label", "QLabel"}, {"box", "QLineEdit"}, {"button", "QPushButton"}};
    const QWidget *widget = control(row().name);
    ASSERT_NE(widget, nullptr);
    EXPECT_STREQ(widget->metaObject()->className(), kClasses.at(row().kind));
    EXPECT_EQ(captionOf(widget).toStdString(), row().caption);
    EXPECT_EQ(widget->geometry(), placeOf(row()));
    if (row().font.family.empty()) {
        EXPECT_EQ(widget->font(), form->font());
    } else {
        EXPECT_EQ(widget->font().weight(), row().font.weight);
        EXPECT_EQ(widget->font().pointSizeF(), row().font.points);
    }
    EXPECT_EQ(widget->accessibleName().toStdString(), row().accessibleName);
    // A button's tooltip says what it does, in the words a screen reader uses.
    EXPECT_EQ(widget->toolTip().toStdString(), row().kind == "button" ? row().accessibleName : "");
}

TEST_P(Form1Controls, ShowTheirWholeCaption)
{
    const QWidget *widget = control(row().name);
    ASSERT_NE(widget, nullptr);
    // A text box starts empty; it has to show the longest answer it can be given.
    const QString caption = row().kind == "box" ? QStringLiteral("1092:15") : captionOf(widget);
    const QFontMetrics metrics(widget->font());
    const QRect room = widget->contentsRect();
    // A button's glyph only has to fit the face; a label needs its whole line.
    const QSize needed = row().kind == "button"
                             ? metrics.tightBoundingRect(caption).size()
                             : QSize(metrics.horizontalAdvance(caption), metrics.height());
    EXPECT_LE(needed.width(), room.width())
        << "in " << QFontInfo(widget->font()).family().toStdString();
    EXPECT_LE(needed.height(), room.height())
        << "in " << QFontInfo(widget->font()).family().toStdString();
}

QUENNARIX_TABLE(Form1Controls, testing::expectedControls());

TEST_F(Form1Fixture, WindowHasItsCaptionAndFixedClientArea)
{
    const ExpectedControl &window = testing::expectedWindow();
    EXPECT_EQ(form->windowTitle().toStdString(), window.caption);
    EXPECT_EQ(form->size(), placeOf(window).size());
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form.get())->role(), QAccessible::Window);
}

// The captions were measured in this family; without it they may be cut.
TEST_F(Form1Fixture, FontsResolveToTheInstalledFamily)
{
    for (const char *name : {"Label1", "Label2", "Command1"})
        EXPECT_EQ(QFontInfo(control(name)->font()).family(), QStringLiteral("Liberation Sans"))
            << name;
}

TEST_F(Form1Fixture, LabelsAreTheBuddiesOfTheirBoxes)
{
    EXPECT_EQ(control<QLabel>("Label2")->buddy(), text1());
    EXPECT_EQ(control<QLabel>("Label3")->buddy(), text2());
}

} // namespace
} // namespace quennarix::qt
