"""Drives the game in a real X session (started by run_e2e.sh).

Finds the tray icon, opens the panel, plays a stock click, a drag that must
land, a drag that must snap back and a double-click, checking each through
the saved game in the settings file; closes the panel with an outside click;
checks that a second launch hands over without touching the store; quits
(Ctrl+Q) and relaunches, checking the game came back; quits with SIGTERM.
Then starts the game before any tray host, brings an XEmbed tray (and then a
StatusNotifierItem watcher) up three seconds later, and checks the icon
arrives and the game moves into the tray.

Every wait is bounded. Exit status 0 means every check passed.
"""

import json
import os
import re
import signal
import subprocess
import sys
import time

APP, WORK, ARTEFACTS = sys.argv[1], sys.argv[2], sys.argv[3]
CONF = os.path.join(WORK, "config", "Kestrune", "Murvane Solitaire.conf")
PIDS = os.path.join(WORK, "app.pids")

# Board geometry at scale 1 with Draw 1 (the defaults of a fresh store), in
# board coordinates; the board is the whole panel.
BOARD_WIDTH = 375
TOP_ROW_Y = 14 + 40 + 12          # inset, header, spacing
COLUMNS_Y = TOP_ROW_Y + 64 + 12
CARD_W, CARD_H = 44, 64
ROW_LEFT = 14 + (375 - 28 - 344) / 2  # the 344-wide row frame, centred
DRAW_ONE_LEFT = ROW_LEFT + 20         # Draw 1 row is 40 narrower, centred
STOCK = (DRAW_ONE_LEFT + 22, TOP_ROW_Y + 32)
WASTE = (DRAW_ONE_LEFT + 52 + 22, TOP_ROW_Y + 32)


def foundation_centre(f):
    return (DRAW_ONE_LEFT + 104 + 52 * f + 22, TOP_ROW_Y + 32)


def fan_step(n):
    if n < 2 or (n - 1) * 20 + 64 <= 260:
        return 20.0
    return max(196.0 / (n - 1), 11.0)


def column_card_rect(c, j, n):
    x = ROW_LEFT + 50 * c
    y = COLUMNS_Y + j * fan_step(n)
    return x, y


class Failure(Exception):
    pass


def log(message):
    print("e2e: " + message, flush=True)


def check(condition, message):
    if not condition:
        raise Failure(message)
    log("ok: " + message)


def wait_for(predicate, timeout, what, interval=0.05):
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure("timed out after %.0f s waiting for %s" % (timeout, what))
        time.sleep(interval)


def run(*args, timeout=10):
    return subprocess.run(args, capture_output=True, text=True, timeout=timeout)


# --- X windows ---------------------------------------------------------------

WINDOW_LINE = re.compile(
    r'^\s*(0x[0-9a-f]+) "Murvane Solitaire": \("murvane-solitaire" "Murvane Solitaire"\)\s+'
    r'(\d+)x(\d+)\+(-?\d+)\+(-?\d+)\s+\+(-?\d+)\+(-?\d+)')


def game_windows():
    out = run("xwininfo", "-root", "-tree").stdout
    windows = []
    for line in out.splitlines():
        m = WINDOW_LINE.match(line)
        if m:
            w, h, x, y = int(m.group(2)), int(m.group(3)), int(m.group(6)), int(m.group(7))
            windows.append({"id": m.group(1), "w": w, "h": h, "x": x, "y": y})
    return windows


def is_viewable(window_id):
    return "IsViewable" in run("xwininfo", "-id", window_id).stdout


SCREEN_HEIGHT = 800  # the Xvfb screen of session_common.sh


def tray_icon():
    # Small and within the tray host's strip at whichever edge it sits.
    at_bottom = os.environ.get("MURVANE_E2E_TRAY_EDGE") == "bottom"
    for w in game_windows():
        in_strip = w["y"] > SCREEN_HEIGHT - 64 if at_bottom else w["y"] < 64
        if 8 <= w["w"] <= 64 and 8 <= w["h"] <= 64 and in_strip and is_viewable(w["id"]):
            return w
    return None


