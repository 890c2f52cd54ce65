#include "core/mail/mime/GMimeOnce.h"

#pragma push_macro("signals")
#undef signals
#include <gmime/gmime.h>
#pragma pop_macro("signals")

#include <mutex>

void GMimeOnce::ensure()
{
    static std::once_flag once;
    std::call_once(once, [] { g_mime_init(); });
}
