#!/usr/bin/env python3
"""A screen reader's view of the game, from a process of its own: starts the
game on the accessibility bus, reads its tree (the board, the news of the
last move, the status bar, the referee), starts a game with the keys and
moves a piece with the arrows, Space and Space again, following what the
game tells: the ring's hole and what stands there, then every move.

    accessibility_client.py GAME
Exit status 0 when all was heard, 1 with the reason otherwise.
"""
import os
import re
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

TIMEOUT = 60


class Listener:
    def __init__(self):
        self.heard = []  # (event type, role, name)

    def __call__(self, event):
        try:
            source = event.source
            self.heard.append((event.type, source.getRoleName(), source.name))
        except Exception:  # an object gone meanwhile
            pass

    def names(self, role):
        return [name for kind, r, name in self.heard if r == role and kind.startswith("object:property-change:accessible-name")]


def find(node, predicate, depth=0):
    if node is None or depth > 8:
        return None
    try:
        if predicate(node):
            return node
        for child in node:
            found = find(child, predicate, depth + 1)
            if found is not None:
                return found
    except Exception:
        return None
    return None


def wait_for(condition, seconds=15):
    end = time.time() + seconds
    context = GLib.MainContext.default()
    while time.time() < end:
        while context.pending():
            context.iteration(False)
        value = condition()
        if value:
            return value
        time.sleep(0.05)
    return None


def key(name):
    subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)


def main():
    game = sys.argv[1]
    own = tempfile.mkdtemp()
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LANGUAGE="en",
               XDG_CONFIG_HOME=own + "/config", XDG_DATA_HOME=own + "/data", HOME=own + "/home")
    for folder in ("config", "data", "home"):
        os.makedirs(os.path.join(own, folder), exist_ok=True)
    listener = Listener()
    pyatspi.Registry.registerEventListener(listener, "object:property-change:accessible-name", "focus:",
                                           "object:state-changed:focused")
    process = subprocess.Popen([game], env=env)
    try:
        return play(listener)
    finally:
        process.terminate()
        process.wait(10)


def fail(reason, listener=None):
    print("FAILED:", reason)
    if listener:
        for event in listener.heard[-40:]:
            print("  heard:", event)
    return 1


def play(listener):
    app = wait_for(lambda: find(pyatspi.Registry.getDesktop(0), lambda n: n.getRoleName() == "application" and n.name == "Tavolux", 1), 30)
    if not app:
        return fail("the game never showed on the accessibility bus")
    board = wait_for(lambda: find(app, lambda n: n.getRoleName() == "canvas"))
    if not board or board.name != "Board" or "arrow keys" not in board.description:
        return fail("no board named and described: %r" % (board and (board.name, board.description),))
    news = board[board.childCount - 1]
    status = find(app, lambda n: n.getRoleName() == "status bar")
    labels = [child for child in status if child.getRoleName() == "label"] if status else []
    if len(labels) != 2 or labels[0].name != "Ready.":
        return fail("the status bar's pane and turn line: %r" % [(l.name, l.description) for l in labels])
    turn = labels[1]
    referee = find(app, lambda n: n.name.startswith("WELCOME"))
    if referee is None:
        return fail("the referee's lines are not its name")
    print("tree: board %r, news %r, status %r, referee %r" % (board.name, news.description, labels[0].name, referee.name))

    key("ctrl+n")
    if not wait_for(lambda: find(app, lambda n: n.getRoleName() == "dialog" and n.name == "New Game", 2)):
        return fail("no New Game sheet", listener)
    # The sheet may take a moment to take the keyboard: Enter until it goes.
    for _ in range(5):
        key("Return")
        if wait_for(lambda: turn.name == "Move 1 · Your move, Human", 3):
            break
    else:
        return fail("the turn line says %r" % turn.name, listener)
    if "Move 1 · Your move, Human" not in listener.names("label"):
        return fail("the turn line's change was not told", listener)
    if not any(name.startswith("Human ") for name in listener.names("filler")):
        return fail("the referee's change was not told", listener)

    # The ring: told as the board's name changing and its focus, hole by hole.
    key("Up")
    own_piece = re.compile(r"^[a-q]\d+, Human's piece$")
    if not wait_for(lambda: any(own_piece.match(n) for n in listener.names("canvas"))):
        return fail("the ring's first hole was not told", listener)
    if not any(kind.startswith("focus") or kind.startswith("object:state-changed:focused")
               for kind, role, name in listener.heard if role == "canvas"):
        return fail("the board never took the focus", listener)
    previous = board.name
    for _ in range(8):
        key("Up")
        if wait_for(lambda: board.name != previous, 3) and board.name.endswith(", empty"):
            break
        previous = board.name
    empty = board.name
    if not empty.endswith(", empty") or empty not in listener.names("canvas"):
        return fail("no empty hole was reached: %r" % empty, listener)
    key("Down")
    if not wait_for(lambda: own_piece.match(board.name), 3):
        return fail("back down on %r" % board.name, listener)
    start = board.name.split(",")[0]
    key("space")
    key("Up")
    if not wait_for(lambda: board.name == empty, 3):
        return fail("carried to %r, not %r" % (board.name, empty), listener)
    key("space")
    move = "Human: %s-%s" % (start, empty.split(",")[0])
    if not wait_for(lambda: move in listener.names("label")):
        return fail("the move %r was not told" % move, listener)
    if news.name != move:
        return fail("the news reads %r" % news.name, listener)
    for computer in ("Silicon: ", "Positron: "):
        if not wait_for(lambda: any(n.startswith(computer) for n in listener.names("label")), 20):
            return fail("no move of %r was told" % computer, listener)
    print("heard: %s; %s" % (", ".join(n for n in listener.names("canvas")[:3]),
                             ", ".join(n for n in listener.names("label") if ": " in n)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