def panel():
    for w in game_windows():
        if w["w"] >= 300 and w["h"] >= 300 and is_viewable(w["id"]):
            return w
    return None


WELCOME_LINE = re.compile(r'^\s*(0x[0-9a-f]+) "Welcome": \("murvane-solitaire" "Murvane Solitaire"\)')


def welcome_window():
    for line in run("xwininfo", "-root", "-tree").stdout.splitlines():
        m = WELCOME_LINE.match(line)
        if m and is_viewable(m.group(1)):
            return m.group(1)
    return None


MENU_LINE = re.compile(r'^\s*(0x[0-9a-f]+) .*\("murvane-solitaire" "Murvane Solitaire"\)\s+'
                       r'(\d+)x(\d+)\+(-?\d+)\+(-?\d+)\s+\+(-?\d+)\+(-?\d+)')


def tray_menu():
    """The tray's context menu: a window of the game smaller than the panel."""
    for line in run("xwininfo", "-root", "-tree").stdout.splitlines():
        m = MENU_LINE.match(line)
        if m and '"Welcome":' not in line:
            w, h = int(m.group(2)), int(m.group(3))
            if 100 <= w <= 500 and 60 <= h <= 300 and is_viewable(m.group(1)):
                return {"id": m.group(1), "w": w, "h": h, "x": int(m.group(6)), "y": int(m.group(7))}
    return None


def screenshot(name):
    path = os.path.join(ARTEFACTS, name)
    run("import", "-window", "root", path, timeout=20)
    log("screenshot " + path)


def click(x, y, repeat=1):
    run("xdotool", "mousemove", str(int(x)), str(int(y)))
    time.sleep(0.05)
    run("xdotool", "click", "--repeat", str(repeat), "--delay", "90", "1")


def drag(start, end, steps=10):
    run("xdotool", "mousemove", str(int(start[0])), str(int(start[1])))
    time.sleep(0.05)
    run("xdotool", "mousedown", "1")
    for i in range(1, steps + 1):
        x = start[0] + (end[0] - start[0]) * i / steps
        y = start[1] + (end[1] - start[1]) * i / steps
        run("xdotool", "mousemove", str(int(x)), str(int(y)))
        time.sleep(0.02)
    time.sleep(0.05)
    run("xdotool", "mouseup", "1")


# --- The stored game -------------------------------------------------------------

ESCAPE = re.compile(r'\\(x[0-9a-fA-F]+|[0-7]{1,3}|.)')


def ini_unescape(text):
    def one(m):
        e = m.group(1)
        if e[0] == "x":
            return chr(int(e[1:], 16))
        if e[0].isdigit():
            return chr(int(e, 8))
        return {"n": "\n", "r": "\r", "t": "\t", "a": "\a", "b": "\b", "f": "\f", "v": "\v"}.get(e, e)
    return ESCAPE.sub(one, text)


def read_conf():
    try:
        with open(CONF, "rb") as f:
            return f.read()
    except OSError:
        return None


def conf_values(raw):
    values = {}
    for line in raw.decode("latin-1").splitlines():
        if "=" not in line or line.startswith("["):
            continue
        key, value = line.split("=", 1)
        value = value.strip()
        if value.startswith('"') and value.endswith('"'):
            value = value[1:-1]
        values[key.strip()] = ini_unescape(value)
    return values


def saved_game():
    raw = read_conf()
    if not raw:
        return None
    value = conf_values(raw).get("Murvane_SavedGame")
    if not value or not value.startswith("@ByteArray("):
        return None
    data = value[len("@ByteArray("):-1].encode("latin-1").decode("utf-8")
    try:
        return json.loads(data)
    except ValueError:
        return None  # caught mid-write by an older reader; try again


def card(c):
    return (c["rank"], c["suit"], bool(c["isFaceUp"]))


