#include "qt/form1.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>

namespace quennarix::qt {
namespace {

// QUENNARIX_SOAK_SEED replays a failure; the seed in use is in every failure message.
unsigned soakSeed()
{
    const char *seed = std::getenv("QUENNARIX_SOAK_SEED");
    return seed != nullptr ? static_cast<unsigned>(std::strtoul(seed, nullptr, 10)) : 20261207U;
}

QString randomText(std::mt19937 &random)
{
    auto pick = [&random](int below) { return static_cast<int>(random() % below); };
    switch (pick(9)) {
    case 0:
        return {};
    case 1:
        return QString(1 + pick(5), QLatin1Char(' '));
    case 2: // huge
        return QString(20'000 + pick(80'000), QLatin1Char("0123456789ABCDEF:"[pick(17)]));
    case 3:
        return QStringLiteral("Zeit 五分 Ωmega é");
    case 4: // a lone surrogate, then a pair
        return QString(QChar(0xD800 + pick(0x400))) + QString::fromUtf16(u"\U0001F600");
    case 5:
        return QStringLiteral("%1:%2")
            .arg(pick(1093), 2, 10, QLatin1Char('0'))
            .arg(pick(60), 2, 10, QLatin1Char('0'));
    case 6:
        return QStringLiteral("%1").arg(pick(0x10000), 4, 16, QLatin1Char('0')).toUpper();
    case 7:
        return QStringLiteral("%1:%2").arg(pick(200) - 100).arg(pick(5000) - 100);
    default: {
        QString ascii;
        for (int i = pick(12); i > 0; --i)
            ascii += QLatin1Char(static_cast<char>(0x20 + pick(0x5F)));
        return ascii;
    }
    }
}

TEST(Form1Soak, TenThousandRandomActionsLeaveAWorkingWindow)
{
    const unsigned seed = soakSeed();
    SCOPED_TRACE(testing::Message() << "QUENNARIX_SOAK_SEED=" << seed);
    std::mt19937 random(seed);

    Form1 form; // the real message box
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    auto *text1 = form.findChild<QLineEdit *>(QStringLiteral("Text1"));
    auto *text2 = form.findChild<QLineEdit *>(QStringLiteral("Text2"));
    auto *command1 = form.findChild<QPushButton *>(QStringLiteral("Command1"));
    auto *command2 = form.findChild<QPushButton *>(QStringLiteral("Command2"));
    const qsizetype childrenAtStart = form.findChildren<QObject *>().size();

    int boxesAnswered = 0;
    QTimer answerer;
    answerer.setInterval(0);
    QObject::connect(&answerer, &QTimer::timeout, [&boxesAnswered] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            box->button(QMessageBox::Ok)->click();
            ++boxesAnswered;
        }
    });
    answerer.start();

    const QRegularExpression time(QStringLiteral("^[0-9]{2,}:[0-5][0-9]$"));
    const QRegularExpression hex(QStringLiteral("^[0-9A-F]{4}$"));
    // A click answers with a message box, or with a text of the right form in
    // the target, which first holds a mark no answer has.
    auto clickAnswers = [&boxesAnswered](QPushButton *button, QLineEdit *target,
                                         const QRegularExpression &answer) {
        const int boxesBefore = boxesAnswered;
        target->setText(QStringLiteral("?"));
        QTest::mouseClick(button, Qt::LeftButton);
        return boxesAnswered != boxesBefore || answer.match(target->text()).hasMatch();
    };
    for (int action = 0; action < 10'000; ++action) {
        SCOPED_TRACE(testing::Message() << "action " << action);
        QWidget *focused = QApplication::focusWidget() ? QApplication::focusWidget() : &form;
        switch (random() % 7) {
        case 0:
            text1->setText(randomText(random));
            break;
        case 1:
            text2->setText(randomText(random));
            break;
        case 2:
            ASSERT_TRUE(clickAnswers(command1, text1, time))
                << text1->text().left(40).toStdString();
            break;
        case 3:
            ASSERT_TRUE(clickAnswers(command2, text2, hex)) << text2->text().left(40).toStdString();
            break;
        case 4:
            QTest::keyClick(focused, Qt::Key_Tab);
            break;
        case 5:
            QTest::keyClick(focused, Qt::Key_Return);
            break;
        default:
            QTest::keyClick(focused, Qt::Key_Escape);
            break;
        }
        ASSERT_TRUE(form.isVisible());
    }
    answerer.stop();

    EXPECT_GT(boxesAnswered, 1000);
    std::printf("%d message boxes answered\n", boxesAnswered);
    EXPECT_EQ(form.findChildren<QObject *>().size(), childrenAtStart);
    text2->setText(QStringLiteral("5A"));
    QTest::mouseClick(command1, Qt::LeftButton);
    EXPECT_EQ(text1->text(), QStringLiteral("01:30"));
}

} // namespace
} // namespace quennarix::qt
