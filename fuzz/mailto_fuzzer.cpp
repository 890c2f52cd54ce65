// A mailto: link handed over by the desktop or another program: whatever it
// says, it becomes at most a recipient list, a subject and a body, never a
// hidden copy or an attachment.
#include "FuzzSupport.h"

#include "ui/desktop/MailtoLink.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzz::startApplication(argc, argv);
    fuzz::AllocationBound::install();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::AllocationBound bound(size, 64);
    // As the command line hands it over (UTF-8), and as the bytes are, with the scheme in front.
    const QByteArray raw = fuzz::bytes(data, size);
    for (const QString &text : {QString::fromUtf8(raw), QStringLiteral("mailto:") + QString::fromLatin1(raw)}) {
        (void)MailtoLink::looksLike(text);
        const auto link = MailtoLink::parse(text);
        if (!link)
            continue;
        fuzz::requireValidUtf16(link->recipients);
        fuzz::requireValidUtf16(link->subject);
        fuzz::requireValidUtf16(link->body);
        fuzz::requireValidUtf16(link->ignored);
        fuzz::requireValidUtf16(link->ignoredNote());
        fuzz::require(!link->subject.contains(u'\n') && !link->subject.contains(u'\r'), "a subject of two lines");
        for (const QString &recipient : link->recipients)
            fuzz::require(!recipient.contains(u'\n') && !recipient.contains(u'\r'), "a recipient of two lines");
    }
    return 0;
}
