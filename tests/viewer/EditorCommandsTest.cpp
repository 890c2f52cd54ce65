#include "ui/viewer/EditorCommands.h"

#include "ui/common/Clipboard.h"
#include "core/common/Cp932.h"
#include "ui/shell/Forms.h"
#include "support/Sandbox.h"
#include "support/ScriptedPrompt.h"
#include "ui/viewer/EditorState.h"
#include "ui/viewer/TyakuForm.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {

class Editor : public ::testing::Test {
protected:
    void SetUp() override
    {
        editorState() = {};
        form = Forms::open<TyakuForm>();
        editor = form->editor();
        commands = &form->commands();
    }

    void search(const QString &text)
    {
        form->findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(text);
    }
    QString selection() const { return editor->textCursor().selectedText(); }
    int selectionStart() const { return editor->textCursor().selectionStart(); }
    void trigger(const char *name) { form->findChild<QAction *>(QString::fromLatin1(name))->trigger(); }

    Sandbox sandbox;
    ScriptedPrompt prompt;
    TyakuForm *form = nullptr;
    QPlainTextEdit *editor = nullptr;
    EditorCommands *commands = nullptr;
};

} // namespace

TEST_F(Editor, FindStepsThroughOccurrencesAndRestartsNearTheTopAfterAMiss)
{
    editor->setPlainText(QStringLiteral("ab cab ab"));
    search(QStringLiteral("ab"));
    trigger("mkensaku");
    EXPECT_EQ(commands->lastFound(), 1);
    EXPECT_EQ(selectionStart(), 0);
    EXPECT_EQ(selection(), QStringLiteral("ab"));

    trigger("mtugikensaku");
    EXPECT_EQ(commands->lastFound(), 5);
    EXPECT_EQ(selectionStart(), 4);
    trigger("mtugikensaku");
    EXPECT_EQ(commands->lastFound(), 8);
    trigger("mtugikensaku");
    EXPECT_EQ(commands->lastFound(), 0);
    EXPECT_EQ(selectionStart(), 7);  // a miss leaves the selection

    // After a miss the search starts at position 2: the hit at 1 is skipped.
    trigger("mtugikensaku");
    EXPECT_EQ(commands->lastFound(), 5);
}

TEST_F(Editor, FindIsCaseAndWidthSensitiveAndSaysNothingOnAMiss)
{
    editor->setPlainText(QStringLiteral("ABC ａｂｃ アイ"));
    search(QStringLiteral("abc"));
    commands->find();
    EXPECT_EQ(commands->lastFound(), 0);
    search(QStringLiteral("あい"));
    commands->find();
    EXPECT_EQ(commands->lastFound(), 0);
    search(QStringLiteral("ａｂｃ"));
    commands->find();
    EXPECT_EQ(commands->lastFound(), 5);
    EXPECT_TRUE(prompt.boxes.isEmpty());
}

TEST_F(Editor, FindWorksBeyondSixteenBitPositionsAndFromTheStartWithAnEmptyText)
{
    editor->setPlainText(QString(40000, u'x') + QStringLiteral("needle"));
    search(QStringLiteral("needle"));
    commands->find();
    EXPECT_EQ(commands->lastFound(), 40001);
    EXPECT_EQ(selectionStart(), 40000);
    EXPECT_EQ(selection(), QStringLiteral("needle"));

    Forms::discardAll();
    form = Forms::open<TyakuForm>();
    commands = &form->commands();
    form->editor()->setPlainText(QStringLiteral("abc"));
    search(QString());
    commands->findNext();
    EXPECT_EQ(commands->lastFound(), 1);
}

