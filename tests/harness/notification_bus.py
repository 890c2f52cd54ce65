#!/usr/bin/python3
"""Runs a command beside a recording notification service on the session bus.

Meant to run inside `dbus-run-session`, which gives the command a bus of its
own and ends it afterwards. The service is python3-dbusmock's notification
daemon template; the command reads what it was sent through the mock's
org.freedesktop.DBus.Mock interface (GetCalls, ClearCalls, EmitSignal).
"""
import os
import subprocess
import sys
import time

import dbus

NAME = 'org.freedesktop.Notifications'


def main():
    if len(sys.argv) < 2:
        sys.exit('usage: notification_bus.py COMMAND [ARG...]')
    mock = subprocess.Popen(['/usr/bin/python3', '-m', 'dbusmock', '--session', '-t', 'notification_daemon'],
                            stdout=subprocess.DEVNULL)
    try:
        bus = dbus.SessionBus()
        deadline = time.monotonic() + 20
        while not bus.name_has_owner(NAME):
            if mock.poll() is not None or time.monotonic() > deadline:
                sys.exit('the notification mock did not come up')
            time.sleep(0.05)
        return subprocess.call(sys.argv[1:])
    finally:
        # Only the process started here, by its own id.
        mock.terminate()
        try:
            mock.wait(5)
        except subprocess.TimeoutExpired:
            mock.kill()
            mock.wait()


if __name__ == '__main__':
    sys.exit(main())