def piles(game):
    return {
        "stock": [card(c) for c in game["stock"]],
        "waste": [card(c) for c in game["waste"]],
        "foundations": [[card(c) for c in p] for p in game["foundations"]],
        "tableau": [[card(c) for c in p] for p in game["tableau"]],
    }


def wait_for_change(before, timeout, what):
    return wait_for(lambda: (lambda g: g if g and piles(g) != before else None)(saved_game()), timeout, what)


# --- Rules, just enough to choose gestures ------------------------------------------------

RED = {"\u2665", "\u2666"}


def is_red(c):
    return c[1] in RED


def fits_column(c, column):
    if not column:
        return c[0] == 13
    top = column[-1]
    return top[2] and is_red(top) != is_red(c) and top[0] == c[0] + 1


def fits_foundation(c, foundation):
    if not foundation:
        return c[0] == 1
    top = foundation[-1]
    return top[1] == c[1] and top[0] + 1 == c[0]


def legal_moves(p):
    """(source, target, grab point, drop point, moved cards) for every legal move."""
    moves = []
    sources = []
    if p["waste"]:
        sources.append((("waste",), [p["waste"][-1]], WASTE))
    for c, column in enumerate(p["tableau"]):
        n = len(column)
        for k, cd in enumerate(column):
            if not cd[2]:
                continue
            x, y = column_card_rect(c, k, n)
            grab_y = y + CARD_H / 2 if k == n - 1 else y + min(fan_step(n) / 2, 8)
            sources.append((("tableau", c, k), column[k:], (x + CARD_W / 2, grab_y)))
    for source, cards, grab in sources:
        if len(cards) == 1:
            for f, foundation in enumerate(p["foundations"]):
                if fits_foundation(cards[0], foundation):
                    moves.append((source, ("foundation", f), grab, foundation_centre(f), cards))
        for t, column in enumerate(p["tableau"]):
            if source[0] == "tableau" and source[1] == t:
                continue
            if source[0] == "tableau" and source[2] == 0 and not column:
                continue  # a King from one empty base to another changes nothing
            if fits_column(cards[0], column):
                n = len(column)
                x, y = column_card_rect(t, max(n - 1, 0), max(n, 1))
                moves.append((source, ("tableau", t), grab, (x + CARD_W / 2, y + CARD_H / 2), cards))
    return moves


def apply(p, move):
    source, target, _, _, cards = move
    q = json.loads(json.dumps(p))
    q = {k: [tuple(c) for c in v] if k in ("stock", "waste") else [[tuple(c) for c in pile] for pile in v]
         for k, v in q.items()}
    if source[0] == "waste":
        q["waste"].pop()
    else:
        del q["tableau"][source[1]][source[2]:]
        column = q["tableau"][source[1]]
        if column and not column[-1][2]:
            column[-1] = (column[-1][0], column[-1][1], True)
    if target[0] == "foundation":
        q["foundations"][target[1]].extend(cards)
    else:
        q["tableau"][target[1]].extend(cards)
    return q


# --- The game process --------------------------------------------------------------

processes = []


def launch():
    proc = subprocess.Popen([APP], stdout=subprocess.DEVNULL, stderr=open(os.path.join(WORK, "app.log"), "ab"),
                            start_new_session=True)
    processes.append(proc)
    with open(PIDS, "a") as f:
        f.write("%d\n" % proc.pid)
    return proc


def stop_all():
    for proc in processes:
        if proc.poll() is None:
            try:
                os.killpg(proc.pid, signal.SIGKILL)
            except OSError:
                pass
            proc.wait(timeout=5)


def quit_by_sigterm(proc, timeout=10):
    proc.send_signal(signal.SIGTERM)
    try:
        rc = proc.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        raise Failure("SIGTERM did not end the game")
    check(rc == 0, "SIGTERM quits cleanly with status 0")


def to_screen(pan, point):
    return pan["x"] + point[0], pan["y"] + point[1]


# Longer than a double-click: clicks this far apart are separate gestures.
GESTURE_GAP = 0.8


