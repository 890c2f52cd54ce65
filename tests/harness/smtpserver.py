#!/usr/bin/python3
"""The harness's SMTP server: delivers every accepted mail into RUN/mail/<local part>/Maildir/new.

    smtpserver.py RUN HOST SMTP_PORT SUBMISSION_PORT SMTPS_PORT PASSWORD [--plain | --oauth URL]

SMTP_PORT offers STARTTLS; SUBMISSION_PORT offers STARTTLS and AUTH PLAIN/LOGIN once under TLS;
SMTPS_PORT is implicit TLS with AUTH. Any login with PASSWORD is accepted. A recipient whose
local part starts with "reject550" is refused with 550, one starting with "tempfail451" with 451,
so clients can be tested on both kinds of failure. Every accepted mail adds a line to
RUN/tls-sessions.log: its first recipient and "full", "resumed" or "plain" for its TLS session. With --plain nothing speaks TLS and SMTPS_PORT
stays closed; AUTH is then offered in the clear (loopback only). With --oauth, AUTH XOAUTH2 and
OAUTHBEARER are offered too, the bearer token checked at the introspection URL; a
refused token gets the JSON error challenge, and the client's empty answer then a 535.
"""

import asyncio
import base64
import itertools
import json
import os
import signal
import ssl
import sys
import threading
import time
import urllib.parse
import urllib.request

from aiosmtpd.controller import Controller
from aiosmtpd.smtp import MISSING, AuthResult

RUN, HOST = sys.argv[1], sys.argv[2]
SMTP_PORT, SUBMISSION_PORT, SMTPS_PORT = (int(p) for p in sys.argv[3:6])
PASSWORD = sys.argv[6]
PLAIN = sys.argv[7:] == ["--plain"]
OAUTH = sys.argv[8] if sys.argv[7:8] == ["--oauth"] else None
_counter = itertools.count()
_lock = threading.Lock()


def deliver(user, content):
    maildir = os.path.join(RUN, "mail", user, "Maildir")
    for sub in ("tmp", "new", "cur"):
        os.makedirs(os.path.join(maildir, sub), exist_ok=True)
    with _lock:
        # Dovecot numbers new mails in the order their names sort.
        name = "%020d.%08d.pintora" % (time.time_ns(), next(_counter))
    tmp = os.path.join(maildir, "tmp", name)
    with open(tmp, "wb") as f:
        f.write(content)
        f.flush()
        os.fsync(f.fileno())
    os.rename(tmp, os.path.join(maildir, "new", name))


def note_tls_session(server, envelope):
    """One line per mail in RUN/tls-sessions.log: the first recipient and whether its TLS session was resumed."""
    tls = server.transport.get_extra_info("ssl_object") if server.transport else None
    if tls is None and server.session.ssl:
        tls = server.session.ssl.get("ssl_object")
    state = "plain" if tls is None else ("resumed" if tls.session_reused else "full")
    with _lock, open(os.path.join(RUN, "tls-sessions.log"), "a") as f:
        f.write("%s %s\n" % (envelope.rcpt_tos[0] if envelope.rcpt_tos else "-", state))


class Handler:
    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        local = address.split("@", 1)[0]
        if local.startswith("reject550"):
            return "550 5.1.1 <%s>: Recipient address rejected: User unknown" % address
        if local.startswith("tempfail451"):
            return "451 4.3.0 <%s>: Temporary lookup failure, try again later" % address
        envelope.rcpt_tos.append(address)
        return "250 2.1.5 OK"

    async def handle_DATA(self, server, session, envelope):
        content = envelope.original_content or envelope.content
        note_tls_session(server, envelope)
        for rcpt in envelope.rcpt_tos:
            deliver(rcpt.split("@", 1)[0], content)
        return "250 2.0.0 OK: queued"


def introspect(token):
    data = urllib.parse.urlencode(dict(token=token)).encode()
    try:
        with urllib.request.urlopen(OAUTH, data, timeout=10) as answer:
            info = json.load(answer)
    except OSError:
        return None
    return info.get("username") if info.get("active") else None


