#pragma once

class QWidget;

// Start-up phases on stderr, with CLOCK_MONOTONIC times in milliseconds, in a
// build configured with -DQUENNARIX_TRACE_STARTUP=ON; nothing otherwise.
namespace quennarix::desktop {

void traceStartupPhase(const char *phase);

// Traces the first paint of `window`.
void traceFirstPaint(QWidget *window);

} // namespace quennarix::desktop
