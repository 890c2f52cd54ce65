#include "ui/compose/BackForm.h"
#include "ui/compose/WriteForm.h"
#include "ui/common/FileDrops.h"
#include "ui/desktop/Translations.h"
#include "ui/shell/Forms.h"
#include "support/Sandbox.h"
#include "support/ScriptedPrompt.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDropEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

void drop(QWidget *target, QMimeData *data)
{
    const QPointF where = QPointF(target->rect().center());
    QDragEnterEvent enter(where.toPoint(), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent dropped(where, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &dropped);
}

QMimeData *files(const QStringList &paths)
{
    auto *data = new QMimeData;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << QUrl::fromLocalFile(path);
    data->setUrls(urls);
    return data;
}

struct Files {
    explicit Files(const Sandbox &sandbox)
        : a(sandbox.workPath(QStringLiteral("見積書.pdf"))), b(sandbox.workPath(QStringLiteral("b.txt")))
    {
        Sandbox::writeFile(a, "a");
        Sandbox::writeFile(b, "b");
    }
    QString a, b;
};

} // namespace

TEST(FileDrop, TwoFilesOnTheComposeWindowAreAttachedAsTheDialogWould)
{
    Sandbox sandbox;
    ScriptedPrompt prompt;
    const Files given(sandbox);

    // The same two picks through the file dialog, for comparison.
    WriteForm *picked = Forms::open<WriteForm>();
    prompt.answerFile(given.a);
    picked->findChild<QPushButton *>(QStringLiteral("AttachCommand"))->click();
    prompt.answerFile(given.b);
    picked->findChild<QPushButton *>(QStringLiteral("Command9"))->click();
    const QString pickedText = picked->findChild<QLineEdit *>(QStringLiteral("AttachText"))->text();
    const bool pickedListShown = picked->findChild<QListWidget *>(QStringLiteral("List2"))->isVisible();
    picked->close();
    QApplication::processEvents();

    WriteForm *form = Forms::open<WriteForm>();
    std::unique_ptr<QMimeData> data(files({given.a, given.b}));
    // On the attachment box itself.
    drop(form->findChild<QLineEdit *>(QStringLiteral("AttachText")), data.get());
    auto *list = form->findChild<QListWidget *>(QStringLiteral("List2"));
    EXPECT_EQ(form->findChild<QLineEdit *>(QStringLiteral("AttachText"))->text(), pickedText);
    EXPECT_EQ(pickedText, given.a + u',' + given.b);
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(list->isVisible(), pickedListShown);
    EXPECT_FALSE(form->findChild<QPushButton *>(QStringLiteral("AttachCommand"))->isEnabled());
    EXPECT_TRUE(form->findChild<QPushButton *>(QStringLiteral("Command9"))->isEnabled());
    // Files dropped on the body are attached, not written into it as links.
    drop(form->body()->viewport(), std::unique_ptr<QMimeData>(files({given.b})).get());
    EXPECT_EQ(form->attachments().text(), pickedText + u',' + given.b);
    EXPECT_TRUE(form->bodyText().isEmpty());
    EXPECT_TRUE(prompt.boxes.isEmpty());
}

TEST(FileDrop, TextOnTheBodyIsInsertedAndAFolderIsRefused)
{
    Sandbox sandbox;
    ScriptedPrompt prompt;
    WriteForm *form = Forms::open<WriteForm>();
    auto text = std::make_unique<QMimeData>();
    text->setText(QStringLiteral("よろしく"));
    drop(form->body()->viewport(), text.get());
    EXPECT_EQ(form->bodyText(), QStringLiteral("よろしく"));
    EXPECT_TRUE(form->attachments().text().isEmpty());

    drop(form, std::unique_ptr<QMimeData>(files({sandbox.workDir()})).get());
    EXPECT_TRUE(form->attachments().text().isEmpty());
    ASSERT_EQ(prompt.boxes.size(), 1);
    EXPECT_TRUE(prompt.boxes[0].text.contains(sandbox.workDir()));
}

TEST(FileDrop, ReplyWindowTakesFilesAnywhere)
{
    Sandbox sandbox;
    ScriptedPrompt prompt;
    const Files given(sandbox);
    BackForm *reply = Forms::open<BackForm>();
    drop(reply, std::unique_ptr<QMimeData>(files({given.a, given.b})).get());
    EXPECT_EQ(reply->attachmentText(), given.a + u',' + given.b);
}

TEST(Translations, StandardButtonsAndTextBoxMenusSpeakJapanese)
{
    ASSERT_TRUE(Translations::install());
    QMessageBox box(QMessageBox::Information, QStringLiteral("t"), QStringLiteral("x"),
                    QMessageBox::Ok | QMessageBox::Cancel);
    box.setDetailedText(QStringLiteral("d"));
    const QString cancel = box.button(QMessageBox::Cancel)->text();
    EXPECT_EQ(cancel, QStringLiteral("キャンセル"));
    bool detailsInJapanese = false;
    for (QAbstractButton *button : box.buttons())
        detailsInJapanese |= button->text().contains(QStringLiteral("詳細"));
    EXPECT_TRUE(detailsInJapanese);

    QLineEdit line;
    line.setText(QStringLiteral("abc"));
    line.selectAll();
    std::unique_ptr<QMenu> menu(line.createStandardContextMenu());
    QStringList texts;
    for (QAction *action : menu->actions())
        texts << action->text();
    const QString all = texts.join(u'|');
    EXPECT_TRUE(all.contains(QStringLiteral("切り取り"))) << qPrintable(all);
    EXPECT_TRUE(all.contains(QStringLiteral("貼り付け"))) << qPrintable(all);
    EXPECT_FALSE(all.contains(QStringLiteral("Paste"))) << qPrintable(all);
    Translations::remove();
}
