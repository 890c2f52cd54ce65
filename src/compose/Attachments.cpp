#include "compose/Attachments.h"

#include "common/Prompt.h"

Attachments::Attachments(bool addEnabledAtStart)
{
    m_controls.addEnabled = addEnabledAtStart;
}

const QString &Attachments::commaRefusal()
{
    static const QString text = QStringLiteral(
        "ファイル名またはフォルダ名に「,」（半角カンマ）を含むファイルは添付できません。");
    return text;
}

std::optional<QString> Attachments::askFile(QWidget *parent) const
{
    const auto chosen = Prompt::instance().openFileName({}, parent);
    if (!chosen || chosen->isEmpty())
        return std::nullopt;
    // A comma would split the path in two when the text is taken apart again.
    if (chosen->contains(kSeparator)) {
        Prompt::warn(commaRefusal(), {}, parent);
        return std::nullopt;
    }
    return chosen;
}

void Attachments::chooseFirst(QWidget *parent)
{
    m_controls.addEnabled = true;
    if (const auto path = askFile(parent)) {
        m_text = *path;
        m_listed << m_text;
    }
    m_controls.attachEnabled = false;
}

void Attachments::addFurther(QWidget *parent)
{
    m_controls.listVisible = true;
    if (m_text.isEmpty())
        return;
    if (const auto path = askFile(parent)) {
        m_text += kSeparator + *path;
        m_listed << *path;
    }
}

void Attachments::cancelAll()
{
    m_text.clear();
    m_listed.clear();
    m_controls = {true, false, false, false};
}

void Attachments::clear()
{
    cancelAll();
}

void Attachments::prepareForSend()
{
    m_controls.addEnabled = false;
    m_controls.listVisible = false;
    m_controls.attachEnabled = true;
}
