#include "ui/emoticons/KaoForm.h"

#include "ui/common/Clipboard.h"
#include "core/common/FixedField.h"
#include "ui/common/Fonts.h"
#include "ui/common/Prompt.h"
#include "ui/common/TabKeys.h"
#include "ui/common/Twips.h"
#include "core/emoticons/EmoticonStore.h"
#include "ui/emoticons/RowTabs.h"
#include "ui/shell/Forms.h"
#include "ui/common/HomePage.h"

#include <QCloseEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextCursor>

namespace {

constexpr int kFirstTab = 3;

// Button numbers per tab, in the columns insert, paste, favourites (0: none).
constexpr int kButtons[EmoticonStore::kCount][3] = {
    {1, 2, 27},   {4, 3, 28},   {5, 6, 29},   {7, 8, 30},   {10, 9, 31},  {11, 12, 32},
    {14, 13, 33}, {15, 16, 34}, {18, 17, 35}, {19, 20, 25}, {22, 21, 26}, {23, 24, 0},
};

const QString kNote = QStringLiteral(
    "追加・削除、編集自由自在。自動で保存されます。県名や電話番号、氏名をあなた用に変更して下さい。");
const QString kHowTo = QStringLiteral(
    "本文に挿入したい部分をマウスで選択（青色反転）し、「新規作成本文に挿入」をクリック！");
const QString kInsert = QStringLiteral("新規作成本文に挿入");
const QString kPaste = QStringLiteral("追加（貼付）");
const QString kFavourites = QStringLiteral("お気に入りに追加");
const QString kNotSaved = QStringLiteral("顔文字データを保存できませんでした。");
const QString kCloseAnyway =
    QStringLiteral("閉じると、保存できなかった編集は失われます。閉じますか？");

} // namespace

KaoForm::KaoForm(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("KaoForm"));
    setWindowTitle(QStringLiteral("顔、絵文字"));
    Twips::setClientSize(this, 9240, 7920);

    m_tabs = new RowTabs(3, this);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    Twips::place(m_tabs, 120, 120, 9000, 6960);
    for (int tab = 0; tab < EmoticonStore::kCount; ++tab)
        m_tabs->addTab(buildPage(tab), EmoticonStore::collections()[tab].caption);

    m_address = new QLabel(HomePage::kAddress, this);
    m_address->setObjectName(QStringLiteral("AddressLabel"));
    m_address->setTextFormat(Qt::PlainText);
    Twips::place(m_address, 120, 7200, 3000, 255);

    m_note = new QLabel(kNote, this);
    m_note->setObjectName(QStringLiteral("NoteLabel"));
    m_note->setWordWrap(true);
    Twips::place(m_note, 3240, 7140, 5880, 510);

    auto *next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
    connect(next, &QShortcut::activated, this,
            [this] { m_tabs->setCurrentIndex((m_tabs->currentIndex() + 1) % m_tabs->count()); });
    auto *previous = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), this);
    connect(previous, &QShortcut::activated, this, [this] {
        m_tabs->setCurrentIndex((m_tabs->currentIndex() + m_tabs->count() - 1) % m_tabs->count());
    });

    const QStringList texts = EmoticonStore::loadAll();
    m_saved = texts;
    for (int tab = 0; tab < EmoticonStore::kCount; ++tab) {
        m_boxes[tab]->setPlainText(texts.value(tab));
        m_boxes[tab]->moveCursor(QTextCursor::Start);
    }
    m_tabs->setCurrentIndex(kFirstTab);
}

