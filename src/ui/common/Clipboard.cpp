#include "ui/common/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace Clipboard {

void clear()
{
    QGuiApplication::clipboard()->clear();
}

void setText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
}

QString text()
{
    return QGuiApplication::clipboard()->text();
}

} // namespace Clipboard
