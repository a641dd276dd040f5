#include "runtime/font_warm_up.hpp"

#ifdef QUENNARIX_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace quennarix::runtime {

FontWarmUp::FontWarmUp()
{
#ifdef QUENNARIX_HAVE_FONTCONFIG
    // fontconfig initialises once per process and is safe to call from any thread.
    m_thread = std::thread([] { FcInit(); });
#endif
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

} // namespace quennarix::runtime