def open_panel():
    # A freshly started instance's icon may be mapped a moment before the
    # tray host has finished embedding it; click again if nothing opened.
    for attempt in range(3):
        icon = wait_for(tray_icon, 20, "the tray icon")
        click(icon["x"] + icon["w"] / 2, icon["y"] + icon["h"] / 2)
        try:
            return icon, wait_for(panel, 4, "the panel to open")
        except Failure:
            log("no panel after clicking the icon (attempt %d)" % (attempt + 1))
    raise Failure("the tray icon click never opened the panel")


def close_panel_outside(pan):
    # Far from the panel and from the tray.
    x = 40 if pan["x"] > 200 else 1240
    click(x, 760)
    wait_for(lambda: panel() is None, 10, "the panel to close after an outside click")


def draw_until(pan, wanted, limit=60):
    """Clicks the stock until `wanted(piles)` returns something."""
    for _ in range(limit):
        p = piles(saved_game())
        found = wanted(p)
        if found:
            return p, found
        click(*to_screen(pan, STOCK))
        wait_for_change(p, 5, "the stock click to be saved")
    raise Failure("no suitable position after %d stock clicks" % limit)


def gestures(pan):
    # 1. A stock click turns the stock's top card onto the waste.
    before = piles(wait_for(saved_game, 10, "the first deal to be saved"))
    check(len(before["stock"]) == 24 and all(len(c) == i + 1 for i, c in enumerate(before["tableau"])),
          "a fresh deal: 24 in the stock, columns of 1 to 7")
    click(*to_screen(pan, STOCK))
    after = piles(wait_for_change(before, 5, "the stock click to be saved"))
    check(after["stock"] == before["stock"][:-1] and after["waste"][-1][:2] == before["stock"][-1][:2]
          and after["waste"][-1][2], "stock click turned the top card onto the waste")
    screenshot("e2e-1-stock-click.png")

    # 2. A drag onto a pile that takes the card lands there.
    p, moves = draw_until(pan, legal_moves)
    # A column drop when there is one: it exercises the widened drop frames.
    move = sorted(moves, key=lambda m: m[1][0] != "tableau")[0]
    log("dragging %s from %s to %s" % (move[4][0][:2], move[0], move[1]))
    drag(to_screen(pan, move[2]), to_screen(pan, move[3]))
    after = piles(wait_for_change(p, 5, "the landed drag to be saved"))
    check(after == apply(p, move), "drag landed on %s" % (move[1],))
    screenshot("e2e-2-drag-landed.png")

    # 3. A drag onto a column that refuses the card snaps back: nothing changes.
    def refused(q):
        for c, column in enumerate(q["tableau"]):
            if not column:
                continue
            top = column[-1]
            for t, other in enumerate(q["tableau"]):
                if t != c and other and not fits_column(top, other):
                    return c, t
        return None
    p, (c, t) = draw_until(pan, refused)
    column, other = p["tableau"][c], p["tableau"][t]
    x, y = column_card_rect(c, len(column) - 1, len(column))
    tx, ty = column_card_rect(t, len(other) - 1, len(other))
    log("dragging %s from column %d onto column %d, which refuses it" % (column[-1][:2], c, t))
    raw_before = read_conf()
    drag(to_screen(pan, (x + CARD_W / 2, y + CARD_H / 2)), to_screen(pan, (tx + CARD_W / 2, ty + CARD_H / 2)))
    screenshot("e2e-3-drag-refused.png")
    # A refused drop writes nothing; give a wrong move every chance to show up.
    time.sleep(1.0)
    check(piles(saved_game()) == p and read_conf() == raw_before, "refused drag snapped back, store untouched")

    # 4. A double-click sends a card to its best spot.
    def single_card_moves(q):
        return [m for m in legal_moves(q) if len(m[4]) == 1 and (m[0][0] == "waste" or
                                                               m[0][2] == len(q["tableau"][m[0][1]]) - 1)]
    p, moves = draw_until(pan, single_card_moves)
    source, _, grab, _, cards = moves[0]
    log("double-clicking %s on %s" % (cards[0][:2], source))
    click(*to_screen(pan, grab), repeat=2)
    after = piles(wait_for_change(p, 5, "the double-click move to be saved"))
    if source[0] == "waste":
        moved = len(after["waste"]) == len(p["waste"]) - 1
    else:
        moved = len(after["tableau"][source[1]]) == len(p["tableau"][source[1]]) - 1
    placed = any(after == apply(p, m) for m in legal_moves(p) if m[0] == source and m[4] == cards)
    check(moved and placed, "double-click sent %s to a legal spot" % (cards[0][:2],))
    screenshot("e2e-4-double-click.png")
    return after


