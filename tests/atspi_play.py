#!/usr/bin/python3
"""Tessaro as a screen reader meets it on the accessibility bus.

atspi_play.py
    Plays the running game, shuffled by one move, to a win as a screen
    reader would: finds the net by its name, presses its move buttons
    through their actions, and reads the solved-face label. Each button is
    tried and taken back with its opposite until the label says six. Prints
    one line and exits 0 on success; exits 1 with the reason otherwise.
atspi_play.py hear <file>
    Until killed, appends to the file the name of every button that gets the
    focus, one a line, as a screen reader would say it. It makes <file>.ready
    once it listens; start the game after that, so that the game knows from
    its start that someone listens.

DISPLAY and the session bus of the game must be set.
"""
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

FACES = "現在全色一致している面数は　{}　面です"
CLICKS = "今までのクリック回数は　{}　回です"
OPPOSITE = {"左": "右", "右": "左", "上": "下", "下": "上"}


def fail(reason):
    print("FAIL: " + reason, file=sys.stderr)
    sys.exit(1)


def wait_for(seconds, find):
    end = time.monotonic() + seconds
    while True:
        found = find()
        if found or time.monotonic() > end:
            return found
        time.sleep(0.05)


def children(node):
    return [c for c in (node.get_child_at_index(i) for i in range(node.get_child_count())) if c is not None]


def descendants(node):
    for child in children(node):
        yield child
        yield from descendants(child)


def application():
    desktop = Atspi.get_desktop(0)
    app = next((a for a in children(desktop) if a.get_name() == "Tessaro"), None)
    if app is not None:
        # Every name and description read fresh from the game, never from
        # what the library kept of earlier answers and events.
        app.set_cache_mask(Atspi.Cache.NONE)
    return app


def net():
    app = application()
    if app is None:
        return None
    return next((n for n in descendants(app) if n.get_name() == "展開図"), None)


def label(node, start):
    return next((c.get_name() for c in children(node) if c.get_role() == Atspi.Role.LABEL
                 and c.get_name().startswith(start)), "")


if sys.argv[1:2] == ["hear"]:
    heard = open(sys.argv[2], "a", encoding="utf-8")

    def focused(event):
        if event.detail1 == 1 and event.source.get_role() == Atspi.Role.PUSH_BUTTON:
            heard.write(event.source.get_name() + "\n")
            heard.flush()

    listener = Atspi.EventListener.new(focused)
    listener.register("object:state-changed:focused")
    open(sys.argv[2] + ".ready", "w").close()
    Atspi.event_main()
    sys.exit(0)

the_net = wait_for(20, net)
if the_net is None:
    fail("no element named 展開図 on the accessibility bus")


def move_buttons():
    found = {c.get_name(): c for c in children(the_net) if c.get_role() == Atspi.Role.PUSH_BUTTON}
    return found if len(found) == 12 else None


# The shuffle is not shown: the game starts in the same step that lays out
# its 2 x 2 net, so once its 12 buttons are there, every press counts.
buttons = wait_for(20, move_buttons)
if buttons is None or "1行目を左へ" not in buttons:
    fail("no 2 x 2 net with its 12 buttons on the bus")
before = the_net.get_description()

clicks = 0


def press(name):
    global clicks
    buttons[name].do_action(0)
    clicks += 1
    if not wait_for(20, lambda: label(the_net, "今までの") == CLICKS.format(clicks)):
        fail("pressing %s did not count click %d; the labels say %s, %s" %
             (name, clicks, label(the_net, "今までの"), label(the_net, "現在全色")))


def opposite(name):
    """The button that takes this one's move back: the same line, the other way ("…を左へ", "…を右へ")."""
    return name[:-2] + OPPOSITE[name[-2]] + name[-1]


won = None
for name in buttons:
    press(name)
    if label(the_net, "現在全色") == FACES.format(6):
        won = name
        break
    press(opposite(name))
    if the_net.get_description() != before:
        fail("%s and its opposite did not restore the net: %s" % (name, the_net.get_description()))
if won is None:
    fail("no button solved the one-move shuffle")
if the_net.get_description() != FACES.format(6):
    fail("the net says " + the_net.get_description())
app = application()
if not wait_for(20, lambda: any(w.get_name() == "Congratulations" for w in children(app))):
    fail("no Congratulations window on the bus")
print("PASS: %s won the game after %d presses through the accessibility bus" % (won, clicks))
