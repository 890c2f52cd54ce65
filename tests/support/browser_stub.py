#!/usr/bin/python3
"""Stands in for the system browser ($BROWSER) in the sign-in tests.

    browser_stub.py URL

Follows an authorization URL the way a user who agrees would: asks the authorization server,
then calls the loopback redirect it answers with. $PINTORA_BROWSER_STUB chooses the user:
follow (default), wrong-state (the redirect's state is replaced), deny (the user refuses:
error=access_denied), ignore (nothing happens). The text of the page the program answers is
written to $PINTORA_BROWSER_PAGE when set.
"""

import http.client
import os
import sys
import urllib.parse


def get(url, timeout=10):
    parts = urllib.parse.urlsplit(url)
    connection = http.client.HTTPConnection(parts.hostname, parts.port, timeout=timeout)
    connection.request("GET", parts.path + ("?" + parts.query if parts.query else ""))
    answer = connection.getresponse()
    return answer.status, answer.getheader("Location"), answer.read().decode("utf-8", "replace")


def main():
    url = sys.argv[1]
    mode = os.environ.get("PINTORA_BROWSER_STUB", "follow")
    if mode == "ignore":
        return
    query = dict(urllib.parse.parse_qsl(urllib.parse.urlsplit(url).query))
    redirect = query["redirect_uri"]
    if mode == "deny":
        target = redirect + "?" + urllib.parse.urlencode(
            dict(error="access_denied", state=query.get("state", ""),
                 error_description=os.environ.get("PINTORA_BROWSER_ERROR_DESCRIPTION", "The user declined.")))
    else:
        status, target, _ = get(url)
        if status != 302 or not target:
            sys.exit("no redirect from the authorization server")
        if mode == "wrong-state":
            parts = urllib.parse.urlsplit(target)
            fields = dict(urllib.parse.parse_qsl(parts.query))
            fields["state"] = "forged-" + fields.get("state", "")[:4]
            target = urllib.parse.urlunsplit(parts._replace(query=urllib.parse.urlencode(fields)))
    # Browsers ask for an icon too; it must not count as the redirect.
    base = urllib.parse.urlsplit(target)
    get(urllib.parse.urlunsplit(base._replace(path="/favicon.ico", query="")))
    _, _, page = get(target)
    if os.environ.get("PINTORA_BROWSER_PAGE"):
        # Whole or not at all: tests wait for the file to appear, then read it.
        target = os.environ["PINTORA_BROWSER_PAGE"]
        with open(target + ".part", "w") as f:
            f.write(page)
        os.replace(target + ".part", target)


if __name__ == "__main__":
    main()
