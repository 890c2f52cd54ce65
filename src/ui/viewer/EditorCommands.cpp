#include "ui/viewer/EditorCommands.h"

#include "ui/common/Clipboard.h"
#include "core/common/FixedField.h"
#include "ui/common/Prompt.h"
#include "ui/viewer/EditorFile.h"
#include "ui/viewer/EditorState.h"

#include <QLineEdit>
#include <QWidget>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// Counter odd: switch off and remember 2; even: switch on and remember 1.
bool nextToggle(int &counter)
{
    const bool on = counter % 2 == 0;
    counter = on ? 1 : 2;
    return on;
}

} // namespace

EditorCommands::EditorCommands(EditorHost &host) : m_host(host) {}

void EditorCommands::find()
{
    searchFrom(1);
}

void EditorCommands::findNext()
{
    const qsizetype start = m_lastFound + m_host.searchText().size();
    // Before any hit an empty search text would start at 0: start at the beginning.
    searchFrom(qMax<qsizetype>(1, start));
}

void EditorCommands::searchFrom(qsizetype start)
{
    QPlainTextEdit *editor = m_host.editor();
    const QString needle = m_host.searchText();
    const qsizetype hit = editor->toPlainText().indexOf(needle, start - 1, Qt::CaseSensitive);
    m_lastFound = hit < 0 ? 0 : hit + 1;
    if (hit < 0)
        return;
    editor->setFocus();
    QTextCursor cursor(editor->document());
    cursor.setPosition(int(hit));
    cursor.setPosition(int(hit + needle.size()), QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
}

void EditorCommands::selectAll()
{
    QPlainTextEdit *editor = m_host.editor();
    QTextCursor cursor(editor->document());
    cursor.select(QTextCursor::Document);
    editor->setTextCursor(cursor);
}

void EditorCommands::jumpToStart()
{
    QPlainTextEdit *editor = m_host.editor();
    editor->moveCursor(QTextCursor::Start);
    editor->setFocus();
}

void EditorCommands::jumpToEnd()
{
    QPlainTextEdit *editor = m_host.editor();
    editor->moveCursor(QTextCursor::End);
    editor->setFocus();
}

QString EditorCommands::selectedText() const
{
    QString text = m_host.editor()->textCursor().selectedText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    return text;
}

void EditorCommands::cut()
{
    QPlainTextEdit *editor = m_host.editor();
    const QString text = selectedText();
    Clipboard::clear();
    if (!text.isEmpty())
        Clipboard::setText(text);
    editor->textCursor().removeSelectedText();
    editor->setFocus();
}

void EditorCommands::copy()
{
    QPlainTextEdit *editor = m_host.editor();
    QTextCursor cursor = editor->textCursor();
    const int caret = cursor.hasSelection() ? cursor.selectionEnd() : 0;
    const QString text = selectedText();
    Clipboard::clear();
    if (!text.isEmpty())
        Clipboard::setText(text);
    cursor.setPosition(caret);
    editor->setTextCursor(cursor);
    editor->setFocus();
}

void EditorCommands::paste()
{
    QPlainTextEdit *editor = m_host.editor();
    editor->setFocus();
    editor->textCursor().insertText(FixedField::trimSpaces(Clipboard::text()));
}

void EditorCommands::saveCurrentFile()
{
    EditorState &state = editorState();
    if (EditorFile::save(state.currentFile, m_host.bodyText()))
        state.changed = false;
}

void EditorCommands::newFile()
{
    EditorState &state = editorState();
    // Only the first "新規作成" of a run does anything.
    if (state.currentFile.contains(kNewFileName))
        return;
    if (state.changed)
        saveCurrentFile();
    m_host.editor()->clear();
    state.currentFile = EditorFile::directoryPart(state.currentFile) + kNewFileName;
    saveCurrentFile();
    state.changed = false;
    m_host.hostWindow()->setWindowTitle(kNewFileName + QStringLiteral("      ") + state.currentFile);
}

void EditorCommands::open()
{
    const auto chosen = Prompt::instance().openFileName({QString(), QString(), QString(), kFileFilter}, m_host.hostWindow());
    if (!chosen)
        return;
    if (chosen->isEmpty()) {
        m_host.hostWindow()->setWindowTitle(QStringLiteral("notitle"));
        return;
    }
    m_host.hostWindow()->setWindowTitle(*chosen);
    if (const auto text = EditorFile::load(*chosen))
        m_host.setBodyText(*text);
}

void EditorCommands::saveAs()
{
    const QString block = QStringLiteral("Subject:  %1\r\nFrom:  %2\r\nDate:  %3\r\nBody:  ")
                              .arg(m_host.subjectText(), m_host.fromText(), m_host.dateText());
    m_host.setBodyText(block + m_host.bodyText());

    const auto chosen = Prompt::instance().saveFileName({QString(), QString(), QString(), kFileFilter}, m_host.hostWindow());
    if (!chosen || chosen->isEmpty())
        return;
    QString error;
    if (!EditorFile::save(*chosen, m_host.bodyText() + QStringLiteral("\r\n"), &error)) {
        Prompt::error(QStringLiteral("ファイルを保存できませんでした。\n") + error, {}, m_host.hostWindow());
        return;
    }
    m_host.hostWindow()->setWindowTitle(*chosen);
}

void EditorCommands::print()
{
    QPlainTextEdit *editor = m_host.editor();
    const bool hasSelection = editor->textCursor().hasSelection();
    const QString text = hasSelection ? selectedText() : editor->toPlainText();

    QFont font(editor->font().family());
    font.setFamilies(editor->font().families());
    font.setPointSizeF(editor->font().pointSizeF());
    font.setBold(editor->font().bold());
    font.setItalic(editor->font().italic());
    Prompt::printPlainText(text, font, hasSelection, m_host.hostWindow());
}

void EditorCommands::toggleBold()
{
    QFont font = m_host.editor()->font();
    font.setBold(nextToggle(editorState().boldCount));
    m_host.editor()->setFont(font);
}

void EditorCommands::toggleItalic()
{
    QFont font = m_host.editor()->font();
    font.setItalic(nextToggle(editorState().italicCount));
    m_host.editor()->setFont(font);
}

void EditorCommands::toggleUnderline()
{
    QFont font = m_host.editor()->font();
    font.setUnderline(nextToggle(editorState().underlineCount));
    m_host.editor()->setFont(font);
}

void EditorCommands::dispatch(const QString &key)
{
    static const QMap<QString, void (EditorCommands::*)()> actions{
        {QStringLiteral("New"), &EditorCommands::newFile},
        {QStringLiteral("Open"), &EditorCommands::open},
        {QStringLiteral("Save"), &EditorCommands::saveAs},
        {QStringLiteral("Print"), &EditorCommands::print},
        {QStringLiteral("Cut"), &EditorCommands::cut},
        {QStringLiteral("Copy"), &EditorCommands::copy},
        {QStringLiteral("Paste"), &EditorCommands::paste},
        {QStringLiteral("Bold"), &EditorCommands::toggleBold},
        {QStringLiteral("Italic"), &EditorCommands::toggleItalic},
        {QStringLiteral("Underline"), &EditorCommands::toggleUnderline},
    };
    if (const auto action = actions.value(key))
        (this->*action)();
}
