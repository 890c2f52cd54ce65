#include "ui/common/Prompt.h"

#include <QFont>
#include <QPrinter>
#include <QTextDocument>

void Prompt::printPlainText(const QString &text, const QFont &font, bool hasSelection, QWidget *parent)
{
    QPrinter printer;
    if (!instance().setUpPrinter(printer, hasSelection, parent))
        return;
    // One job per copy.
    const int copies = qMax(1, printer.copyCount());
    printer.setCopyCount(1);
    for (int i = 0; i < copies; ++i) {
        QTextDocument document;
        document.setDefaultFont(font);
        document.setPlainText(text);
        document.print(&printer);
    }
}
