#include "ui/compose/AttachmentWidgets.h"

#include "ui/common/FileDrops.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

void AttachmentWidgets::bind(QWidget *window, Attachments &attachments)
{
    QObject::connect(attach, &QPushButton::clicked, window, [this, window, &attachments] {
        attachments.chooseFirst(window);
        show(attachments);
    });
    QObject::connect(add, &QPushButton::clicked, window, [this, window, &attachments] {
        attachments.addFurther(window);
        show(attachments);
    });
    QObject::connect(cancel, &QPushButton::clicked, window, [this, &attachments] {
        attachments.cancelAll();
        show(attachments);
    });
    QObject::connect(text, &QLineEdit::textEdited, window,
                     [&attachments](const QString &edited) { attachments.setText(edited); });
    // Files dropped anywhere on the window, as if picked in the file dialog one by one.
    FileDrops::install(
        window,
        [this, window, &attachments](const QStringList &paths) {
            attachments.attachGiven(paths, window);
            show(attachments);
        },
        [this] { return text->isEnabled() && !text->isReadOnly(); });
    show(attachments);
}

void AttachmentWidgets::show(const Attachments &attachments) const
{
    const Attachments::Controls &controls = attachments.controls();
    attach->setEnabled(controls.attachEnabled);
    add->setEnabled(controls.addEnabled);
    cancel->setEnabled(controls.cancelEnabled);
    if (text->text() != attachments.text())
        text->setText(attachments.text());
    if (list->count() != attachments.listed().size()) {
        list->clear();
        list->addItems(attachments.listed());
    }
    list->setVisible(controls.listVisible);
    if (controls.listVisible)
        list->raise();
}
