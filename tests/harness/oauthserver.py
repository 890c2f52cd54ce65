#!/usr/bin/python3
"""A small OAuth 2.0 authorization server on loopback for the tests (stdlib only).

    oauthserver.py HOST PORT

Clients whose ID starts with "pintora-test" are known; "pintora-test-secret" must also send the
client secret "s3cret". Endpoints:

  GET  /authorize    authorization code with PKCE (S256 only): redirects to redirect_uri with
                     code and state; the user is login_hint (or "user"). Bad requests redirect
                     with error=invalid_request, unknown clients get a page and no redirect.
  POST /token        grant_type authorization_code (checks client, redirect_uri and the PKCE
                     verifier), refresh_token, and the device code grant.
  POST /device       device authorization: device_code, user_code, verification_uri.
  GET  /device/approve?user_code=..&user=..   what the user does in the browser of another machine.
  POST /revoke       revokes a refresh token and every access token made from it.
  *    /introspect   token introspection; the token as form field, query field or Bearer header; Dovecot
                     and the SMTP server ask here.
  POST /control      JSON {"user": u, "expires_in": s} sets the access token lifetime of that
                     user's next tokens; {"user": u, "revoke": true} revokes everything of u.
  GET  /stats?user=u JSON counts of the grants of u.
"""

import base64
import hashlib
import json
import secrets
import sys
import threading
import time
import urllib.parse
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

CLIENT_PREFIX = "pintora-test"
SECRET_CLIENT = "pintora-test-secret"
CLIENT_SECRET = "s3cret"
DEFAULT_EXPIRY = 3600

lock = threading.Lock()
codes = {}        # code -> dict(client, redirect, challenge, user, scope)
access = {}       # token -> dict(user, exp, refresh)
refresh = {}      # token -> dict(user, client, scope, revoked)
devices = {}      # device_code -> dict(user_code, client, scope, user, exp)
expiry = {}       # user -> seconds
stats = {}        # user -> {grant: count}


def count(user, what):
    stats.setdefault(user, {}).setdefault(what, 0)
    stats[user][what] += 1


def b64url(data):
    return base64.urlsafe_b64encode(data).rstrip(b"=").decode()


def issue(user, client, scope, refresh_token=None):
    token = "at-" + secrets.token_urlsafe(24)
    lifetime = expiry.get(user, DEFAULT_EXPIRY)
    if refresh_token is None:
        refresh_token = "rt-" + secrets.token_urlsafe(24)
        refresh[refresh_token] = dict(user=user, client=client, scope=scope, revoked=False)
    access[token] = dict(user=user, exp=time.time() + lifetime, refresh=refresh_token)
    return dict(access_token=token, token_type="Bearer", expires_in=lifetime,
                refresh_token=refresh_token, scope=scope)


