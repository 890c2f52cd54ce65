#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A throw-away installation: the program's folder with its data folders, and a
// separate working directory. Restores the process state when it goes.
class Sandbox {
public:
    explicit Sandbox(bool withFolders = true);
    ~Sandbox();

    QString appDir() const { return m_app.path(); }
    QString workDir() const { return m_work.path(); }
    // A relative data path with backslashes, resolved like the program does.
    QString dataPath(const QString &relative) const;
    QString workPath(const QString &name) const { return m_work.path() + u'/' + name; }

    static void writeFile(const QString &path, const QByteArray &bytes);
    static QByteArray readFile(const QString &path);

private:
    QTemporaryDir m_app;
    QTemporaryDir m_work;
    QString m_oldCwd;
};
