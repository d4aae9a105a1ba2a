"""Reads the running game through the desktop's accessibility bus as a screen
reader does, and plays it by the keyboard as a blind player would: the objects
it finds, their roles, names, values and states are what a screen reader speaks.

usage: accessibility.py PID   (the game's process, started with Qt's
accessibility on; accessibility.sh sets the scene)
"""

import subprocess
import sys
import time

import pyatspi
from gi.repository import Atspi, GLib

# The longest any one thing may take to happen, on a loaded machine too.
LIMIT = 30

START = time.monotonic()

# Roles of objects that only hold others; Qt's own button rows are such.
CONTAINERS = {"panel", "filler"}


class Failure(Exception):
    pass


def pump():
    """Hands the events that arrived from the bus to their listeners."""
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(what, condition, limit=LIMIT):
    """Returns what `condition` gives once it is true; objects that vanish
    while being read count as not there yet."""
    deadline = time.monotonic() + limit
    while True:
        pump()
        try:
            found = condition()
        except GLib.Error:
            found = None
        if found:
            return found
        if time.monotonic() > deadline:
            raise Failure("gave up waiting until " + what)
        time.sleep(0.1)


def press(*keys):
    subprocess.run(["xdotool", "key", *keys], check=True)


def role(thing):
    return thing.getRoleName()


def has(thing, state):
    return thing.getState().contains(state)


def showing(thing):
    return has(thing, pyatspi.STATE_SHOWING)


def descendants(thing):
    for child in thing:
        if child is not None:
            yield child
            yield from descendants(child)


def says(thing, text):
    """A control says `text` by its name or, as the toolbar's buttons do, by
    its description, which is their tooltip."""
    return thing.name == text or thing.description == text


def show(thing):
    return f"{role(thing)} {thing.name!r}"


