#pragma once

#include <QString>

// The settings every window reads, one set per running program, in memory only.
struct RuntimeSettings {
    QString SmtpServer;
    QString Pop3Server;
    QString SenderAddress;
    qint16 UseApop = 0;
    int KeepOnServer = 0;
    int KeepDays = 0;
    int KeepSync = 0;
    int CheckMinutes = 0;  // timed checks, 0 = off
    QString AuthServ;      // AUTHSERV= of the options file, kept as read
    QString AccountId;
    QString AccountPassword;
};

RuntimeSettings &runtimeSettings();

// Fills the settings from the server options file, as a start of the program does.
void loadRuntimeSettings();
