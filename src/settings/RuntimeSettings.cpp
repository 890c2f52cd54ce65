#include "settings/RuntimeSettings.h"

RuntimeSettings &runtimeSettings()
{
    static RuntimeSettings settings;
    return settings;
}
