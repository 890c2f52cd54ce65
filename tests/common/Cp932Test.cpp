#include "core/common/Cp932.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <cstring>
#include <iconv.h>
#include <random>

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(static_cast<char>(v));
    return out;
}

bool isTrailByte(int b)
{
    return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
}

} // namespace

TEST(Cp932, DecodesTheWindowsFormsOfDisputedCodes)
{
    EXPECT_EQ(Cp932::decode(bytes({0x81, 0x60})), QString(QChar(0xFF5E)));  // ～
    EXPECT_EQ(Cp932::decode(bytes({0x87, 0x40})), QStringLiteral("①"));
    EXPECT_EQ(Cp932::decode(bytes({0xFA, 0x40})), QStringLiteral("ⅰ"));
    EXPECT_EQ(Cp932::decode(bytes({0x81, 0x7C})), QString(QChar(0xFF0D)));
    EXPECT_EQ(Cp932::decode(bytes({0x5C, 0x7E})), QStringLiteral("\\~"));
    EXPECT_EQ(Cp932::decode(bytes({0x95, 0x5C})), QStringLiteral("表"));
}

TEST(Cp932, EveryDoubleByteCodeRoundTripsToWindowsPreferredCode)
{
    int decoded = 0;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!Cp932::isLeadByte(static_cast<unsigned char>(lead)))
            continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (!isTrailByte(trail))
                continue;
            const QByteArray code = bytes({lead, trail});
            const QString text = Cp932::decode(code);
            if (text.contains(QChar(0xFFFD)))
                continue;
            ++decoded;
            ASSERT_EQ(text.size(), 1) << std::hex << lead << ' ' << trail;
            const QByteArray back = Cp932::encode(text);
            ASSERT_EQ(Cp932::decode(back), text) << std::hex << lead << ' ' << trail;
            if (back != code) {
                // Only the duplicate NEC/IBM codes may come back as another code.
                const bool duplicateRow = lead == 0x87 || lead == 0xED || lead == 0xEE
                    || (lead >= 0xFA && lead <= 0xFC);
                EXPECT_TRUE(duplicateRow) << std::hex << lead << ' ' << trail;
            }
        }
    }
    // JIS X 0208 (6879), NEC row 13 (83), NEC-selected IBM (374), IBM (388), user-defined (1880).
    EXPECT_EQ(decoded, 6879 + 83 + 374 + 388 + 1880);

    EXPECT_EQ(Cp932::encode(Cp932::decode(bytes({0xED, 0x40}))), bytes({0xFA, 0x5C}));
    EXPECT_EQ(Cp932::encode(Cp932::decode(bytes({0xEE, 0xEF}))), bytes({0xFA, 0x40}));  // ⅰ
    EXPECT_EQ(Cp932::encode(Cp932::decode(bytes({0xFA, 0x4A}))), bytes({0x87, 0x54}));  // Ⅰ
    EXPECT_EQ(Cp932::encode(Cp932::decode(bytes({0x87, 0x90}))), bytes({0x81, 0xE0}));  // ≒
    EXPECT_EQ(Cp932::encode(Cp932::decode(bytes({0xEE, 0xF9}))), bytes({0x81, 0xCA}));  // ￢
    EXPECT_EQ(Cp932::encode(Cp932::decode(bytes({0xFA, 0x5B}))), bytes({0x81, 0xE6}));  // ∵
}

TEST(Cp932, SingleBytesKeepControlsAndHalfWidthKana)
{
    for (int b = 0; b < 0x80; ++b)
        EXPECT_EQ(Cp932::decode(bytes({b})), QString(QChar(b))) << b;
    for (int b = 0xA1; b <= 0xDF; ++b)
        EXPECT_EQ(Cp932::decode(bytes({b})), QString(QChar(0xFF61 + b - 0xA1))) << b;
    EXPECT_EQ(Cp932::encode(QStringLiteral("ｱｲｳ")), bytes({0xB1, 0xB2, 0xB3}));
}

TEST(Cp932, InvalidBytesBecomeOneReplacementEachAndNothingIsDropped)
{
    const QChar bad(0xFFFD);
    EXPECT_EQ(Cp932::decode(bytes({'a', 0x80, 'b'})), QStringLiteral("a") + bad + u'b');
    EXPECT_EQ(Cp932::decode(bytes({0xA0, 0xFD, 0xFE, 0xFF})), QString(4, bad));
    EXPECT_EQ(Cp932::decode(bytes({'x', 0x81})), QStringLiteral("x") + bad);
    // A lead byte followed by a byte that cannot trail: the second byte survives.
    EXPECT_EQ(Cp932::decode(bytes({0x81, 0x20, 'z'})), QString(bad) + QStringLiteral(" z"));
    EXPECT_EQ(Cp932::decode(bytes({0x88, 0x9F, 0x81})), QStringLiteral("亜") + bad);
}

