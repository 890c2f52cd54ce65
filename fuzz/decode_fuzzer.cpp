// Feeds arbitrary bytes through the whole decode path of a received mail:
// raw message -> subject, from, date, body text and safe attachment names.
#include "mail/AttachmentWriter.h"
#include "mail/MimeReader.h"

#include <QGuiApplication>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // HTML bodies are read with QTextDocument, which wants a GUI application.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray raw(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const MimeContent content = MimeReader::read(raw);
    for (const auto &attachment : content.attachments) {
        const QString name = AttachmentWriter::safeName(attachment.name);
        if (name.isEmpty() || name.contains(u'/') || name == u".." || name == u".")
            abort();
    }
    volatile qsizetype sink = content.subject.size() + content.from.size() + content.date.size()
        + content.text.size() + content.headerText.size();
    (void)sink;
    return 0;
}
