#include "ui/common/Fonts.h"

#include <QApplication>
#include <QRawFont>
#include <QTextLayout>

#include <gtest/gtest.h>

namespace {

// The face each character of the text is drawn with.
QStringList facesDrawing(const QString &text, const QFont &font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QStringList faces;
    for (const QGlyphRun &run : layout.glyphRuns())
        faces << run.rawFont().familyName().toLower();  // fontconfig may name a face in either case
    faces.sort();
    return faces;
}

} // namespace

TEST(Fonts, EmojiComeInColourWhileJapaneseKeepsTheIpaFaces)
{
    const struct {
        QFont font;
        const char *japaneseFace;
    } cases[] = {
        {Fonts::font(Fonts::kGothic, 11.25), "ipagothic"},   // the history window's editor
        {Fonts::font(Fonts::kPGothic, 9.75), "ipapgothic"},  // its header boxes, the reply body
        {QApplication::font(), "ipapgothic"},                // the compose window
    };
    for (const auto &c : cases) {
        EXPECT_EQ(facesDrawing(QStringLiteral("日本語 12 ab"), c.font), QStringList{QString::fromLatin1(c.japaneseFace)});
        const QStringList faces = facesDrawing(QStringLiteral("日本 😊🎉 1"), c.font);
        EXPECT_EQ(faces, (QStringList{QString::fromLatin1(c.japaneseFace), Fonts::kEmoji.toLower()}));  // sorted
    }
    EXPECT_EQ(Fonts::font(Fonts::kGothic, 9).family(), Fonts::kGothic);
}
