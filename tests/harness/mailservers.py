#!/usr/bin/python3
"""Real mail servers on free loopback ports for the tests, the benchmarks and the demo.

    mailservers.py start DIR   starts Dovecot (POP3, STLS, POP3S) and an SMTP server
                               (plain with STARTTLS, submission with STARTTLS + AUTH, SMTPS),
                               all delivering into RUN/mail/<user>/Maildir (RUN a fresh
                               folder under /tmp), and writes DIR/servers.ini once every
                               port answers.
    mailservers.py start DIR --plain
                               the same without TLS (no STLS, no POP3S, no STARTTLS, no
                               SMTPS), for a demo whose client does not know our certificate.
    mailservers.py stop DIR    stops what start started, by the PIDs it wrote.

With TLS the harness also runs an OAuth 2.0 authorization server (oauthserver.py) and a second
Dovecot whose only passdb is oauth2 (SASL XOAUTH2 and OAUTHBEARER, tokens checked at the
authorization server's introspection endpoint) on the same maildirs; the SMTP server's
submission and SMTPS ports take both mechanisms too.

Any user name logs in with the password in servers.ini, so every test can own a mailbox.
When run as root the servers run as nobody: Dovecot refuses root for its mail processes.
"""

import os
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import time

PASSWORD = "pintora-secret"
HOST = "127.0.0.1"


def free_ports(count):
    socks = []
    try:
        for _ in range(count):
            s = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
            s.bind((HOST, 0))
            socks.append(s)
        return [s.getsockname()[1] for s in socks]
    finally:
        for s in socks:
            s.close()


def server_identity():
    if os.getuid() != 0:
        return os.getuid(), os.getgid(), []
    import pwd
    nobody = pwd.getpwnam("nobody")
    return nobody.pw_uid, nobody.pw_gid, ["setpriv", "--reuid=%d" % nobody.pw_uid,
                                         "--regid=%d" % nobody.pw_gid, "--clear-groups"]


def make_certificate(run):
    subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "30",
                    "-subj", "/CN=localhost",
                    "-addext", "subjectAltName=IP:127.0.0.1,DNS:localhost",
                    "-keyout", os.path.join(run, "key.pem"), "-out", os.path.join(run, "cert.pem")],
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


DOVECOT_CONF = """\
base_dir = {run}/dovecot
state_dir = {run}/dovecot-state
instance_name = pintora-{pop3}
log_path = {run}/dovecot.log
protocols = pop3
listen = {host}
ssl = {ssl}
ssl_cert = <{run}/cert.pem
ssl_key = <{run}/key.pem
ssl_dh = </usr/share/dovecot/dh.pem
disable_plaintext_auth = no
auth_mechanisms = plain login apop
auth_failure_delay = 0 secs
default_internal_user = {user}
default_internal_group = {group}
default_login_user = {user}
first_valid_uid = {uid}
first_valid_gid = {gid}
mail_location = maildir:{run}/mail/%u/Maildir
pop3_uidl_format = %08Xu%08Xv
passdb {{
  driver = static
  args = password={password}
}}
userdb {{
  driver = static
  args = uid={uid} gid={gid} home={run}/mail/%u
}}
service pop3-login {{
  chroot =
  inet_listener pop3 {{
    address = {host}
    port = {pop3}
  }}
  inet_listener pop3s {{
    address = {host}
    port = {pop3s_port}
    ssl = yes
  }}
}}
service anvil {{
  chroot =
  unix_listener anvil-auth-penalty {{
    mode = 0
  }}
}}
service imap-login {{
  inet_listener imap {{
    port = 0
  }}
  inet_listener imaps {{
    port = 0
  }}
}}
"""

