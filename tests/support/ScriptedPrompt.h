#pragma once

#include "ui/common/Prompt.h"

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
    // The next box or file dialog is the program's real one, kept open (with its
    // own event loop running) until released() holds; then a box is answered with
    // answer and a file dialog cancelled. For what happens while a dialog is up.
    void holdNextOpen(std::function<bool()> released, Answer answer = Answer::Ok)
    {
        m_hold = std::move(released);
        m_holdAnswer = answer;
    }
    // Whether each held dialog's window still existed when the dialog closed.
    QList<bool> heldParentsAlive;

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
    template <class Show>
    auto held(QWidget *parent, Show show);

    std::function<bool()> m_hold;
    Answer m_holdAnswer = Answer::Ok;
    QQueue<Answer> m_answers;
    QQueue<int> m_choices;
    QQueue<std::optional<QString>> m_files;
    std::function<bool(QPrinter &)> m_printer;
};
