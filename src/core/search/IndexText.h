#pragma once

#include "core/common/Sqlite.h"
#include "core/search/MailDocument.h"

#include <QStringList>

// A mail's fields in their normal form, as the index takes them into its grams.
// The text itself is not kept: the grams' places answer every query exactly,
// and an excerpt is read from the history again.
namespace IndexText {

// subject, sender, recipients, body, attachment names
inline constexpr int kFields = 5;

QStringList fieldsOf(const MailDocument &doc);

// Statements that fill one row of the mails table and its grams, prepared
// once for a whole batch.
class Writer {
public:
    explicit Writer(SqliteDb &db);
    bool write(qint64 id, const MailDocument &doc, const QStringList &fields);
    bool write(qint64 id, const MailDocument &doc) { return write(id, doc, fieldsOf(doc)); }

private:
    SqliteStatement m_row;
    SqliteStatement m_chars;
    SqliteStatement m_pairs;
};

} // namespace IndexText
