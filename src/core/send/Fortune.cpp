#include "core/send/Fortune.h"

#include <QTime>

#include <cmath>
#include <random>

namespace Fortune {

const QString FortunePreface = QStringLiteral(
    "★★★　この占いは アトランダムにチョイスしたものです（だからこそ占い♪）　送信者にも内容は判りませんので、あしからず・・・当たるも八卦、当たらぬも八卦。★★★");

namespace {

const char16_t *const kTable[kCount] = {
    u"大吉：万事に良し！　慎重さを忘れず、尚かつアクティブに行動すれば、これまで停滞していた問題が次々と解決されて行きます。",
    u"大吉：思わぬ金運！！　浪費せず生きたお金の使い方を心がければ、これからも金運が上昇！",
    u"大吉：人間関係に好転あり。誤解から生じていた軋轢（あつれき）も解消し、お互いが良く見えるようになって行きます。",
    u"中吉：正しく可もなく不可もなし。凶事のなきことを素直に喜ぶべし。そうすれば尚運が開けます。",
    u"中吉：ほのぼの、小さな幸福感を味わえる一日。その満足を他人にも分け与えれば、明日は更に運気アップ！",
    u"中吉：万事スムーズ。しかし油断をすればたちまちにして運気下降。恐れぬことも大事ではあるが、謙虚さを忘れずに判断・行動をすべし。",
    u"中吉：両親からの教えを胸に刻んで行動すれば、意外なほどの好調に思わずニンマリ！　",
    u"中吉：ショッピングでのストレス発散が好転の契機となる。それでも浪費に注意。本当に必要な物に限定すべし。",
    u"吉：あなたの人柄で救われる局面有り。友人を大切にすれば、思わぬ人と再会するでしょう。",
    u"吉：紛失していたにもかかわらず気づいてなかった品物が、突然手元に戻ってきます。忘れていたけど、案外大切なもの・・・物とは限りません。",
    u"凶：鬼門「北東」注意！　部屋の北東に一掴みの盛り塩をし、お世話になった人たちに感謝の意を心に強く念じれば、吉に転じます。",
    u"凶：言動慎むべし。最大の配慮がなければ、運気、万事下降するおそれ有り。",
};

RandomSource &installed()
{
    static RandomSource source;
    return source;
}

float timeOfDayDraw()
{
    std::mt19937 generator(static_cast<std::mt19937::result_type>(
        QTime::currentTime().msecsSinceStartOfDay()));
    // 24 random bits scaled down can never reach 1, unlike a float distribution.
    return static_cast<float>(generator() >> 8) / 16777216.0f;
}

} // namespace

const QString &FortuneTable(int n)
{
    static const QList<QString> texts = [] {
        QList<QString> list;
        for (const char16_t *text : kTable)
            list << QString::fromUtf16(text);
        return list;
    }();
    return texts.at(qBound(1, n, kCount) - 1);
}

void setRandomSource(RandomSource source)
{
    installed() = std::move(source);
}

float draw()
{
    return installed() ? installed()() : timeOfDayDraw();
}

int numberFor(float r0)
{
    const int n = static_cast<int>(std::floor(double(r0) * kCount + 1));
    return qBound(1, n, kCount);
}

QString block(int n)
{
    const QString crlf = QStringLiteral("\r\n");
    return crlf + crlf + FortunePreface + crlf + crlf + FortuneTable(n);
}

} // namespace Fortune
