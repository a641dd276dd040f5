// The floor for any Qt Widgets program: a window with the same controls at the
// same places, and nothing else (no fonts, icon, accessibility names or logic).
#include "form/layout.hpp"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

int main(int argc, char **argv)
{
    using namespace quennarix::form;
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.setFixedSize(kClientWidth, kClientHeight);
    for (const ControlLayout &entry : kControls) {
        const QString caption = QString::fromLatin1(entry.caption);
        QWidget *control = entry.kind == Label ? new QLabel(caption, &window)
                           : entry.kind == PushButton
                               ? new QPushButton(caption, &window)
                               : static_cast<QWidget *>(new QLineEdit(&window));
        control->setGeometry(entry.left, entry.top, entry.width, entry.height);
    }
    window.show();
    return QApplication::exec();
}
