"""Plays the game through the accessibility bus alone (started by run_e2e.sh
with this driver): the program runs as a blind player's would, with the
accessibility bus up, and everything after start-up goes through AT-SPI
(pyatspi) and key presses; the pointer is never used.

It reads the stock's label, draws with the stock's default action, performs
a named "Move to ..." action on a card and sees the board change, undoes
with the Undo button's action, and plays a draw with Left then Return. The
saved game in the settings file confirms each step. In Preferences it flips
switches through their "Toggle" action and reads the stored settings. Then,
from a stored game one move from the end, it wins with the last card's
"Move to foundation" action, finds the keyboard focus on "Play Again", and
deals again with Return, which hands the focus back to the stock. From
the menu it plays deal 4242 by number, restarts it with Ctrl+R, copies its
code, and last plays that code in a second home (its own HOME and config).

Every wait is bounded. Exit status 0 means every check passed.
"""

import json
import os
import re
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import e2e_driver as e2e  # noqa: E402  (shares the X and store helpers)
from e2e_driver import Failure, check, log, wait_for  # noqa: E402

STOCK_LABEL = re.compile(r"^Stock pile\. (\d+) cards? remaining\. Tap to draw\.$")


def start_accessibility_bus():
    # The bus launcher starts on this request; the registry follows it.
    out = subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
                          "org.a11y.Bus.GetAddress"], capture_output=True, text=True, timeout=20)
    check(out.returncode == 0 and "unix:" in out.stdout, "the accessibility bus is up")


# --- The accessible tree ------------------------------------------------------------

def game_app(pyatspi):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "Murvane Solitaire":
            return app
    return None


def descendants(node, depth=0):
    if node is None or depth > 12:
        return
    yield node
    try:
        count = node.childCount
    except Exception:
        return
    for i in range(count):
        try:
            child = node.getChildAtIndex(i)
        except Exception:
            continue
        yield from descendants(child, depth + 1)


def find(pyatspi, predicate, what, timeout=10):
    def look():
        app = game_app(pyatspi)
        if app is None:
            return None
        app.clear_cache()
        for node in descendants(app):
            try:
                node.clear_cache()
                if predicate(node):
                    return node
            except Exception:
                continue
        return None
    return wait_for(look, timeout, what, interval=0.2)


