#include "core/search/IndexText.h"

#include "core/common/NormalText.h"
#include "core/common/Sqlite.h"

namespace {

constexpr char16_t kSeparator = u'\x1f';

} // namespace

namespace IndexText {

QStringList fieldsOf(const MailDocument &doc)
{
    QStringList fields;
    for (const QString *field : {&doc.subject, &doc.sender, &doc.recipients, &doc.body, &doc.files}) {
        QString text = NormalText::normalize(*field);
        text.replace(kSeparator, u' ');
        fields << text;
    }
    return fields;
}

QByteArray pack(const QStringList &fields)
{
    return qCompress(fields.join(kSeparator).toUtf8(), 6);
}

QByteArray unpackBytes(const QByteArray &packed)
{
    return packed.isEmpty() ? QByteArray() : qUncompress(packed);
}

QStringList unpack(const QByteArray &packed)
{
    if (packed.isEmpty())
        return QStringList(kFields, QString());
    QStringList fields = QString::fromUtf8(qUncompress(packed)).split(kSeparator);
    while (fields.size() < kFields)
        fields << QString();
    return fields;
}

bool write(SqliteDb &db, qint64 id, const MailDocument &doc)
{
    const QStringList fields = fieldsOf(doc);
    SqliteStatement row(db, "UPDATE mails SET indexed = 1, time = ?, date = ?, correspondent = ?, subject = ?,"
                            " text = ? WHERE id = ?");
    row.bind(1, doc.time).bind(2, doc.dateText).bind(3, doc.correspondent).bind(4, doc.subject)
        .bind(5, pack(fields)).bind(6, id);
    if (!row.run())
        return false;
    SqliteStatement grams(db, "INSERT INTO grams(rowid, subject, sender, recipients, body, files)"
                              " VALUES(?, ?, ?, ?, ?, ?)");
    grams.bind(1, id);
    for (int i = 0; i < kFields; ++i)
        grams.bind(i + 2, fields[i]);
    return grams.run();
}

} // namespace IndexText
