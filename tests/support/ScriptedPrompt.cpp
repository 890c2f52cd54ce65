#include "support/ScriptedPrompt.h"

ScriptedPrompt::ScriptedPrompt()
{
    Prompt::install(this);
}

ScriptedPrompt::~ScriptedPrompt()
{
    Prompt::install(nullptr);
}

Prompt::Answer ScriptedPrompt::ask(const Box &box, QWidget *)
{
    boxes << box;
    if (!m_answers.isEmpty())
        return m_answers.dequeue();
    return box.buttons == Buttons::YesNo || box.buttons == Buttons::YesNoCancel ? Answer::Yes
                                                                                  : Answer::Ok;
}

int ScriptedPrompt::choose(const Choice &choice, QWidget *)
{
    choices << choice;
    return m_choices.isEmpty() ? choice.defaultButton : m_choices.dequeue();
}

std::optional<QString> ScriptedPrompt::openFileName(const FileQuestion &question, QWidget *)
{
    fileQuestions << question;
    return m_files.isEmpty() ? std::nullopt : m_files.dequeue();
}

std::optional<QString> ScriptedPrompt::saveFileName(const FileQuestion &question, QWidget *)
{
    fileQuestions << question;
    return m_files.isEmpty() ? std::nullopt : m_files.dequeue();
}

std::optional<QString> ScriptedPrompt::folderName(const FileQuestion &question, QWidget *)
{
    fileQuestions << question;
    return m_files.isEmpty() ? std::nullopt : m_files.dequeue();
}

bool ScriptedPrompt::setUpPrinter(QPrinter &printer, bool, QWidget *)
{
    ++printQuestions;
    return m_printer ? m_printer(printer) : false;
}
