# Listens on the AT-SPI bus as a screen reader does while desktop.sh drives
# the window, and checks what a screen reader gets. The driver creates
# "<dir>/<label>" at each point to look at; the listener looks, then removes
# it; at "stop" it ends. It creates "<dir>/ready" once it listens.
#   token     the token field is password text named "Enrollment token",
#             its text one U+25CF per character typed, the caret counted
#             so, and it is not described by its placeholder
#   checking, saving
#             the focused busy indicator says what is under way, and is busy
#   enrolled, failure
#             the panel around the focused default button is named by its
#             headline and described by its text, and is no dialog; the
#             error details read the whole failure message
#   form      after "Try Again" the token field has focus; the service URL
#             field is not described by its own value; the rule below the
#             heading is a separator
# Throughout: no name holds "&"; no event carried a piece of the token; the
# token field's text events carry only U+25CF, and none comes before its
# focus; the service URL field's carry its text; one object holds focus.
#   desktop_listen.py <application name> <dir> <typed token length> <token piece>...
import os
import sys

import pyatspi
from gi.repository import GLib

app_name, folder, typed, pieces = sys.argv[1], sys.argv[2], int(sys.argv[3]), sys.argv[4:]
seen = []  # (event type, source role, source name, text)
failures = []
tries = {}
panels = {
    "enrolled": ("panel", "This computer is already enrolled.",
                 "The agent has an active enrollment token. You can re-enroll with a new token if needed."),
    "failure": ("alert", "Configuration failed", "Configuration command failed:\nbad token"),
}


def on_event(event):
    try:
        role, name = event.source.getRoleName(), event.source.name
    except Exception:
        role, name = "?", "?"
    seen.append((event.type, role, name, event.any_data if isinstance(event.any_data, str) else ""))


def walk(node, depth=0):
    if node is None or depth > 30:
        return
    yield node
    try:
        for child in node:
            yield from walk(child, depth + 1)
    except Exception:
        pass


def has(node, state):
    return node.getState().contains(state)


def look(label):
    app = next((a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == app_name), None)
    if app is None:
        return failures.append("%s: the application is not on the bus" % label)
    nodes = list(walk(app))
    failures.extend("%s: a name with '&': %r" % (label, n.name) for n in nodes if "&" in (n.name or ""))
    if label == "token":
        field = next((n for n in nodes if n.getRoleName() == "password text"), None)
        if field is None or field.name != "Enrollment token":
            return failures.append("token: no password text named 'Enrollment token'")
        text = field.queryText()
        tries[label] = tries.get(label, 0) + 1
        if text.characterCount < typed and tries[label] < 50:
            return False  # the last keys are still on their way
        answers = [text.getText(0, -1), text.getTextAtOffset(0, pyatspi.TEXT_BOUNDARY_CHAR)[0],
                   text.getTextBeforeOffset(typed, pyatspi.TEXT_BOUNDARY_CHAR)[0]]
        seen.extend(("call", "password text", "", a) for a in answers)
        if answers[0] != "\u25cf" * typed or text.caretOffset != typed or "\u25cf" not in answers[2]:
            failures.append("token: text %r, caret %d" % (answers, text.caretOffset))
        if field.description == "paste tenant enrollment token":
            failures.append("token: a filled field is described by its placeholder")
        return
    focused = [n for n in nodes if has(n, pyatspi.STATE_FOCUSED)]
    if len(focused) != 1:
        return failures.append("%s: %d objects hold focus: %s" % (
            label, len(focused), [(n.getRoleName(), n.name) for n in focused]))
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
        details = next((n for n in nodes if n.name == "Error details"), None)
        if busy or (label == "failure" and (details is None or details.description != panels[label][2])):
            failures.append("%s: busy %s, error details %r" % (label, busy, details and details.description))
        if panels[label] not in chain:
            failures.append("%s: no ancestor %r of the focus in %r" % (label, panels[label], chain))
    elif label == "form":
        url = next((n for n in nodes if n.name == "Cloud service URL" and n.getRoleName() == "text"), None)
        value = url.queryText().getText(0, -1) if url is not None else ""
        if chain[0][:2] != ("password text", "Enrollment token") or url is None or \
                url.description in ("", value) or not any(n.getRoleName() == "separator" for n in nodes):
            failures.append("form: focus on %r, the URL field described %r" % (chain[0], url and url.description))


def poll():
    for label in sorted(os.listdir(folder)):
        if label == "stop":
            pyatspi.Registry.stop()
            return False
        if label != "ready" and look(label) is not False:
            os.remove(os.path.join(folder, label))
    return True


pyatspi.Registry.registerEventListener(
    on_event, "object:text-changed", "object:text-caret-moved", "object:text-selection-changed",
    "object:property-change", "object:state-changed", "object:text-attributes-changed", "focus:")
GLib.timeout_add(100, poll)
open(os.path.join(folder, "ready"), "w").close()
pyatspi.Registry.start()

for kind, role, name, text in seen:
    if any(piece in text for piece in pieces):
        failures.append("%s from %s %r carried the token: %r" % (kind, role, name, text[:40]))
    if role == "password text" and kind.startswith("object:text-changed") and set(text) - {"\u25cf"}:
        failures.append("%s from the token field carried %r" % (kind, text[:40]))
order = [k for k, r, n, t in seen if r == "password text"]
if "object:text-caret-moved" in order and (
        "focus:" not in order or order.index("object:text-caret-moved") < order.index("focus:")):
    failures.append("the token field's caret moved before its focus: %s" % order[:6])
url = "".join(t for k, r, n, t in seen if n == "Cloud service URL" and k == "object:text-changed:insert")
if "abc.example" not in url:
    failures.append("the service URL field's events lost its text: %r" % url[-40:])
for failure in failures:
    print("FAIL: " + failure)
if not failures:
    print("PASS: no AT-SPI event or answer held the token; busy, focus and panels as a screen reader needs")
sys.exit(1 if failures else 0)
