#!/usr/bin/env python3
"""Writes the starting inputs of the fuzzers under fuzz/seeds/<target>/: records,
INI and id files, journals, protocol transcripts and provider answers in the
shapes the test suite and the servers it runs use. Run once; findings are added
beside them by hand."""
import os
import shutil
import sys

root = os.path.dirname(os.path.abspath(__file__))
repo = os.path.dirname(root)


def put(target, name, data):
    folder = os.path.join(root, "seeds", target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data if isinstance(data, bytes) else data.encode("utf-8"))


def cp932(text, width):
    raw = text.encode("cp932")[:width]
    return raw + b" " * (width - len(raw))


def history(subject, date, who, body, live=1):
    return (cp932(subject, 100) + cp932(date, 90) + cp932(who, 90) + cp932(body, 32000)
            + b"\r\n" + live.to_bytes(2, "little", signed=True))


def address(name, mail, live=1):
    return cp932(name, 90) + b"\r\n" + live.to_bytes(2, "little", signed=True) + cp932(mail, 90)


# Records: history heads and whole records, address books of a few people.
put("record", "history_head", history("会議の件", "2026/12/07 08:30", "tanaka@example.jp", "")[:280])
put("record", "history_whole", history("会議の件", "Mon, 7 Dec 2026 08:30:00 +0900", "田中 <tanaka@example.jp>",
                                       "本日の会議は\r\n１０時からです。\r\n"))
put("record", "address_book", address("田中太郎", "tanaka@example.jp") + address("", "名刺<suzuki@example.jp>", 0)
    + address("ｶﾅ", "kana@example.jp"))
put("record", "address_torn", address("佐藤", "sato@example.jp") + b"\x82\xa0\x82")

# INI files: the account file, tolvar.ini, ServerTrust.ini and the address list file.
put("ini", "account", b"\x00[EXEINI]\r\nNAME=user@example.jp\r\nNAME2=secret\r\nNAME3=1\r\nNAME4=oauth2:google\r\n")
put("ini", "tolvar", b"\x03# comment\r\nSMTP=smtp.example.jp\r\nPOP3=pop.example.jp\r\nMAIL=me@example.jp\r\nAPOP=1\r\n"
    b"CHECKMIN=15\r\nKEEP=1\r\nKEEPDAYS=30\r\nKEEPSYNC=1\r\n")
put("ini", "tolvar_loose", b"\x01SMTP=a\nPOP3=b\rMAIL=c\r\nAPOP=1")
put("ini", "server_trust", b"\x05[pop.example.jp:995]\r\nsha256=" + b"ab" * 32
    + b"\r\npem=TUlJQg==\r\ntls=1\r\nplaintext=0\r\n[smtp.example.jp:587]\r\ntls=1\r\nplaintext=1\r\n")
put("ini", "quoted_cp932", b"\x07[Section]\r\nKey = \"\x82\xa0\x82\xa2\"\r\n[other]\r\nkey='x'\r\n\r\n;c\r\n")

# Id files and receive journals ("@SUM1@" stands for the first record's digest).
put("ids", "ids_whole", b"#ids 3\nUID-1 t=1796000000 h=" + b"0123456789abcdef" + b"\nUID-2 kept t=5\n<id.3@x>\n")
put("ids", "ids_old", b"000001\r\n000002\r\n")
put("ids", "ids_cut", b"#ids 4\nA\nB\nC")
put("ids", "journal", b"S 0 %E2%98%85MAilData/uidl-0123456789abcdef.txt\nP 1 %E6%B7%BB/a.bin\n"
    b"R 1 0 @SUM1@ UID-1 0\nR 2 32284 @SUM2@ - 1\n")
put("ids", "journal_outside", b"S 0 outside.txt\nR 1 0 @SUM1@ UID-1 0\nP 2 outside.txt /etc/hostname\n")

# POP3 transcripts: the first byte picks the sign-in (1: token, 2: APOP, 4: TOP, 8: DELE).
greeting = b"+OK Dovecot ready. <1896.697170952@dbc.mtview.ca.us>\r\n"
capa = b"+OK\r\nCAPA\r\nTOP\r\nUIDL\r\nRESP-CODES\r\nPIPELINING\r\nAUTH-RESP-CODE\r\nUSER\r\nSASL PLAIN XOAUTH2 OAUTHBEARER\r\n.\r\n"
mail = b"Subject: test\r\nFrom: a@example.jp\r\n\r\n..dot line\r\nbody\r\n.\r\n"
put("pop3", "plain", b"\x0c" + greeting + capa + b"+OK\r\n+OK Logged in.\r\n+OK 2 120\r\n"
    b"+OK\r\n1 UID-1\r\n2 UID-2\r\n.\r\n+OK\r\n1 60\r\n2 60\r\n.\r\n+OK\r\n" + mail + b"+OK 60 octets\r\n" + mail
    + b"+OK 60 octets\r\n" + mail + b"+OK\r\n+OK\r\n+OK Logging out.\r\n")
