#include "support/ScriptedPrompt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

template <class Show>
auto ScriptedPrompt::held(QWidget *parent, Show show)
{
    const std::function<bool()> released = std::exchange(m_hold, {});
    const Answer answer = m_holdAnswer;
    QPointer<QWidget> window(parent);
    QTimer release;
    release.setInterval(10);
    const QDeadlineTimer deadline(30000);
    QObject::connect(&release, &QTimer::timeout, [&] {
        if (!released() && !deadline.hasExpired())
            return;
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        if (auto *box = qobject_cast<QMessageBox *>(dialog)) {
            const QMessageBox::StandardButton button = answer == Answer::Yes ? QMessageBox::Yes
                : answer == Answer::No                                     ? QMessageBox::No
                : answer == Answer::Cancel                                 ? QMessageBox::Cancel
                                                                           : QMessageBox::Ok;
            if (QAbstractButton *pressed = box->button(button)) {
                pressed->click();
                return;
            }
        }
        dialog->reject();
    });
    release.start();
    auto result = show();
    heldParentsAlive << !window.isNull();
    return result;
}

ScriptedPrompt::ScriptedPrompt()
{
    Prompt::install(this);
}

ScriptedPrompt::~ScriptedPrompt()
{
    Prompt::install(nullptr);
}

Prompt::Answer ScriptedPrompt::ask(const Box &box, QWidget *parent)
{
    boxes << box;
    if (m_hold)
        return held(parent, [&] { return DialogPrompt().ask(box, parent); });
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

std::optional<QString> ScriptedPrompt::openFileName(const FileQuestion &question, QWidget *parent)
{
    fileQuestions << question;
    if (m_hold)
        return held(parent, [&] { return DialogPrompt().openFileName(question, parent); });
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
