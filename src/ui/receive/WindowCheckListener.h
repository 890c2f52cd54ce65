#pragma once

#include "core/check/CheckListener.h"

// A check shown to the user: the launcher's status line, boxes for failures
// and questions, the account window, the last mail in the history window.
// Everything is handed to the window thread; boxes are waited for.
class WindowCheckListener : public CheckListener {
public:
    void status(const QString &text) override;
    void failed(const QString &text) override;
    void notice(const QString &text) override;
    void noServer() override;
    void accountRead(const QString &id, const QString &password) override;
    void accountMissing() override;
    void signInNeeded(const QString &why, bool mayOpenBrowser) override;
    void lastStored(const HistoryRecord &record) override;
    void askAboutServer(SessionHooks &hooks) override;
};
