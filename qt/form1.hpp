#pragma once

#include "conversion/conversion_outcome.hpp"

#include <QWidget>

#include <functional>

class QLineEdit;
class QPushButton;

namespace quennarix {

// The program's one window: two boxes and an arrow button for each direction.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    // How a message reaches the user; tests put a recorder here.
    using ShowMessage = std::function<void(QWidget *parent, const QString &message)>;

    explicit Form1(QWidget *parent = nullptr);
    explicit Form1(ShowMessage showMessage, QWidget *parent = nullptr);

private:
    void buildControls(double scale);
    void Command1Click();
    void Command2Click();
    void apply(const ConversionOutcome &outcome, QLineEdit *target);

    ShowMessage m_showMessage;
    QLineEdit *m_text1 = nullptr;
    QLineEdit *m_text2 = nullptr;
    QPushButton *m_command1 = nullptr;
    QPushButton *m_command2 = nullptr;
};

} // namespace quennarix
