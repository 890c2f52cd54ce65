#!/usr/bin/python3
"""Reads one mail from stdin with Python's own email package and prints what a
reader sees as JSON: an independent check on the messages Pintora writes."""
import base64
import email
import json
import sys
from email import policy
from email.header import decode_header, make_header


def addresses(msg, name):
    header = msg[name]
    if header is None:
        return None
    return [[a.display_name, a.addr_spec] for a in header.addresses]


def main():
    raw = sys.stdin.buffer.read()
    msg = email.message_from_bytes(raw, policy=policy.default)
    out = {
        'defects': [type(d).__name__ for d in msg.defects],
        'headers': list(msg.keys()),
        'subject': None if msg['subject'] is None else str(msg['subject']),
        'from': addresses(msg, 'from'),
        'to': addresses(msg, 'to'),
        'cc': addresses(msg, 'cc'),
        'date': None if msg['date'] is None else msg['date'].datetime.isoformat(),
        'messageId': msg['message-id'],
        'mimeVersion': msg['mime-version'],
    }
    body = msg.get_body(preferencelist=('plain',))
    if body is not None:
        out['body'] = body.get_content().replace('\r\n', '\n')
        out['bodyCharset'] = body.get_content_charset()
        out['bodyEncoding'] = str(body['content-transfer-encoding'])
    out['attachments'] = []
    for part in msg.iter_attachments():
        name = part.get_param('name')
        out['attachments'].append({
            'filename': part.get_filename(),
            'name': None if name is None else str(make_header(decode_header(str(name)))),
            'type': part.get_content_type(),
            'charset': part.get_param('charset'),
            'encoding': str(part['content-transfer-encoding']),
            'data': base64.b64encode(part.get_payload(decode=True)).decode('ascii'),
        })
    # Every header line of the whole message, to check folding and injection.
    out['longestLine'] = max(len(line) for line in raw.split(b'\r\n'))
    json.dump(out, sys.stdout)


if __name__ == '__main__':
    main()
