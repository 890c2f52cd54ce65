// A received mail as the junk filter reads it: its tokens and its
// Authentication-Results headers, whatever the mail says.
#include "FuzzSupport.h"

#include "core/junk/AuthResults.h"
#include "core/junk/JunkMail.h"
#include "core/junk/JunkTokens.h"
#include "core/mail/mime/MimeReader.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzz::startApplication(argc, argv);
    fuzz::AllocationBound::install();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::AllocationBound bound(size, 512);
    const MimeContent content = MimeReader::read(fuzz::bytes(data, size));
    JunkMail mail;
    mail.subject = content.subject;
    mail.from = content.from;
    mail.body = content.text;
    mail.header = content.rawHeader;
    for (const auto &attachment : content.attachments)
        mail.files += attachment.name + u'\n';

    QStringList tokens;
    JunkTokens::forEach(mail, [&tokens](QStringView prefix, QStringView text) {
        fuzz::require(!text.isEmpty(), "an empty token");
        tokens << prefix.toString() + text.toString();
    });
    fuzz::requireValidUtf16(tokens);
    // The same mail counts the same, so learning and unlearning it match.
    fuzz::require(JunkTokens::keysOf(mail) == JunkTokens::keysOf(mail), "tokens differ between two reads");

    const QStringList own = AuthResults::trustedIds({}, QStringLiteral("pop.mail.example.co.jp"));
    const bool spoofed = AuthResults::spoofed(content.rawHeader, own);
    fuzz::require(!AuthResults::spoofed(content.rawHeader, {}), "spoofed without a trusted server");
    bool trustedHeader = false;
    for (const AuthResults::Header &header : AuthResults::parse(content.rawHeader)) {
        fuzz::requireValidUtf16(header.authservId);
        trustedHeader = trustedHeader || own.contains(header.authservId);
    }
    fuzz::require(!spoofed || trustedHeader, "spoofed by a header of another server");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
    return 0;
}
