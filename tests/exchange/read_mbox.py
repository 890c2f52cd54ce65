#!/usr/bin/python3
"""Reads an mbox file with Python's own mailbox and email packages and prints,
as JSON, what another mail program sees of every message: an independent
check on the mbox files Pintora writes."""
import base64
import email
import json
import mailbox
import re
import sys
from email import policy


def main():
    box = mailbox.mbox(sys.argv[1], create=False)
    out = []
    for key in box.keys():
        raw = box.get_bytes(key)
        # Python leaves the mboxrd quoting in place; undo it as an mboxrd reader does.
        raw = re.sub(rb'(?m)^>(>*From )', rb'\1', raw)
        msg = email.message_from_bytes(raw, policy=policy.default)
        body = msg.get_body(preferencelist=('plain',))
        out.append({
            'separator': box.get_message(key).get_from(),
            'subject': None if msg['subject'] is None else str(msg['subject']),
            'from': None if msg['from'] is None else str(msg['from']),
            'to': None if msg['to'] is None else str(msg['to']),
            'date': None if msg['date'] is None or msg['date'].datetime is None
                    else msg['date'].datetime.isoformat(),
            'messageId': msg['message-id'],
            'body': None if body is None else body.get_content().replace('\r\n', '\n'),
            'defects': [type(d).__name__ for d in msg.defects],
            'raw': base64.b64encode(raw).decode('ascii'),
        })
    json.dump(out, sys.stdout)


if __name__ == '__main__':
    main()
