#include "runtime/application.hpp"

#include "runtime/display.hpp"
#include "runtime/startup_trace.hpp"

#include <QApplication>
#include <QIcon>
#include <QWidget>
#include <cstdio>

namespace quennarix::runtime {

namespace {

QIcon loadIcon(const char *pathPrefix)
{
    QIcon icon;
    for (const int size : {16, 32, 48, 256})
        icon.addFile(QString::fromUtf8(pathPrefix) + QStringLiteral("-%1.png").arg(size),
                     QSize(size, size));
    return icon;
}

} // namespace

int start(const char *programPath, const ProjectHeader &header)
{
    traceStartupPhase("main");
    if (const std::string missing = missingDisplay(); !missing.empty()) {
        std::fprintf(stderr, "%s: %s\n", header.title, missing.c_str());
        return 1;
    }

    traceStartupPhase("display-checked");

    // The program takes no command line, so Qt is given none either.
    int argc = 1;
    char *argv[] = {const_cast<char *>(programPath), nullptr};
    QApplication application(argc, argv);
    application.setObjectName(QString::fromUtf8(header.projectName));
    QApplication::setApplicationName(QString::fromUtf8(header.title));
    QApplication::setApplicationVersion(QString::fromUtf8(header.version));
    traceStartupPhase("application-created");
    QApplication::setWindowIcon(loadIcon(header.iconPath));
    traceStartupPhase("icon-set");

    const std::unique_ptr<QWidget> form = header.createStartupForm();
    traceStartupPhase("window-built");
    traceFirstPaint(form.get());
    form->show();
    traceStartupPhase("shown");
    return QApplication::exec();
}

} // namespace quennarix::runtime
