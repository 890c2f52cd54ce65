#include "core/settings/RuntimeSettings.h"

#include "core/common/AppPaths.h"
#include "core/settings/OptionsFile.h"

RuntimeSettings &runtimeSettings()
{
    static RuntimeSettings settings;
    return settings;
}

void loadRuntimeSettings()
{
    if (const auto options = OptionsFile::read(AppPaths::kOptionsFile)) {
        RuntimeSettings &settings = runtimeSettings();
        settings.SmtpServer = options->smtpServer;
        settings.Pop3Server = options->pop3Server;
        settings.SenderAddress = options->senderAddress;
        settings.UseApop = options->useApop;
        settings.KeepOnServer = options->keepOnServer;
        settings.KeepDays = options->keepDays;
        settings.KeepSync = options->keepSync;
        settings.CheckMinutes = options->checkMinutes;
        settings.AuthServ = options->authserv;
    }
}
