#!/usr/bin/env python3
"""Writes the Japanese sample set for the junk filter's accuracy run: good and
junk mails from templates.py with their slots filled at random (fixed seed), in
ISO-2022-JP, Shift_JIS and UTF-8, some with half-width kana, as .eml files.

Usage: make_japanese.py OUTDIR [mails of each kind]   (default 300)
"""
import base64
import os
import random
import re
import sys
import unicodedata
from email.header import Header

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from templates import HAM, SLOTS, SPAM, HAM_SENDERS, SPAM_SENDERS  # noqa: E402

CHARSETS = ["ISO-2022-JP", "Shift_JIS", "UTF-8"]
TLDS = ["example", "example.xyz", "example.top", "example.cn", "example.info"]
BANK_LIKE = ["minami-bank", "hikari", "sakura-card", "kotobuki", "amaz0n", "rakuten-pay", "smbc-direct"]


def fill(text, rng):
    def one(match):
        name = match.group(1)
        if name == "tld":
            return rng.choice(TLDS)
        if name == "bank_like":
            return rng.choice(BANK_LIKE)
        if name == "code":
            return "".join(rng.choice("abcdefghijkmnpqrstuvwxyz23456789") for _ in range(rng.randint(4, 8)))
        if name == "num":
            return str(rng.randint(1, 254))
        if name == "girl_en":
            return rng.choice(["miyu", "ayaka", "nana", "risa"])
        return fill(rng.choice(SLOTS[name]), rng)
    return re.sub(r"\{(\w+)\}", one, text)


def encodable(text, charset):
    if charset == "ISO-2022-JP":
        # No half-width kana there: mailers send them full-width.
        text = "".join(unicodedata.normalize("NFKC", c) if "\uff61" <= c <= "\uff9f" else c for c in text)
        text = unicodedata.normalize("NFC", text)
    return text


def codec(charset):
    return {"ISO-2022-JP": "iso2022_jp", "Shift_JIS": "cp932", "UTF-8": "utf-8"}[charset]


def encoded_word(text, charset):
    data = encodable(text, charset).encode(codec(charset))
    return "=?%s?B?%s?=" % (charset, base64.b64encode(data).decode("ascii"))


def mail(kind, n, rng):
    subject_template, body_template = rng.choice(HAM if kind == "ham" else SPAM)
    charset = rng.choice(CHARSETS)
    subject = fill(subject_template, rng)
    body = fill(body_template, rng)
    if rng.random() < 0.3:  # an extra paragraph, so no two mails are alike
        body += "\n\n" + fill(rng.choice(HAM if kind == "ham" and rng.random() < 0.8 else SPAM)[1], rng).split("\n")[0]
    sender = fill(rng.choice(HAM_SENDERS if kind == "ham" else SPAM_SENDERS), rng)
    name = fill("{sender_name}", rng) if kind == "ham" else fill(rng.choice(["{bank}", "{shop}", "{card}", "事務局", "{girl}"]), rng)
    body = encodable(body, charset).replace("\n", "\r\n") + "\r\n"
    data = body.encode(codec(charset))
    if charset == "UTF-8" and rng.random() < 0.5:
        transfer, payload = "base64", base64.encodebytes(data).replace(b"\n", b"\r\n")
    else:
        transfer, payload = ("7bit" if charset == "ISO-2022-JP" else "8bit"), data
    domain = sender.split("@")[1]
    head = (
        "Return-Path: <%s>\r\n" % sender
        + "Received: from mx.example.ne.jp (mx.example.ne.jp [192.0.2.25]) by pop.example.ne.jp\r\n"
        + "From: %s <%s>\r\n" % (encoded_word(name, charset), sender)
        + "To: me@example.ne.jp\r\n"
        + "Subject: %s\r\n" % encoded_word(subject, charset)
        + "Date: Tue, %02d Dec 2026 %02d:%02d:00 +0900\r\n" % (1 + n % 28, n % 24, n % 60)
        + "Message-ID: <%d.%d@%s>\r\n" % (n, rng.randint(1000, 99999), domain)
        + "MIME-Version: 1.0\r\n"
        + "Content-Type: text/plain; charset=%s\r\n" % charset
        + "Content-Transfer-Encoding: %s\r\n\r\n" % transfer
    )
    return head.encode("ascii") + payload


def main():
    out = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 300
    os.makedirs(out, exist_ok=True)
    rng = random.Random(37)
    for kind in ("ham", "spam"):
        for n in range(count):
            with open(os.path.join(out, "%s-%04d.eml" % (kind, n)), "wb") as f:
                f.write(mail(kind, n, rng))


if __name__ == "__main__":
    main()
