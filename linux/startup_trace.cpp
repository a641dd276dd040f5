#include "linux/startup_trace.hpp"

#ifdef QUENNARIX_TRACE_STARTUP
#include <QEvent>
#include <QObject>
#include <QWidget>

#include <cstdio>
#include <ctime>
#endif

namespace quennarix::desktop {

#ifdef QUENNARIX_TRACE_STARTUP

void traceStartupPhase(const char *phase)
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::fprintf(stderr, "startup %s %.3f\n", phase, now.tv_sec * 1e3 + now.tv_nsec / 1e6);
}

namespace {

class FirstPaintTracer : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            traceStartupPhase("first-paint");
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

} // namespace

void traceFirstPaint(QWidget *window)
{
    window->installEventFilter(new FirstPaintTracer(window));
}

#else

void traceStartupPhase(const char *) {}
void traceFirstPaint(QWidget *) {}

#endif

} // namespace quennarix::desktop
