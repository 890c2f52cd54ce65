// An SMTP server's every word: greeting, multi-line EHLO answers, AUTH
// challenges and the replies around DATA, read by the session the sends use
// over a real loopback connection.
#include "FuzzPeer.h"

#include "core/mail/net/LineSession.h"
#include "core/mail/mime/MimeWriter.h"
#include "core/mail/net/SaslOAuth.h"
#include "core/mail/net/SessionHooks.h"
#include "core/mail/net/SmtpSession.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzz::startApplication(argc, argv);
    fuzz::AllocationBound::install();
    LineTimeouts timeouts;
    timeouts.connect = std::chrono::milliseconds(5000);
    timeouts.reply = timeouts.line = timeouts.blockGrace = std::chrono::milliseconds(5000);
    timeouts.finalReply = std::chrono::milliseconds(5000);
    LineSession::setDefaultTimeouts(timeouts);
    SaslOAuth::allowPlainLoopback(true);
    return 0;
}

namespace {

const BuiltMail &mail()
{
    static const BuiltMail built = [] {
        BuiltMail m;
        m.sender = "me@example.jp";
        m.recipients = {"you@example.jp", "him@example.jp"};
        m.data = "Subject: test\r\n\r\n.dot line\r\nbody\r\n";
        return m;
    }();
    return built;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const uint8_t mode = data[0];
    fuzz::AllocationBound bound(size, 16);
    SessionHooks hooks;
    if (mode & 1) {
        hooks.accessToken = [] { return QByteArray("ya29.token"); };
        // The peer is the provider's own server, so the challenges are reached.
        hooks.tokenHosts = {QStringLiteral("127.0.0.1")};
    }
    {
        fuzz::Peer peer(fuzz::bytes(data + 1, size - 1));
        SmtpSession session;
        session.setHooks(&hooks);
        if (session.open(fuzz::Peer::address())
            && session.authenticate({QStringLiteral("user"), QStringLiteral("secret")})) {
            session.transfer(mail());
            fuzz::requireValidUtf16(session.errorText());
            session.quit();
        }
        fuzz::requireValidUtf16(session.errorText());
    }
    return 0;
}
