// Feeds arbitrary bytes through the whole decode path of a received mail:
// raw message -> subject, from, date, body text and safe attachment names.
#include "FuzzSupport.h"

#include "core/mail/mime/AttachmentWriter.h"
#include "core/mail/mime/Charsets.h"
#include "core/mail/mime/LegacyDecode.h"
#include "core/mail/mime/MimeReader.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // HTML bodies are read with QTextDocument, which wants a GUI application.
    fuzz::startApplication(argc, argv);
    fuzz::AllocationBound::install();
    return 0;
}

using fuzz::requireValidUtf16;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray raw(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    // A mail of HTML parts is laid out as a document: room for that beyond the mail itself.
    fuzz::AllocationBound bound(size, 64, 32u << 20);
    // The guesser and every reading it may choose, on the bytes as they are.
    const QByteArray sample = raw.left(8192);
    requireValidUtf16(Charsets::decodeUnlabelled(sample));
    for (const char *label : {"iso-2022-jp", "utf-8", "shift_jis", "euc-jp", "utf-16", "utf-7", "ks_c_5601-1987"})
        requireValidUtf16(Charsets::decode(sample, label, Carrier::Au));
    requireValidUtf16(Charsets::decodeHeader(sample, Carrier::SoftBank));
    QByteArray text = sample;
    LegacyDecode::takeUuencoded(text);
    LegacyDecode::base64(sample);

    const MimeContent content = MimeReader::read(raw);
    for (const auto &attachment : content.attachments) {
        const QString name = AttachmentWriter::safeName(attachment.name);
        if (name.isEmpty() || name.contains(u'/') || name == u".." || name == u".")
            abort();
    }
    requireValidUtf16(content.subject);
    requireValidUtf16(content.text);
    volatile qsizetype sink = content.subject.size() + content.from.size() + content.date.size()
        + content.text.size() + content.headerText.size();
    (void)sink;
    return 0;
}