TEST_F(Editor, CopyWithoutSelectionMovesToTheStartAndLeavesAnEmptyClipboard)
{
    editor->setPlainText(QStringLiteral("hello world"));
    editor->moveCursor(QTextCursor::End);
    Clipboard::setText(QStringLiteral("old"));
    trigger("mcopy");
    EXPECT_TRUE(Clipboard::text().isEmpty());
    EXPECT_EQ(editor->textCursor().position(), 0);

    QTextCursor cursor = editor->textCursor();
    cursor.setPosition(6);
    cursor.setPosition(11, QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
    commands->copy();
    EXPECT_EQ(Clipboard::text(), QStringLiteral("world"));
    EXPECT_FALSE(editor->textCursor().hasSelection());
    EXPECT_EQ(editor->textCursor().position(), 11);
}

TEST_F(Editor, CutAndPasteTrimSpacesFromThePastedText)
{
    editor->setPlainText(QStringLiteral("one two"));
    QTextCursor cursor = editor->textCursor();
    cursor.setPosition(0);
    cursor.setPosition(4, QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
    commands->cut();
    EXPECT_EQ(Clipboard::text(), QStringLiteral("one "));
    EXPECT_EQ(editor->toPlainText(), QStringLiteral("two"));

    Clipboard::setText(QStringLiteral("  pasted  "));
    editor->moveCursor(QTextCursor::End);
    commands->paste();
    EXPECT_EQ(editor->toPlainText(), QStringLiteral("twopasted"));
}

TEST_F(Editor, SelectAllAndJumps)
{
    editor->setPlainText(QStringLiteral("line1\nline2"));
    commands->selectAll();
    EXPECT_EQ(selection().size(), 11);
    commands->jumpToEnd();
    EXPECT_EQ(editor->textCursor().position(), 11);
    commands->jumpToStart();
    EXPECT_EQ(editor->textCursor().position(), 0);
}

TEST_F(Editor, OpenReadsCp932LinesEndingAtCrOrCrLf)
{
    const QString lfOnly = sandbox.workPath(QStringLiteral("lf.txt"));
    Sandbox::writeFile(lfOnly, Cp932::encode(QStringLiteral("一\n二\n")));
    prompt.answerFile(lfOnly);
    trigger("mopen");
    EXPECT_EQ(form->windowTitle(), lfOnly);
    EXPECT_EQ(prompt.fileQuestions.last().filter, EditorCommands::kFileFilter);
    // The LFs stay inside the one line, which ends with CR LF.
    EXPECT_EQ(form->bodyText(), QStringLiteral("一\r\n二\r\n\r\n"));

    const QString crOnly = sandbox.workPath(QStringLiteral("cr.txt"));
    Sandbox::writeFile(crOnly, "a\rb\r\nc");
    prompt.answerFile(crOnly);
    commands->open();
    EXPECT_EQ(form->bodyText(), QStringLiteral("a\r\nb\r\nc\r\n"));
    EXPECT_TRUE(editorState().currentFile.isEmpty());
}

TEST_F(Editor, OpenCancelledOrFailingKeepsTheText)
{
    editor->setPlainText(QStringLiteral("keep"));
    form->setWindowTitle(QStringLiteral("before"));
    commands->open();  // cancelled
    EXPECT_EQ(form->windowTitle(), QStringLiteral("before"));

    const QString missing = sandbox.workPath(QStringLiteral("missing.txt"));
    prompt.answerFile(missing);
    commands->open();
    EXPECT_EQ(form->windowTitle(), missing);
    EXPECT_EQ(editor->toPlainText(), QStringLiteral("keep"));

    prompt.answerFile(QString());
    commands->open();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("notitle"));
}

TEST_F(Editor, SaveAsPutsAHeaderBlockInFrontEveryTime)
{
    form->setSubjectText(QStringLiteral("件名"));
    form->setFromText(QStringLiteral("a@b"));
    form->setDateText(QStringLiteral("d"));
    form->setBodyText(QStringLiteral("本文"));
    const QString path = sandbox.workPath(QStringLiteral("saved.txt"));
    prompt.answerFile(path);
    trigger("msave");
    const QString once = QStringLiteral("Subject:  件名\r\nFrom:  a@b\r\nDate:  d\r\nBody:  本文");
    EXPECT_EQ(form->bodyText(), once);
    EXPECT_EQ(Sandbox::readFile(path), Cp932::encode(once + QStringLiteral("\r\n")));
    EXPECT_EQ(form->windowTitle(), path);

    prompt.answerFile(path);
    commands->saveAs();
    EXPECT_EQ(Sandbox::readFile(path),
              Cp932::encode(QStringLiteral("Subject:  件名\r\nFrom:  a@b\r\nDate:  d\r\nBody:  ") + once
                            + QStringLiteral("\r\n")));
}

TEST_F(Editor, SaveAsReplacesALinkAtTheNameInsteadOfWritingWhereItPoints)
{
    const QString victim = sandbox.workPath(QStringLiteral(".profile"));
    Sandbox::writeFile(victim, "PATH=/usr/bin\n");
    const QString path = sandbox.workPath(QStringLiteral("saved.txt"));
    ASSERT_TRUE(QFile::link(victim, path));
    form->setBodyText(QStringLiteral("本文"));
    prompt.answerFile(path);
    trigger("msave");
    EXPECT_TRUE(prompt.boxes.isEmpty());
    EXPECT_FALSE(QFileInfo(path).isSymLink());
    EXPECT_TRUE(Sandbox::readFile(path).endsWith(Cp932::encode(QStringLiteral("本文\r\n"))));
    EXPECT_EQ(QFileInfo(path).permissions(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    EXPECT_EQ(Sandbox::readFile(victim), QByteArray("PATH=/usr/bin\n"));
}

TEST_F(Editor, SaveAsCancelledKeepsTheHeaderBlock)
{
    form->setBodyText(QStringLiteral("text"));
    commands->saveAs();
    EXPECT_EQ(form->bodyText(), QStringLiteral("Subject:  \r\nFrom:  \r\nDate:  \r\nBody:  text"));
    EXPECT_TRUE(editorState().currentFile.isEmpty());
}

TEST_F(Editor, SaveAsToAPlaceThatCannotBeWrittenSaysWhyAndKeepsTheCaption)
{
    form->setWindowTitle(QStringLiteral("before"));
    form->setBodyText(QStringLiteral("text"));
    for (const QString &path : {QStringLiteral("/proc/version"), sandbox.workPath(QStringLiteral("no/such/dir.txt")),
                                sandbox.workDir()}) {
        prompt.boxes.clear();
        prompt.answerFile(path);
        trigger("msave");
        ASSERT_EQ(prompt.boxes.size(), 1) << path.toStdString();
        EXPECT_EQ(prompt.boxes[0].icon, Prompt::Icon::Critical);
        EXPECT_TRUE(prompt.boxes[0].text.startsWith(QStringLiteral("ファイルを保存できませんでした。\n") + path + u' '));
        EXPECT_GT(prompt.boxes[0].text.size(), QStringLiteral("ファイルを保存できませんでした。\n").size() + path.size() + 1);
        EXPECT_EQ(form->windowTitle(), QStringLiteral("before"));
    }
}

TEST_F(Editor, NewCreatesAnEmptyFileOnceARun)
{
    editor->setPlainText(QStringLiteral("draft"));
    trigger("mnew");
    EXPECT_EQ(editorState().currentFile, QStringLiteral("新規作成.TXT"));
    EXPECT_TRUE(QFile::exists(sandbox.workPath(QStringLiteral("新規作成.TXT"))));
    EXPECT_TRUE(editor->toPlainText().isEmpty());
    EXPECT_FALSE(editorState().changed);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("新規作成.TXT      新規作成.TXT"));

    editor->setPlainText(QStringLiteral("second"));
    commands->newFile();
    EXPECT_EQ(editor->toPlainText(), QStringLiteral("second"));
    EXPECT_EQ(Sandbox::readFile(sandbox.workPath(QStringLiteral("新規作成.TXT"))), QByteArray());
}

TEST_F(Editor, FontTogglesWorkOnTheWholeFontWithRunWideCounters)
{
    QToolBar *bar = form->toolBar();
    QAction *bold = bar->findChild<QAction *>(QStringLiteral("Bold"));
    ASSERT_NE(bold, nullptr);
    EXPECT_EQ(bold->toolTip(), QStringLiteral("太字"));
    EXPECT_EQ(bar->findChild<QAction *>(QStringLiteral("Copy"))->toolTip(), QStringLiteral("ｺﾋﾟｰ"));
    bold->trigger();
    EXPECT_TRUE(editor->font().bold());
    EXPECT_EQ(editorState().boldCount, 1);
    bold->trigger();
    EXPECT_FALSE(editor->font().bold());
    bold->trigger();
    EXPECT_TRUE(editor->font().bold());

    // A reopened window starts from the design font but keeps the counter.
    form->close();
    form = Forms::open<TyakuForm>();
    EXPECT_FALSE(form->editor()->font().bold());
    form->commands().toggleBold();
    EXPECT_FALSE(form->editor()->font().bold());
    form->commands().toggleItalic();
    form->commands().toggleUnderline();
    EXPECT_TRUE(form->editor()->font().italic());
    EXPECT_TRUE(form->editor()->font().underline());
}

TEST_F(Editor, PrintsTheTextToAPdfOneJobPerCopy)
{
    const QString pdf = sandbox.workPath(QStringLiteral("out.pdf"));
    editor->setPlainText(QStringLiteral("Print me 印刷テスト\nsecond line"));
    int copies = 0;
    prompt.answerPrinter([&](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setCopyCount(2);
        copies = printer.copyCount();
        return true;
    });
    trigger("mprint");
    EXPECT_EQ(prompt.printQuestions, 1);
    EXPECT_EQ(copies, 2);
    ASSERT_TRUE(QFile::exists(pdf));
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(20000));
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(printed.contains(QStringLiteral("Print me"))) << printed.toStdString();
    EXPECT_TRUE(printed.contains(QStringLiteral("second line")));

    // A selection prints only itself; cancel prints nothing.
    QTextCursor cursor = editor->textCursor();
    cursor.setPosition(0);
    cursor.setPosition(5, QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
    commands->dispatch(QStringLiteral("Print"));
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(20000));
    EXPECT_FALSE(QString::fromUtf8(text.readAllStandardOutput()).contains(QStringLiteral("second")));
    QFile::remove(pdf);
    prompt.answerPrinter({});
    commands->print();
    EXPECT_FALSE(QFile::exists(pdf));
}

// The text is also a file editor: Tab writes a tab, Ctrl+Tab moves on.
TEST_F(Editor, TabWritesATabAndCtrlTabMovesTheFocusBothWays)
{
    editor->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(editor, QStringLiteral("a"));
    QTest::keyClick(editor, Qt::Key_Tab);
    QTest::keyClicks(editor, QStringLiteral("b"));
    EXPECT_EQ(editor->toPlainText(), QStringLiteral("a\tb"));
    EXPECT_EQ(form->focusWidget(), editor);

    QTest::keyClick(editor, Qt::Key_Tab, Qt::ControlModifier);
    QWidget *next = form->focusWidget();
    EXPECT_NE(next, editor);
    editor->setFocus(Qt::TabFocusReason);
    QTest::keyClick(editor, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_NE(form->focusWidget(), editor);
    EXPECT_NE(form->focusWidget(), next);
    EXPECT_EQ(editor->toPlainText(), QStringLiteral("a\tb"));
}
