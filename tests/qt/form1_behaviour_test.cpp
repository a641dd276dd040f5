#include "form1_fixture.hpp"
#include "row.hpp"

namespace quennarix::qt {
namespace {

using testing::Form1Fixture;

TEST_F(Form1Fixture, OpensEmptyWithFocusInTheTimeBox)
{
    EXPECT_EQ(QApplication::focusWidget(), text1());
    EXPECT_TRUE(text1()->text().isEmpty());
    EXPECT_TRUE(text2()->text().isEmpty());
}

TEST_F(Form1Fixture, TabWalksTimeHexThenTheArrows)
{
    const QStringList expected{"Text2", "Command1", "Command2", "Text1"};
    QStringList walked;
    for (int step = 0; step < expected.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walked << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(walked, expected);
}

TEST_F(Form1Fixture, HexToTimeReplacesTheTimeBoxThenConvertsBack)
{
    text1()->setText(QStringLiteral("whatever was here"));
    QTest::keyClicks(text2(), QStringLiteral("5A"));
    click("Command1");
    EXPECT_EQ(text1()->text(), QStringLiteral("01:30"));
    EXPECT_EQ(text2()->text(), QStringLiteral("5A"));

    click("Command2");
    EXPECT_EQ(text2()->text(), QStringLiteral("005A"));
    EXPECT_EQ(text1()->text(), QStringLiteral("01:30"));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(Form1Fixture, UndoInTheTargetBoxBringsBackWhatItHeld)
{
    text1()->setText(QStringLiteral("12:34"));
    text2()->setText(QStringLiteral("5A"));
    click("Command1");
    click("Command2");
    ASSERT_EQ(text1()->text(), QStringLiteral("01:30"));
    ASSERT_EQ(text2()->text(), QStringLiteral("005A"));

    QTest::keyClick(text1(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(text2(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(text1()->text(), QStringLiteral("12:34"));
    EXPECT_EQ(text2()->text(), QStringLiteral("5A"));
}

struct MessageRow : testing::NamedRow
{
    const char *text1;
    const char *text2;
    const char *button;
    const char *message;
};

class Form1Messages : public Form1Fixture, public ::testing::WithParamInterface<MessageRow>
{
};

TEST_P(Form1Messages, ShowOneMessageAndLeaveBothBoxes)
{
    const MessageRow &row = GetParam();
    text1()->setText(QString::fromLatin1(row.text1));
    text2()->setText(QString::fromLatin1(row.text2));
    click(row.button);
    EXPECT_EQ(messages, QStringList{QString::fromLatin1(row.message)});
    EXPECT_EQ(text1()->text(), QString::fromLatin1(row.text1));
    EXPECT_EQ(text2()->text(), QString::fromLatin1(row.text2));
}

INSTANTIATE_TEST_SUITE_P(
    Table, Form1Messages,
    ::testing::Values(
        MessageRow{{"EmptyHexBox"}, "", "", "Command1", "Please enter hex value"},
        MessageRow{{"EmptyTimeBox"}, "", "", "Command2", "Please enter time value"},
        MessageRow{{"EmptyHexBoxBesideATime"}, "01:30", "", "Command1", "Please enter hex value"},
        MessageRow{
            {"HexThatIsNoNumber"}, "01:30", "XYZ", "Command1", "Please enter a valid hex value"},
        MessageRow{
            {"TimeWithoutColon"}, "130", "005A", "Command2", "Please enter a valid time value"},
        MessageRow{
            {"TimeWithTwoColons"}, "1:2:3", "", "Command2", "Please enter a valid time value"}),
    testing::RowName());

struct KeyRow : testing::NamedRow
{
    const char *box;
    Qt::Key key;
};

class Form1Keys : public Form1Fixture, public ::testing::WithParamInterface<KeyRow>
{
};

TEST_P(Form1Keys, StartNoConversionAndKeepTheWindowOpen)
{
    text1()->setText(QStringLiteral("01:30"));
    text2()->setText(QStringLiteral("5B"));
    auto *box = control<QLineEdit>(GetParam().box);
    box->setFocus();
    QTest::keyClick(box, GetParam().key);
    EXPECT_EQ(text1()->text(), QStringLiteral("01:30"));
    EXPECT_EQ(text2()->text(), QStringLiteral("5B"));
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_TRUE(form->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Table, Form1Keys,
                         ::testing::Values(KeyRow{{"ReturnInTime"}, "Text1", Qt::Key_Return},
                                           KeyRow{{"EnterInTime"}, "Text1", Qt::Key_Enter},
                                           KeyRow{{"EscapeInTime"}, "Text1", Qt::Key_Escape},
                                           KeyRow{{"ReturnInHex"}, "Text2", Qt::Key_Return},
                                           KeyRow{{"EnterInHex"}, "Text2", Qt::Key_Enter},
                                           KeyRow{{"EscapeInHex"}, "Text2", Qt::Key_Escape}),
                         testing::RowName());

TEST_F(Form1Fixture, HundredThousandCharactersArePastedWholeAndConverted)
{
    constexpr int kLength = 100'000;
    text2()->insert(QString(kLength, QLatin1Char('F')));
    text1()->insert(QString(kLength - 1, QLatin1Char('1')) + QLatin1Char(':'));
    ASSERT_EQ(text2()->text().size(), kLength);
    ASSERT_EQ(text1()->text().size(), kLength);

    click("Command1");
    click("Command2");
    EXPECT_EQ(messages,
              (QStringList{"Please enter a valid hex value", "Please enter a valid time value"}));

    text2()->setText(QString(kLength - 2, QLatin1Char('0')) + QStringLiteral("5A"));
    click("Command1");
    EXPECT_EQ(text1()->text(), QStringLiteral("01:30"));
}

} // namespace
} // namespace quennarix::qt
