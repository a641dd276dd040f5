#include "qt/application.hpp"

#include "qt/display.hpp"
#include "qt/font_warm_up.hpp"
#include "qt/startup_trace.hpp"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QList>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace quennarix::runtime {

namespace {

// The icon is PNG; saying so keeps Qt from loading every image plugin to ask
// whether it reads PNG too.
QIcon loadIcon(const char *pathPrefix)
{
    QIcon icon;
    for (const int size : {16, 32, 48}) {
        QImageReader reader(QString::fromUtf8(pathPrefix) + QStringLiteral("-%1.png").arg(size),
                            "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

// While the application object is being made, Qt's only fatal error is that no
// display could be opened, which it ends with an abort and a core dump. That
// becomes one line and status 1; other messages are held and passed on after.
const char *gTitle = "";
QList<std::pair<QtMsgType, QString>> gHeldMessages;

void holdWhileOpeningDisplay(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s: %s\n", gTitle, unreachableDisplay().c_str());
        std::_Exit(1);
    }
    gHeldMessages.append({type, message});
}

void passOnHeldMessages(QtMessageHandler handler)
{
    qInstallMessageHandler(handler);
    for (const auto &[type, message] : std::as_const(gHeldMessages))
        qt_message_output(type, QMessageLogContext(), message);
    gHeldMessages.clear();
}

} // namespace

int start(const char *programPath, const ProjectHeader &header)
{
    traceStartupPhase("main");
    if (const std::string missing = missingDisplay(); !missing.empty()) {
        std::fprintf(stderr, "%s: %s\n", header.title, missing.c_str());
        return 1;
    }

    FontWarmUp fontWarmUp;

    // The program takes no command line, so Qt is given none either.
    int argc = 1;
    char *argv[] = {const_cast<char *>(programPath), nullptr};
    gTitle = header.title;
    const QtMessageHandler previousHandler = qInstallMessageHandler(holdWhileOpeningDisplay);
    QApplication application(argc, argv);
    passOnHeldMessages(previousHandler);
    application.setObjectName(QString::fromUtf8(header.projectName));
    QApplication::setApplicationName(QString::fromUtf8(header.title));
    QApplication::setApplicationVersion(QString::fromUtf8(header.version));
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
    return QApplication::exec();
}

} // namespace quennarix::runtime
