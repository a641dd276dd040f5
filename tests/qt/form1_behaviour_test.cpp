#include "behaviour.hpp"
#include "expected_layout.hpp"
#include "form1_fixture.hpp"

namespace quennarix::qt {
namespace {

using testing::Form1Fixture;

TEST_F(Form1Fixture, OpensEmptyWithFocusInTheTimeBox)
{
    EXPECT_EQ(QApplication::focusWidget(), text1());
    EXPECT_TRUE(text1()->text().isEmpty());
    EXPECT_TRUE(text2()->text().isEmpty());
}

// Round from the first control that takes the focus back to it.
TEST_F(Form1Fixture, TabWalksTheControlsInOrder)
{
    QStringList expected;
    for (const testing::ExpectedControl &entry : testing::expectedControls()) {
        if (entry.kind != "label")
            expected << QString::fromStdString(entry.name);
    }
    expected.append(expected.takeFirst());
    QStringList walked;
    for (int step = 0; step < expected.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walked << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(walked, expected);
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

using Form1Behaviour = testing::Table<testing::BehaviourRow, Form1Fixture>;

std::vector<std::u16string> toU16(const QStringList &texts)
{
    std::vector<std::u16string> out;
    for (const QString &text : texts)
        out.push_back(text.toStdU16String());
    return out;
}

Qt::Key keyOf(testing::Input input)
{
    switch (input) {
    case testing::Input::Return:
        return Qt::Key_Return;
    case testing::Input::Enter:
        return Qt::Key_Enter;
    default:
        return Qt::Key_Escape;
    }
}

TEST_P(Form1Behaviour, AsTheTableSays)
{
    text1()->setText(QString::fromStdU16String(row().text1));
    text2()->setText(QString::fromStdU16String(row().text2));
    QWidget *target = form->control(row().control);
    if (row().input == testing::Input::Click) {
        QTest::mouseClick(target, Qt::LeftButton);
    } else {
        target->setFocus();
        QTest::keyClick(target, keyOf(row().input));
    }
    EXPECT_EQ(text1()->text().toStdU16String(), row().text1After);
    EXPECT_EQ(text2()->text().toStdU16String(), row().text2After);
    EXPECT_EQ(toU16(messages), testing::messagesIn(row()));
    EXPECT_EQ(toU16(spoken), testing::spokenIn(row()));
    EXPECT_TRUE(form->isVisible());
}

QUENNARIX_TABLE(Form1Behaviour, testing::behaviourRows());

} // namespace
} // namespace quennarix::qt
