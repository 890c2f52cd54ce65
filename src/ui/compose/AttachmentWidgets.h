#pragma once

#include "ui/compose/Attachments.h"

class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

// The attachment controls of a mail window ("添付File"/"添付", "追加", "取り消し",
// the path text and List2) kept in step with their Attachments.
class AttachmentWidgets {
public:
    QPushButton *attach = nullptr;
    QPushButton *add = nullptr;
    QPushButton *cancel = nullptr;
    QLineEdit *text = nullptr;
    QListWidget *list = nullptr;

    // Connects the buttons and the path text of window to attachments.
    void bind(QWidget *window, Attachments &attachments);
    void show(const Attachments &attachments) const;
};
