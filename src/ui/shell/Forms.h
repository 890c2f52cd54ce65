#pragma once

#include "core/history/HistoryFile.h"

#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>
#include <typeindex>

struct HistoryRecord;
class JobProgress;

// The registry of the program's windows, each of which exists at most once.
// get<T>() returns the open window or creates and loads it hidden; open<T>()
// also shows it. Closed windows are deleted, so the next use loads afresh.
class Forms {
public:
    template <class T>
    static T *existing()
    {
        return static_cast<T *>(lookup(typeid(T)));
    }

    template <class T>
    static T *get()
    {
        if (T *window = existing<T>())
            return window;
        T *window = new T;
        add(typeid(T), window);
        return window;
    }

    template <class T>
    static T *open()
    {
        T *window = get<T>();
        show(window);
        return window;
    }

    static void show(QWidget *window);

    // Deletes every window but one without running its close handling.
    static void discardAll(QWidget *except = nullptr);

    // What one window family asks of another, so that none includes another.
    // The launcher: null when it is not open.
    static QWidget *launcher();
    static void showLauncher();
    static void closeLauncher();
    static QString launcherStatus();
    static QString launcherClock();
    static void setLauncherStatus(const QString &text);
    static void onLauncherStatus(QObject *context, std::function<void(const QString &)> slot);
    // Where a job shows how far it has come: a progress window over parent (the launcher when none).
    static std::unique_ptr<JobProgress> openProgress(const QString &title, QWidget *parent = nullptr);
    // Compose and reply.
    static void openCompose();
    static void insertIntoCompose(const QString &text);
    static void composeFromLink(const QString &recipient, const QString &subject, const QString &body,
                                const QString &note);
    static void startReply(const QString &subject, const QString &to, const QString &body, QWidget *from);
    static void openEmoticons();
    // The history window.
    static void openHistory(HistoryFile::Kind kind);
    static void openNewestReceived();
    // A mail of a history on its row, with the text a search matched selected.
    static void showHistoryRecord(HistoryFile::Kind kind, int number, const QString &match);
    // 全メール検索, ready for typing.
    static void openSearch();
    static void onReceivedOpened(QObject *context, std::function<void()> listener);
    static void showStoredMail(const HistoryRecord &record);
    static void allowHistoryReply(bool allowed);
    // The address book.
    static void openAddressBook();
    static void registerSender(const QString &address);
    // The end of the program: a compose or reply window holding unsent text; the palette's
    // edits saved as closing it would, and what could not be.
    static bool unsentMailOpen();
    static QStringList savePaletteEdits();
    // The settings windows.
    static void openAccount();
    static void fillAccount(const QString &id, const QString &password);
    static void askToSignIn(const QString &why, bool openBrowser);
    static void openServerSettings();

private:
    static QWidget *lookup(std::type_index type);
    static void add(std::type_index type, QWidget *window);
};