def main():
    os.makedirs(ARTEFACTS, exist_ok=True)
    check(read_conf() is None, "the store starts empty")

    # --- first run ---
    started = time.monotonic()
    first = launch()
    icon = wait_for(tray_icon, 20, "the tray icon")
    log("tray icon %dx%d at %d,%d after %.2f s" % (icon["w"], icon["h"], icon["x"], icon["y"],
                                                    time.monotonic() - started))
    values = conf_values(wait_for(lambda: (lambda r: r if r and b"Murvane_HasSeenWelcome=true" in r else None)(
        read_conf()), 10, "the welcome check to be stored"))
    check(values.get("Murvane_HasSeenWelcome") == "true", "first launch marks the welcome as seen")
    welcome = wait_for(welcome_window, 10, "the welcome window")
    screenshot("e2e-welcome.png")
    run("xdotool", "windowfocus", "--sync", welcome)
    run("xdotool", "key", "Return")
    wait_for(lambda: welcome_window() is None, 10, "Return to close the welcome window")

    icon, pan = open_panel()
    screenshot("e2e-0-panel-open.png")
    check(pan["w"] == BOARD_WIDTH, "panel is the board's width (%d)" % pan["w"])
    check(pan["y"] > icon["y"] and pan["x"] + pan["w"] <= 1280 and pan["y"] + pan["h"] <= SCREEN_HEIGHT,
          "panel hangs below the icon, fully on screen")

    gestures(pan)

    close_panel_outside(pan)
    check(first.poll() is None, "closing the panel leaves the game running")

    # Clicking the icon opens it again; clicking the icon once more closes it.
    icon, pan = open_panel()
    time.sleep(GESTURE_GAP)  # two quick clicks would be a double-click
    click(icon["x"] + icon["w"] / 2, icon["y"] + icon["h"] / 2)
    wait_for(lambda: panel() is None, 10, "the icon click to close the panel")
    time.sleep(0.5)
    check(panel() is None, "a click on the icon while open closes the panel and keeps it closed")

    # A double-click on the icon opens the panel once and leaves it open.
    time.sleep(GESTURE_GAP)
    click(icon["x"] + icon["w"] / 2, icon["y"] + icon["h"] / 2, repeat=2)
    wait_for(panel, 4, "the double-click to open the panel")
    time.sleep(GESTURE_GAP)
    check(panel() is not None, "a double-click on the icon opens the panel and leaves it open")

    # Another application taking the focus closes it, though the grab saw no click.
    raw = read_conf()
    other = subprocess.Popen(["xev", "-geometry", "200x120+40+600", "-name", "other"],
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
    processes.append(other)
    other_id = wait_for(lambda: next((line.split()[0] for line in run("xwininfo", "-root", "-tree").stdout.splitlines()
                                      if '"other"' in line), None), 10, "another application's window")
    run("xdotool", "windowfocus", other_id)
    wait_for(lambda: panel() is None, 10, "the panel to close when another application takes the focus")
    check(read_conf() == raw, "losing the focus closes the panel and leaves the game as it was")
    other.terminate()
    other.wait(timeout=5)

    # --- second launch while running ---
    raw = read_conf()
    second = launch()
    try:
        rc = second.wait(timeout=10)
    except subprocess.TimeoutExpired:
        raise Failure("the second launch did not exit")
    check(rc == 0, "second launch exits at once with status 0")
    pan = wait_for(panel, 10, "the running instance to show its panel")
    check(read_conf() == raw, "second launch left the store untouched")
    close_panel_outside(pan)

    # --- the tray's context menu: "Open" comes first and opens the panel ---
    icon = wait_for(tray_icon, 10, "the tray icon")
    run("xdotool", "mousemove", str(icon["x"] + icon["w"] // 2), str(icon["y"] + icon["h"] // 2))
    run("xdotool", "click", "3")
    menu = wait_for(tray_menu, 10, "the tray's context menu")
    screenshot("e2e-6-tray-menu.png")
    click(menu["x"] + menu["w"] / 2, menu["y"] + 14)
    pan = wait_for(panel, 10, "Open in the tray menu to open the panel")
    check(tray_menu() is None, "the tray menu's Open item opened the panel")
    close_panel_outside(pan)

    # --- quit from the panel (Ctrl+Q) ---
    before_quit = piles(saved_game())
    icon, pan = open_panel()
    run("xdotool", "key", "ctrl+q")
    try:
        rc = first.wait(timeout=10)
    except subprocess.TimeoutExpired:
        raise Failure("Ctrl+Q did not quit")
    check(rc == 0, "Ctrl+Q quits with status 0")
    wait_for(lambda: tray_icon() is None, 10, "the old tray icon to go away")
    check(piles(saved_game()) == before_quit, "the game in progress is in the store after quitting")

    # --- relaunch: the same game comes back ---
    again = launch()
    icon, pan = open_panel()
    screenshot("e2e-5-relaunched.png")
    check(piles(saved_game()) == before_quit, "relaunch did not deal a new game")
    check(welcome_window() is None, "no welcome window on a later launch")
    if before_quit["stock"]:
        click(*to_screen(pan, STOCK))
        after = piles(wait_for_change(before_quit, 5, "the stock click after relaunch to be saved"))
        check(after["tableau"] == before_quit["tableau"] and after["foundations"] == before_quit["foundations"]
              and after["stock"] == before_quit["stock"][:-1], "relaunched game plays on from where it was")
    close_panel_outside(pan)

    # --- SIGTERM ends it cleanly ---
    quit_by_sigterm(again)
    check(not os.path.exists(CONF + ".lock"), "no settings lock file left behind")

    late_tray_hosts()


# --- Tray hosts that come up after the game ------------------------------------------

HERE = os.path.dirname(os.path.abspath(__file__))
REGISTRATIONS = os.path.join(WORK, "registrations")
LATE_HOST_DELAY = 3.0


def start_helper(args, log_name):
    proc = subprocess.Popen(args, stdout=subprocess.PIPE, stderr=open(os.path.join(WORK, log_name), "ab"),
                            text=True, start_new_session=True)
    processes.append(proc)  # stopped with the games, however the run ends
    with open(PIDS, "a") as f:
        f.write("%d\n" % proc.pid)
    return proc


def stop(proc):
    if proc.poll() is None:
        try:
            os.killpg(proc.pid, signal.SIGTERM)
        except OSError:
            pass
        proc.wait(timeout=10)


def xembed_host_up():
    return '("panel" "trayer")' in run("xwininfo", "-root", "-tree").stdout


def start_xembed_host():
    edge = os.environ.get("MURVANE_E2E_TRAY_EDGE", "top")
    proc = start_helper(["trayer", "--edge", edge, "--align", "right", "--widthtype", "request", "--height", "32",
                         "--SetDockType", "true", "--SetPartialStrut", "true", "--transparent", "false"],
                        "trayer-late.log")
    wait_for(xembed_host_up, 10, "the tray host to start")
    return proc


def start_sni_watcher():
    proc = start_helper(["/usr/bin/python3", os.path.join(HERE, "sni_watcher.py"), REGISTRATIONS], "watcher.log")
    if "watcher ready" not in proc.stdout.readline():
        raise Failure("the StatusNotifierWatcher did not start")
    return proc


def registrations():
    try:
        with open(REGISTRATIONS) as f:
            return [line.split() for line in f if line.strip()]
    except OSError:
        return []


def activate_item(item):
    result = run("dbus-send", "--session", "--print-reply", "--dest=" + item, "/StatusNotifierItem",
                 "org.kde.StatusNotifierItem.Activate", "int32:640", "int32:12", timeout=15)
    if result.returncode != 0:
        raise Failure("Activate failed: " + result.stderr.strip())


def start_without_tray():
    game = launch()
    wait_for(panel, 20, "the game's ordinary window, with no tray host")
    check(tray_icon() is None, "without a tray host the game opens its ordinary window")
    time.sleep(LATE_HOST_DELAY)
    return game


def late_tray_hosts():
    # The run's own tray host goes first; the game is not running.
    with open(os.path.join(WORK, "trayer.pid")) as f:
        os.kill(int(f.read()), signal.SIGTERM)
    wait_for(lambda: not xembed_host_up(), 10, "the first tray host to go")

    # XEmbed: the tray selection's new owner.
    game = start_without_tray()
    host = start_xembed_host()
    came_up = time.monotonic()
    icon = wait_for(tray_icon, 5, "the icon in the tray host that came up after the game")
    log("the icon was in the late tray %.2f s after the host came up" % (time.monotonic() - came_up))
    screenshot("e2e-7-late-tray.png")
    check(panel() is not None, "the window open when the tray came stays open")
    click(icon["x"] + icon["w"] / 2, icon["y"] + icon["h"] / 2)
    wait_for(lambda: panel() is None, 10, "the icon's click to close the window")
    time.sleep(GESTURE_GAP)
    icon, pan = open_panel()
    check(pan["y"] > icon["y"] and pan["w"] == BOARD_WIDTH, "the icon opens the panel below it: the game lives in the tray")
    close_panel_outside(pan)
    check(game.poll() is None, "closing the panel leaves the game running")
    # The reverse: a host that dies and comes back gets the icon back.
    stop(host)
    wait_for(lambda: tray_icon() is None, 10, "the icon to go with its host")
    host = start_xembed_host()
    icon, pan = open_panel()
    check(pan["y"] > icon["y"], "a tray host that came back shows the icon, and it opens the panel")
    close_panel_outside(pan)
    quit_by_sigterm(game)
    stop(host)

    # StatusNotifierItem: the watcher's name appearing on the session bus.
    game = start_without_tray()
    already = len(registrations())
    watcher = start_sni_watcher()
    came_up = time.monotonic()
    regs = wait_for(lambda: (lambda r: r if len(r) > already else None)(registrations()), 5,
                    "the item to register with the watcher that came up after the game")
    log("the item registered %.2f s after the watcher came up" % (time.monotonic() - came_up))
    item = regs[-1][1]
    time.sleep(1.0)  # Qt acts on activations a moment after registering
    check(panel() is not None, "the window open when the watcher came stays open")
    activate_item(item)
    wait_for(lambda: panel() is None, 10, "activating the item to close the window")
    time.sleep(GESTURE_GAP)
    activate_item(item)
    pan = wait_for(panel, 10, "activating the item to open the panel")
    check(pan["w"] == BOARD_WIDTH, "the item opens the tray's panel")
    screenshot("e2e-8-late-sni.png")
    close_panel_outside(pan)
    check(game.poll() is None, "closing the panel leaves the game running")
    quit_by_sigterm(game)
    stop(watcher)


def run_driver(body, failure_screenshot):
    """Runs a driver's main, stops every game it started, exits 0 on success."""
    status = 0
    try:
        body()
    except Failure as failure:
        log("FAILED: %s" % failure)
        try:
            screenshot(failure_screenshot)
        except Exception:
            pass
        status = 1
    except Exception as error:  # a broken helper is a failure, not a crash
        log("ERROR: %r" % (error,))
        status = 1
    finally:
        stop_all()
    sys.exit(status)


if __name__ == "__main__":
    run_driver(main, "e2e-failure.png")
