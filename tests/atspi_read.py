#!/usr/bin/python3
"""Tessaro read and won by a screen reader through the accessibility bus alone.

atspi_read.py hear <file>
    Until killed, appends to the file, one a line and tab-separated, what a
    screen reader is told: "said <text>" for each notification that shows,
    "focus <name> <name of the dialog around it, or ->", "shown <name>" for a
    dialog that shows, "renamed <face> <row> <col>" for a block whose name
    changed, "label <name>" for a label whose name changed. It makes
    <file>.ready once it listens.
atspi_read.py read
    Waits for a 2 x 2 net on the bus and prints its blocks as the tree gives
    them, "face row col #rrggbb", one a line, in the game's face numbers.
atspi_read.py solve <heard file> <said file>
    Reads the net from the tree, finds the moves that solve it (a search over
    the cube's moves from the state read), and presses their buttons through
    their actions: first one move that does not solve it, then the solution
    from the state read again. After each press it waits for the game to say
    what the move did, checks that the blocks renamed are exactly those whose
    colour changed, and at the end that the win was said. Writes to the
    said file what each press was to say, one a line (the win without its
    time).

DISPLAY and the session bus of the game must be set. The game speaks
Japanese, or English when TESSARO_TEST_LANGUAGE is "en" (and its desktop
prefers English).
"""
import os
import re
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

ENGLISH = os.environ.get("TESSARO_TEST_LANGUAGE") == "en"
NET = "Cube net" if ENGLISH else "展開図"
# The faces by the names of their places in the net, as the game numbers them.
FACES = ({"Front face": 1, "Right face": 2, "Left end face": 3, "Left face": 4, "Bottom face": 5, "Top face": 6}
         if ENGLISH else {"正面": 1, "右の面": 2, "左端の面": 3, "左の面": 4, "下の面": 5, "上の面": 6})
# The colours in words, as drawn.
COLOURS = dict(zip(["Green", "Red", "Blue", "Yellow", "Cyan", "Magenta"] if ENGLISH else
                   ["緑", "赤", "青", "黄", "水色", "赤紫"],
                   ["#00ff00", "#ff0000", "#0000ff", "#ffff00", "#00ffff", "#ff00ff"]))
FACES_TEXT = "Faces of one colour: {}" if ENGLISH else "現在全色一致している面数は　{}　面です"
CLICKS_TEXT = "Clicks so far: {}" if ENGLISH else "今までのクリック回数は　{}　回です"
# What stands between two sentences of an announcement.
AND = ". " if ENGLISH else "。"
WON = "Every face is of one colour." if ENGLISH else "全ての面がそろいました。"
if ENGLISH:
    WON += " "
TIME = r"Time taken: (\d+):(\d+):(\d+)" if ENGLISH else r"所要時間　(\d+)時間(\d+)分(\d+)秒"
BUTTONS = ({1: "Row {} left", 2: "Row {} right", 3: "Column {} up", 4: "Column {} down",
            5: "Right face column {} up", 6: "Right face column {} down"} if ENGLISH else
           {1: "{}行目を左へ", 2: "{}行目を右へ", 3: "{}列目を上へ", 4: "{}列目を下へ",
            5: "右の面の{}列目を上へ", 6: "右の面の{}列目を下へ"})
N = 2


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
    app = next((a for a in children(Atspi.get_desktop(0)) if a.get_name() == "Tessaro"), None)
    if app is not None:
        app.set_cache_mask(Atspi.Cache.NONE)  # every answer fresh from the game
    return app


# ---------------------------------------------------------------- listening