def parse_xoauth2(blob):
    # user=<name>^Aauth=Bearer <token>^A^A
    fields = dict(part.split("=", 1) for part in blob.split("\x01") if "=" in part)
    return fields.get("user"), fields.get("auth", "")


def parse_oauthbearer(blob):
    # n,a=<name>,^Ahost=..^Aport=..^Aauth=Bearer <token>^A^A
    head, _, rest = blob.partition("\x01")
    user = None
    for part in head.split(","):
        if part.startswith("a="):
            user = part[2:].replace("=2C", ",").replace("=3D", "=")
    fields = dict(part.split("=", 1) for part in rest.split("\x01") if "=" in part)
    return user, fields.get("auth", "")


class OAuthHandler(Handler):
    async def oauth(self, server, args, parse):
        if len(args) == 2:
            try:
                blob = base64.b64decode(args[1], validate=True)
            except ValueError:
                await server.push("501 5.5.2 Can't decode base64")
                return AuthResult(success=False, handled=True)
        else:
            blob = await server.challenge_auth("")
            if blob is MISSING:
                return AuthResult(success=False, handled=True)
        user, auth = parse(blob.decode("utf-8", "replace"))
        token = auth[7:] if auth.lower().startswith("bearer ") else ""
        owner = await asyncio.get_running_loop().run_in_executor(None, introspect, token) if token else None
        if user and owner == user:
            return AuthResult(success=True, auth_data=user)
        error = json.dumps(dict(status="invalid_token", schemes="bearer", scope="mail"))
        answer = await server.challenge_auth(error)
        if answer is MISSING:
            return AuthResult(success=False, handled=True)
        return AuthResult(success=False, handled=False, message="535 5.7.8 Authentication credentials invalid")

    async def auth_XOAUTH2(self, server, args):
        return await self.oauth(server, args, parse_xoauth2)

    async def auth_OAUTHBEARER(self, server, args):
        return await self.oauth(server, args, parse_oauthbearer)


def authenticator(server, session, envelope, mechanism, auth_data):
    password = getattr(auth_data, "password", b"")
    if isinstance(password, str):
        password = password.encode()
    # Not handled: the server itself must answer a failed login with 535.
    return AuthResult(success=password == PASSWORD.encode(), handled=False)


def main():
    cert, key = os.path.join(RUN, "cert.pem"), os.path.join(RUN, "key.pem")
    tls = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
    tls.load_cert_chain(cert, key)
    handler = OAuthHandler() if OAUTH else Handler()
    common = dict(decode_data=False, enable_SMTPUTF8=True, data_size_limit=64 * 1024 * 1024)
    if PLAIN:
        controllers = [
            Controller(handler, hostname=HOST, port=SMTP_PORT, auth_require_tls=False,
                       authenticator=authenticator, **common),
            Controller(handler, hostname=HOST, port=SUBMISSION_PORT, auth_require_tls=False,
                       auth_required=True, authenticator=authenticator, **common),
        ]
    else:
        controllers = [
            Controller(handler, hostname=HOST, port=SMTP_PORT, tls_context=tls,
                       auth_require_tls=True, authenticator=authenticator, **common),
            Controller(handler, hostname=HOST, port=SUBMISSION_PORT, tls_context=tls,
                       auth_require_tls=True, auth_required=True, authenticator=authenticator,
                       **common),
            Controller(handler, hostname=HOST, port=SMTPS_PORT, ssl_context=tls,
                       auth_require_tls=False, authenticator=authenticator, **common),
        ]
    for c in controllers:
        c.start()
    done = threading.Event()
    signal.signal(signal.SIGTERM, lambda *_: done.set())
    signal.signal(signal.SIGINT, lambda *_: done.set())
    done.wait()
    for c in controllers:
        c.stop()


if __name__ == "__main__":
    main()
