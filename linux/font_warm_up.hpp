#pragma once

#include <thread>

namespace quennarix::desktop {

// Loads the system's font configuration on a second thread while Qt starts on
// the first. Qt's first text layout would otherwise parse it on the main thread
// before the window can show.
class FontWarmUp
{
public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp &) = delete;
    FontWarmUp &operator=(const FontWarmUp &) = delete;

    // Waits until the configuration is loaded.
    void finish();

private:
    std::thread m_thread;
};

} // namespace quennarix::desktop