def hear(path):
    out = open(path, "a", encoding="utf-8")

    def write(*fields):
        out.write("\t".join(str(f) for f in fields) + "\n")
        out.flush()

    def fresh(node):
        node.clear_cache()
        return node

    def dialog_around(node):
        node = node.get_parent()
        while node is not None:
            if node.get_role() == Atspi.Role.DIALOG:
                return fresh(node).get_name()
            node = node.get_parent()
        return "-"

    def on_showing(event):
        if event.detail1 != 1:
            return
        role = event.source.get_role()
        if role == Atspi.Role.NOTIFICATION:
            write("said", fresh(event.source).get_name())
        elif role == Atspi.Role.DIALOG:
            write("shown", fresh(event.source).get_name())

    def on_focus(event):
        if event.detail1 == 1:
            write("focus", fresh(event.source).get_name(), dialog_around(event.source))

    def on_name(event):
        role = event.source.get_role()
        if role == Atspi.Role.TABLE_CELL:
            face = fresh(event.source.get_parent()).get_name()
            index = event.source.get_index_in_parent()
            write("renamed", face, index // N + 1, index % N + 1)
        elif role == Atspi.Role.LABEL:
            write("label", fresh(event.source).get_name())

    def safely(handler):
        # An object may be gone before it is asked (a menu that closed).
        def handle(event):
            try:
                handler(event)
            except GLib.Error:
                pass
        return handle

    listeners = []
    for handler, kind in ((on_showing, "object:state-changed:showing"), (on_focus, "object:state-changed:focused"),
                          (on_name, "object:property-change:accessible-name")):
        listener = Atspi.EventListener.new(safely(handler))
        listener.register(kind)
        listeners.append(listener)
    open(path + ".ready", "w").close()
    Atspi.event_main()


# ---------------------------------------------------------------- the net from the tree

def find_net():
    app = application()
    return next((n for n in descendants(app) if n.get_name() == NET), None) if app is not None else None


def read_net(net):
    """The blocks as the tree says: {(face, row, col): colour word}, or None while it is not all there."""
    state = {}
    tables = [c for c in children(net) if c.get_role() == Atspi.Role.TABLE]
    if sorted(t.get_name() for t in tables) != sorted(FACES):
        return None
    for table in tables:
        face = FACES[table.get_name()]
        if Atspi.Table.get_n_rows(table) != N or Atspi.Table.get_n_columns(table) != N:
            return None
        for i in range(table.get_child_count()):
            cell = table.get_child_at_index(i)
            # Where the table says the cell stands, and the cell it finds there.
            found, row, col, _, _, _ = Atspi.Table.get_row_column_extents_at_index(table, i)
            if not found or Atspi.Table.get_accessible_at(table, row, col).get_index_in_parent() != i:
                fail("%s: cell %d does not stand at its own row and column" % (table.get_name(), i))
            word = cell.get_name()
            if word not in COLOURS:
                fail("%s, row %d, column %d is named %r" % (table.get_name(), row + 1, col + 1, word))
            state[(face, row + 1, col + 1)] = word
    return state if len(state) == 6 * N * N else None


def move_buttons(net):
    found = {c.get_name(): c for c in children(net) if c.get_role() == Atspi.Role.PUSH_BUTTON}
    return found if len(found) == 6 * N else None


def wait_for_net():
    net = wait_for(20, find_net)
    if net is None:
        fail("no element named %s on the accessibility bus" % NET)
    if wait_for(20, lambda: move_buttons(net)) is None or wait_for(20, lambda: read_net(net)) is None:
        fail("no 2 x 2 net with six faces and %d buttons on the bus" % (6 * N))
    return net


# ---------------------------------------------------------------- the cube's moves

def apply_move(state, kind, line):
    """The state after one move: each line moves one face onward, an edge line turns its neighbour."""
    old = dict(state)
    new = dict(state)
    L, M = line, N + 1 - line
    for k in range(1, N + 1):
        K = N + 1 - k
        steps = {
            1: [((1, L, k), (2, L, k)), ((4, L, k), (1, L, k)), ((3, L, k), (4, L, k)), ((2, L, k), (3, L, k))],
            2: [((2, L, k), (1, L, k)), ((1, L, k), (4, L, k)), ((4, L, k), (3, L, k)), ((3, L, k), (2, L, k))],
            3: [((6, k, L), (1, k, L)), ((1, k, L), (5, k, L)), ((5, k, L), (3, K, M)), ((3, k, M), (6, K, L))],
            4: [((5, k, L), (1, k, L)), ((1, k, L), (6, k, L)), ((6, k, L), (3, K, M)), ((3, k, M), (5, K, L))],
            5: [((6, M, k), (2, k, L)), ((2, k, L), (5, L, K)), ((5, L, k), (4, k, M)), ((4, k, M), (6, M, K))],
            6: [((2, k, L), (6, M, k)), ((5, L, k), (2, K, L)), ((4, k, M), (5, L, k)), ((6, M, k), (4, K, M))],
        }[kind]
        for to, frm in steps:
            new[to] = old[frm]
    first = {1: (6, True), 2: (6, False), 3: (4, False), 4: (4, True), 5: (1, False), 6: (1, True)}
    last = {1: (5, False), 2: (5, True), 3: (2, True), 4: (2, False), 5: (3, True), 6: (3, False)}
    for edge, turns in ((1, first), (N, last)):
        if line == edge:
            face, clockwise = turns[kind]
            for r in range(1, N + 1):
                for c in range(1, N + 1):
                    new[(face, r, c)] = old[(face, N + 1 - c, r)] if clockwise else old[(face, c, N + 1 - r)]
    return new


def solved_faces(state):
    return sum(1 for f in range(1, 7) if len({state[(f, r, c)] for r in range(1, N + 1) for c in range(1, N + 1)}) == 1)


MOVES = [(kind, line) for kind in range(1, 7) for line in range(1, N + 1)]


def button_name(kind, line):
    return BUTTONS[kind].format(line)


def solution(state, depth=3):
    """The fewest moves that make every face of one colour, breadth first."""
    key = lambda s: tuple(sorted(s.items()))  # noqa: E731
    seen = {key(state)}
    frontier = [(state, [])]
    for _ in range(depth):
        following = []
        for here, path in frontier:
            for move in MOVES:
                there = apply_move(here, *move)
                if solved_faces(there) == 6:
                    return path + [move]
                if key(there) not in seen:
                    seen.add(key(there))
                    following.append((there, path + [move]))
        frontier = following
    return None


# ---------------------------------------------------------------- playing

def heard_lines(path):
    with open(path, encoding="utf-8") as f:
        return [line.rstrip("\n").split("\t") for line in f]


def solve(heard_path, said_path):
    said_file = open(said_path, "w", encoding="utf-8")
    net = wait_for_net()
    buttons = move_buttons(net)
    state = read_net(net)
    clicks = 0

    def press(move, expected):
        nonlocal state, clicks
        said_file.write(expected + "\n")
        said_file.flush()
        was = state
        before = len(heard_lines(heard_path))
        buttons[button_name(*move)].do_action(0)
        clicks += 1
        said = wait_for(20, lambda: [l for l in heard_lines(heard_path)[before:] if l[0] == "said"])
        if not said:
            fail("pressing %s said nothing" % button_name(*move))
        new_lines = heard_lines(heard_path)[before:]
        upto = next(i for i, l in enumerate(new_lines) if l[0] == "said")
        if not said[0][1].startswith(expected):
            fail("pressing %s said %r, not %r" % (button_name(*move), said[0][1], expected))
        # What the tree says now is what the move made.
        predicted = apply_move(was, *move)
        state = wait_for(20, lambda: read_net(net))
        if state != predicted:
            fail("after %s the tree does not show the move" % button_name(*move))
        inverse = {v: k for k, v in FACES.items()}
        renamed = {(l[1], int(l[2]), int(l[3])) for l in new_lines[:upto] if l[0] == "renamed"}
        changed = {(inverse[f], r, c) for (f, r, c), word in predicted.items() if word != was[(f, r, c)]}
        if renamed != changed:
            fail("after %s the blocks renamed were %s, those changed %s" % (button_name(*move), sorted(renamed), sorted(changed)))

    # A move that does not solve it, then the way back to one colour from there.
    detour = next(m for m in MOVES if solved_faces(apply_move(state, *m)) < 6)
    press(detour, button_name(*detour) + AND + FACES_TEXT.format(solved_faces(apply_move(state, *detour))))
    path = solution(state)
    if path is None:
        fail("no solution within three moves of the state read")
    for i, move in enumerate(path):
        after = apply_move(state, *move)
        won = i == len(path) - 1
        if won:
            # Some seconds on the clock first: it must have changed without a word.
            def seconds():
                for c in children(net):
                    shown = re.search(TIME, c.get_name())
                    if c.get_role() == Atspi.Role.LABEL and shown:
                        return int(shown.group(1)) * 3600 + int(shown.group(2)) * 60 + int(shown.group(3))
                return 0
            if not wait_for(20, lambda: seconds() >= 2):
                fail("the clock's label does not show the time going on")
        expected = (WON + CLICKS_TEXT.format(clicks + 1) + AND) if won else \
            button_name(*move) + AND + FACES_TEXT.format(solved_faces(after))
        press(move, expected)
    if solved_faces(state) != 6:
        fail("the tree does not show a solved net")
    app = application()
    if not wait_for(20, lambda: any(w.get_name() == "Congratulations" for w in children(app))):
        fail("no Congratulations window on the bus")
    print("PASS: read the net from the tree and won it with %s after %s" %
          (", ".join(button_name(*m) for m in path), button_name(*detour)))


if sys.argv[1:2] == ["hear"]:
    hear(sys.argv[2])
elif sys.argv[1:2] == ["read"]:
    net = wait_for_net()
    for (face, row, col), word in sorted(read_net(net).items()):
        print(face, row, col, COLOURS[word])
elif sys.argv[1:2] == ["solve"]:
    solve(sys.argv[2], sys.argv[3])
else:
    fail("usage: atspi_read.py hear <file> | read | solve <heard file> <said file>")
