#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

struct sqlite3;
struct sqlite3_stmt;

// The little of SQLite the derived stores need: one connection, statements that bind
// and step, and the last error in SQLite's own words.
class SqliteDb {
public:
    SqliteDb() = default;
    ~SqliteDb() { close(); }
    SqliteDb(const SqliteDb &) = delete;
    SqliteDb &operator=(const SqliteDb &) = delete;

    bool open(const QString &path, bool readOnly = false);
    void close();
    bool isOpen() const { return m_db != nullptr; }
    sqlite3 *handle() const { return m_db; }
    qint64 lastInsertId() const;

    // Runs statements without results; false with the error kept.
    bool exec(const char *sql);
    QString error() const { return m_error; }
    // Whether the last failure said the file is no sound database.
    bool damaged() const { return m_damaged; }
    void noteFailure();

private:
    sqlite3 *m_db = nullptr;
    QString m_error;
    bool m_damaged = false;
};

class SqliteStatement {
public:
    SqliteStatement(SqliteDb &db, const char *sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement &) = delete;
    SqliteStatement &operator=(const SqliteStatement &) = delete;

    bool ok() const { return m_statement != nullptr; }
    SqliteStatement &bind(int index, qint64 value);
    SqliteStatement &bind(int index, const QString &value);
    SqliteStatement &bind(int index, const QByteArray &blob);
    // True while rows come; false at the end or on failure (then failed() says so).
    bool step();
    bool failed() const { return m_failed; }
    // Runs a statement without rows, then makes it ready again.
    bool run();
    void reset();

    qint64 integer(int column) const;
    QString text(int column) const;
    QByteArray blob(int column) const;

private:
    SqliteDb &m_db;
    sqlite3_stmt *m_statement = nullptr;
    bool m_failed = false;
};
