#pragma once

namespace quennarix::desktop {

// A session manager ends the programs still running at log-out with SIGTERM.
// From here on that quits the application as closing its window does, with
// status 0, instead of killing it mid-event.
void quitOnTerminationSignal();

} // namespace quennarix::desktop
