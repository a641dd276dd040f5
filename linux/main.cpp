#include "linux/display.hpp"
#include "linux/gnome_settings.hpp"
#include "linux/start_messages.hpp"
#include "linux/startup_settings.hpp"
#include "linux/startup_trace.hpp"
#include "linux/termination_signal.hpp"
#include "qt/form1.hpp"
#include "version.hpp"
#ifdef QUENNARIX_ASK_COMPOSITOR_ABOUT_FRAMES
#include "linux/compositor_frames.hpp"
#endif

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QLibraryInfo>
#include <QPixmap>
#include <QTimer>
#include <QVersionNumber>

#include <cstdio>
#include <cstdlib>

namespace {

using namespace quennarix::desktop;

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
    DesktopAnswers desktop{readGnomeInterface, [] { return std::optional<bool>(); }, isSocket};
#ifdef QUENNARIX_ASK_COMPOSITOR_ABOUT_FRAMES
    desktop.compositorDrawsFrames = compositorDrawsFrames;
#endif
    return startupSettings(environmentValue, desktop, {qt.majorVersion(), qt.minorVersion()});
}

} // namespace

int main(int, char **argv)
{
    traceStartupPhase("main");
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
    traceStartupPhase("application-created");

    quennarix::qt::Form1 form;
    traceStartupPhase("window-built");
    traceFirstPaint(&form);
    form.show();
    traceStartupPhase("shown");
    // Decoding the icon need not hold up the window; it follows straight after.
    QTimer::singleShot(0, &application, [] { QApplication::setWindowIcon(loadIcon()); });
    quitOnTerminationSignal();
    return QApplication::exec();
}
