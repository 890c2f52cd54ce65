#pragma once

#include "common/Prompt.h"

#include <QList>
#include <QQueue>

#include <functional>

// Answers every box and dialog from a script and records what was asked.
// Installs itself for its lifetime.
class ScriptedPrompt : public Prompt {
public:
    ScriptedPrompt();
    ~ScriptedPrompt() override;

    // Queued answers; without one a box answers Ok or Yes and a file dialog cancels.
    void answerBox(Answer answer) { m_answers.enqueue(answer); }
    // Queued button indexes; without one a choice takes its default button.
    void answerChoice(int button) { m_choices.enqueue(button); }
    void answerFile(const std::optional<QString> &path) { m_files.enqueue(path); }
    // Called with the printer instead of the print dialog; unset means cancel.
    void answerPrinter(std::function<bool(QPrinter &)> setUp) { m_printer = std::move(setUp); }

    Answer ask(const Box &box, QWidget *parent) override;
    int choose(const Choice &choice, QWidget *parent) override;
    std::optional<QString> openFileName(const FileQuestion &question, QWidget *parent) override;
    std::optional<QString> saveFileName(const FileQuestion &question, QWidget *parent) override;
    std::optional<QString> folderName(const FileQuestion &question, QWidget *parent) override;
    bool setUpPrinter(QPrinter &printer, bool hasSelection, QWidget *parent) override;

    QList<Box> boxes;
    QList<Choice> choices;
    QList<FileQuestion> fileQuestions;
    int printQuestions = 0;

private:
    QQueue<Answer> m_answers;
    QQueue<int> m_choices;
    QQueue<std::optional<QString>> m_files;
    std::function<bool(QPrinter &)> m_printer;
};
