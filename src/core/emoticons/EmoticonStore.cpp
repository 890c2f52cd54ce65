#include "core/emoticons/EmoticonStore.h"

#include "core/common/AppPaths.h"
#include "core/common/Cp932.h"
#include "core/common/SafeFile.h"

#include <QFile>

namespace EmoticonStore {

const std::array<Collection, kCount> &collections()
{
    static const std::array<Collection, kCount> table = [] {
        const char16_t *captions[kCount] = {
            u"顔文字",
            u"飾りライン・抽象画",
            u"顔",
            u"春夏秋冬、年中行事",
            u"干支、星座、その他",
            u"乗り物、機械、昆虫、花",
            u"飲物、食べ物",
            u"衣料、雑貨、ゲーム、スポーツ",
            u"SF、場所、音楽",
            u"その他",
            u"動物、その他",
            u"○お気に入り",
        };
        std::array<Collection, kCount> rows;
        for (int i = 0; i < kCount; ++i) {
            const QString box = i == 0 ? QStringLiteral("Kao1") : QStringLiteral("Text%1").arg(i);
            rows[i] = {QString::fromUtf16(captions[i]), box,
                       AppPaths::kEmoticonFolder + box + QStringLiteral(".txt")};
        }
        return rows;
    }();
    return table;
}

QString path(int index)
{
    return AppPaths::resolve(collections().at(index).file);
}

QString fromFileBytes(const QByteArray &bytes)
{
    QString text = Cp932::decode(bytes);
    // The boxes hold bare line feeds; a file from another editor may use any
    // of the three line ends.
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

QByteArray toFileBytes(const QString &text)
{
    QString lines = text;
    lines.replace(u'\n', QStringLiteral("\r\n"));
    return Cp932::encode(lines) + QByteArrayLiteral("\r\n");
}

QString load(int index)
{
    QFile file(path(index));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return fromFileBytes(file.readAll());
}

bool savesExactly(int index, const QString &text)
{
    if (fromFileBytes(toFileBytes(text)) != text)
        return false;
    QFile file(path(index));
    if (!file.open(QIODevice::ReadOnly))
        return true;
    const QByteArray bytes = file.readAll();
    // Line ends may change on saving; the characters between them may not.
    QByteArray normal = bytes;
    normal.replace("\r\n", "\n");
    normal.replace('\r', '\n');
    QByteArray again = Cp932::encode(Cp932::decode(bytes));
    again.replace("\r\n", "\n");
    again.replace('\r', '\n');
    return again == normal && !Cp932::decode(bytes).contains(QChar::ReplacementCharacter);
}

QStringList loadAll()
{
    QStringList texts;
    for (int i = 0; i < kCount; ++i)
        texts << load(i);
    return texts;
}

bool save(int index, const QString &text, QString *error)
{
    return SafeFile::replace(path(index), toFileBytes(text), {}, {}, error);
}

QStringList saveAll(const QStringList &texts)
{
    QStringList failures;
    for (int i = 0; i < kCount; ++i) {
        QString error;
        if (!save(i, texts.value(i), &error))
            failures << error;
    }
    return failures;
}

} // namespace EmoticonStore
