# Listens on the AT-SPI bus as a screen reader does while atspi_window.sh
# drives the window, and checks what a screen reader would get. The driver
# creates a file "<dir>/<label>" at each point to look at; the listener
# looks, then removes it. At "stop" it ends.
#
#   token    the token field is password text named "Enrollment token", and
#            asked for its text the ways a screen reader can, it tells no
#            character of the token
#   checking, saving
#            the focused busy indicator says what is under way, and is busy
#   enrolled, success, failure
#            the panel around the focused default button is named by its
#            headline and described by its text; the error details read the
#            whole failure message
#   form     after "Try Again" the token field has focus; the service URL
#            field is not described by its own value; the rule below the
#            heading is a separator
# Throughout: no event carried a piece of the token; the token field's text
# events carry only U+25CF, and none of them comes before its focus; the
# service URL field's carry its text; one object holds focus at a time.
#   atspi_listen.py <application name> <dir> <token piece>...
import os
import sys

import pyatspi
from gi.repository import GLib

app_name, folder, pieces = sys.argv[1], sys.argv[2], sys.argv[3:]
seen = []  # (event type, source role, source name, text)
failures = []
panels = {
    "enrolled": ("dialog", "This computer is already enrolled.",
                 "The agent has an active enrollment token. You can re-enroll with a new token if needed."),
    "success": ("dialog", "Configuration saved.",
                "The agent will enroll within ~30 seconds. You can close this window."),
    "failure": ("alert", "Configuration failed", "Configuration command failed:\nbad token"),
}


def on_event(event):
    try:
        role, name = event.source.getRoleName(), event.source.name
    except Exception:
        role, name = "?", "?"
    text = event.any_data if isinstance(event.any_data, str) else ""
    seen.append((event.type, role, name, text))


def walk(node, depth=0):
    if node is None or depth > 30:
        return
    yield node
    try:
        for child in node:
            yield from walk(child, depth + 1)
    except Exception:
        pass


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    return next((a for a in desktop if a is not None and a.name == app_name), None)


def has(node, state):
    return node.getState().contains(state)


def ask_token_field(app):
    field = next((n for n in walk(app) if n.getRoleName() == "password text"), None)
    if field is None:
        failures.append("token: no object with the role password text")
        return
    if field.name != "Enrollment token":
        failures.append("token: the password field is named %r" % field.name)
    text = field.queryText()
    answers = {
        "getText": text.getText(0, -1),
        "getTextAtOffset": text.getTextAtOffset(0, pyatspi.TEXT_BOUNDARY_CHAR)[0],
        "getTextAfterOffset": text.getTextAfterOffset(0, pyatspi.TEXT_BOUNDARY_WORD_START)[0],
        "getCharacterAtOffset": chr(text.getCharacterAtOffset(1) or 32),
    }
    for call, answer in answers.items():
        if any(c.isalnum() for c in answer):
            failures.append("token: %s gave %r" % (call, answer[:40]))
        seen.append(("call " + call, "password text", "", answer))


def look(label):
    app = application()
    if app is None:
        failures.append("%s: the application is not on the bus" % label)
        return
    if label == "token":
        ask_token_field(app)
        return
    nodes = list(walk(app))
    focused = [n for n in nodes if has(n, pyatspi.STATE_FOCUSED)]
    if len(focused) != 1:
        failures.append("%s: %d objects hold focus: %s" % (
            label, len(focused), [(n.getRoleName(), n.name) for n in focused]))
    if not focused:
        return
    chain, node = [], focused[0]
    while node is not None and node != app:
        chain.append((node.getRoleName(), node.name, node.description))
        node = node.parent
    busy = [n.getRoleName() for n in nodes if has(n, pyatspi.STATE_BUSY)]
    print("%s: busy %s, focus %s" % (label, busy, chain[0][:2]))
    if label in ("checking", "saving"):
        wanted = "Checking current configuration…" if label == "checking" else "Saving…"
        if chain[0][:2] != ("progress bar", wanted) or not has(focused[0], pyatspi.STATE_BUSY):
            failures.append("%s: focus is on %r, busy: %s" % (label, chain[0], busy))
    elif label in panels:
        if busy:
            failures.append("%s: still busy: %s" % (label, busy))
        details = next((n for n in nodes if n.name == "Error details"), None)
        if label == "failure" and (details is None or details.description != panels[label][2]):
            failures.append("failure: the error details do not read the whole message: %r" % (
                details and details.description))
        if panels[label] not in chain:
            failures.append("%s: no ancestor %r of the focus in %r" % (label, panels[label], chain))
    elif label == "form":
        if chain[0][:2] != ("password text", "Enrollment token"):
            failures.append("form: focus is on %r" % (chain[0],))
        url = next((n for n in nodes if n.name == "Cloud service URL" and n.getRoleName() == "text"), None)
        value = url.queryText().getText(0, -1) if url is not None else ""
        if url is None or not url.description or url.description == value:
            failures.append("form: the service URL field is described by %r, its value %r" % (
                url and url.description, value))
        if not any(n.getRoleName() == "separator" for n in nodes):
            failures.append("form: the rule below the heading is no separator")


def poll():
    for label in sorted(os.listdir(folder)):
        if label == "stop":
            pyatspi.Registry.stop()
            return False
        look(label)
        os.remove(os.path.join(folder, label))
    return True


pyatspi.Registry.registerEventListener(
    on_event, "object:text-changed", "object:text-caret-moved", "object:text-selection-changed",
    "object:property-change", "object:state-changed", "object:text-attributes-changed", "focus:")
GLib.timeout_add(100, poll)
pyatspi.Registry.start()

for kind, role, name, text in seen:
    if any(piece in text for piece in pieces):
        failures.append("%s from %s %r carried the token: %r" % (kind, role, name, text[:40]))
    if role == "password text" and kind.startswith("object:text-changed") and set(text) - {"\u25cf"}:
        failures.append("%s from the token field carried %r" % (kind, text[:40]))
# The token field is announced before anything moves in it.
order = [k for k, r, n, t in seen if r == "password text"]
if "object:text-caret-moved" in order and (
        "focus:" not in order or order.index("object:text-caret-moved") < order.index("focus:")):
    failures.append("the token field's caret moved before its focus: %s" % order[:6])
bullets = sum(len(t) for k, r, n, t in seen if r == "password text" and k.startswith("object:text-changed"))
url = "".join(t for k, r, n, t in seen if n == "Cloud service URL" and k == "object:text-changed:insert")
print("token field: %d characters reported as U+25CF; service URL field inserts: %r" % (bullets, url[-40:]))
if bullets < 8:
    failures.append("the token field reported only %d characters" % bullets)
if "abc.example" not in url:
    failures.append("the service URL field's events lost its text")
for failure in failures:
    print("FAIL: " + failure)
if not failures:
    print("PASS: no AT-SPI event or answer held the token; busy, focus and panels as a screen reader needs")
sys.exit(1 if failures else 0)
