#include "core/emoticons/EmoticonStore.h"

#include "core/common/Cp932.h"
#include "support/Sandbox.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

QString shippedFile(int index)
{
    const QString name = QFileInfo(QString(EmoticonStore::collections()[index].file).replace(u'\\', u'/')).fileName();
    return QStringLiteral(PINTORA_SHIPPED_EMOTICONS) + u'/' + name;
}

} // namespace

TEST(ShippedCollections, EveryFileIsCp932WithCrLfAndComesBackUnchangedFromThePalette)
{
    const QStringList names = QDir(QStringLiteral(PINTORA_SHIPPED_EMOTICONS)).entryList(QDir::Files);
    EXPECT_EQ(names.size(), EmoticonStore::kCount);
    for (int i = 0; i < EmoticonStore::kCount; ++i) {
        const QString path = shippedFile(i);
        ASSERT_TRUE(names.contains(QFileInfo(path).fileName())) << path.toStdString();
        const QByteArray bytes = Sandbox::readFile(path);
        ASSERT_FALSE(bytes.isEmpty()) << path.toStdString();
        const QString text = Cp932::decode(bytes);
        EXPECT_FALSE(text.contains(QChar::ReplacementCharacter)) << path.toStdString();
        EXPECT_EQ(Cp932::encode(text), bytes) << path.toStdString();
        EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n")) << path.toStdString();
        EXPECT_EQ(bytes.count('\r'), bytes.count("\r\n")) << path.toStdString();
        EXPECT_TRUE(bytes.endsWith("\r\n")) << path.toStdString();
        EXPECT_EQ(EmoticonStore::toFileBytes(EmoticonStore::fromFileBytes(bytes)), bytes)
            << path.toStdString();
    }
}

TEST(ShippedCollections, ThemedCollectionsOfferAtLeastThirtyPiecesAndFavouritesStartSmall)
{
    for (int i = 0; i < EmoticonStore::kCount; ++i) {
        const QStringList lines = EmoticonStore::fromFileBytes(Sandbox::readFile(shippedFile(i))).split(u'\n');
        int pieces = 0;
        for (const QString &line : lines)
            if (!line.trimmed().isEmpty() && !line.startsWith(QStringLiteral("【")))
                ++pieces;
        if (i == EmoticonStore::kFavourites)
            EXPECT_LE(pieces, 5);
        else
            EXPECT_GE(pieces, 30) << i;
    }
}
