#include "ui/common/Prompt.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace {

Prompt *&installedPrompt()
{
    static Prompt *prompt = nullptr;
    return prompt;
}

QMessageBox::Icon toQt(Prompt::Icon icon)
{
    switch (icon) {
    case Prompt::Icon::Information: return QMessageBox::Information;
    case Prompt::Icon::Warning: return QMessageBox::Warning;
    case Prompt::Icon::Critical: return QMessageBox::Critical;
    case Prompt::Icon::Question: return QMessageBox::Question;
    case Prompt::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toQt(Prompt::Buttons buttons)
{
    switch (buttons) {
    case Prompt::Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case Prompt::Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case Prompt::Buttons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Prompt::Buttons::Ok: break;
    }
    return QMessageBox::Ok;
}

struct OpenQuestions {
    QList<QPointer<QWidget>> parents;
    int count = 0;
};

OpenQuestions &openQuestions()
{
    static OpenQuestions open;
    return open;
}

PromptWatch &promptWatch()
{
    static PromptWatch watch;
    return watch;
}

} // namespace

Prompt::Question::Question(QWidget *parent) : m_parent(parent)
{
    OpenQuestions &open = openQuestions();
    ++open.count;
    open.parents << m_parent;
}

Prompt::Question::~Question()
{
    OpenQuestions &open = openQuestions();
    --open.count;
    // This question's entry is the last one equal to its parent (null once that went).
    for (qsizetype i = open.parents.size() - 1; i >= 0; --i) {
        if (open.parents[i] == m_parent) {
            open.parents.removeAt(i);
            break;
        }
    }
    QMetaObject::invokeMethod(&promptWatch(), &PromptWatch::closed, Qt::QueuedConnection);
}

bool Prompt::anyOpen()
{
    return openQuestions().count > 0;
}

bool Prompt::openOn(const QWidget *window)
{
    if (!window)
        return false;
    for (const QPointer<QWidget> &parent : std::as_const(openQuestions().parents))
        if (parent && (parent == window || window->isAncestorOf(parent)))
            return true;
    return false;
}

PromptWatch *Prompt::watch()
{
    return &promptWatch();
}

const QString &Prompt::programTitle()
{
    static const QString title = QStringLiteral("Pintora");
    return title;
}

Prompt &Prompt::instance()
{
    static DialogPrompt dialogs;
    return installedPrompt() ? *installedPrompt() : dialogs;
}

void Prompt::install(Prompt *prompt)
{
    installedPrompt() = prompt;
}

void Prompt::inform(const QString &text, const QString &title, QWidget *parent)
{
    instance().ask({text, title, Icon::Information, Buttons::Ok}, parent);
}

void Prompt::warn(const QString &text, const QString &title, QWidget *parent)
{
    instance().ask({text, title, Icon::Warning, Buttons::Ok}, parent);
}

void Prompt::error(const QString &text, const QString &title, QWidget *parent)
{
    instance().ask({text, title, Icon::Critical, Buttons::Ok}, parent);
}

bool Prompt::confirm(const QString &text, QWidget *parent)
{
    return instance().ask({text, QStringLiteral("確認"), Icon::Question, Buttons::YesNo}, parent)
        == Answer::Yes;
}

Prompt::Answer DialogPrompt::ask(const Box &box, QWidget *parent)
{
    const Question open(parent);
    // On the heap and watched: the parent's end frees it, and exec() then returns Rejected.
    QPointer<QMessageBox> message = new QMessageBox(toQt(box.icon), box.title.isEmpty() ? programTitle() : box.title,
                                                    box.text, toQt(box.buttons), parent);
    // Boxes quote servers, files and mails: their text is never markup.
    message->setTextFormat(Qt::PlainText);
    if (box.defaultNo)
        message->setDefaultButton(QMessageBox::No);
    const int pressed = message->exec();
    const bool gone = message.isNull();
    delete message.data();
    if (!gone) {
        switch (pressed) {
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        case QMessageBox::Cancel: return Answer::Cancel;
        default: break;
        }
    }
    // Closing a box by its frame, or losing it with its window, is the cautious answer.
    if (box.buttons == Buttons::YesNo)
        return Answer::No;
    if (box.buttons != Buttons::Ok && gone)
        return Answer::Cancel;
    return Answer::Ok;
}

int Prompt::choose(const Choice &choice, QWidget *)
{
    return choice.escapeButton;
}

int DialogPrompt::choose(const Choice &choice, QWidget *parent)
{
    const Question open(parent);
    QPointer<QMessageBox> message = new QMessageBox(toQt(choice.icon), choice.title.isEmpty() ? programTitle() : choice.title,
                                                    choice.text, QMessageBox::NoButton, parent);
    message->setTextFormat(Qt::PlainText);
    if (!choice.details.isEmpty())
        message->setDetailedText(choice.details);
    QList<QAbstractButton *> buttons;
    for (const QString &text : choice.buttons)
        buttons << message->addButton(text, QMessageBox::ActionRole);
    if (auto *button = qobject_cast<QPushButton *>(buttons.value(choice.defaultButton)))
        message->setDefaultButton(button);
    message->setEscapeButton(buttons.value(choice.escapeButton));
    message->exec();
    if (!message)
        return choice.escapeButton;
    const qsizetype pressed = buttons.indexOf(message->clickedButton());
    delete message.data();
    return pressed < 0 ? choice.escapeButton : int(pressed);
}

QString DialogPrompt::toQtFilter(const QString &filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(u';', u' ');
        filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
    }
    return filters.join(QStringLiteral(";;"));
}

namespace {

QString startPath(const Prompt::FileQuestion &question)
{
    return question.fileName.isEmpty() ? question.directory
                                       : question.directory + u'/' + question.fileName;
}

std::optional<QString> chosen(const QString &path)
{
    return path.isEmpty() ? std::nullopt : std::optional<QString>(path);
}

} // namespace

std::optional<QString> DialogPrompt::openFileName(const FileQuestion &question, QWidget *parent)
{
    const Question open(parent);
    return chosen(QFileDialog::getOpenFileName(parent, question.title, startPath(question),
                                               toQtFilter(question.filter)));
}

std::optional<QString> DialogPrompt::saveFileName(const FileQuestion &question, QWidget *parent)
{
    const Question open(parent);
    // The dialog asks before overwriting and offers no read-only choice.
    return chosen(QFileDialog::getSaveFileName(parent, question.title, startPath(question),
                                               toQtFilter(question.filter)));
}

std::optional<QString> Prompt::folderName(const FileQuestion &, QWidget *)
{
    return std::nullopt;
}

std::optional<QString> DialogPrompt::folderName(const FileQuestion &question, QWidget *parent)
{
    return chosen(QFileDialog::getExistingDirectory(parent, question.title, question.directory));
}

bool DialogPrompt::setUpPrinter(QPrinter &printer, bool hasSelection, QWidget *parent)
{
    const Question open(parent);
    QPointer<QPrintDialog> dialog = new QPrintDialog(&printer, parent);
    dialog->setOption(QAbstractPrintDialog::PrintSelection, hasSelection);
    if (hasSelection)
        dialog->setPrintRange(QAbstractPrintDialog::Selection);
    const bool accepted = dialog->exec() == QDialog::Accepted && dialog;
    delete dialog.data();
    return accepted;
}
