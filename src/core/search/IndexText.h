#pragma once

#include "core/search/MailDocument.h"

#include <QByteArray>
#include <QStringList>

class SqliteDb;

// A mail's fields in their normal form, as the index keeps them: tokenized into
// grams, and kept compressed beside them so a match of three characters or more
// can be confirmed on the text itself and a deleted mail's grams taken out again.
namespace IndexText {

// subject, sender, recipients, body, attachment names
inline constexpr int kFields = 5;

QStringList fieldsOf(const MailDocument &doc);
QByteArray pack(const QStringList &fields);
QStringList unpack(const QByteArray &packed);
// The fields as UTF-8, parted by 0x1F.
QByteArray unpackBytes(const QByteArray &packed);

// Fills row id of the mails table with the document and its grams.
bool write(SqliteDb &db, qint64 id, const MailDocument &doc);

} // namespace IndexText
