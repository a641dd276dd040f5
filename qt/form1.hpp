#pragma once

#include "form/control_id.hpp"
#include "form/view.hpp"
#include "qt/announcer.hpp"

#include <QWidget>

#include <array>
#include <functional>

class QLineEdit;

namespace quennarix::qt {

// The program's one window, as Qt widgets: two boxes and an arrow button for
// each direction. What a click does is the form's; this only shows it.
class Form1 : public QWidget, private form::View
{
    Q_OBJECT

public:
    // How a message and an announcement reach the user; tests put recorders here.
    using ShowMessage = std::function<void(QWidget *parent, const QString &message)>;
    using Announce = std::function<void(const QString &text)>;

    explicit Form1(QWidget *parent = nullptr);
    explicit Form1(ShowMessage showMessage, Announce announce = {}, QWidget *parent = nullptr);

    QWidget *control(form::ControlId id) const;

private:
    void buildControls(int dpi);
    QLineEdit *box(form::ControlId id) const;

    std::u16string textOf(form::ControlId box) const override;
    void replaceText(form::ControlId box, std::u16string_view text) override;
    void showMessage(std::u16string_view message) override;
    void announce(std::u16string_view text) override;

    ShowMessage m_showMessage;
    Announce m_announce;
    Announcer m_announcer{this};
    std::array<QWidget *, form::kControlCount> m_controls{};
};

} // namespace quennarix::qt