TEST(Cp932, JisStyleLookAlikesEncodeToTheWindowsCodes)
{
    // glibc's CP932 table already folds all of these; the test guards that.
    const struct {
        char16_t from;
        int lead, trail;
    } cases[] = {
        {0x301C, 0x81, 0x60}, {0xFF5E, 0x81, 0x60}, {0x2212, 0x81, 0x7C}, {0x2016, 0x81, 0x61},
        {0x2014, 0x81, 0x5C}, {0x00A2, 0x81, 0x91}, {0x00A3, 0x81, 0x92}, {0x00AC, 0x81, 0xCA},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Cp932::encode(QString(QChar(c.from))), bytes({c.lead, c.trail})) << int(c.from);
}

TEST(Cp932, CharactersWithoutAFormBecomeQuestionMarks)
{
    EXPECT_EQ(Cp932::encode(QStringLiteral("aéb")), QByteArray("a?b"));
    EXPECT_EQ(Cp932::encode(QStringLiteral("顔😀文")), Cp932::encode(QStringLiteral("顔")) + '?'
                                                         + Cp932::encode(QStringLiteral("文")));
    EXPECT_EQ(Cp932::encode(QString(QChar(0xD800)) + u'x'), QByteArray("?x"));
}

TEST(Cp932, FitPadsAndCutsAtWholeCharacters)
{
    const QString thirtyKanji = QString(30, QChar(u'漢'));
    const QByteArray name = Cp932::fit(thirtyKanji, 90);
    EXPECT_EQ(name.size(), 90);
    EXPECT_EQ(name.left(60), Cp932::encode(thirtyKanji));
    EXPECT_EQ(name.mid(60), QByteArray(30, ' '));

    const QByteArray sixty = Cp932::fit(QString(60, QChar(u'字')), 90);
    EXPECT_EQ(Cp932::decode(sixty), QString(45, QChar(u'字')));

    // The 46th kanji would straddle byte 90: dropped whole, a space pads.
    const QByteArray straddle = Cp932::fit(u'a' + QString(45, QChar(u'字')), 90);
    EXPECT_EQ(straddle.size(), 90);
    EXPECT_EQ(Cp932::decode(straddle), u'a' + QString(44, QChar(u'字')) + u' ');

    EXPECT_EQ(Cp932::fit(QString(101, u'x'), 100), QByteArray(100, 'x'));
    EXPECT_EQ(Cp932::fit(QString(), 4), QByteArray("    "));
}

TEST(Cp932, CutWalksFromTheStartSoTrailBytesAreNotTakenForLeads)
{
    // 表 is 95 5C and ソ is 83 5C: the 5C trail must not start a new character.
    const QByteArray text = Cp932::encode(QStringLiteral("表ソa"));
    EXPECT_EQ(Cp932::cutAtCharBoundary(text, 3), Cp932::encode(QStringLiteral("表")));
    EXPECT_EQ(Cp932::cutAtCharBoundary(text, 4), Cp932::encode(QStringLiteral("表ソ")));
    EXPECT_EQ(Cp932::cutAtCharBoundary(text, 5), text);
    const QByteArray kana = Cp932::encode(QStringLiteral("ｱ表"));
    EXPECT_EQ(Cp932::cutAtCharBoundary(kana, 2), Cp932::encode(QStringLiteral("ｱ")));
}

