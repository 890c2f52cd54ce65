    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
/    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
/    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
A    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
v    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
m    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
h    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
j    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
k    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
f    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
:    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
k    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
/    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
/    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
A    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
h    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
-    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
R    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
h    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
,    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
w    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
h    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
v    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
h    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
m    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
y    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
.    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
#    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
"    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
F    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
z    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
z    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
S    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
p    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
p    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
.    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
h    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
"    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
#    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
"    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
/    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
j    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
k    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
/    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
A    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
h    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
R    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
.    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
h    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
"    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
#    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
"    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
/    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
j    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
k    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
/    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
J    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
k    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
M    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
.    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
h    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
"    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
#    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
"    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
/    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
j    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
k    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
/    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
J    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
k    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
T    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
k    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
.    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
h    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
"    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
#    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
"    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
/    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
m    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
/    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
m    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
m    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
/    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
M    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
m    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
R    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
.    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
h    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
"    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
x    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
"    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
C    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
"    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
L    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
L    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
V    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
M    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
F    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
z    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
z    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
I    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
z    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
(    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
*    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
g    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
,    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
h    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
*    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
*    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
*    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
g    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
v    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
)    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
{    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
f    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
z    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
z    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
:    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
:    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
A    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
p    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
p    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
(    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
g    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
,    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
g    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
v    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
)    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
;    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
f    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
z    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
z    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
:    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
:    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
A    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
B    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
:    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
:    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
(    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
)    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
;    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
0    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
;    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
}    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
x    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
"    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
C    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
"    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
L    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
L    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
V    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
M    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
F    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
z    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
z    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
T    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
O    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
I    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
p    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
(    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
8    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
_    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
*    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
,    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
z    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
_    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
z    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
)    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
{    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
f    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
z    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
z    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
:    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
:    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
A    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
B    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
b    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
(    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
z    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
,    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
5    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
1    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
2    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
)    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
;    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
M    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
m    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
C    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
=    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
M    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
m    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
R    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
:    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
:    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
(    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
f    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
z    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
z    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
:    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
:    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
b    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
y    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
(    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
,    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
z    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
)    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
)    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
;    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
J    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
k    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
M    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
m    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
;    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
m    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
.    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
b    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
j    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
=    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
.    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
b    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
j    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
;    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
m    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
.    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
f    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
m    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
=    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
.    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
f    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
m    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
;    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
m    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
.    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
b    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
y    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
=    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
.    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
x    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
;    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
m    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
.    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
h    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
=    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
.    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
w    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
H    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
;    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
f    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
(    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
&    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
h    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
m    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
:    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
.    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
h    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
m    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
)    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
m    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
.    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
f    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
+    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
=    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
h    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
m    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
.    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
m    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
+    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
'    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
\    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
'    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
;    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
Q    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
S    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
g    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
L    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
k    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
;    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
J    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
k    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
T    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
k    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
:    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
:    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
f    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
E    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
h    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
(    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
m    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
,    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
[    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
&    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
k    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
]    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
(    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
Q    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
S    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
g    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
V    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
w    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
p    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
f    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
x    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
,    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
Q    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
S    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
g    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
V    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
w    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
x    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
)    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
{    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
f    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
z    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
z    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
:    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
:    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
q    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
(    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
!    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
x    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
.    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
E    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
m    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
p    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
y    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
(    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
)    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
,    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
"    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
m    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
p    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
y    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
k    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
"    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
)    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
;    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
k    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
<    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
<    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
p    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
f    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
x    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
.    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
S    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
g    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
(    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
)    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
+    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
x    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
.    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
S    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
g    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
(    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
)    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
;    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
}    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
)    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
;    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
f    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
z    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
z    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
:    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
:    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
q    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
V    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
U    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
f    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
1    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
6    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
(    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
k    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
)    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
;    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
/    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
/    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
T    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
h    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
m    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
m    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
h    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
m    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
,    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
g    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
g    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
m    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
h    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
.    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
f    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
z    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
z    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
:    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
:    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
q    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
(    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
J    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
k    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
T    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
k    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
:    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
:    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
k    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
y    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
O    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
f    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
(    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
m    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
)    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
=    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
=    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
J    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
k    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
T    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
k    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
:    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
:    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
k    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
y    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
O    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
f    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
(    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
m    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
)    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
,    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
"    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
k    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
f    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
f    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
b    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
w    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
w    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
"    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
)    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
;    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
Q    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
S    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
g    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
L    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
w    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
=    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
A    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
h    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
R    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
:    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
:    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
I    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
(    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
{    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
}    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
,    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
Q    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
S    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
g    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
L    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
(    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
"    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
p    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
p    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
.    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
m    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
.    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
x    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
m    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
p    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
.    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
.    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
j    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
p    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
"    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
)    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
)    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
;    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
b    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
p    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
f    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
=    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
A    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
h    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
R    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
:    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
:    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
p    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
f    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
(    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
.    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
w    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
H    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
,    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
w    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
)    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
;    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
f    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
z    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
z    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
:    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
:    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
q    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
(    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
!    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
A    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
h    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
R    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
:    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
:    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
p    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
f    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
(    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
.    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
w    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
H    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
,    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
{    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
}    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
)    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
,    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
"    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
p    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
f    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
w    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
h    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
v    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
"    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
)    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
;    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
b    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
H    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
=    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
f    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
;    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
f    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
(    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
A    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
h    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
R    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
:    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
:    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
H    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
&    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
h    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
:    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
A    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
h    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
R    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
:    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
:    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
p    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
(    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
.    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
w    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
H    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
)    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
)    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
{    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
f    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
z    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
z    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
:    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
:    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
q    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
V    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
U    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
f    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
1    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
6    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
(    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
h    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
.    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
h    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
v    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
I    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
)    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
;    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
H    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
=    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
H    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
|    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
|    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
w    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
.    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
(    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
h    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
.    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
h    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
v    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
I    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
)    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
;    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
}    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
f    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
z    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
z    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
:    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
:    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
q    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
(    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
!    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
p    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
f    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
|    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
|    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
H    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
,    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
"    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
p    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
f    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
b    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
y    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
h    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
f    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
h    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
v    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
"    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
)    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
;    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
/    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
/    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
A    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
m    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
f    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
h    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
m    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
'    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
w    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
b    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
j    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
v    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
m    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
b    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
p    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
-    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
v    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
m    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
.    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
f    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
(    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
Q    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
S    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
g    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
&    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
:    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
A    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
h    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
R    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
:    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
:    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
I    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
(    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
{    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
}    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
,    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
.    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
b    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
j    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
.    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
f    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
(    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
2    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
0    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
0    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
)    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
)    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
)    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
f    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
z    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
z    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
:    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
:    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
q    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
(    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
.    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
(    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
'    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
.    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
'    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
)    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
|    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
|    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
!    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
.    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
b    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
j    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
.    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
c    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
(    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
'    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
.    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
'    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
)    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
,    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
"    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
b    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
p    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
-    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
v    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
l    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
o    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
m    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
a    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
i    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
s    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
d    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
"    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
)    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
;    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
e    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
t    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
u    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
r    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
n    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
     // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
0    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
;    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
}    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");

    // Trusted ids from any server name: the name, then its parents, never a bare top level.
    const QStringList ids = AuthResults::trustedIds({}, content.subject.left(200));
    for (qsizetype i = 1; i < ids.size(); ++i)
        fuzz::require(ids.first().endsWith(u'.' + ids[i]) && ids[i].contains(u'.'), "a parent domain that is none");
