#include "core/search/IndexText.h"

#include "core/common/NormalText.h"
#include "core/common/Sqlite.h"

namespace IndexText {

QStringList fieldsOf(const MailDocument &doc)
{
    QStringList fields;
    for (const QString *field : {&doc.subject, &doc.sender, &doc.recipients, &doc.body, &doc.files})
        fields << NormalText::normalize(*field);
    return fields;
}

Writer::Writer(SqliteDb &db)
    : m_row(db, "UPDATE mails SET indexed = 1, time = ?, date = ?, correspondent = ?, subject = ? WHERE id = ?"),
      m_chars(db, "INSERT INTO chars(rowid, subject, sender, recipients, body, files) VALUES(?, ?, ?, ?, ?, ?)"),
      m_pairs(db, "INSERT INTO pairs(rowid, subject, sender, recipients, body, files) VALUES(?, ?, ?, ?, ?, ?)")
{
}

bool Writer::write(qint64 id, const MailDocument &doc, const QStringList &fields)
{
    m_row.bind(1, doc.time).bind(2, doc.dateText).bind(3, doc.correspondent).bind(4, doc.subject).bind(5, id);
    if (!m_row.run())
        return false;
    for (SqliteStatement *grams : {&m_chars, &m_pairs}) {
        grams->bind(1, id);
        for (int i = 0; i < kFields; ++i)
            grams->bind(i + 2, fields[i]);
        if (!grams->run())
            return false;
    }
    return true;
}

} // namespace IndexText
