#include "qt/form1.hpp"
#include "qt/startup/display.hpp"
#include "qt/startup/gnome_settings.hpp"
#include "qt/startup/messages.hpp"
#include "qt/startup/settings.hpp"
#include "version.hpp"
#ifdef QUENNARIX_ASK_COMPOSITOR_ABOUT_FRAMES
#include "qt/startup/compositor_frames.hpp"
#endif

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QImageReader>
#include <QLibraryInfo>
#include <QPixmap>
#include <QTimer>
#include <QVersionNumber>

#include <cstdio>
#include <cstdlib>

namespace {

using namespace quennarix::qt::startup;

// The icon is PNG; saying so keeps Qt from loading every image plugin to ask
// whether it reads PNG too.
QIcon loadIcon()
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        QImageReader reader(QStringLiteral(":/icons/quennarix-%1.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

std::vector<Setting> settingsForThisDesktop()
{
    // Built with an older Qt, as the Debian 12 package is, the program may run on a newer one.
    const QVersionNumber qt = QLibraryInfo::version();
    const QString gtkTheme = QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                             QStringLiteral("/platformthemes/libqgtk3.so");
    Facts facts{{qt.majorVersion(), qt.minorVersion()},
                QFileInfo::exists(gtkTheme),
                readGnomeInterface,
                [] { return std::optional<bool>(); },
                isSocket};
#ifdef QUENNARIX_ASK_COMPOSITOR_ABOUT_FRAMES
    facts.compositorDrawsFrames = compositorDrawsFrames;
#endif
    return startupSettings(environmentValue, facts);
}

} // namespace

int main(int, char **argv)
{
    if (const std::string missing = missingDisplay(environmentValue); !missing.empty()) {
        std::fprintf(stderr, "%s: %s\n", QUENNARIX_TITLE, missing.c_str());
        return 1;
    }
    const std::vector<Setting> settings = settingsForThisDesktop();
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
    // Decoding the icon need not hold up the window; it follows straight after.
    QTimer::singleShot(0, &application, [] { QApplication::setWindowIcon(loadIcon()); });
    // SIGTERM keeps its default: the window has nothing to save, and a session
    // that ends must not wait for Qt's threads to wind down.
    return QApplication::exec();
}
