#pragma once

#include "support/Encoded.h"

#include <QByteArray>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>


// Generated mail as it arrives: Japanese and English mixed, a few KB each, in
// ISO-2022-JP or UTF-8, good mail about work and family, junk about prizes,
// shops and accounts, with names, numbers and links that keep the vocabulary growing.
namespace JunkBenchMails {

inline QStringList split(const char *words)
{
    return QString::fromUtf8(words).split(u' ', Qt::SkipEmptyParts);
}

inline const QStringList &goodWords()
{
    static const QStringList words = split(
        "会議 資料 確認 連絡 お願い 来週 今週 明日 打ち合わせ 議事録 見積書 請求書 契約 担当者 部長 課長 営業 開発 "
        "企画 報告 相談 返信 送付 添付 ファイル プロジェクト スケジュール ミーティング サーバー システム テスト "
        "リリース 大阪 京都 名古屋 福岡 出張 ホテル 予約 運動会 授業参観 保護者 先生 子ども 給食 宿題 天気 延期 "
        "変更 日程 時間 場所 会場 参加 欠席 締め切り ありがとう ございます 失礼 いたします 承知 しました 拝見 検討 "
        "対応 準備 完了 お疲れ様 です ます ください 思います よろしく 申し上げます 写真 旅行 夕飯 週末 実家");
    return words;
}

inline const QStringList &junkWords()
{
    static const QStringList words = split(
        "当選 おめでとう 現金 プレゼント 無料 今すぐ 登録 限定 先着 特典 高収入 副業 簡単 稼げる 出会い 完全 "
        "保証 在庫 処分 激安 セール 割引 ポイント 還元 キャンペーン アカウント 停止 確認 ログイン 更新 カード "
        "情報 入力 期限 本日中 緊急 重要 お知らせ 会員 様 受け取り 手続き 未払い 料金 ｶｰﾄﾞ ﾛｸﾞｲﾝ ＵＲＬ");
    return words;
}

inline const QStringList &englishWords(bool junk)
{
    static const QStringList good = split("meeting schedule report invoice project release server update review "
                                          "contract budget travel thanks regards please attached document agenda "
                                          "minutes deadline customer support question weekly status team office");
    static const QStringList bad = split("free winner cash prize bonus casino bitcoin offer limited click now "
                                         "unsubscribe verify account suspended password urgent cheap pills deal "
                                         "guaranteed income investment crypto wallet exclusive");
    return junk ? bad : good;
}

inline QString sentence(QRandomGenerator &random, bool junk)
{
    const QStringList &words = junk ? junkWords() : goodWords();
    QString text;
    const int length = 6 + int(random.bounded(10));
    for (int i = 0; i < length; ++i)
        text += words[int(random.bounded(words.size()))];
    // Names and numbers no mail before had.
    text += QStringLiteral("（No.%1）").arg(random.bounded(100000));
    if (random.bounded(3) == 0) {
        static const QString kana = QStringLiteral("アイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモラリルレロ");
        for (int i = 0; i < 4; ++i)
            text += kana[int(random.bounded(kana.size()))];
    }
    text += QStringLiteral("。");
    QString english;
    const QStringList &latin = englishWords(junk);
    for (int i = 0; i < 8; ++i)
        english += latin[int(random.bounded(latin.size()))] + u' ';
    return text + u'\n' + english.trimmed() + QStringLiteral(" ref%1.\n").arg(random.bounded(1000000), 6, 36);
}

// Mail n of its kind, about bytes long.
inline QByteArray mail(QRandomGenerator &random, bool junk, int n, int bytes = 4000)
{
    const bool jis = random.bounded(2) == 0;
    const char *charset = jis ? "ISO-2022-JP" : "UTF-8";
    QString body;
    while (body.toUtf8().size() < bytes * 2 / 3) {
        body += sentence(random, junk);
        if (junk && random.bounded(4) == 0)
            body += QStringLiteral("https://%1.shop-%2.example/c?id=%3\n")
                        .arg(QStringLiteral("www"), QString::number(random.bounded(500)), QString::number(n));
    }
    if (jis)  // ISO-2022-JP carries no half-width kana: mailers widen them
        body = body.normalized(QString::NormalizationForm_KC);
    const QString subject = (junk ? QStringLiteral("【重要】") : QStringLiteral("Re: ")) + sentence(random, junk).section(u'\n', 0, 0).left(30);
    const QString from = junk ? QStringLiteral("info%1@mail%2.promo-%3.example").arg(n).arg(random.bounded(50)).arg(random.bounded(300))
                              : QStringLiteral("user%1@corp%2.example.co.jp").arg(random.bounded(200)).arg(random.bounded(20));
    const QByteArray encodedSubject = "=?" + QByteArray(charset) + "?B?" + encodedIn(jis ? subject.normalized(QString::NormalizationForm_KC) : subject, charset).toBase64() + "?=";
    QByteArray raw = "Return-Path: <" + from.toLatin1() + ">\r\n"
                     "Received: from mx.example.ne.jp (mx.example.ne.jp [192.0.2.1]) by pop.example.ne.jp\r\n"
                     "From: " + from.toLatin1() + "\r\nTo: me@example.ne.jp\r\nSubject: " + encodedSubject + "\r\n"
                     "Date: Tue, 08 Dec 2026 10:00:00 +0900\r\nMessage-ID: <" + QByteArray::number(n) + "." + from.toLatin1() + ">\r\n"
                     "MIME-Version: 1.0\r\nContent-Type: text/plain; charset=" + charset + "\r\n";
    const QByteArray text = encodedIn(QString(body).replace(QStringLiteral("\n"), QStringLiteral("\r\n")), charset);
    if (jis) {
        raw += "Content-Transfer-Encoding: 7bit\r\n\r\n" + text;
    } else {
        raw += "Content-Transfer-Encoding: base64\r\n\r\n";
        const QByteArray base64 = text.toBase64();
        for (qsizetype i = 0; i < base64.size(); i += 76)
            raw += base64.mid(i, 76) + "\r\n";
    }
    return raw;
}

} // namespace JunkBenchMails
