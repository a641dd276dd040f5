#include "qt/message_box.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace quennarix::qt {
namespace {

struct SeenBox
{
    bool found = false;
    bool modal = false;
    QString text;
    QMessageBox::StandardButtons buttons;
    QMessageBox::Icon icon = QMessageBox::Information;
};

// Reads the box that is up and presses its OK button, as a user would.
void inspectAndDismiss(SeenBox &seen)
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (box == nullptr)
        return QTimer::singleShot(10, [&seen] { inspectAndDismiss(seen); });
    seen = {true, box->isModal(), box->text(), box->standardButtons(), box->icon()};
    box->button(QMessageBox::Ok)->click();
}

// Its title, the program's name, is the real program's to show (test_quennarix.py).
TEST(MessageBox, ShowsTheMessageWithOnlyOk)
{
    SeenBox seen;
    QTimer::singleShot(0, [&seen] { inspectAndDismiss(seen); });
    QWidget parent;
    parent.show();
    showMessageBox(&parent, QStringLiteral("A message"));

    ASSERT_TRUE(seen.found);
    EXPECT_TRUE(seen.modal);
    EXPECT_EQ(seen.text, QStringLiteral("A message"));
    EXPECT_EQ(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
}

} // namespace
} // namespace quennarix::qt