class Game:
    def __init__(self, pid):
        self.pid = pid
        self.app = wait_for("the game is on the accessibility bus", self.find_app)
        # Every read asks the game afresh, as names change with the language.
        self.app.set_cache_mask(Atspi.Cache.NONE)
        # What play announces arrives as a notification that shows anew.
        self.announced = []
        pyatspi.Registry.registerEventListener(self.hear, "object:state-changed:showing")

    def hear(self, event):
        try:
            if event.detail1 == 1 and role(event.source) == "notification" and \
                    event.source.get_process_id() == self.pid:
                self.announced.append(event.source.name)
        except GLib.Error:
            pass  # gone before it was read

    def announcement(self, text):
        """Waits until the game has announced `text`, alone or with more."""
        wait_for(f"{text!r} is announced (so far: {self.announced})",
                 lambda: any(text in told for told in self.announced))

    def find_app(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.get_process_id() == self.pid:
                return app
        return None

    def window(self, name, roles=("frame", "dialog", "alert")):
        """The game's window of that name once it is shown."""

        def shown():
            for window in self.app:
                if window is not None and role(window) in roles and window.name == name:
                    if showing(window):
                        return window
            return None

        return wait_for(f"the window {name!r} shows", shown)

    def close(self, window):
        """Closes the window by Escape and waits until none of its role and name
        shows."""
        name, kind = window.name, role(window)
        press("Escape")
        wait_for(f"the window {name!r} has gone", lambda: not any(
            other is not None and role(other) == kind and other.name == name and showing(other)
            for other in self.app))

    def focused(self):
        """The control with the keyboard focus: the innermost focused object of
        the active window, a list rather than its current row."""
        found = None
        active = [w for w in self.app if w is not None and has(w, pyatspi.STATE_ACTIVE)]
        for thing in (t for window in active for t in descendants(window)):
            if has(thing, pyatspi.STATE_FOCUSED) and showing(thing):
                if role(thing) not in ("list item", "table cell"):
                    found = thing
        return found

    def tab_to(self, text, limit=40):
        """Presses Tab until the control that says `text` has the focus."""
        for _ in range(limit):
            focused = self.focused()
            if focused is not None and says(focused, text):
                return focused
            press("Tab")
            wait_for(f"Tab moves the focus on from {focused and show(focused)} towards {text!r}",
                     lambda: self.focused() not in (None, focused))
        raise Failure(f"Tab never reached {text!r}")

    def tab_order(self, count):
        """What Tab visits next, `count` times."""
        visited = []
        for _ in range(count):
            before = self.focused()
            press("Tab")
            visited.append(show(wait_for("Tab moves the focus",
                                         lambda: (f := self.focused()) not in (None, before) and f)))
        return visited

    def menu_entry(self, button, keys):
        """Opens the menu of a toolbar button by the keyboard and picks an entry."""
        self.tab_to(button)
        press("space")
        wait_for("the menu opens", lambda: len(self.visible_windows()) > 1)
        press(*keys)

    def visible_windows(self):
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(self.pid)],
                               capture_output=True, text=True)
        return found.stdout.split()

    def focus_game_window(self, title):
        windows = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(self.pid),
                                  "--name", f"^{title}$"], capture_output=True, text=True)
        subprocess.run(["xdotool", "windowfocus", "--sync", windows.stdout.split()[0]],
                       check=True)

    def click(self, thing):
        x, y, width, height = thing.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        subprocess.run(["xdotool", "mousemove", str(x + width // 2), str(y + height // 2),
                        "click", "1"], check=True)


class Checks:
    def __init__(self):
        self.failures = []

    def expect(self, condition, what):
        if not condition:
            self.failures.append(what)

    def equal(self, found, wanted, what):
        self.expect(found == wanted, f"{what}: {found!r}, not {wanted!r}")

    def named_throughout(self, window, allowed=()):
        """Every object in the window that shows has a name; `allowed` roles
        may go without."""
        for thing in descendants(window):
            if showing(thing) and not thing.name and role(thing) not in allowed:
                self.failures.append(f"{window.name!r} holds a nameless {role(thing)}")

    def no_pictures(self, window):
        for thing in descendants(window):
            self.expect(role(thing) != "image", f"{window.name!r} shows the picture {show(thing)}")

    def spin_button(self, window, name, lowest, highest):
        for thing in descendants(window):
            if role(thing) == "spin button" and thing.name == name:
                value = thing.queryValue()
                self.expect(lowest <= value.currentValue <= highest,
                            f"{name!r} holds {value.currentValue}")
                self.equal((value.minimumValue, value.maximumValue), (lowest, highest),
                           f"the range of {name!r}")
                return
        self.failures.append(f"{window.name!r} has no spin button {name!r}")

    def holds(self, window, wanted):
        """The window holds each (role, name) of `wanted`."""
        present = {(role(thing), thing.name) for thing in descendants(window)}
        for item in wanted:
            self.expect(item in present, f"{window.name!r} holds no {item[0]} {item[1]!r}")


# What each language's texts are, as far as the checks read them.
ENGLISH = {
    "title": "Frostel",
    "options": "Options",
    "help": "Help",
    "players": "Players:",
    "hints": "Hints:",
    "length": "Minimum word length:",
    "name box": "Name of player {}",
    "pictures": "Picture:",
    "vocabulary": "Vocabulary:",
    "entry": "New word or sentence",
    "entries": "Words and sentences",
}
# The board's own texts, and what play announces.
ENGLISH.update({
    "board": "Game board",
    "commands": ["Start game", "End game", "Show hint", "Options", "Help"],
    "flags": ["German", "English", "Swedish", "Italian", "Portuguese", "Spanish", "French"],
    "letters": "ABCDEFGHIJKLMNOPQRSTUVWXYZ",
})
GERMAN_BOARD = {
    "board": "Spielfeld",
    "commands": ["Spiel starten", "Spiel beenden", "Buchstaben anzeigen", "Einstellungen",
                 "Hilfe"],
    "flags": ["Deutsch", "Englisch", "Schwedisch", "Italienisch", "Portugiesisch", "Spanisch",
              "Französisch"],
    "letters": "ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜ",
    "word name": "Gesuchtes Wort",
    "picture": "Bildgeschichte",
    "new word": "Neues Wort, Buchstaben: 4",
    "dealt": "leer, leer, leer, leer",
    "right": ("h", "Der Buchstabe H kommt vor", "H, leer, leer, leer"),
    "wrong": ("x", "Der Buchstabe X kommt nicht vor", "Fehlversuche: 1 von 9"),
    "player": "Name 1, Punkte: 0, ist am Zug",
}
FRENCH = {
    "title": "Givrelin",
    "board": "Plateau de jeu",
    "commands": ["Commencer la partie", "Quitter le jeu", "Afficher une lettre", "Options",
                 "Aide"],
    "flags": ["Allemand", "Anglais", "Suédois", "Italien", "Portugais", "Espagnol", "Français"],
    "letters": "ABCDEFGHIJKLMNOPQRSTUVWXYZÇ",
    "word name": "Mot à deviner",
    "picture": "Image de l'histoire",
    "new word": "Nouveau mot, lettres\u00a0: 6",
    "dealt": "vide, vide, vide, vide, vide, vide",
    "right": ("m", "La lettre M est dans le mot", "M, vide, vide, vide, vide, vide"),
    "wrong": ("z", "La lettre Z n'est pas dans le mot", "Erreurs\u00a0: 1 sur 9"),
    "player": "Name 1, points\u00a0: 0, c'est son tour",
}
GERMAN = {
    "title": "Eisbold",
    "options": "Einstellungen",
    "help": "Hilfe",
    "players": "Teilnehmer:",
    "hints": "Tipps:",
    "length": "Mindestlänge Wörter:",
    "name box": "Name von Spieler {}",
    "pictures": "Bildfolge:",
    "vocabulary": "Wortschatz:",
    "entry": "Neues Wort oder neuer Satz",
    "entries": "Wörter und Sätze",
}


def check_options(game, checks, texts, tab_order=None):
    """Opens the options dialog from the toolbar's Options menu, reads it, and
    the vocabulary editor that its access key Alt+E opens."""
    game.menu_entry(texts["options"], ["Down", "Return"])
    dialog = game.window(texts["options"], roles=("dialog",))
    checks.named_throughout(dialog)
    checks.no_pictures(dialog)
    checks.spin_button(dialog, texts["players"], 1, 4)
    checks.spin_button(dialog, texts["hints"], 0, 3)
    checks.spin_button(dialog, texts["length"], 1, 10)
    checks.holds(dialog, [("text", texts["name box"].format(n)) for n in range(1, 5)] +
                 [("list", texts["pictures"]), ("list", texts["vocabulary"])])
    focused = game.focused()
    checks.equal(focused and show(focused), f"spin button {texts['players']!r}",
                 "the focus as the options dialog opens")
    if tab_order is not None:
        checks.equal(game.tab_order(len(tab_order)), tab_order, "Tab through the options")

    press("alt+e")
    editor = wait_for("the vocabulary editor opens", lambda: next(
        (w for w in game.app if w is not None and role(w) == "dialog" and showing(w) and
         w.name not in (texts["options"], "")), None))
    checks.named_throughout(editor)
    checks.holds(editor, [("text", texts["entry"]), ("list", texts["entries"])])
    checks.equal(show(game.focused()), f"text {texts['entry']!r}",
                 "the focus as the vocabulary editor opens")
    game.close(editor)
    game.close(dialog)


def check_about(game, checks, texts):
    """Opens the about box from the toolbar's Help menu, its last entry."""
    game.menu_entry(texts["help"], ["Up", "Return"])
    about = game.window(texts["title"], roles=("dialog",))
    checks.named_throughout(about)
    checks.no_pictures(about)
    checks.holds(about, [("label", texts["title"] + "  6.01.0601"), ("push button", "OK")])
    checks.equal(show(game.focused()), "push button 'OK'", "the focus in the about box")
    game.close(about)


def find(container, kind, name):
    """The showing object of that role and name in `container`."""
    return wait_for(f"a {kind} {name!r} shows", lambda: next(
        (t for t in descendants(container) if role(t) == kind and t.name == name and showing(t)),
        None))


def board_of(game, texts):
    return find(game.window(texts["title"], roles=("frame",)), "panel", texts["board"])


def check_board_names(game, checks, texts):
    """Every object of the window has a name, the letter keys are buttons named by
    their letters, those the language lacks out of the way, and the toolbar's
    buttons and the flags are buttons named by their commands and languages."""
    frame = game.window(texts["title"], roles=("frame",))
    checks.named_throughout(frame)
    board = board_of(game, texts)

    def keys():
        return "".join(t.name for t in board if t is not None and role(t) == "push button" and
                       len(t.name) == 1)

    # While a word is dealt the board gains letter fields, and a reading that
    # meets one may see a key twice; a screen reader reads the board again.
    readings = [None]

    def read_right():
        readings.append(keys())
        return readings[-1] == texts["letters"]

    try:
        wait_for("the letter keys read " + texts["letters"], read_right)
    except Failure:
        pass
    checks.equal(readings[-1], texts["letters"], "the letter keys in " + texts["title"])
    checks.holds(board, [("push button", name) for name in texts["commands"] + texts["flags"]])
    return board


def check_play(game, checks, texts):
    """A word in play: its text with the placeholders, a right guess in it, and a
    wrong one counted by the picture, each announced."""
    board = board_of(game, texts)
    word = find(board, "text", texts["word name"])
    game.announcement(texts["new word"])
    checks.equal(word.queryText().getText(0, -1), texts["dealt"], "the word as dealt")
    checks.equal(find(board, "label", texts["player"]).name, texts["player"], "the player")
    letter, told, shown = texts["right"]
    press(letter)
    game.announcement(told)
    checks.equal(word.queryText().getText(0, -1), shown, "the word after a right guess")
    letter, told, counted = texts["wrong"]
    press(letter)
    game.announcement(told)
    checks.equal(find(board, "image", texts["picture"]).description, counted,
                 "the picture after a wrong guess")


def step(what):
    print(f"{time.monotonic() - START:6.1f} s  {what}", flush=True)


def main():
    pid = int(sys.argv[1])
    game = Game(pid)
    checks = Checks()

    game.window(ENGLISH["title"], roles=("frame",))
    game.focus_game_window(ENGLISH["title"])
    step("the options dialog in English")
    check_options(game, checks, ENGLISH, tab_order=[
        "text 'Name of player 1'", "list 'Vocabulary:'", "push button 'Edit vocabulary'",
        "push button 'Change Password'", "spin button 'Minimum word length:'",
        "spin button 'Hints:'", "radio button 'all words'", "check box 'show solution'",
        "check box 'Remove wrong letters'", "list 'Picture:'", "check box 'Background'",
        "push button 'OK'", "spin button 'Players:'"])
    step("the about box in English")
    check_about(game, checks, ENGLISH)

    step("the board in English before the game")
    board = check_board_names(game, checks, ENGLISH)

    # No game runs yet, so the switch asks nothing.
    step("the switch to German")
    game.click(find(board, "push button", "German"))
    game.window(GERMAN["title"], roles=("frame",))
    step("the options dialog in German")
    check_options(game, checks, GERMAN)
    step("the about box in German")
    check_about(game, checks, GERMAN)

    # A question in a message box: its title, its icon and its text.
    step("a question in German")
    game.tab_to("Spiel starten")
    press("space")
    game.tab_to("Spiel beenden")
    press("space")
    question = game.window("Programm beenden", roles=("alert", "dialog"))
    checks.named_throughout(question, allowed=CONTAINERS)
    checks.holds(question, [("image", "Frage"), ("label", "Wirklich schon aufhören?"),
                            ("push button", "Ja"), ("push button", "Nein")])
    game.close(question)

    # The Start above dealt the vocabulary's one word, HAUS.
    step("the board in German during the game")
    texts = {**GERMAN, **GERMAN_BOARD}
    check_board_names(game, checks, texts)
    check_play(game, checks, texts)

    # During a game the switch asks first; OK starts the game anew with MAISON.
    step("the switch to French by its key")
    press("ctrl+7")
    game.window(GERMAN["title"], roles=("alert", "dialog"))
    press("Return")
    game.announcement(FRENCH["new word"])
    check_board_names(game, checks, FRENCH)
    check_play(game, checks, FRENCH)
    board = board_of(game, FRENCH)
    checks.equal(find(board, "push button", "Français").description, "Français",
                 "the French flag")
    checks.equal(find(board, "push button", "Allemand").description, "Deutsch",
                 "the German flag, with German's own name for itself")

    for failure in checks.failures:
        print("accessibility:", failure, file=sys.stderr)
    return 1 if checks.failures else 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except Failure as failure:
        print("accessibility:", failure, file=sys.stderr)
        sys.exit(1)