namespace {

// glibc's own answer for a whole text, the way a single iconv call over it gives it:
// one replacement (or '?') per unit that fails, the next unit starting afresh.
QString glibcDecode(const QByteArray &bytes)
{
    iconv_t cd = iconv_open("UTF-16LE", "CP932");
    QString out(bytes.size(), Qt::Uninitialized);
    char *in = const_cast<char *>(bytes.constData());
    size_t inLeft = bytes.size();
    char *start = reinterpret_cast<char *>(out.data());
    char *o = start;
    size_t oLeft = bytes.size() * 2;
    while (inLeft > 0 && iconv(cd, &in, &inLeft, &o, &oLeft) == static_cast<size_t>(-1)) {
        const char16_t r = 0xFFFD;
        memcpy(o, &r, 2);
        o += 2;
        oLeft -= 2;
        ++in;
        --inLeft;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    out.resize((o - start) / 2);
    return out;
}

QByteArray glibcEncode(const QString &text)
{
    iconv_t cd = iconv_open("CP932", "UTF-16LE");
    QByteArray out(text.size() * 2, Qt::Uninitialized);
    char *in = reinterpret_cast<char *>(const_cast<QChar *>(text.constData()));
    size_t inLeft = text.size() * 2;
    char *o = out.data();
    size_t oLeft = out.size();
    while (inLeft > 0 && iconv(cd, &in, &inLeft, &o, &oLeft) == static_cast<size_t>(-1)) {
        const char16_t unit = *reinterpret_cast<const char16_t *>(in);
        const bool pair = QChar::isHighSurrogate(unit) && inLeft >= 4
            && QChar::isLowSurrogate(*reinterpret_cast<const char16_t *>(in + 2));
        *o++ = '?';
        --oLeft;
        in += pair ? 4 : 2;
        inLeft -= pair ? 4 : 2;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    out.resize(o - out.data());
    return out;
}

} // namespace

TEST(Cp932, EveryByteAndPairReadsAsGlibcReadsIt)
{
    for (int b = 0x80; b < 0x100; ++b) {
        QByteArray text;
        for (int c = 0; c < 0x100; ++c)
            text += "a" + QByteArray(1, char(b)) + QByteArray(1, char(c));
        text += char(b);  // a lone last byte
        EXPECT_EQ(Cp932::decode(text), glibcDecode(text)) << "lead " << b;
    }
}

TEST(Cp932, EveryCharacterWritesAsGlibcWritesIt)
{
    QString all;
    for (int u = 1; u < 0x10000; ++u)
        all += QChar(char16_t(u));
    EXPECT_EQ(Cp932::encode(all), glibcEncode(all));
    // Surrogates in every arrangement, NUL, and a byte-order mark at the start.
    const char16_t units[] = {0xFEFF, 0, 0x3042, 0xD83D, 0xDE00, u'x', 0xD83D, u'y', 0xDE00, 0x8868, 0xD83D};
    const QString mixed(reinterpret_cast<const QChar *>(units), std::size(units));
    EXPECT_EQ(Cp932::encode(mixed), glibcEncode(mixed));
    EXPECT_EQ(Cp932::encode(mixed).size(), 12);
}

TEST(Cp932, FittingInPlaceAndSurvivingAgreeWithEncodingWhole)
{
    // Texts that end at every kind of character, cut at every width around their length.
    QStringList texts{QString(), QStringLiteral("abc"), QStringLiteral("表示テスト"), QStringLiteral("ｱｲｳ漢字?"),
                      QStringLiteral("a\U0001F600b"), QStringLiteral("①Ⅻ㈱\u2225\uFF5E")};
    const char16_t odd[] = {u'x', 0xD83D, u'y', 0xDE00, 0, 0xE000, 0x00A5, 0x203E, 0xFFFD};
    texts << QString(reinterpret_cast<const QChar *>(odd), std::size(odd));
    for (int u = 0x80; u < 0x10000; u += 97)
        texts.last() += QChar(char16_t(u));
    for (const QString &text : texts) {
        const QByteArray whole = Cp932::encode(text);
        for (qsizetype width = 0; width <= whole.size() + 2; ++width) {
            QByteArray inPlace(width, '\x7F');
            Cp932::fitInto(text, width, inPlace.data());
            ASSERT_EQ(inPlace, Cp932::fit(text, width)) << width;
            ASSERT_EQ(Cp932::survives(text, width), whole.size() <= width && Cp932::decode(whole) == text) << width;
        }
    }
    for (int u = 1; u < 0x10000; ++u) {
        const QString one{QChar(char16_t(u))};
        const QByteArray bytes = Cp932::encode(one);
        ASSERT_EQ(Cp932::survives(one, 2), Cp932::decode(bytes) == one) << u;
    }
}

TEST(Cp932, TheOnePassReadingEitherAgreesWithDecodeOrStepsAside)
{
    bool stop[256] = {};
    for (int b = 0xF3; b <= 0xF9; ++b)
        stop[b] = true;
    // Every pair after some Japanese text, and a run of random bytes biased to lead bytes.
    const QByteArray prefix = QByteArray::fromHex("93fa967b8cea82cc95b68e9a");
    int readInOnePass = 0;
    for (int lead = 0x80; lead <= 0xFF; ++lead)
        for (int trail = 0; trail <= 0xFF; ++trail) {
            const QByteArray bytes = prefix + char(lead) + char(trail) + "a";
            if (const auto text = Cp932::decodeUnlessLead(bytes, stop)) {
                ++readInOnePass;
                ASSERT_EQ(*text, Cp932::decode(bytes)) << lead << ' ' << trail;
                EXPECT_FALSE(stop[lead] && trail >= 0x40) << lead << ' ' << trail;
            }
        }
    EXPECT_GT(readInOnePass, 10000);
    std::mt19937 random(7);
    for (int round = 0; round < 3000; ++round) {
        QByteArray bytes;
        for (int i = 0, n = int(random() % 64); i < n; ++i)
            bytes += char(random() % 3 ? 0x81 + random() % 0x7B : random() % 0x100);
        if (const auto text = Cp932::decodeUnlessLead(bytes, stop))
            ASSERT_EQ(*text, Cp932::decode(bytes)) << bytes.toHex().constData();
    }
}