QWidget *KaoForm::buildPage(int tab)
{
    auto *page = new QWidget;
    const int *numbers = kButtons[tab];

    QPushButton *insert = Twips::add<QPushButton>(page, QStringLiteral("Command%1").arg(numbers[0]), 120, 120, 1935, 375, kInsert);
    connect(insert, &QPushButton::clicked, this, [this, tab] { insertIntoMail(tab); });
    QPushButton *paste = Twips::add<QPushButton>(page, QStringLiteral("Command%1").arg(numbers[1]), 120, 540, 1935, 375, kPaste);
    connect(paste, &QPushButton::clicked, this, [this, tab] { this->paste(tab); });
    if (numbers[2] != 0) {
        QPushButton *favourites = Twips::add<QPushButton>(page, QStringLiteral("Command%1").arg(numbers[2]), 2175, 120, 1815, 795, kFavourites);
        connect(favourites, &QPushButton::clicked, this, [this, tab] { addToFavourites(tab); });
    }

    auto *howTo = new QLabel(kHowTo, page);
    howTo->setObjectName(QStringLiteral("HowToLabel%1").arg(tab));
    howTo->setWordWrap(true);
    Twips::place(howTo, 4110, 120, 4620, 795);

    auto *box = new QPlainTextEdit(page);
    box->setObjectName(EmoticonStore::collections()[tab].box);
    box->setAccessibleName(EmoticonStore::collections()[tab].caption);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setFont(Fonts::font(Fonts::kPGothic, 12));
    // A tab in a collection only spoils the file; Tab goes on to the next control.
    TabKeys::tabLeaves(box);
    Twips::place(box, 120, 1020, 8700, 4440);
    m_boxes << box;
    return page;
}

QStringList KaoForm::texts() const
{
    QStringList all;
    for (const QPlainTextEdit *box : m_boxes)
        all << box->toPlainText();
    return all;
}

QString KaoForm::clipboardPiece()
{
    // Only half-width spaces are trimmed: full-width spaces indent the lines of
    // pictographs, and trimming them would shift a picture's first line.
    return FixedField::trimSpaces(Clipboard::text());
}

void KaoForm::copySelection(QPlainTextEdit *box)
{
    QTextCursor cursor = box->textCursor();
    const int end = cursor.hasSelection() ? cursor.selectionEnd() : 0;
    QString piece = cursor.selectedText();
    piece.replace(QChar::ParagraphSeparator, u'\n');
    piece.replace(QChar::LineSeparator, u'\n');
    Clipboard::clear();
    Clipboard::setText(piece);
    cursor.clearSelection();
    cursor.setPosition(end);
    box->setTextCursor(cursor);
    box->setFocus();
}

void KaoForm::insertIntoMail(int tab)
{
    copySelection(box(tab));
    Forms::insertIntoCompose(clipboardPiece());
    close();
}

void KaoForm::addToFavourites(int tab)
{
    copySelection(box(tab));
    QPlainTextEdit *favourites = box(EmoticonStore::kFavourites);
    QTextCursor cursor = favourites->textCursor();
    cursor.insertText(clipboardPiece());
    favourites->setTextCursor(cursor);
}

void KaoForm::paste(int tab)
{
    QPlainTextEdit *target = box(tab);
    QTextCursor cursor = target->textCursor();
    cursor.insertText(clipboardPiece());
    target->setTextCursor(cursor);
}

QStringList KaoForm::saveEdits()
{
    QStringList failures;
    const QStringList now = texts();
    for (int tab = 0; tab < EmoticonStore::kCount; ++tab) {
        if (now[tab] == m_saved.value(tab))
            continue;
        const QString path = EmoticonStore::path(tab);
        if (!EmoticonStore::savesExactly(tab, now[tab])
            && !Prompt::confirm(QStringLiteral("「%1」の顔文字データには、そのまま保存できない文字があります。保存すると、その文字は「?」に変わります。保存しますか？\n%2")
                                    .arg(EmoticonStore::collections()[tab].caption, path),
                                this)) {
            // Asked once per text: the same edits are not offered again.
            m_saved[tab] = now[tab];
            continue;
        }
        QString error;
        if (EmoticonStore::save(tab, now[tab], &error))
            m_saved[tab] = now[tab];
        else
            failures << error;
    }
    return failures;
}

void KaoForm::closeEvent(QCloseEvent *event)
{
    const QStringList failures = saveEdits();
    if (!failures.isEmpty()
        && !Prompt::confirm(kNotSaved + u'\n' + failures.join(u'\n') + QStringLiteral("\n\n")
                                + kCloseAnyway,
                            this)) {
        event->ignore();
        return;
    }
    event->accept();
}
