#include "core/exchange/AddressExchange.h"

#include "core/exchange/AddressExchange_p.h"

#include "core/addressbook/AddressBook.h"
#include "core/common/Cp932.h"
#include "core/common/FileError.h"
#include "core/common/FixedField.h"
#include "core/common/RecordFile.h"
#include "core/common/SafeFile.h"
#include "core/common/ImportFile.h"
#include "core/mail/mime/CharsetGuess.h"
#include "core/mail/mime/Charsets.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>

#include <cerrno>

namespace AddressExchange {

namespace {

// An address book file is small; anything larger is not one.
constexpr qint64 kLargestFile = qint64(16) << 20;

// --- CSV ---

QList<QStringList> csvRows(const QString &text, QChar separator)
{
    QList<QStringList> rows;
    QStringList row;
    QString cell;
    bool quoted = false;
    bool wasQuoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < text.size() && text[i + 1] == u'"') {
                    cell += u'"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                cell += c;
            }
            continue;
        }
        if (c == u'"' && cell.trimmed().isEmpty() && !wasQuoted) {
            cell.clear();
            quoted = wasQuoted = true;
        } else if (c == separator) {
            row << cell;
            cell.clear();
            wasQuoted = false;
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            row << cell;
            rows << row;
            row.clear();
            cell.clear();
            wasQuoted = false;
        } else {
            cell += c;
        }
    }
    if (!cell.isEmpty() || !row.isEmpty()) {
        row << cell;
        rows << row;
    }
    return rows;
}

QString headerKey(const QString &header)
{
    QString key = header.toLower();
    key.remove(u' ');
    key.remove(QChar(0x3000));
    key.remove(u'-');
    key.remove(u'_');
    key.remove(u'.');
    return key;
}

bool isAddressColumn(const QString &key)
{
    if (!key.contains(QStringLiteral("mail")) && !key.contains(QStringLiteral("メール")))
        return false;
    static const QStringList notAddresses = {QStringLiteral("type"), QStringLiteral("label"),
                                             QStringLiteral("displayname"), QStringLiteral("表示"),
                                             QStringLiteral("種類"), QStringLiteral("ラベル"),
                                             QStringLiteral("format"), QStringLiteral("形式")};
    for (const QString &word : notAddresses)
        if (key.contains(word))
            return false;
    return true;
}

int column(const QStringList &keys, const QStringList &names)
{
    for (const QString &name : names)
        if (const qsizetype at = keys.indexOf(name); at >= 0)
            return static_cast<int>(at);
    return -1;
}

QString cellAt(const QStringList &row, int index)
{
    return index >= 0 && index < row.size() ? oneLine(row[index]) : QString();
}

QByteArray csvCell(const QString &text)
{
    const bool quote = text.contains(u',') || text.contains(u'"') || text.contains(u'\n') || text.contains(u'\r')
        || text.startsWith(u' ') || text.endsWith(u' ');
    if (!quote)
        return text.toUtf8();
    QString quoted = text;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return '"' + quoted.toUtf8() + '"';
}

QString nameCardName(const QString &address)
{
    const qsizetype open = address.indexOf(u'<');
    return open > 0 && address.endsWith(u'>') ? address.left(open).trimmed() : QString();
}

QString bareAddress(const QString &address)
{
    const qsizetype open = address.lastIndexOf(u'<');
    return open >= 0 && address.endsWith(u'>') ? address.mid(open + 1, address.size() - open - 2).trimmed() : address;
}

std::optional<QByteArray> readSmallFile(const QString &path, QString *error)
{
    return ImportFile::readAll(
        path, kLargestFile, QStringLiteral("%1 は大きすぎるため、アドレス帳のファイルとして読めません。").arg(path), error);
}

QString trimmedField(const QString &text)
{
    return FixedField::trimSpaces(FixedField::cutAtNul(text));
}

} // namespace

