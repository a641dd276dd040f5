#include "qt/form1.hpp"
#include "qt/startup/startup.hpp"
#include "version.hpp"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QTimer>

#include <cstdlib>

int main(int, char **argv)
{
    using namespace quennarix::qt::startup;
    const std::vector<Setting> settings =
        startupSettings([](const char *name) { return std::getenv(name); }, factsOfThisMachine());
    for (const Setting &setting : settings)
        setenv(setting.name.c_str(), setting.value.c_str(), 0);

    // The program takes no command line, so Qt is given none either.
    int argc = 1;
    char *qtArgv[] = {argv[0], nullptr};
    holdStartMessages(QUENNARIX_TITLE, settings);
    QApplication application(argc, qtArgv);
    releaseStartMessages();
    QApplication::setApplicationName(QStringLiteral(QUENNARIX_TITLE));
    QApplication::setApplicationVersion(QStringLiteral(QUENNARIX_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(QUENNARIX_APP_ID));

    quennarix::qt::Form1 form;
    form.show();
    // Decoding the icon need not hold up the window. Told the format and to
    // guess none, Qt asks no image plugin whether it reads PNG too.
    QTimer::singleShot(0, &application, [] {
        QIcon icon;
        for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
            QImageReader reader(QStringLiteral(":/icons/quennarix-%1.png").arg(size), "png");
            reader.setAutoDetectImageFormat(false);
            icon.addPixmap(QPixmap::fromImage(reader.read()));
        }
        QApplication::setWindowIcon(icon);
    });
    // SIGTERM keeps its default: the window has nothing to save, and a session
    // that ends must not wait for Qt's threads to wind down.
    return QApplication::exec();
}
