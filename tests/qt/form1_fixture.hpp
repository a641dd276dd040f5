#pragma once

#include "qt/form1.hpp"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace quennarix::testing {

// A shown, active Form1 whose messages and announcements are recorded instead
// of reaching the user.
class Form1Fixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        form = std::make_unique<qt::Form1>(
            [this](QWidget *, const QString &message) { messages << message; },
            [this](const QString &text) { spoken << text; });
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    template <class Widget = QWidget> Widget *control(const char *name) const
    {
        auto *widget = form->findChild<Widget *>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    QLineEdit *text1() const { return control<QLineEdit>("Text1"); }
    QLineEdit *text2() const { return control<QLineEdit>("Text2"); }
    void click(const char *button) const
    {
        QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
    }

    std::unique_ptr<qt::Form1> form;
    QStringList messages;
    QStringList spoken;
};

} // namespace quennarix::testing
