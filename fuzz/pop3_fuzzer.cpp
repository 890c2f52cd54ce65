// A POP3 server's every word: greeting, status lines, CAPA, SASL challenges,
// UIDL and LIST lines and the dot-terminated mails, read by the session the
// checks use over a real loopback connection.
#include "FuzzPeer.h"

#include "core/mail/net/LineSession.h"
#include "core/mail/net/Pop3Session.h"
#include "core/mail/net/SaslOAuth.h"
#include "core/mail/net/SessionHooks.h"

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

void checkText(const Pop3Session &session)
{
    fuzz::requireValidUtf16(session.errorText());
}

void converse(Pop3Session &session, uint8_t mode)
{
    if (!session.open(fuzz::Peer::address()))
        return checkText(session);
    const auto count = session.login(QStringLiteral("user"), QStringLiteral("secret"), mode & 2);
    checkText(session);
    if (!count)
        return;
    const int mails = qBound(0, *count, 3);
    if (const auto ids = session.uniqueIds()) {
        for (const QByteArray &id : *ids)
            (void)id.size();
    }
    checkText(session);
    for (int n = 1; n <= mails; ++n) {
        if (!session.size(n))
            break;
    }
    checkText(session);
    if (mails > 0 && (mode & 4)) {
        if (const auto header = session.header(1))
            (void)header->size();
        checkText(session);
    }
    QList<int> plan;
    for (int n = 1; n <= mails; ++n)
        plan << n;
    if (!session.planRetrievals(plan))
        return checkText(session);
    for (int n : plan) {
        const auto mail = session.retrieve(n);
        checkText(session);
        if (!mail)
            return;
        if (mode & 8)
            session.remove(n);
    }
    session.quit();
    checkText(session);
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
        Pop3Session session;
        session.setHooks(&hooks);
        converse(session, mode);
        session.abort();
    }
    return 0;
}
