#include "gui/FontConfigPreload.h"

#ifdef Z3D_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace z3d {

FontConfigPreload::FontConfigPreload()
{
#ifdef Z3D_HAVE_FONTCONFIG
    // What is read here becomes fontconfig's current configuration, which Qt's font database
    // then finds loaded. fontconfig is thread-safe: were Qt to ask for it before wait(), each
    // would read it and one copy would be kept.
    m_reader = std::thread([] { FcInit(); });
#endif
}

FontConfigPreload::~FontConfigPreload()
{
    wait();
}

void FontConfigPreload::wait()
{
    if (m_reader.joinable())
        m_reader.join();
}

} // namespace z3d
