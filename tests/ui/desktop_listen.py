# Listens on the AT-SPI bus as a screen reader does while desktop.sh drives
# the window, and checks what a screen reader gets. The driver creates
# "<dir>/<label>" at each point to look at; the listener looks, then removes
# it; at "stop" it ends. It creates "<dir>/ready" once it listens.
#   checking, saving
#             the focused busy indicator says what is under way, and is busy
#   enrolled, failure
#             the panel around the focused default button is named by its
#             headline and described by its text, and is no dialog; the
#             error details read the whole failure message
#   form      after "Try Again" the token field has focus; the service URL
#             field is not described by its own value; the rule below the
#             heading is a separator
#   shot:<look>:typed|button|field
#             with the focus in the token field (a token typed), on "Save and
#             Enroll", in the UPN field: crops of the screen where no text is,
#             from the AT-SPI extents, once two grabs agree; at "field", under
#             that look, Return's button stands out from Cancel, a focused
#             button and field from themselves unfocused, and the placeholder's
#             ink from typed text's
# Throughout: no name holds "&"; no event carried a piece of the token; the
# token field's text events carry only U+25CF, and none comes before its
# focus; the service URL field's carry its text; one object holds focus.
#   desktop_listen.py <application name> <dir> <token piece>...
import os
import re
import subprocess
import sys

import pyatspi
from gi.repository import GLib

app_name, folder, pieces = sys.argv[1], sys.argv[2], sys.argv[3:]
seen = []  # (event type, source role, source name, text)
failures = []
tries = {}
shots = {}
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


def crops(regions):
    """Each region's pixels, from one grab of the screen."""
    ppm = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"], capture_output=True).stdout
    header = re.match(rb"P6\s+(\d+)\s+\d+\s+255\s", ppm)
    at = lambda x, y: 3 * (int(header.group(1)) * y + x) + header.end()
    return {key: [tuple(ppm[at(x, y):at(x, y) + 3]) for left, top, w, h in boxes
                  for y in range(top, top + h) for x in range(left, left + w)] for key, boxes in regions.items()}


def differing(a, b):
    """The share of pixels that differ by more than a shade."""
    return sum(max(abs(p - q) for p, q in zip(u, v)) > 24 for u, v in zip(a, b)) / len(a)


def ink(pixels):
    """The colour farthest from the commonest one, the background."""
    ground = max(set(pixels), key=pixels.count)
    return max(pixels, key=lambda p: sum(abs(c - g) for c, g in zip(p, ground)))


def look_at_style(label, nodes):
    _, name, state = label.split(":")
    focused = [n.name for n in nodes if has(n, pyatspi.STATE_FOCUSED)]
    tries[label] = tries.get(label, 0) + 1
    wanted = {"typed": "Enrollment token", "button": "Save and Enroll", "field": "User UPN override"}[state]
    if focused != [wanted]:
        return False if tries[label] < 50 else failures.append("%s: the focus is on %s" % (label, focused))
    box = {n.name: n.queryComponent().getExtents(pyatspi.DESKTOP_COORDS) for n in nodes
           if n.getRoleName() in ("push button", "text", "password text")}
    # Rows above and below the text, a button's as wide as every button is;
    # a field's inside.
    rims = lambda b, rows, w: [(b.x, b.y, w, rows), (b.x, b.y + b.height - rows, w, rows)]
    inside = lambda b: [(b.x + 6, b.y + 5, b.width - 12, b.height - 10)]
    upn = box["User UPN override"]
    shot = crops({"save": rims(box["Save and Enroll"], 5, 40), "cancel": rims(box["Cancel"], 5, 40),
                  "upn": rims(upn, 3, upn.width), "placeholder": inside(upn),
                  "token": inside(box["Enrollment token"])})
    # Until two grabs agree: a style's animation has ended, the caret is still.
    if shots.get(label) != shot and tries[label] < 50:
        shots[label] = shot
        return False
    if state != "field":
        return
    typed, button, field = (shots["shot:%s:%s" % (name, s)] for s in ("typed", "button", "field"))
    ink_distance = max(abs(p - q) for p, q in zip(ink(typed["placeholder"]), ink(field["token"])))
    found = [("the default button against Cancel", differing(typed["save"], typed["cancel"]), 0.15),
             ("a focused button against itself unfocused", differing(button["save"], typed["save"]), 0.05),
             ("a focused field against itself unfocused", differing(field["upn"], typed["upn"]), 0.1),
             ("the placeholder's ink against typed text's", ink_distance / 255, 0.2)]
    print("%s: %s" % (name, ", ".join("%s %.2f" % (what, value) for what, value, _ in found)))
    failures.extend("%s: %s differ by %.2f, under %.2f" % (name, what, value, least)
                    for what, value, least in found if value < least)


def look(label):
    # The GTK3 platform theme starts GTK, whose own bridge adds an empty
    # application of the same name and process.
    app = max((a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == app_name),
              key=lambda a: a.childCount, default=None)
    if app is None:
        return failures.append("%s: the application is not on the bus" % label)
    nodes = list(walk(app))
    failures.extend("%s: a name with '&': %r" % (label, n.name) for n in nodes if "&" in (n.name or ""))
    if label.startswith("shot:"):
        return look_at_style(label, nodes)
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
    print("PASS: no AT-SPI event held the token; busy, focus and panels as a screen reader needs")
sys.exit(1 if failures else 0)
