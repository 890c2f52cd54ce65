#include "shell/RuntimeSettings.h"

RuntimeSettings &runtimeSettings()
{
    static RuntimeSettings settings;
    return settings;
}
