#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Ka ludnik team
# SPDX-License-Identifier: MIT
"""The program as a screen reader sees it, through the accessibility bus (AT-SPI).

usage: atspi.py press <pid> <name> <seconds>        press the push button named <name>
       atspi.py showing <pid> <name> <seconds>      wait until something named <name> shows
       atspi.py description <pid> <name> <seconds>  print the description of the text named
                                                    <name>
       atspi.py count <pid> <name> <seconds>        print how many things named <name> show,
                                                    once one does
       atspi.py focused <pid> <name> <seconds>      wait until what is named <name> has the
                                                    keyboard focus
Each waits up to <seconds> for the program to offer what it asks for; exit status 0 on success.
"""
import sys
import time

import pyatspi
from gi.repository import GLib

command, pid, name, seconds = sys.argv[1], int(sys.argv[2]), sys.argv[3], float(sys.argv[4])


def find(test, every=False):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            if every:
                return pyatspi.findAllDescendants(app, test) or None
            return pyatspi.findDescendant(app, test)
    return None


def showing(acc):
    return acc.name == name and acc.getState().contains(pyatspi.STATE_SHOWING)


def focused(acc):
    return acc.name == name and acc.getState().contains(pyatspi.STATE_FOCUSED)


def text(acc):
    return acc.name == name and acc.getRole() == pyatspi.ROLE_LABEL


def pressable(acc):
    return (acc.name == name and acc.getRole() == pyatspi.ROLE_PUSH_BUTTON
            and acc.getState().contains(pyatspi.STATE_ENABLED))


def press(button):
    action = button.queryAction()
    index = [action.getName(i) for i in range(action.nActions)].index("Press")
    # A command that opens a modal window answers only when that window closes: the press
    # is delivered once the call is sent, so a late answer is no failure.
    pyatspi.setTimeout(1000, 1000)
    try:
        action.doAction(index)
    except GLib.Error as error:
        if "Did not receive a reply" not in str(error):
            raise
    return True


deadline = time.monotonic() + seconds
while True:  # at least one look, even with no time to wait
    try:
        test = {"showing": showing, "count": showing, "focused": focused, "press": pressable,
                "description": text}[command]
        found = find(test, every=command == "count")
        if found is not None and command in ("description", "count"):
            print(found.description if command == "description" else len(found))
            sys.exit(0)
        if found is not None and (command in ("showing", "focused") or press(found)):
            sys.exit(0)
    except GLib.Error:
        pass  # the program is still joining the bus, or its tree changed under the search
    if time.monotonic() >= deadline:
        break
    time.sleep(0.1)
print(f"atspi.py {command}: nothing named {name!r} within {seconds} s", file=sys.stderr)
sys.exit(1)
