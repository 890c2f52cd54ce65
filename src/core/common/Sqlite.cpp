#include "core/common/Sqlite.h"

#include <sqlite3.h>

bool SqliteDb::open(const QString &path, bool readOnly)
{
    close();
    m_damaged = false;
    const int flags = (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE) | SQLITE_OPEN_FULLMUTEX;
    if (sqlite3_open_v2(path.toUtf8().constData(), &m_db, flags, nullptr) != SQLITE_OK) {
        noteFailure();
        close();
        return false;
    }
    sqlite3_busy_timeout(m_db, 5000);
    return true;
}

qint64 SqliteDb::lastInsertId() const
{
    return m_db ? sqlite3_last_insert_rowid(m_db) : 0;
}

void SqliteDb::close()
{
    if (m_db)
        sqlite3_close_v2(m_db);
    m_db = nullptr;
}

bool SqliteDb::exec(const char *sql)
{
    if (!m_db)
        return false;
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) != SQLITE_OK) {
        noteFailure();
        return false;
    }
    return true;
}

void SqliteDb::noteFailure()
{
    if (!m_db) {
        m_error = QStringLiteral("データベースを開けません");
        return;
    }
    m_error = QString::fromUtf8(sqlite3_errmsg(m_db));
    const int code = sqlite3_errcode(m_db) & 0xFF;
    if (code == SQLITE_CORRUPT || code == SQLITE_NOTADB)
        m_damaged = true;
}

SqliteStatement::SqliteStatement(SqliteDb &db, const char *sql) : m_db(db)
{
    if (!db.handle() || sqlite3_prepare_v2(db.handle(), sql, -1, &m_statement, nullptr) != SQLITE_OK) {
        db.noteFailure();
        m_statement = nullptr;
        m_failed = true;
    }
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(m_statement);
}

SqliteStatement &SqliteStatement::bind(int index, qint64 value)
{
    if (m_statement)
        sqlite3_bind_int64(m_statement, index, value);
    return *this;
}

SqliteStatement &SqliteStatement::bind(int index, const QString &value)
{
    if (m_statement) {
        const QByteArray utf8 = value.toUtf8();
        sqlite3_bind_text(m_statement, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    }
    return *this;
}

SqliteStatement &SqliteStatement::bind(int index, const QByteArray &blob)
{
    if (m_statement)
        sqlite3_bind_blob(m_statement, index, blob.constData(), int(blob.size()), SQLITE_TRANSIENT);
    return *this;
}

bool SqliteStatement::step()
{
    if (!m_statement)
        return false;
    const int rc = sqlite3_step(m_statement);
    if (rc == SQLITE_ROW)
        return true;
    if (rc != SQLITE_DONE) {
        m_failed = true;
        m_db.noteFailure();
    }
    return false;
}

bool SqliteStatement::run()
{
    step();
    reset();
    return !m_failed;
}

void SqliteStatement::reset()
{
    if (m_statement) {
        sqlite3_reset(m_statement);
        sqlite3_clear_bindings(m_statement);
    }
}

qint64 SqliteStatement::integer(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

QString SqliteStatement::text(int column) const
{
    const auto *data = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column));
    return QString::fromUtf8(data, sqlite3_column_bytes(m_statement, column));
}

QByteArray SqliteStatement::blob(int column) const
{
    const auto *data = static_cast<const char *>(sqlite3_column_blob(m_statement, column));
    return QByteArray(data, sqlite3_column_bytes(m_statement, column));
}
