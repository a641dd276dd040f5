#include "qt/announcer.hpp"

#include <QAccessible>
#include <QString>
#include <QWidget>

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

namespace quennarix::qt {

Announcer::Announcer(QWidget *window) : m_window(window) {}

void Announcer::announce(const QString &text)
{
    QAccessibleAnnouncementEvent event(m_window, text);
    QAccessible::updateAccessibility(&event);
}

} // namespace quennarix::qt

#else

#include <QAccessibleWidget>
#include <QTimer>

// Qt 6.8 brought QAccessibleAnnouncementEvent. Before it, what Orca speaks
// without the focus moving is a notification that appears: here an empty,
// unpainted child of the window whose name is the text.
namespace quennarix::qt {

namespace {

class Notification : public QWidget
{
public:
    explicit Notification(QWidget *window) : QWidget(window)
    {
        setGeometry(0, 0, 1, 1);
        hide(); // until it appears
        m_hide.setSingleShot(true);
        m_hide.setInterval(2000); // long enough to be read
        QObject::connect(&m_hide, &QTimer::timeout, this, &QWidget::hide);
    }

    void appear(const QString &text)
    {
        hide();
        setAccessibleName(text);
        show();
        m_hide.start();
    }

private:
    QTimer m_hide;
};

QAccessibleInterface *notificationFactory(const QString &, QObject *object)
{
    if (auto *notification = dynamic_cast<Notification *>(object))
        return new QAccessibleWidget(notification, QAccessible::Notification);
    return nullptr;
}

// Installed before any notification is made, whose interface Qt then keeps.
QWidget *makeNotification(QWidget *window)
{
    static const bool installed = (QAccessible::installFactory(notificationFactory), true);
    (void)installed;
    return new Notification(window);
}

} // namespace

Announcer::Announcer(QWidget *window) : m_window(window), m_notification(makeNotification(window))
{}

void Announcer::announce(const QString &text)
{
    static_cast<Notification *>(m_notification)->appear(text);
}

} // namespace quennarix::qt

#endif
