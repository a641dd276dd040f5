// The floor for any Qt Widgets program: a window with the same controls at the
// same places, and nothing else (no fonts, icon, accessibility names or logic).
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.setFixedSize(471, 296);
    (new QLabel(QStringLiteral("Quennarix"), &window))->setGeometry(32, 32, 433, 25);
    (new QLineEdit(&window))->setGeometry(72, 168, 121, 33);
    (new QLabel(QStringLiteral("Time (XX:XX)"), &window))->setGeometry(72, 152, 65, 17);
    (new QLineEdit(&window))->setGeometry(304, 168, 121, 33);
    (new QLabel(QStringLiteral("Hex"), &window))->setGeometry(304, 152, 73, 17);
    (new QPushButton(QStringLiteral("<"), &window))->setGeometry(200, 168, 41, 33);
    (new QPushButton(QStringLiteral(">"), &window))->setGeometry(256, 168, 41, 33);
    (new QLabel(QStringLiteral("Made by the Quennarix authors"), &window))
        ->setGeometry(56, 272, 377, 17);
    window.show();
    return QApplication::exec();
}
