# Listens on the AT-SPI bus as a screen reader does, until the file named by
# the second argument appears; then asks the token field for its text the
# ways a screen reader can, and checks that no event or answer carried a
# character of the token (whose distinctive pieces are the further
# arguments), that the field is announced as password text, and that the
# service URL field's events still carry its text.
#   atspi_listen.py <application name> <stop file> <token piece>...
import os
import sys

import pyatspi
from gi.repository import GLib

app_name, stop_file, pieces = sys.argv[1], sys.argv[2], sys.argv[3:]
seen = []  # (event type, source role, source name, text)
failures = []


def on_event(event):
    try:
        role, name = event.source.getRoleName(), event.source.name
    except Exception:
        role, name = "?", "?"
    text = event.any_data if isinstance(event.any_data, str) else ""
    seen.append((event.type, role, name, text))


def find(node, role, depth=0):
    if node is None or depth > 30:
        return None
    try:
        if node.getRoleName() == role:
            return node
        for child in node:
            found = find(child, role, depth + 1)
            if found is not None:
                return found
    except Exception:
        pass
    return None


def ask_and_stop():
    if not os.path.exists(stop_file):
        return True
    desktop = pyatspi.Registry.getDesktop(0)
    app = next((a for a in desktop if a is not None and a.name == app_name), None)
    field = find(app, "password text")
    if field is None:
        failures.append("no object with the role password text")
    else:
        text = field.queryText()
        answers = {
            "name": field.name,
            "description": field.description,
            "getText": text.getText(0, -1),
            "getTextAtOffset": text.getTextAtOffset(0, pyatspi.TEXT_BOUNDARY_CHAR)[0],
            "getTextAfterOffset": text.getTextAfterOffset(0, pyatspi.TEXT_BOUNDARY_WORD_START)[0],
            "getCharacterAtOffset": chr(text.getCharacterAtOffset(1) or 32),
        }
        if field.name != "Enrollment token":
            failures.append("the password field is named %r" % field.name)
        for call, answer in answers.items():
            if any(c.isalnum() for c in answer) and call not in ("name", "description"):
                failures.append("%s gave %r" % (call, answer[:40]))
        seen.extend(("call " + call, "password text", "", answer) for call, answer in answers.items()
                    if call not in ("name", "description"))
    pyatspi.Registry.stop()
    return False


pyatspi.Registry.registerEventListener(
    on_event, "object:text-changed", "object:text-caret-moved", "object:text-selection-changed",
    "object:property-change", "object:state-changed", "object:text-attributes-changed", "focus:")
GLib.timeout_add(100, ask_and_stop)
pyatspi.Registry.start()

for kind, role, name, text in seen:
    if any(piece in text for piece in pieces):
        failures.append("%s from %s %r carried the token: %r" % (kind, role, name, text[:40]))
    if role == "password text" and kind.startswith("object:text-changed") and set(text) - {"\u25cf"}:
        failures.append("%s from the token field carried %r" % (kind, text[:40]))
bullets = sum(len(t) for k, r, n, t in seen if r == "password text" and k.startswith("object:text-changed"))
url = "".join(t for k, r, n, t in seen if n == "Cloud service URL" and k == "object:text-changed:insert")
print("token field: %d text events, %d characters reported as U+25CF" % (
    sum(1 for k, r, n, t in seen if r == "password text" and k.startswith("object:text-changed")), bullets))
print("service URL field inserts: %r" % url[-40:])
if bullets < 8:
    failures.append("the token field reported only %d characters" % bullets)
if "abc.example" not in url:
    failures.append("the service URL field's events lost its text")
for failure in failures:
    print("FAIL: " + failure)
print("PASS: no AT-SPI event or answer held a character of the token" if not failures else "")
sys.exit(1 if failures else 0)
