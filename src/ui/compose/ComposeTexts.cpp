#include "ui/compose/ComposeTexts.h"

#include <QHash>

namespace ComposeTexts {

const QStringList &GreetingPhrases()
{
    static const QStringList phrases = {
        QStringLiteral("御社益々ご清祥の事とお慶び申し上げます。"),
        QStringLiteral("平素のご愛顧誠にありがとうございます。"),
        QStringLiteral("平素は格別のご愛顧を賜り深謝申し上げます。"),
        QStringLiteral("いつもお世話になっております。"),
        QStringLiteral("メールありがとうございました。確かに受け取りました。"),
        QStringLiteral("はじめまして、突然のメールで恐縮です。"),
        QStringLiteral("こんにちわ。はじめてメールいたします。"),
        QStringLiteral("こんにちわ。お変わりなく、お元気ですか？"),
    };
    return phrases;
}

namespace {

QString emoticonHelp()
{
    const QString crlf = QStringLiteral("\r\n");
    return QStringLiteral("顔・絵文字の本文への挿入を行います。") + crlf + crlf
        + QStringLiteral("使用方法：使用したい顔・絵文字をマウスで選択状態（青色反転）にし、「新規作成本文に挿入」ボタンを。")
        + QStringLiteral("クリックしますと、本分中に挿入されます。") + crlf + crlf
        + QStringLiteral("素材の県名や氏名、電話番号はあなた用に変更してご使用下さい。画面を終了させると自動的に保存されます。")
        + crlf
        + QStringLiteral("上手な使用方法：素材が豊富ですので、お気に入りに追加しておいた方が良いでしょう。") + crlf
        + QStringLiteral("お気に入りに追加（注意:IEではありません）する場合も、マウスで選択状態にし、顔・絵文字画面での「お気に入りに追加」ボタンをクリックして下さい。");
}

} // namespace

QString helpFor(const QString &controlName)
{
    static const QHash<QString, QString> texts = {
        {QStringLiteral("Command1"),
         QStringLiteral("送信します。電話回線が接続されていない場合は、自動的に接続してメールを送信します。")},
        {QStringLiteral("Command3"), QStringLiteral("送信を中止します。")},
        {QStringLiteral("Command4"),
         QStringLiteral("このフォーム（新規作成）が拡張され、登録したメールアドレスの名称が一覧（リスト）に現れます。送信したい名称をクリックすると、メールアドレスが自動的に入力されます。")},
        {QStringLiteral("Command5"),
         QStringLiteral("本ソフト、他のアプリからのテキスト文書を本文中に貼付けます。")},
        {QStringLiteral("Command6"), QStringLiteral("アドレス帳を含むサイズから、元のサイズに戻します。")},
        {QStringLiteral("Command7"), QStringLiteral("コピーして来た内容を宛先に貼付ます。")},
        {QStringLiteral("Command8"), emoticonHelp()},
        {QStringLiteral("Command9"),
         QStringLiteral("添付ファイルを複数送信する際に使用します。確認しやすいように、リストボックスが表示されます。")},
        {QStringLiteral("Command11"), QStringLiteral("宛先、件名、本文他、設定等が初期状態に戻せます。")},
        {QStringLiteral("AttachCommand"), QStringLiteral("各種ファイルを添付して送信できます。")},
    };
    return texts.value(controlName);
}

} // namespace ComposeTexts