def client_ok(fields):
    client = fields.get("client_id", "")
    if not client.startswith(CLIENT_PREFIX):
        return False
    if client == SECRET_CLIENT and fields.get("client_secret") != CLIENT_SECRET:
        return False
    return True


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def reply(self, code, body, content_type="application/json", headers=()):
        data = body.encode() if isinstance(body, str) else body
        self.send_response(code)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(data)))
        self.send_header("Cache-Control", "no-store")
        for name, value in headers:
            self.send_header(name, value)
        self.end_headers()
        self.wfile.write(data)

    def json(self, code, obj):
        self.reply(code, json.dumps(obj))

    def form(self):
        length = int(self.headers.get("Content-Length") or 0)
        body = self.rfile.read(length).decode() if length else ""
        return body, {k: v[0] for k, v in urllib.parse.parse_qs(body).items()}

    def do_GET(self):
        url = urllib.parse.urlsplit(self.path)
        query = {k: v[0] for k, v in urllib.parse.parse_qs(url.query).items()}
        if url.path == "/authorize":
            return self.authorize(query)
        if url.path == "/device/approve":
            with lock:
                for device in devices.values():
                    if device["user_code"] == query.get("user_code"):
                        device["user"] = query.get("user", "user")
                        return self.reply(200, "approved", "text/plain")
            return self.reply(404, "no such code", "text/plain")
        if url.path == "/introspect":
            return self.introspect(query)
        if url.path == "/stats":
            with lock:
                return self.json(200, stats.get(query.get("user", ""), {}))
        self.reply(404, "not found", "text/plain")

    def do_POST(self):
        url = urllib.parse.urlsplit(self.path)
        body, fields = self.form()
        if url.path == "/token":
            return self.token(fields)
        if url.path == "/device":
            return self.device(fields)
        if url.path == "/revoke":
            with lock:
                entry = refresh.get(fields.get("token", ""))
                if entry:
                    entry["revoked"] = True
            return self.reply(200, "", "text/plain")
        if url.path == "/introspect":
            return self.introspect(fields)
        if url.path == "/control":
            return self.control(json.loads(body or "{}"))
        self.reply(404, "not found", "text/plain")

    def authorize(self, query):
        redirect = query.get("redirect_uri", "")
        if not client_ok(dict(client_id=query.get("client_id", ""), client_secret=CLIENT_SECRET)) \
                or not redirect.startswith("http://127.0.0.1:"):
            return self.reply(400, "unknown client or redirect", "text/plain")
        state = query.get("state", "")
        if query.get("response_type") != "code" or query.get("code_challenge_method") != "S256" \
                or len(query.get("code_challenge", "")) != 43:
            target = redirect + "?" + urllib.parse.urlencode(
                dict(error="invalid_request", error_description="PKCE S256 required", state=state))
            return self.reply(302, "", "text/plain", [("Location", target)])
        code = "code-" + secrets.token_urlsafe(16)
        user = query.get("login_hint") or "user"
        with lock:
            codes[code] = dict(client=query["client_id"], redirect=redirect, user=user,
                               challenge=query["code_challenge"], scope=query.get("scope", ""))
        target = redirect + ("&" if "?" in redirect else "?") + urllib.parse.urlencode(
            dict(code=code, state=state))
        self.reply(302, "", "text/plain", [("Location", target)])

    def token(self, fields):
        if not client_ok(fields):
            return self.json(401, dict(error="invalid_client"))
        grant = fields.get("grant_type")
        with lock:
            if grant == "authorization_code":
                entry = codes.pop(fields.get("code", ""), None)
                if not entry or entry["client"] != fields["client_id"] \
                        or entry["redirect"] != fields.get("redirect_uri"):
                    return self.json(400, dict(error="invalid_grant"))
                verifier = fields.get("code_verifier", "")
                if b64url(hashlib.sha256(verifier.encode()).digest()) != entry["challenge"]:
                    return self.json(400, dict(error="invalid_grant",
                                               error_description="PKCE verification failed"))
                count(entry["user"], "authorization_code")
                return self.json(200, issue(entry["user"], entry["client"], entry["scope"]))
            if grant == "refresh_token":
                token = fields.get("refresh_token", "")
                entry = refresh.get(token)
                if not entry or entry["revoked"] or entry["client"] != fields["client_id"]:
                    return self.json(400, dict(error="invalid_grant",
                                               error_description="refresh token revoked"))
                count(entry["user"], "refresh_token")
                return self.json(200, issue(entry["user"], entry["client"], entry["scope"], token))
            if grant == "urn:ietf:params:oauth:grant-type:device_code":
                device = devices.get(fields.get("device_code", ""))
                if not device or device["client"] != fields["client_id"]:
                    return self.json(400, dict(error="invalid_grant"))
                if time.time() > device["exp"]:
                    return self.json(400, dict(error="expired_token"))
                if not device["user"]:
                    return self.json(400, dict(error="authorization_pending"))
                devices.pop(fields["device_code"])
                count(device["user"], "device_code")
                return self.json(200, issue(device["user"], device["client"], device["scope"]))
        self.json(400, dict(error="unsupported_grant_type"))

    def device(self, fields):
        if not client_ok(fields):
            return self.json(401, dict(error="invalid_client"))
        code = "dc-" + secrets.token_urlsafe(16)
        user_code = "%04d-%04d" % (secrets.randbelow(10000), secrets.randbelow(10000))
        host, port = self.server.server_address[:2]
        with lock:
            devices[code] = dict(user_code=user_code, client=fields["client_id"],
                                 scope=fields.get("scope", ""), user=None, exp=time.time() + 600)
        self.json(200, dict(device_code=code, user_code=user_code,
                            verification_uri="http://%s:%d/device/approve" % (host, port),
                            expires_in=600, interval=1))

    def introspect(self, fields):
        header = self.headers.get("Authorization", "")
        token = header[7:] if header.lower().startswith("bearer ") else fields.get("token", "")
        with lock:
            entry = access.get(token)
            valid = entry and entry["exp"] > time.time() and not refresh[entry["refresh"]]["revoked"]
            if not valid:
                return self.json(200, dict(active=False))
            self.json(200, dict(active=True, username=entry["user"], exp=int(entry["exp"]),
                                scope=refresh[entry["refresh"]]["scope"]))

    def control(self, obj):
        user = obj.get("user", "")
        with lock:
            if "expires_in" in obj:
                expiry[user] = int(obj["expires_in"])
            if obj.get("revoke"):
                for entry in refresh.values():
                    if entry["user"] == user:
                        entry["revoked"] = True
        self.json(200, dict(ok=True))


def main():
    host, port = sys.argv[1], int(sys.argv[2])
    server = ThreadingHTTPServer((host, port), Handler)
    server.daemon_threads = True
    server.serve_forever()


if __name__ == "__main__":
    main()
