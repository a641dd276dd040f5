#include "qt/message_box.hpp"

#include <QCoreApplication>
#include <QMessageBox>

namespace quennarix::qt {

void showMessageBox(QWidget *parent, const QString &message)
{
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), message,
                    QMessageBox::Ok, parent);
    box.exec();
}

} // namespace quennarix::qt
