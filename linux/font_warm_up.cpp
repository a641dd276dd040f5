#include "linux/font_warm_up.hpp"

#include <fontconfig/fontconfig.h>

namespace quennarix::desktop {

FontWarmUp::FontWarmUp()
{
    // fontconfig initialises once per process and is safe to call from any thread.
    m_thread = std::thread([] { FcInit(); });
}

FontWarmUp::~FontWarmUp()
{
    finish();
}

void FontWarmUp::finish()
{
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace quennarix::desktop
