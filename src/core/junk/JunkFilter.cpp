#include "core/junk/JunkFilter.h"

// A stand-in that learns nothing and judges nothing, until the filter lands.

JunkFilter &JunkFilter::instance()
{
    static JunkFilter filter;
    return filter;
}

JunkScore JunkFilter::score(const JunkMail &) { return {}; }
JunkScore JunkFilter::judge(const JunkMail &, const QSet<QString> &) { return {}; }
QSet<QString> JunkFilter::trustedSenders() { return {}; }
bool JunkFilter::learn(const JunkMail &, bool) { return true; }
bool JunkFilter::trust(const QStringList &) { return true; }
bool JunkFilter::noteSpoofed(const QByteArray &) { return true; }
bool JunkFilter::isSpoofed(const QByteArray &) { return false; }
int JunkFilter::learnedJunk() { return 0; }
int JunkFilter::learnedGood() { return 0; }
QString JunkFilter::errorText() { return {}; }
void JunkFilter::reset() {}