put("pop3", "apop", b"\x02" + greeting + b"-ERR unknown command\r\n+OK\r\n+OK 1 10\r\n-ERR no UIDL\r\n"
    b"+OK 1 10\r\n+OK\r\nx\r\n.\r\n+OK bye\r\n")
put("pop3", "token", b"\x01" + greeting + capa + b"+ eyJzdGF0dXMiOiJpbnZhbGlkX3Rva2VuIn0=\r\n-ERR [AUTH] failed\r\n")
put("pop3", "token_ok", b"\x01" + greeting + capa + b"+OK Logged in.\r\n+OK 1 5\r\n+OK\r\n1 a\r\n.\r\n+OK 1 5000000000\r\n"
    b"+OK\r\n.\r\n+OK\r\n")
put("pop3", "refused", b"\x00-ERR [SYS/TEMP] busy\r\n")
put("pop3", "stls", b"\x00+OK ready\r\n+OK\r\nSTLS\r\nUSER\r\n.\r\n+OK Begin TLS\r\n\x16\x03\x01\x00\x05hello")

# SMTP transcripts: the first byte picks a token sign-in (1).
put("smtp", "plain", b"\x00220 mail.example.jp ESMTP\r\n250-mail.example.jp\r\n250-PIPELINING\r\n250-SIZE 10240000\r\n"
    b"250-AUTH PLAIN LOGIN\r\n250 8BITMIME\r\n235 2.7.0 ok\r\n250 ok\r\n250 ok\r\n250 ok\r\n354 go\r\n250 queued\r\n221 bye\r\n")
put("smtp", "login", b"\x00220 x\r\n250-x\r\n250 AUTH LOGIN\r\n334 VXNlcm5hbWU6\r\n334 UGFzc3dvcmQ6\r\n235 ok\r\n"
    b"250 ok\r\n550 5.1.1 no such user\r\n")
put("smtp", "helo", b"\x00220 old\r\n502 what\r\n250 hi\r\n250 ok\r\n250 ok\r\n250 ok\r\n354 go\r\n552 too big\r\n")
put("smtp", "token", b"\x01220 x\r\n250-x\r\n250 AUTH XOAUTH2 OAUTHBEARER\r\n334 eyJzdGF0dXMiOiI0MDEifQ==\r\n535 5.7.8 no\r\n")
put("smtp", "starttls", b"\x00220 x\r\n250-x\r\n250 STARTTLS\r\n220 go ahead\r\n\x16\x03\x01")

# Provider files and token endpoint answers.
with open(os.path.join(repo, "data/oauth/oauth2.ini"), "rb") as f:
    put("oauth", "oauth2.ini", b"\x00" + f.read())
put("oauth", "token", b'\x00{"access_token":"ya29.a","refresh_token":"1//r","token_type":"Bearer","expires_in":3599}')
put("oauth", "token_error", b'\x01{"error":"invalid_grant","error_description":"Bad Request"}')
put("oauth", "device", b'\x00{"device_code":"d","user_code":"ABCD-EFGH","verification_url":"https://example.jp/device",'
    b'"interval":5,"expires_in":1800}')
put("oauth", "pending", b'\x01{"error":"authorization_pending"}')
put("oauth", "not_json", b"\x03<html>Bad gateway</html>")

# mailto links of the tests.
for i, link in enumerate([
        "mailto:tanaka@example.jp",
        "mailto:tanaka@example.jp?subject=%E4%BC%9A%E8%AD%B0%E3%81%AE%E4%BB%B6&body=a%0D%0Ab",
        "mailto:a@example.jp,b@example.jp?cc=c@example.jp&To=d@example.jp",
        "mailto:a@example.jp?bcc=spy@example.jp&attach=/home/u/.ssh/id_rsa&Attachment=file:///etc/passwd",
        "mailto:a@example.jp?subject=x%0D%0ABcc:%20b@example.jp",
        "mailto:a@example.jp?subject=%FF#frag"]):
    put("mailto", "link%d" % i, link)

# Import files of the tests.
for name in os.listdir(os.path.join(repo, "tests/data/exchange")):
    with open(os.path.join(repo, "tests/data/exchange", name), "rb") as f:
        put("exchange", name, f.read())

# Certificates: the test servers' own, in PEM (first byte odd) and DER.
for pem in sys.argv[1:]:
    with open(pem, "rb") as f:
        data = f.read()
    put("trust", os.path.basename(pem) + ".pem", b"\x01\xff" + data)

# Emoticon collections as shipped.
for name in os.listdir(os.path.join(repo, "data/emoticons")):
    with open(os.path.join(repo, "data/emoticons", name), "rb") as f:
        put("emoticon", name, f.read())

# Header texts: Japanese, mixed scripts, long and spaced.
for i, text in enumerate(["会議の件", "Re: 【重要】ｶﾀｶﾅ and ASCII ✉ 😀", "a" * 200 + "あ" * 60,
                          "=?utf-8?B?notreally?= \"quoted\" <x>", "tab\there  two  spaces", "①②Ⅲ㈱〜－"]):
    put("header", "text%d" % i, text)
