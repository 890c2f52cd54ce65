#include "common/Prompt.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace {

Prompt *&installed()
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

} // namespace

const QString &Prompt::programTitle()
{
    static const QString title = QStringLiteral("Pintora");
    return title;
}

Prompt &Prompt::instance()
{
    static DialogPrompt dialogs;
    return installed() ? *installed() : dialogs;
}

void Prompt::install(Prompt *prompt)
{
    installed() = prompt;
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
    QMessageBox message(toQt(box.icon), box.title.isEmpty() ? programTitle() : box.title, box.text,
                        toQt(box.buttons), parent);
    if (box.defaultNo)
        message.setDefaultButton(QMessageBox::No);
    switch (message.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Cancel: return Answer::Cancel;
    default: break;
    }
    // Closing a Yes/No box by its frame counts as No.
    return box.buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
}

int Prompt::choose(const Choice &choice, QWidget *)
{
    return choice.escapeButton;
}

int DialogPrompt::choose(const Choice &choice, QWidget *parent)
{
    QMessageBox message(toQt(choice.icon), choice.title.isEmpty() ? programTitle() : choice.title,
                        choice.text, QMessageBox::NoButton, parent);
    if (!choice.details.isEmpty())
        message.setDetailedText(choice.details);
    QList<QAbstractButton *> buttons;
    for (const QString &text : choice.buttons)
        buttons << message.addButton(text, QMessageBox::ActionRole);
    if (auto *button = qobject_cast<QPushButton *>(buttons.value(choice.defaultButton)))
        message.setDefaultButton(button);
    message.setEscapeButton(buttons.value(choice.escapeButton));
    message.exec();
    const qsizetype pressed = buttons.indexOf(message.clickedButton());
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
    return chosen(QFileDialog::getOpenFileName(parent, question.title, startPath(question),
                                               toQtFilter(question.filter)));
}

std::optional<QString> DialogPrompt::saveFileName(const FileQuestion &question, QWidget *parent)
{
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
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, hasSelection);
    if (hasSelection)
        dialog.setPrintRange(QAbstractPrintDialog::Selection);
    return dialog.exec() == QDialog::Accepted;
}