QString decodeText(const QByteArray &bytes)
{
    if (bytes.startsWith(kUtf8Bom))
        return CharsetGuess::fromUtf8(bytes.mid(3));
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder decoder(bytes.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        QString text = decoder.decode(bytes.mid(2));
        // Half a surrogate pair is no character: it would break every encoder after us.
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
                ++i;
            else if (text[i].isSurrogate())
                text[i] = QChar::ReplacementCharacter;
        }
        return text;
    }
    if (CharsetGuess::invalidUtf8(bytes) == 0)
        return CharsetGuess::fromUtf8(bytes);
    return Cp932::decode(bytes);
}

std::optional<QList<Entry>> parseCsv(const QByteArray &bytes, QString *error)
{
    const QString text = decodeText(bytes);
    const QString firstLine = text.left(text.indexOf(u'\n'));
    QChar separator = u',';
    if (firstLine.count(u'\t') > firstLine.count(u','))
        separator = u'\t';
    else if (firstLine.count(u';') > firstLine.count(u','))
        separator = u';';

    QList<QStringList> rows = csvRows(text, separator);
    while (!rows.isEmpty() && oneLine(rows.first().join(QString())).isEmpty())
        rows.removeFirst();
    if (rows.isEmpty()) {
        if (error)
            *error = QStringLiteral("ファイルにアドレスがありません。");
        return std::nullopt;
    }
    QStringList keys;
    for (const QString &header : rows.first())
        keys << headerKey(header);

    QList<int> addressColumns;
    for (qsizetype i = 0; i < keys.size(); ++i)
        if (isAddressColumn(keys[i]))
            addressColumns << static_cast<int>(i);
    if (addressColumns.isEmpty()) {
        if (error)
            *error = QStringLiteral("1 行目にメールアドレスの列（「メールアドレス」「E-mail Address」など）が見つかりません。");
        return std::nullopt;
    }
    const int nameColumn = column(keys, {QStringLiteral("表示名"), QStringLiteral("displayname"), QStringLiteral("名前"),
                                         QStringLiteral("name"), QStringLiteral("氏名"), QStringLiteral("フルネーム"),
                                         QStringLiteral("fullname"), QStringLiteral("お名前")});
    const int familyColumn = column(keys, {QStringLiteral("姓"), QStringLiteral("lastname"), QStringLiteral("familyname"),
                                           QStringLiteral("surname")});
    const int givenColumn = column(keys, {QStringLiteral("名"), QStringLiteral("firstname"), QStringLiteral("givenname")});
    const int middleColumn = column(keys, {QStringLiteral("middlename"), QStringLiteral("ミドルネーム")});
    const int nicknameColumn = column(keys, {QStringLiteral("nickname"), QStringLiteral("ニックネーム")});

    QList<Entry> entries;
    for (qsizetype r = 1; r < rows.size(); ++r) {
        const QStringList &row = rows[r];
        QString name = cellAt(row, nameColumn);
        if (name.isEmpty())
            name = joinName(cellAt(row, familyColumn), cellAt(row, givenColumn), cellAt(row, middleColumn));
        if (name.isEmpty())
            name = cellAt(row, nicknameColumn);
        for (int index : std::as_const(addressColumns)) {
            // Some programs put several addresses into one cell.
            QString cell = cellAt(row, index);
            cell.replace(QStringLiteral(":::"), QStringLiteral(";"));
            for (const QString &address : cell.split(u';', Qt::SkipEmptyParts))
                if (!address.trimmed().isEmpty())
                    entries.append({name, address.trimmed()});
        }
    }
    return entries;
}

std::optional<QList<Entry>> parse(const QByteArray &bytes, QString *error)
{
    const QString start = decodeText(bytes.left(4096)).trimmed();
    if (start.startsWith(QStringLiteral("BEGIN:VCARD"), Qt::CaseInsensitive))
        return parseVCards(bytes);
    return parseCsv(bytes, error);
}

QByteArray writeCsv(const QList<Entry> &entries)
{
    QByteArray out = kUtf8Bom + "Name,E-mail Address\r\n";
    for (const Entry &entry : entries)
        out += csvCell(entry.name) + ',' + csvCell(entry.address) + "\r\n";
    return out;
}

