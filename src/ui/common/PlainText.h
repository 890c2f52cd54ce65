#pragma once

#include <QLabel>

// Boxes and status lines show what servers, files, mails and links say. Qt would
// read HTML in such text as markup (links, headings, colours), so these never
// take text as anything but plain characters.
namespace PlainText {

inline void keep(QLabel *label)
{
    label->setTextFormat(Qt::PlainText);
}

} // namespace PlainText
