#include "core/common/LineEnds.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// The plain character-by-character readings the line-at-a-time copies must agree with.
QString referenceToWidget(const QString &text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r') {
            out += u'\n';
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

QString referenceToCrLf(const QString &text)
{
    QString out;
    for (const QChar c : text)
        out += c == u'\n' ? QStringLiteral("\r\n") : QString(c);
    return out;
}

} // namespace

TEST(LineEnds, EveryKindOfLineEndBecomesCrLfOnce)
{
    EXPECT_EQ(LineEnds::anyToCrLf(QStringLiteral("a\r\nb\rc\nd\r\r\n\n")), QStringLiteral("a\r\nb\r\nc\r\nd\r\n\r\n\r\n"));
    EXPECT_EQ(LineEnds::anyToCrLf(QStringLiteral("\n\r")), QStringLiteral("\r\n\r\n"));
    EXPECT_EQ(LineEnds::anyToCrLf(QString()), QString());
    // Random texts of line ends and letters agree with the two steps it replaces.
    std::mt19937 random(11);
    const QString parts[] = {QStringLiteral("\r"), QStringLiteral("\n"), QStringLiteral("\r\n"), QStringLiteral("あ"),
                             QStringLiteral("x")};
    for (int round = 0; round < 5000; ++round) {
        QString text;
        for (int i = 0, n = int(random() % 12); i < n; ++i)
            text += parts[random() % 5];
        ASSERT_EQ(LineEnds::toWidget(text), referenceToWidget(text)) << text.toStdString();
        ASSERT_EQ(LineEnds::toCrLf(text), referenceToCrLf(text)) << text.toStdString();
        ASSERT_EQ(LineEnds::anyToCrLf(text), referenceToCrLf(referenceToWidget(text))) << text.toStdString();
    }
}

TEST(LineEnds, TextAlreadyInCrLfIsHandedBackWithoutACopy)
{
    const QString text = QStringLiteral("一行目\r\n二行目\r\n");
    const QString same = LineEnds::anyToCrLf(text);
    EXPECT_EQ(same.constData(), text.constData());
}