# The OAuth instance: same mailboxes, but a password opens nothing.
DOVECOT_OAUTH_CONF = DOVECOT_CONF.replace("pintora-{pop3}", "pintora-oauth-{pop3}") \
    .replace("{run}/dovecot\n", "{run}/dovecot-oauth\n") \
    .replace("{run}/dovecot-state", "{run}/dovecot-oauth-state") \
    .replace("{run}/dovecot.log", "{run}/dovecot-oauth.log") \
    .replace("auth_mechanisms = plain login apop", "auth_mechanisms = xoauth2 oauthbearer") \
    .replace("""passdb {{
  driver = static
  args = password={password}
}}""", """passdb {{
  driver = oauth2
  mechanisms = xoauth2 oauthbearer
  args = {run}/dovecot-oauth2.conf.ext
}}""")

DOVECOT_OAUTH2_EXT = """\
introspection_mode = post
introspection_url = http://{host}:{port}/introspect
force_introspection = yes
username_attribute = username
active_attribute = active
active_value = true
"""


def wait_for_ports(ports, pids, deadline):
    pending = set(ports)
    while pending and time.time() < deadline:
        for pid in pids:
            if not alive(pid):
                raise RuntimeError("a server ended during start-up")
        for port in list(pending):
            try:
                with socket.create_connection((HOST, port), timeout=0.5):
                    pending.discard(port)
            except OSError:
                pass
        if pending:
            time.sleep(0.05)
    if pending:
        raise RuntimeError("ports not answering: %s" % sorted(pending))


def alive(pid):
    # A zombie still answers kill -0, so read its state.
    try:
        with open("/proc/%d/stat" % pid) as f:
            state = f.read().rsplit(")", 1)[1].split()[0]
        return state != "Z"
    except OSError:
        return False


