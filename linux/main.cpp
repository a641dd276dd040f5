#include "linux/compositor_frames.hpp"
#include "linux/dark_style.hpp"
#include "linux/display.hpp"
#include "linux/font_warm_up.hpp"
#include "linux/startup_trace.hpp"
#include "linux/termination_signal.hpp"
#include "linux/theme_gl.hpp"
#include "qt/form1.hpp"
#include "version.hpp"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QLibraryInfo>
#include <QList>
#include <QPixmap>
#include <QTimer>
#include <QVersionNumber>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <utility>
#include <vector>

namespace quennarix::qt {

namespace {

// What the program tells its start-up about itself.
struct ProjectHeader
{
    const char *title; // the application's name, shown on its message boxes
    const char *version;
    const char *desktopFileName; // the desktop entry's id, which names the window to the shell
    const char *iconPath; // a Qt resource path prefix; sizes are appended as "-16.png" and so on
    std::unique_ptr<QWidget> (*createStartupForm)();
};

// The icon is PNG; saying so keeps Qt from loading every image plugin to ask
// whether it reads PNG too.
QIcon loadIcon(const char *pathPrefix)
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        QImageReader reader(QString::fromUtf8(pathPrefix) + QStringLiteral("-%1.png").arg(size),
                            "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

// While the application object is being made, Qt ends a failed start with an
// abort and a core dump, after warnings that say why. Messages are held until
// the start succeeds; a fatal one instead becomes one line naming the cause,
// and status 1.
struct HeldMessage
{
    QtMsgType type;
    QByteArray category;
    QString text;
};
const char *gTitle = "";
QtMessageHandler gPreviousHandler = nullptr;
QList<HeldMessage> gHeldMessages;

void passOn(const HeldMessage &message)
{
    const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
    qt_message_output(message.type, context, message.text);
}

// The cause, from the warnings Qt gave before giving up; the messages that
// merely restate it are dropped, the rest passed on.
[[noreturn]] void failStart(const QString &fatalMessage)
{
    qInstallMessageHandler(gPreviousHandler);
    QString cause;
    for (const HeldMessage &message : std::as_const(gHeldMessages)) {
        QString explains;
        if (message.category == "qt.qpa.xcb" &&
            message.text.startsWith(QLatin1String("could not connect to display")))
            explains = QString::fromStdString(unreachableX11Display());
        else if (message.text.startsWith(QLatin1String("Failed to create wl_display")))
            explains = QString::fromStdString(unreachableWaylandDisplay());
        else if (message.category == "qt.qpa.plugin")
            explains = message.text;
        else
            passOn(message);
        if (cause.isEmpty())
            cause = explains;
    }
    if (cause.isEmpty())
        cause = fatalMessage.section(QLatin1Char('\n'), 0, 0);
    std::fprintf(stderr, "%s: %s\n", gTitle, qPrintable(cause));
    std::_Exit(1);
}

void holdWhileStarting(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg)
        failStart(message);
    gHeldMessages.append({type, QByteArray(context.category), message});
}

// Messages that only report the GL the program keeps out are dropped.
void passOnHeldMessages()
{
    qInstallMessageHandler(gPreviousHandler);
    for (const HeldMessage &message : std::as_const(gHeldMessages)) {
        if (!reportsGlOff(message.category.constData(), message.text.toStdString()))
            passOn(message);
    }
    gHeldMessages.clear();
}

// Shows the start-up form and runs until it is closed; returns the exit status.
// Without a display it says so in one line on stderr and returns 1.
int start(const char *programPath, const ProjectHeader &header)
{
    traceStartupPhase("main");
    if (const std::string missing = missingDisplay(); !missing.empty()) {
        std::fprintf(stderr, "%s: %s\n", header.title, missing.c_str());
        return 1;
    }

    FontWarmUp fontWarmUp;
#ifdef QUENNARIX_ASK_COMPOSITOR_ABOUT_FRAMES
    // Built with an older Qt, as the Debian 12 package is, it may run on a
    // newer one, whose own frame needs no GL.
    if (QLibraryInfo::version() <
        QVersionNumber(QUENNARIX_QT_GL_FREE_FRAMES_MAJOR, QUENNARIX_QT_GL_FREE_FRAMES_MINOR))
        chooseWindowFrame();
#endif
    std::vector<Setting> settings = keepThemesOffGl(environmentValue);
    DesktopPortal portal;
    if (const auto dark = chooseDarkVariant(environmentValue, [&portal](auto nameSpace, auto key) {
            return portal.read(nameSpace, key);
        }))
        settings.push_back(*dark);
    for (const Setting &setting : settings)
        setenv(setting.name.c_str(), setting.value.c_str(), 0);

    // The program takes no command line, so Qt is given none either.
    int argc = 1;
    char *argv[] = {const_cast<char *>(programPath), nullptr};
    gTitle = header.title;
    gPreviousHandler = qInstallMessageHandler(holdWhileStarting);
    QApplication application(argc, argv);
    passOnHeldMessages();
    QApplication::setApplicationName(QString::fromUtf8(header.title));
    QApplication::setApplicationVersion(QString::fromUtf8(header.version));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(header.desktopFileName));
    traceStartupPhase("application-created");
    fontWarmUp.finish();
    traceStartupPhase("fonts-ready");

    const std::unique_ptr<QWidget> form = header.createStartupForm();
    traceStartupPhase("window-built");
    traceFirstPaint(form.get());
    form->show();
    traceStartupPhase("shown");
    // Decoding the icon need not hold up the window; it follows straight after.
    QTimer::singleShot(0, &application, [iconPath = header.iconPath] {
        QApplication::setWindowIcon(loadIcon(iconPath));
    });
    quitOnTerminationSignal();
    return QApplication::exec();
}

} // namespace
} // namespace quennarix::qt

namespace {

std::unique_ptr<QWidget> createForm1()
{
    return std::make_unique<quennarix::qt::Form1>();
}

constexpr quennarix::qt::ProjectHeader kProject{
    QUENNARIX_TITLE, QUENNARIX_VERSION, QUENNARIX_APP_ID, ":/icons/quennarix", createForm1,
};

} // namespace

int main(int, char **argv)
{
    return quennarix::qt::start(argv[0], kProject);
}
