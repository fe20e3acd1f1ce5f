#!/usr/bin/python3
"""Listens on the accessibility bus the way a screen reader does and writes one
line per event that would make it speak an alert:
    <event type>\t<source role>\t<source name>\t<seconds since start>
A state change's type ends in "=1" when the state was set, "=0" when cleared.
Lines go to the file given as argument 1 (stdout otherwise), flushed at once,
so the caller can read them while the app runs. The line "ready" comes first,
once the listener is registered: an app started later sees the subscription.
Stop it with SIGTERM.
"""
import sys
import time

import pyatspi

# What a screen reader subscribes to for things that appear by themselves.
# object:announcement is newer than some AT-SPI versions; registering it there
# is harmless.
EVENTS = [
    "object:state-changed:showing",
    "object:announcement",
    "object:children-changed",
    "object:property-change:accessible-name",
    "window:activate",
]

started = time.monotonic()
# Roles a screen reader reads out by themselves when they show.
SPOKEN_ROLES = (pyatspi.ROLE_ALERT, pyatspi.ROLE_NOTIFICATION)

out = open(sys.argv[1], "w", buffering=1) if len(sys.argv) > 1 else sys.stdout


def describe(source):
    try:
        return source.getRole(), source.getRoleName(), source.name or ""
    except Exception:  # the object may be gone by the time we ask
        return None, "?", "?"


def on_event(event):
    role, role_name, name = describe(event.source)
    showing = event.type.startswith("object:state-changed:showing") and event.detail1 == 1
    announced = event.type.startswith("object:announcement")
    if showing or announced or role in SPOKEN_ROLES:
        text = name
        if announced and event.any_data:
            text = f"{name} | {event.any_data}"
        kind = event.type
        if kind.startswith("object:state-changed:"):
            kind += f"={event.detail1}"
        out.write(f"{kind}\t{role_name}\t{text}\t{time.monotonic() - started:.1f}\n")


pyatspi.Registry.registerEventListener(on_event, *EVENTS)
out.write("ready\n")
pyatspi.Registry.start()