QString whyItDoesNotFit(const Entry &entry)
{
    const struct {
        const QString &text;
        const char16_t *what;
    } fields[] = {{entry.name, u"名前"}, {entry.address, u"メールアドレス"}};
    for (const auto &field : fields) {
        const QString what = QString::fromUtf16(field.what);
        if (const auto missing = Cp932::firstUnencodable(field.text))
            return QStringLiteral("%1の「%2」はシフトJISにない文字です").arg(what, *missing);
        const qsizetype bytes = Cp932::encode(field.text).size();
        if (bytes > AddressBookRecord::kFieldWidth)
            return QStringLiteral("%1が長すぎます（%2 バイト、%3 バイトまで）").arg(what).arg(bytes).arg(AddressBookRecord::kFieldWidth);
    }
    return {};
}

ImportOutcome importFile(const QString &path)
{
    ImportOutcome outcome;
    const auto bytes = readSmallFile(path, &outcome.error);
    if (!bytes)
        return outcome;
    const auto entries = parse(*bytes, &outcome.error);
    if (!entries)
        return outcome;

    AddressBook book;
    QSet<QPair<QString, QString>> known;
    book.forEach([&](int, const AddressBookRecord &record) {
        known.insert({trimmedField(record.PersonName), trimmedField(record.MailAddress)});
        return true;
    });
    for (const Entry &entry : *entries) {
        if (known.contains({entry.name, entry.address})) {
            ++outcome.alreadyThere;
            continue;
        }
        if (const QString why = whyItDoesNotFit(entry); !why.isEmpty()) {
            outcome.rejected.append({entry, why});
            continue;
        }
        if (outcome.full || book.count() >= RecordFile::kMaxRecords) {
            outcome.full = true;
            outcome.rejected.append({entry, QStringLiteral("アドレス帳がいっぱいです")});
            continue;
        }
        const RecordFile::Result stored = book.append(entry.name, entry.address);
        if (!stored.ok) {
            outcome.error = stored.error;
            return outcome;
        }
        known.insert({entry.name, entry.address});
        ++outcome.added;
    }
    outcome.ok = true;
    return outcome;
}

QString summary(const ImportOutcome &outcome)
{
    if (!outcome.error.isEmpty())
        return outcome.error;
    QString text = QStringLiteral("%1 件をアドレス帳に追加しました。").arg(outcome.added);
    if (outcome.alreadyThere > 0)
        text += QStringLiteral("同じ名前とアドレスが既にある %1 件は追加しませんでした。").arg(outcome.alreadyThere);
    if (!outcome.rejected.isEmpty()) {
        text += QStringLiteral("\n\n次の %1 件は記録に収まらないため、追加しませんでした。").arg(outcome.rejected.size());
        for (const Rejected &rejected : outcome.rejected) {
            const QString who = rejected.entry.name.isEmpty()
                ? rejected.entry.address
                : QStringLiteral("%1 <%2>").arg(rejected.entry.name, rejected.entry.address);
            text += QStringLiteral("\n・%1: %2").arg(who, rejected.reason);
        }
    }
    return text;
}

bool isCsvName(const QString &path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0;
}

QList<Entry> bookEntries()
{
    QList<Entry> entries;
    AddressBook().forEach([&](int, const AddressBookRecord &record) {
        const QString stored = trimmedField(record.MailAddress);
        Entry entry{trimmedField(record.PersonName), bareAddress(stored)};
        if (entry.name.isEmpty())
            entry.name = nameCardName(stored);
        if (!entry.name.isEmpty() || !entry.address.isEmpty())
            entries.append(entry);
        return true;
    });
    return entries;
}

ExportOutcome exportFile(const QString &path)
{
    ExportOutcome outcome;
    const QList<Entry> entries = bookEntries();
    const QByteArray bytes = isCsvName(path) ? writeCsv(entries) : writeVCards(entries);
    if (!SafeFile::replaceChosen(path, bytes, &outcome.error))
        return outcome;
    outcome.count = static_cast<int>(entries.size());
    outcome.ok = true;
    return outcome;
}

} // namespace AddressExchange