def actions_of(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return None, []
    return action, [action.getName(i) for i in range(action.nActions)]


def do_action(node, name):
    action, names = actions_of(node)
    if name not in names:
        raise Failure("%r offers no action %r (it has %r)" % (node.name, name, names))
    action.doAction(names.index(name))


def stock_count(pyatspi):
    stock = find(pyatspi, lambda n: STOCK_LABEL.match(n.name or ""), "the stock's label")
    return stock, int(STOCK_LABEL.match(stock.name).group(1))


def key(name):
    e2e.run("xdotool", "key", "--delay", "60", name)


# --- The walk-through ------------------------------------------------------------------

def play(pyatspi):
    before = e2e.piles(wait_for(e2e.saved_game, 10, "the first deal to be saved"))

    # 1. The stock's label, then its default action draws.
    stock, count = stock_count(pyatspi)
    log("stock reads: %r (role %s)" % (stock.name, stock.getRoleName()))
    check(count == len(before["stock"]) == 24, "the stock's label counts its 24 cards")
    _, names = actions_of(stock)
    default = names[0] if names else None
    check(default is not None, "the stock has a default action (%r)" % default)
    do_action(stock, default)
    after = e2e.piles(e2e.wait_for_change(before, 5, "the stock's action to be saved"))
    check(len(after["stock"]) == 23 and len(after["waste"]) == 1, "the stock's default action drew a card")
    stock, count = stock_count(pyatspi)
    check(count == 23, "the stock's label follows: %r" % stock.name)
    e2e.screenshot("a11y-1-drawn.png")

    # 2. A named move on some card; draw with the stock's action until one exists.
    def movable(node):
        _, names = actions_of(node)
        return any(n.startswith("Move to ") for n in names)
    card = None
    for _ in range(40):
        try:
            card = find(pyatspi, movable, "a card with a named move", timeout=1.5)
            break
        except Failure:
            p = e2e.piles(e2e.saved_game())
            do_action(find(pyatspi, lambda n: (n.name or "").startswith("Stock pile"), "the stock"), default)
            e2e.wait_for_change(p, 5, "the stock's action to be saved")
    check(card is not None, "some card offers a named move")
    _, names = actions_of(card)
    move = [n for n in names if n.startswith("Move to ")][0]
    label = card.name
    source_pile = card.parent
    log("performing %r on %r (its actions: %r)" % (move, label, names))
    p = e2e.piles(e2e.saved_game())
    do_action(card, move)
    moved = e2e.piles(e2e.wait_for_change(p, 5, "the named move to be saved"))
    check(moved != p, "the named move changed the board")
    m = re.match(r"Move to (?:empty )?column (\d+)$", move)
    if m:
        column = int(m.group(1)) - 1
        rank_suit = [c[:2] for c in moved["tableau"][column]]
        check(len(moved["tableau"][column]) > len(p["tableau"][column]),
              "column %d grew (%s)" % (column + 1, rank_suit))
    else:
        check(sum(map(len, moved["foundations"])) == sum(map(len, p["foundations"])) + 1,
              "a foundation took the card")
    # The tree shows the card in its new pile.
    find(pyatspi, lambda n: n.name == label and n.getRoleName() == "list item" and n.parent != source_pile,
         "%s in its new pile in the accessible tree" % label)
    log("the tree lists %r under its new pile" % label)
    spoken = find(pyatspi, lambda n: n.getRoleName() == "status bar" and label in (n.name or "")
                  and " moved to " in n.name, "the announcement of the move")
    log("announced: %r" % spoken.name)
    e2e.screenshot("a11y-2-named-move.png")

    # 3. Undo through the Undo button's action.
    undo = find(pyatspi, lambda n: n.name == "Undo last card move", "the Undo button")
    _, names = actions_of(undo)
    do_action(undo, names[0])
    undone = e2e.piles(e2e.wait_for_change(moved, 5, "the undo to be saved"))
    check(undone == p, "the Undo button's action put the card back")

    # 4. Left then Return plays a draw from the keyboard: the focus is on the
    #    stock since its action, and Left stops at the row's end.
    key("Left")
    key("Return")
    drawn = e2e.piles(e2e.wait_for_change(undone, 5, "the keyboard draw to be saved"))
    check(len(drawn["stock"]) == len(undone["stock"]) - 1 or (not undone["stock"] and not drawn["waste"]),
          "Left then Return drew from the stock")
    stock = find(pyatspi, lambda n: (n.name or "").startswith("Stock pile"), "the stock")
    check(stock.getState().contains(pyatspi.STATE_FOCUSED), "the stock holds the keyboard focus")
    spoken = find(pyatspi, lambda n: n.getRoleName() == "status bar" and (n.name or "").startswith("Drew "),
                  "the announcement of the draw")
    log("announced: %r; the focused stock now describes itself as %r" % (spoken.name, stock.description))
    e2e.screenshot("a11y-3-keyboard-draw.png")


def menu_command(pyatspi, label):
    """Opens the header's menu through its button's action and runs an item."""
    button = find(pyatspi, lambda n: (n.name or "").startswith("Menu: preferences") and n.getRoleName() != "label",
                  "the menu button")
    _, names = actions_of(button)
    check(bool(names), "the menu button has an action (%r)" % names)
    do_action(button, names[0])
    item = find(pyatspi, lambda n: n.name == label and n.getRoleName() == "menu item", "the menu's %r item" % label)
    _, names = actions_of(item)
    check(bool(names), "the %r item has an action (%r)" % (label, names))
    do_action(item, names[0])


def dealt_piles(game):
    return {"stock": [e2e.card(c) for c in game["dealt"]["stock"]],
            "tableau": [[e2e.card(c) for c in p] for p in game["dealt"]["tableau"]]}


ALPHABET = "0123456789ABCDEFGHJKMNPQRSTVWXYZ"
SUITS = "\u2660\u2665\u2666\u2663"


def deal_code(dealt):
    """The deal code written out a second time, from its definition: the dealt
    deck's rank among the 52! orders in 46 base-32 digits, a Luhn mod 32 check
    character, groups of six joined by '-'."""
    taken = [c for column in dealt["tableau"] for c in column]
    deck = dealt["stock"] + [taken[len(taken) - 1 - i] for i in range(len(taken))]
    index = [SUITS.index(c[1]) * 13 + c[0] - 1 for c in deck]
    value = 0
    for i in range(52):
        value = value * (52 - i) + sum(1 for k in range(i + 1, 52) if index[k] < index[i])
    digits = []
    for _ in range(46):
        digits.append(value % 32)
        value //= 32
    digits.reverse()
    total = 0
    for n, d in enumerate(reversed(digits)):
        addend = d * (2 if n % 2 == 0 else 1)
        total += addend // 32 + addend % 32
    symbols = "".join(ALPHABET[d] for d in digits + [(32 - total % 32) % 32])
    return "-".join(symbols[i:i + 6] for i in range(0, len(symbols), 6))


def play_deal(pyatspi, typed):
    menu_command(pyatspi, "Play Deal…")
    find(pyatspi, lambda n: n.name == "Deal number or code" and n.getRoleName() in ("text", "entry"),
         "the Play Deal field")
    e2e.run("xdotool", "type", "--delay", "40", typed)
    key("Return")


def deal_by_number(pyatspi):
    """Deal 4242 by number (the started game asks first), restart it, copy its code."""
    play_deal(pyatspi, "4242")
    confirm = find(pyatspi, lambda n: n.name == "New Deal" and n.getRoleName() == "push button",
                   "the abandon dialog's New Deal button")
    do_action(confirm, actions_of(confirm)[1][0])
    game = wait_for(lambda: (lambda g: g if g and (g.get("dealt") or {}).get("number") == 4242 else None)(
        e2e.saved_game()), 10, "deal 4242 to be saved")
    dealt = dealt_piles(game)
    now = e2e.piles(game)
    check(now["stock"] == dealt["stock"] and now["tableau"] == dealt["tableau"], "deal 4242 is laid out as dealt")
    e2e.screenshot("a11y-5-deal-4242.png")

    stock, _ = stock_count(pyatspi)
    _, names = actions_of(stock)
    do_action(stock, names[0])
    drawn = e2e.piles(e2e.wait_for_change(now, 5, "the draw to be saved"))
    check(len(drawn["waste"]) == 1, "a card was drawn")
    key("ctrl+r")
    restarted = e2e.piles(e2e.wait_for_change(drawn, 5, "Ctrl+R to be saved"))
    check(restarted["stock"] == dealt["stock"] and restarted["tableau"] == dealt["tableau"]
          and not restarted["waste"], "Ctrl+R put deal 4242 back as dealt")
    log("ok: deal 4242 played by number and restarted")

    # The clipboard needs a reader this session lacks; the code is worked out
    # here instead (the unit tests read the copied line).
    menu_command(pyatspi, "Copy Deal Code")
    return deal_code(dealt), dealt


def deal_from_code_in_second_home(pyatspi, code, dealt):
    """A fresh home plays the copied code and gets the same layout, without a number."""
    home = os.path.join(e2e.WORK, "home2")
    config = os.path.join(e2e.WORK, "config2")
    os.makedirs(home, exist_ok=True)
    os.environ["HOME"] = home
    os.environ["XDG_CONFIG_HOME"] = config
    e2e.CONF = os.path.join(config, "Kestrune", "Murvane Solitaire.conf")
    check(e2e.read_conf() is None, "the second home's store starts empty")
    first = e2e.launch()
    welcome = wait_for(e2e.welcome_window, 20, "the second home's welcome window")
    e2e.run("xdotool", "windowfocus", "--sync", welcome)
    key("Return")
    wait_for(lambda: e2e.welcome_window() is None, 10, "Return to close the welcome window")
    second = e2e.launch()
    check(second.wait(timeout=10) == 0, "the second launch handed over")
    wait_for(e2e.panel, 10, "the panel to show")
    wait_for(lambda: game_app(pyatspi), 20, "the second home's game on the accessibility bus")
    play_deal(pyatspi, code)
    game = wait_for(lambda: (lambda g: g if g and g.get("dealt") and dealt_piles(g) == dealt else None)(
        e2e.saved_game()), 10, "the copied code's deal to be saved in the second home")
    check("number" not in game["dealt"], "a deal played from a code has no number")
    e2e.screenshot("a11y-6-second-home.png")
    log("ok: the copied code dealt the same layout in a second home")
    key("ctrl+q")
    check(first.wait(timeout=10) == 0, "Ctrl+Q quits the second home's game")


def stored_setting(key):
    raw = e2e.read_conf()
    return e2e.conf_values(raw).get(key) if raw else None


def toggle_switches(pyatspi):
    """Every switch's accessible "Toggle" must change the setting it shows."""
    key("ctrl+comma")
    # (switch, stored key, stored values at first, stored after Toggle, checked after Toggle)
    cases = [
        ("Show suit in card corner", "Murvane_ShowsCornerSuit", ["false", None], "true", True),
        ("Four-colour suits", "Murvane_FourColourSuits", ["false", None], "true", True),
        ("Auto Complete", "Murvane_AutoCompleteMode", ["Enabled", None], "Disabled", False),
    ]
    for label, setting, off, on, checked in cases:
        switch = find(pyatspi, lambda n: n.name == label and n.getRoleName() != "label", "the %r switch" % label)
        _, names = actions_of(switch)
        toggle = next((n for n in names if n.lower() == "toggle"), None)
        check(toggle is not None, "the %r switch offers a Toggle action (%r)" % (label, names))
        before = stored_setting(setting)
        check(before in off, "%s starts as %r" % (setting, before))
        do_action(switch, toggle)
        wait_for(lambda: stored_setting(setting) == on, 5, "%s to be stored as %r after Toggle" % (setting, on))
        switch.clear_cache()
        check(switch.getState().contains(pyatspi.STATE_CHECKED) == checked,
              "the %r switch shows the stored setting (%s=%s)" % (label, setting, on))
        do_action(switch, toggle)
        wait_for(lambda: stored_setting(setting) in off, 5, "%s to be stored back after a second Toggle" % setting)
        log("ok: %r toggled through its action, stored and shown both ways" % label)
    e2e.screenshot("a11y-4-preferences.png")
    key("Escape")


def one_move_from_the_end():
    """Rewrites the stored game, with the game closed, so that only the King
    of Clubs is left to play, from column 1 to its foundation."""
    game = e2e.saved_game()
    check(game is not None, "a saved game to rewrite")
    cards = [c for pile in ("stock", "waste") for c in game[pile]]
    cards += [c for p in game["foundations"] + game["tableau"] for c in p]
    check(len(cards) == 52, "the saved game holds the whole deck")
    by_suit = {}
    for c in cards:
        by_suit.setdefault(c["suit"], []).append(dict(c, isFaceUp=True))
    suits = sorted(by_suit, key=lambda s: by_suit[s][0]["suit"])
    king_of_clubs = None
    game["foundations"] = []
    for suit in suits:
        pile = sorted(by_suit[suit], key=lambda c: c["rank"])
        if suit == "\u2663":
            king_of_clubs = pile.pop()
        game["foundations"].append(pile)
    check(king_of_clubs is not None and king_of_clubs["rank"] == 13, "the King of Clubs set aside")
    game.update(stock=[], waste=[], tableau=[[king_of_clubs]] + [[] for _ in range(6)],
                hasStartedCurrentDeal=True, gameHasBeenCreditedWin=False, wasAutoCompleting=False)
    data = "@ByteArray(%s)" % json.dumps(game)  # ASCII: the suits as \u escapes
    value = '"%s"' % data.replace("\\", "\\\\").replace('"', '\\"')
    lines = e2e.read_conf().decode("latin-1").splitlines()
    out = [("Murvane_SavedGame=" + value) if l.startswith("Murvane_SavedGame=") else l
           for l in lines if not l.startswith("Murvane_AutoCompleteMode=")]
    out.insert(out.index("[General]") + 1 if "[General]" in out else 0, "Murvane_AutoCompleteMode=Disabled")
    with open(e2e.CONF, "w", encoding="latin-1") as f:
        f.write("\n".join(out) + "\n")


def win_by_action(pyatspi):
    # The last card goes home through its accessible action; the win card
    # then holds the keyboard on "Play Again", which a screen reader reads.
    king = find(pyatspi, lambda n: n.name == "King of Clubs" and "Move to foundation" in actions_of(n)[1],
                "the King of Clubs with its move to the foundation")
    do_action(king, "Move to foundation")
    find(pyatspi, lambda n: n.name == "Play Again" and n.getState().contains(pyatspi.STATE_FOCUSED),
         "the keyboard focus on Play Again after the win")
    log("ok: the win card took the keyboard focus on Play Again")
    e2e.screenshot("a11y-5-won.png")
    key("Return")
    find(pyatspi, lambda n: STOCK_LABEL.match(n.name or "") and n.getState().contains(pyatspi.STATE_FOCUSED),
         "Return on Play Again to deal again and hand the focus to the stock")
    log("ok: Return dealt again and the stock holds the keyboard focus")


def main():
    os.makedirs(e2e.ARTEFACTS, exist_ok=True)
    check(e2e.read_conf() is None, "the store starts empty")
    start_accessibility_bus()
    os.environ["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
    import pyatspi

    first = e2e.launch()
    wait_for(e2e.tray_icon, 20, "the tray icon")
    wait_for(lambda: (lambda r: r if r and b"Murvane_HasSeenWelcome=true" in r else None)(e2e.read_conf()),
             10, "the welcome check to be stored")
    # The first run greets the player; Return closes the greeting.
    welcome = wait_for(e2e.welcome_window, 10, "the welcome window")
    edge = os.environ.get("MURVANE_E2E_TRAY_EDGE", "top")
    find(pyatspi, lambda n: ("icon at the %s of your screen" % edge) in (n.name or ""),
         "the welcome text to name the tray's edge (%s)" % edge)
    e2e.run("xdotool", "windowfocus", "--sync", welcome)
    key("Return")
    wait_for(lambda: e2e.welcome_window() is None, 10, "Return to close the welcome window")
    # A second launch hands over to the running game, which shows its panel:
    # no pointer needed.
    second = e2e.launch()
    check(second.wait(timeout=10) == 0, "the second launch handed over")
    wait_for(e2e.panel, 10, "the panel to show")
    e2e.screenshot("a11y-0-panel.png")
    wait_for(lambda: game_app(pyatspi), 20, "the game on the accessibility bus")

    play(pyatspi)
    toggle_switches(pyatspi)
    code, dealt = deal_by_number(pyatspi)

    key("ctrl+q")
    check(first.wait(timeout=10) == 0, "Ctrl+Q quits with status 0")

    one_move_from_the_end()
    again = e2e.launch()
    wait_for(e2e.tray_icon, 20, "the tray icon after the relaunch")
    opener = e2e.launch()
    check(opener.wait(timeout=10) == 0, "the second launch handed over")
    wait_for(e2e.panel, 10, "the panel to show")
    wait_for(lambda: game_app(pyatspi), 20, "the game on the accessibility bus")
    win_by_action(pyatspi)
    key("ctrl+q")
    check(again.wait(timeout=10) == 0, "Ctrl+Q quits with status 0")
    deal_from_code_in_second_home(pyatspi, code, dealt)


if __name__ == "__main__":
    e2e.run_driver(main, "a11y-failure.png")
