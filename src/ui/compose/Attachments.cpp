#include "ui/compose/Attachments.h"

#include "core/mail/mime/AttachmentFile.h"
#include "ui/common/Prompt.h"

#include <QFileInfo>

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
    if (!chosen || chosen->isEmpty() || !acceptable(*chosen, parent))
        return std::nullopt;
    return chosen;
}

bool Attachments::acceptable(const QString &path, QWidget *parent) const
{
    // A comma would split the path in two when the text is taken apart again.
    if (path.contains(kSeparator)) {
        Prompt::warn(commaRefusal(), {}, parent);
        return false;
    }
    // Only the file's status is looked at: opening a pipe could wait for ever.
    const qint64 attached = AttachmentFile::sizeOf(m_text.split(kSeparator, Qt::SkipEmptyParts));
    if (const QString why = AttachmentFile::refusal(path, attached); !why.isEmpty()) {
        Prompt::warn(why, {}, parent);
        return false;
    }
    return true;
}

void Attachments::attachGiven(const QStringList &paths, QWidget *parent)
{
    for (const QString &path : paths) {
        if (path.isEmpty())
            continue;
        // The file dialog picks files only.
        if (QFileInfo(path).isDir()) {
            Prompt::warn(QStringLiteral("フォルダは添付できません。\n%1").arg(path), {}, parent);
            continue;
        }
        if (!acceptable(path, parent))
            continue;
        if (m_text.isEmpty()) {
            m_controls.addEnabled = true;
            m_text = path;
            m_controls.attachEnabled = false;
        } else {
            m_controls.listVisible = true;
            m_text += kSeparator + path;
        }
        m_listed << path;
    }
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