def start(state, plain=False):
    stop(state, quiet=True)
    os.makedirs(state, exist_ok=True)
    # The servers may run as another user, who must reach every folder above their own.
    run = tempfile.mkdtemp(prefix="pintora-mail-")
    os.chmod(run, 0o755)
    os.makedirs(os.path.join(run, "mail"))
    uid, gid, drop = server_identity()
    import grp
    import pwd
    user = pwd.getpwuid(uid).pw_name
    group = grp.getgrgid(gid).gr_name
    make_certificate(run)
    pop3, pop3s, smtp, submission, smtps, oauth, oauth_pop3, oauth_pop3s = free_ports(8)
    with open(os.path.join(run, "dovecot.conf"), "w") as f:
        f.write(DOVECOT_CONF.format(run=run, host=HOST, pop3=pop3, pop3s_port=0 if plain else pop3s,
                                    uid=uid, gid=gid, user=user, group=group, password=PASSWORD,
                                    ssl="no" if plain else "yes"))
    if not plain:
        with open(os.path.join(run, "dovecot-oauth.conf"), "w") as f:
            f.write(DOVECOT_OAUTH_CONF.format(run=run, host=HOST, pop3=oauth_pop3, pop3s_port=oauth_pop3s,
                                              uid=uid, gid=gid, user=user, group=group,
                                              password=PASSWORD, ssl="yes"))
        with open(os.path.join(run, "dovecot-oauth2.conf.ext"), "w") as f:
            f.write(DOVECOT_OAUTH2_EXT.format(host=HOST, port=oauth))
    for root, dirs, files in os.walk(run):
        for name in dirs + files:
            os.chown(os.path.join(root, name), uid, gid)
    os.chown(run, uid, gid)
    os.chmod(os.path.join(run, "key.pem"), 0o600)

    here = os.path.dirname(os.path.abspath(__file__))
    pids = []
    with open(os.path.join(run, "dovecot.out"), "wb") as out:
        dovecot = subprocess.Popen(drop + ["dovecot", "-F", "-c", os.path.join(run, "dovecot.conf")],
                                   stdout=out, stderr=subprocess.STDOUT, start_new_session=True)
    pids.append(dovecot.pid)
    if not plain:
        with open(os.path.join(run, "oauth.out"), "wb") as out:
            pids.append(subprocess.Popen(drop + ["/usr/bin/python3", os.path.join(here, "oauthserver.py"),
                                                 HOST, str(oauth)],
                                         stdout=out, stderr=subprocess.STDOUT, start_new_session=True).pid)
        with open(os.path.join(run, "dovecot-oauth.out"), "wb") as out:
            pids.append(subprocess.Popen(drop + ["dovecot", "-F", "-c", os.path.join(run, "dovecot-oauth.conf")],
                                         stdout=out, stderr=subprocess.STDOUT, start_new_session=True).pid)
    with open(os.path.join(run, "smtp.out"), "wb") as out:
        smtpd = subprocess.Popen(drop + ["/usr/bin/python3", os.path.join(here, "smtpserver.py"),
                                         run, HOST, str(smtp), str(submission), str(smtps), PASSWORD]
                                 + (["--plain"] if plain else ["--oauth", "http://%s:%d/introspect" % (HOST, oauth)]),
                                 stdout=out, stderr=subprocess.STDOUT, start_new_session=True)
    pids.append(smtpd.pid)
    with open(os.path.join(state, "pids"), "w") as f:
        f.write("%s\n%s\n" % (" ".join(str(p) for p in pids), run))
    try:
        ports = [pop3, smtp, submission] if plain else [pop3, pop3s, smtp, submission, smtps, oauth,
                                                        oauth_pop3, oauth_pop3s]
        wait_for_ports(ports, pids, time.time() + 20)
    except RuntimeError as e:
        for log in ("dovecot.out", "dovecot.log", "smtp.out", "oauth.out", "dovecot-oauth.out",
                    "dovecot-oauth.log"):
            path = os.path.join(run, log)
            if os.path.exists(path):
                sys.stderr.write(open(path, errors="replace").read())
        stop(state, quiet=True)
        sys.exit("mail servers did not start: %s" % e)

    lines = ["run=%s" % run, "host=%s" % HOST, "pop3=%d" % pop3, "pop3s=%d" % (0 if plain else pop3s),
             "smtp=%d" % smtp, "submission=%d" % submission, "smtps=%d" % (0 if plain else smtps),
             "tls=%s" % ("no" if plain else "yes"), "password=%s" % PASSWORD,
             "cert=%s" % os.path.join(run, "cert.pem"), "maildirs=%s" % os.path.join(run, "mail"),
             "uid=%d" % uid, "gid=%d" % gid,
             "oauth=%d" % (0 if plain else oauth), "oauth_pop3=%d" % (0 if plain else oauth_pop3),
             "oauth_pop3s=%d" % (0 if plain else oauth_pop3s)]
    tmp = os.path.join(state, "servers.ini.tmp")
    with open(tmp, "w") as f:
        f.write("\n".join(lines) + "\n")
    os.rename(tmp, os.path.join(state, "servers.ini"))
    print("\n".join(lines))


def stop(state, quiet=False):
    path = os.path.join(state, "pids")
    try:
        first, run = open(path).read().split("\n")[:2]
        pids = [int(p) for p in first.split()]
    except (OSError, ValueError):
        if not quiet:
            print("nothing to stop")
        return
    for pid in pids:
        if alive(pid):
            try:
                os.kill(pid, signal.SIGTERM)
            except OSError:
                pass
    deadline = time.time() + 10
    for pid in pids:
        while alive(pid) and time.time() < deadline:
            time.sleep(0.05)
        if alive(pid):
            try:
                os.kill(pid, signal.SIGKILL)
            except OSError:
                pass
    os.remove(path)
    try:
        os.remove(os.path.join(state, "servers.ini"))
    except OSError:
        pass
    if os.path.basename(run).startswith("pintora-mail-"):
        shutil.rmtree(run, ignore_errors=True)


def main():
    plain = sys.argv[3:] == ["--plain"]
    if len(sys.argv) not in (3, 4) or sys.argv[1] not in ("start", "stop") or (len(sys.argv) == 4 and not plain):
        sys.exit(__doc__)
    run = os.path.abspath(sys.argv[2])
    if sys.argv[1] == "start":
        start(run, plain)
    else:
        stop(run)


if __name__ == "__main__":
    main()
