// The INI files from disk: any bytes as an INI file (the account file goes the
// same way), tolvar.ini and ServerTrust.ini. A key written and read back gives
// its value, and every other key keeps its own; options and trust decisions
// written and read back are the same.
#include "FuzzSupport.h"

#include "core/common/Cp932.h"
#include "core/common/IniFile.h"
#include "core/settings/AccountFile.h"
#include "core/settings/OptionsFile.h"
#include "core/settings/ServerTrustFile.h"

#include <QRegularExpression>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzz::startApplication(argc, argv);
    fuzz::AllocationBound::install();
    fuzz::scratch();
    return 0;
}

namespace {

struct Key {
    QString section;
    QString key;
};

// The section and key names the text holds, as a person would read them.
QList<Key> keysOf(const QByteArray &raw)
{
    QList<Key> keys;
    QString section;
    QString text = Cp932::decode(raw);
    text.replace(u'\r', u'\n');
    for (const QString &line : text.split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(u'[') && trimmed.contains(u']')) {
            section = trimmed.mid(1, trimmed.indexOf(u']') - 1).trimmed();
        } else if (line.contains(u'=') && keys.size() < 32) {
            keys.append({section, line.left(line.indexOf(u'=')).trimmed()});
        }
    }
    return keys;
}

void checkIni(const QByteArray &raw, uint8_t choice)
{
    const QString path = fuzz::scratch() + QStringLiteral("/any.ini");
    fuzz::writeFile(path, raw);
    const IniFile ini(path);
    const QList<Key> keys = keysOf(raw);
    QStringList before;
    for (const Key &key : keys) {
        const QString value = ini.read(key.section, key.key, QStringLiteral("\x01missing"));
        fuzz::requireValidUtf16(value);
        fuzz::require(value == QStringLiteral("\x01missing") || Cp932::encode(value).size() <= IniFile::kReadLimit,
                      "a value longer than the read buffer");
        before << value;
    }
    // One key written: into a section of the file or a new one, over a key of it or a new one.
    Key target{QStringLiteral("Fuzz"), QStringLiteral("Written")};
    if (!keys.isEmpty() && (choice & 1)) {
        const Key &chosen = keys[(choice >> 1) % keys.size()];
        // Names that cannot be written as they read are not the writer's to keep.
        if (!chosen.section.isEmpty() && !chosen.key.isEmpty() && !chosen.key.startsWith(u'[')
            && !chosen.section.contains(QRegularExpression(QStringLiteral("[\\x00-\\x1f\\]]")))
            && !chosen.key.contains(QRegularExpression(QStringLiteral("[\\x00-\\x1f]")))
            && !chosen.section.contains(QChar::ReplacementCharacter) && !chosen.key.contains(QChar::ReplacementCharacter))
            target = chosen;
    }
    const QString value = QStringLiteral("値%1 of ini").arg(choice);
    QString error;
    fuzz::require(ini.write(target.section, target.key, value, &error), "write");
    fuzz::require(ini.read(target.section, target.key) == value, "a written key does not read back");
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const Key &key = keys[i];
        if (key.section.compare(target.section, Qt::CaseInsensitive) == 0
            && key.key.compare(target.key, Qt::CaseInsensitive) == 0)
            continue;
        fuzz::require(ini.read(key.section, key.key, QStringLiteral("\x01missing")) == before[i],
                      "writing one key changed another");
    }
}

void checkOptions(const QByteArray &raw)
{
    const ServerOptions options = OptionsFile::parse(raw);
    for (const QString &text : {options.smtpServer, options.pop3Server, options.senderAddress})
        fuzz::requireValidUtf16(text);
    // Read, written and read again: the same options.
    const ServerOptions again = OptionsFile::parse(OptionsFile::format(options));
    const ServerOptions third = OptionsFile::parse(OptionsFile::format(again));
    fuzz::require(again == third, "options change when written and read back");
    const QString path = fuzz::scratch() + QStringLiteral("/tolvar.ini");
    fuzz::writeFile(path, raw);
    const auto read = OptionsFile::read(path);
    fuzz::require(read && *read == options, "the file reads as its bytes parse");
}

void checkTrust(const QByteArray &raw)
{
    const QString path = fuzz::scratch() + QStringLiteral("/ServerTrust.ini");
    fuzz::writeFile(path, raw);
    const ServerTrustFile trust(path);
    QList<std::pair<QString, quint16>> servers;
    for (const Key &key : keysOf(raw)) {
        const qsizetype colon = key.section.lastIndexOf(u':');
        bool number = false;
        const uint port = key.section.mid(colon + 1).toUInt(&number);
        // A section of bytes that are no CP932 or of control characters was never
        // written by the program, which writes host names only.
        if (key.section.contains(QChar::ReplacementCharacter)
            || key.section.contains(QRegularExpression(QStringLiteral("[\\x00-\\x1f]"))))
            continue;
        if (colon > 0 && number && port <= 65535 && servers.size() < 8)
            servers.append({key.section.left(colon), static_cast<quint16>(port)});
    }
    QList<ServerTrustFile::Server> before;
    for (const auto &[host, port] : servers)
        before << trust.server(host, port);
    QString error;
    fuzz::require(trust.rememberTls(QStringLiteral("fuzz.invalid"), 1, &error), "remember TLS");
    fuzz::require(trust.server(QStringLiteral("FUZZ.invalid"), 1).seenTls, "a remembered server reads back");
    for (qsizetype i = 0; i < servers.size(); ++i) {
        if (ServerTrustFile::key(servers[i].first, servers[i].second) == ServerTrustFile::key(QStringLiteral("fuzz.invalid"), 1))
            continue;
        fuzz::require(trust.server(servers[i].first, servers[i].second) == before[i],
                      "remembering one server changed another");
    }
}

void checkAccount(const QByteArray &raw)
{
    const AccountFile account;
    fuzz::writeFile(account.path(), raw);
    for (const QString &text : {account.id(), account.password(), account.saveChoice(), account.authMethod()})
        fuzz::requireValidUtf16(text);
    const QString id = account.id();
    const QString password = QStringLiteral("pass word");
    fuzz::require(account.store(QStringLiteral("user@example.jp"), password), "store");
    fuzz::require(account.id() == QStringLiteral("user@example.jp") && account.password() == password
                      && account.saveChoice() == QStringLiteral("1"),
                  "a stored account does not read back");
    (void)id;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray raw = fuzz::bytes(data + 1, size - 1);
    fuzz::AllocationBound bound(size, 64);
    checkIni(raw, data[0]);
    checkOptions(raw);
    checkTrust(raw);
    checkAccount(raw);
    return 0;
}
