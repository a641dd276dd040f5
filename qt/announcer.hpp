#pragma once

class QString;
class QWidget;

namespace quennarix::qt {

// Has a screen reader speak a text without the focus moving.
class Announcer
{
public:
    explicit Announcer(QWidget *window);
    void announce(const QString &text);

private:
    QWidget *m_window;
    QWidget *m_notification = nullptr; // before Qt 6.8
};

} // namespace quennarix::qt
