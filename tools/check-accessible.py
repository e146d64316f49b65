"""Reads the running desktop program as a screen reader does, over the
accessibility bus (tools/check-accessible.sh starts the buses and the
program).

    check-accessible.py check SOURCE_FOLDER   checks what the bus shows
    check-accessible.py read                  prints what it shows, screen by screen
    check-accessible.py present               waits until the program is on the bus

Nothing waits a fixed time: each step is repeated until it holds, within a
generous limit, while the bus's events are dispatched.
"""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

MAIN_MENU = ["Matchmaker by Sign", "Horoscopes 2010", "Zodiac Signs", "Numerology", "Extras",
             "About", "Help", "Exit"]
SIGNS = ["Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra", "Scorpio", "Sagittarius",
         "Capricorn", "Aquarius", "Pisces"]
LIMIT = 60

focus_events = []
announcements = []
shown = []  # the frame, once found: what it shows is printed on failure


def fail(message):
    print("check-accessible: " + message, file=sys.stderr)
    if shown:
        try:
            read(shown[0], "what the frame shows")
        except Exception as error:
            print("(the frame cannot be read: %s)" % error)
    sys.exit(1)


def until(what, description, limit=LIMIT):
    """What `what` returns once it is true, the bus's events handled meanwhile."""
    deadline = time.monotonic() + limit
    while True:
        while GLib.MainContext.default().iteration(False):
            pass
        try:
            result = what()
        except Exception:  # an object that left the tree while being read
            result = None
        if result:
            return result
        if time.monotonic() > deadline:
            fail("gave up waiting: " + description)
        time.sleep(0.05)


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Stellarion":
            return app
    return None


def frame():
    app = until(application, "an application named Stellarion on the bus")
    return until(lambda: next((child for child in app if child.getRole() == pyatspi.ROLE_FRAME), None),
                 "the application's frame")


def descendants(node):
    for child in node:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def showing(node):
    return [child for child in descendants(node)
            if not child.getState().contains(pyatspi.STATE_DEFUNCT)]


def named(node, role, name):
    return next((child for child in showing(node)
                 if child.getRole() == role and child.name == name), None)


def heading(node):
    return next((child.name for child in showing(node) if child.getRole() == pyatspi.ROLE_HEADING), None)


def click(node):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "click" not in names:
        fail("%r has no click action (%s)" % (node.name, names))
    action.doAction(names.index("click"))


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def window_geometry():
    window = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Stellarion($|: )"],
                            capture_output=True, text=True).stdout.split()[0]
    shell = subprocess.run(["xdotool", "getwindowgeometry", "--shell", window],
                           capture_output=True, text=True).stdout
    values = dict(line.split("=", 1) for line in shell.split())
    return window, int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])


def key(name):
    window = window_geometry()[0]
    subprocess.run(["xdotool", "mousemove", "--window", window, "5", "5", "key", name], check=True)


def on_focus(event):
    if event.detail1:
        try:
            focus_events.append(event.source.name)
        except Exception:  # it left the tree since
            focus_events.append(None)


def on_showing(event):
    try:
        if event.detail1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
            announcements.append(event.source.name)
    except Exception:  # it left the tree since
        pass


def check_main_menu(top):
    until(lambda: heading(top), "a heading on the main menu")
    missing = [name for name in MAIN_MENU if not named(top, pyatspi.ROLE_PUSH_BUTTON, name)]
    if missing:
        fail("the main menu has no push buttons named %s" % ", ".join(missing))
    # The window is 480 x 640 at zoom 2 and shows the 240 x 320 device screen
    # whole: "Zodiac Signs" is drawn at device 32, 258 (177 x 16).
    _, x, y, width, height = window_geometry()
    if (width, height) != (480, 640):
        fail("the window is %dx%d, not 480x640" % (width, height))
    box = named(top, pyatspi.ROLE_PUSH_BUTTON, "Zodiac Signs").queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    expected = (x + 64, y + 516, 354, 32)
    if (box.x, box.y, box.width, box.height) != expected:
        fail("Zodiac Signs lies at %s on the screen, not %s" % ((box.x, box.y, box.width, box.height), expected))


def check_signs(top):
    click(named(top, pyatspi.ROLE_PUSH_BUTTON, "Zodiac Signs"))
    radios = until(lambda: [child.name for child in showing(top) if child.getRole() == pyatspi.ROLE_RADIO_BUTTON],
                   "the sign grid's radio buttons after clicking Zodiac Signs")
    signs = sorted(name.split(",")[0] for name in radios)
    if signs != sorted(SIGNS):
        fail("the sign grid's radio buttons are %s" % radios)
    if named(top, pyatspi.ROLE_PUSH_BUTTON, "Zodiac Signs"):
        fail("the main menu's buttons are still shown over the sign grid")


def focused(top):
    return [child.name for child in showing(top) if child.getState().contains(pyatspi.STATE_FOCUSED)]


def check_tab(top):
    """On a new screen its heading has the focus; then each Tab sends a focus
    event naming the control it reaches."""
    until(lambda: focused(top) == [heading(top)] and focus_events and focus_events[-1] == heading(top),
          "the sign grid's heading focused")
    for presses in (1, 2):
        seen = len(focus_events)
        key("Tab")
        until(lambda: len(focus_events) > seen and focus_events[-1], "a focus event after Tab %d" % presses)
        if focused(top) != [focus_events[-1]]:
            fail("the focus event named %r but %s have the focus" % (focus_events[-1], focused(top)))
    if focus_events[-1] == focus_events[-2] or focus_events[-1] == heading(top):
        fail("two Tabs focused %s" % focus_events[-2:])


def paragraphs(path):
    with open(path, encoding="utf-8") as source:
        return [" ".join(block.split()) for block in source.read().split("\n\n") if block.strip()]


def check_groups(top):
    """The compatibility picker: its two grids are panels named by their
    labels, each holding twelve radio buttons of which one is checked."""
    click(named(top, pyatspi.ROLE_PUSH_BUTTON, "Matchmaker by Sign"))
    until(lambda: named(top, pyatspi.ROLE_PUSH_BUTTON, "Match"), "the compatibility picker's Match")
    for label in ("I am", "My lover is"):
        group = until(lambda: named(top, pyatspi.ROLE_PANEL, label), "a group named %r" % label)
        radios = [child for child in group if child.getRole() == pyatspi.ROLE_RADIO_BUTTON]
        checked = [radio.name for radio in radios if radio.getState().contains(pyatspi.STATE_CHECKED)]
        if len(radios) != 12 or checked != ["Aries, March 21 to April 19"]:
            fail("the group %r holds %d radio buttons, %s checked" % (label, len(radios), checked))


def check_report(top, sources):
    """The compatibility reading of Aries and Aries: its heading names the
    signs and the page, its text whole, the next page announced with its
    page and rating when it turns under the ring, and Escape's question an
    alert."""
    click(until(lambda: named(top, pyatspi.ROLE_PUSH_BUTTON, "Match"), "the compatibility picker's Match"))
    until(lambda: heading(top) == "Aries and Aries: Relationship, page 1 of 4", "the report's heading")
    until(lambda: top.name == "Aries and Aries, Relationship - Stellarion", "the frame named by the place")
    texts = " ".join(" ".join(text_of(child).split()) for child in showing(top)
                     if child.getRole() == pyatspi.ROLE_PARAGRAPH)
    for paragraph in paragraphs(sources + "/resources/texts/compatibility/aries-aries-1.txt"):
        if paragraph not in texts:
            fail("the report's text objects lack %r" % paragraph[:60])
    # Tab to Next page and Enter: the ring stays on Next page as the page
    # turns, and the new page is announced.
    for _ in range(12):
        if focus_events[-1] == "Next page":
            break
        seen = len(focus_events)
        key("Tab")
        until(lambda: len(focus_events) > seen, "a focus event after Tab")
    if focus_events[-1] != "Next page":
        fail("Tab never reached Next page: %s" % focus_events[-12:])
    key("Return")
    until(lambda: announcements and announcements[-1] == "Sex, page 2 of 4: 7 out of 10",
          "the turned page announced (%s)" % announcements)
    until(lambda: heading(top) == "Aries and Aries: Sex, page 2 of 4", "the turned page's heading")
    if focused(top) != ["Next page"]:
        fail("the focus left Next page as the page turned: %s" % focused(top))
    key("Escape")
    alert = until(lambda: next((child for child in showing(top) if child.getRole() == pyatspi.ROLE_ALERT), None),
                  "an alert asking whether to leave the report")
    until(lambda: focus_events[-1] == alert.name, "the alert's message focused")


def check_popup(top):
    """Escape leaves the sign grid; About opens a dialog; Escape closes it."""
    key("Escape")
    click(until(lambda: named(top, pyatspi.ROLE_PUSH_BUTTON, "About"), "the main menu after Escape"))
    until(lambda: any(child.getRole() == pyatspi.ROLE_DIALOG for child in showing(top)), "a dialog for About")
    if named(top, pyatspi.ROLE_PUSH_BUTTON, "About").getState().contains(pyatspi.STATE_SENSITIVE):
        fail("the main menu's buttons take taps under the About dialog")
    key("Escape")
    until(lambda: not any(child.getRole() == pyatspi.ROLE_DIALOG for child in showing(top)),
          "the About dialog gone after Escape")


def check_birth_date(top):
    """Leaving the report, then Numerology: the birth date's Day, Month and
    Year are entries holding their values, and Tab names them."""
    back_to_main_menu(top)
    click(named(top, pyatspi.ROLE_PUSH_BUTTON, "Numerology"))
    fields = until(lambda: [(child.name, text_of(child)) for child in showing(top)
                            if child.getRole() == pyatspi.ROLE_ENTRY], "the birth date's entries")
    if [name for name, _ in fields] != ["Day", "Month", "Year"] or not all(value.isdigit() for _, value in fields):
        fail("the birth date's entries are %s" % fields)
    for _ in range(8):
        seen = len(focus_events)
        key("Tab")
        until(lambda: len(focus_events) > seen, "a focus event after Tab")
        if focus_events[-1] == "Day":
            return
    fail("Tab never reached the Day entry: %s" % focus_events[-8:])


def read(top, title, depth=1):
    if depth == 1:
        print("== %s: frame %r%s" % (title, top.name, " (%s)" % top.description if top.description else ""))
    for child in top:
        if child is None or child.getState().contains(pyatspi.STATE_DEFUNCT):
            continue
        role = child.getRoleName()
        words = repr((text_of(child) if child.getRole() == pyatspi.ROLE_PARAGRAPH else child.name)[:90])
        if child.getRole() == pyatspi.ROLE_ENTRY:
            words += " = %r" % text_of(child)
        states = [pyatspi.stateToString(state) for state in child.getState().getStates()
                  if state in (pyatspi.STATE_CHECKED, pyatspi.STATE_FOCUSED, pyatspi.STATE_PRESSED,
                               pyatspi.STATE_SELECTED)]
        if child.getRole() == pyatspi.ROLE_NOTIFICATION and not child.name:
            continue
        print("%s%s %s%s" % ("  " * depth, role, words, " (" + ", ".join(states) + ")" if states else ""))
        if child.description:
            print("%s  described as %r" % ("  " * depth, child.description[:90]))
        read(child, title, depth + 1)


def names(top):
    return [child.name for child in showing(top)]


def back_to_main_menu(top):
    """Escape, answering yes when asked whether to leave, until the main menu."""
    while not named(top, pyatspi.ROLE_PUSH_BUTTON, "Numerology"):
        before = names(top)
        yes = named(top, pyatspi.ROLE_PUSH_BUTTON, "yes")
        if yes:
            click(yes)
        else:
            key("Escape")
        until(lambda: names(top) != before, "a change after leaving %s" % before[:1])


def read_screens(top):
    until(lambda: named(top, pyatspi.ROLE_PUSH_BUTTON, "Numerology"), "the main menu")
    read(top, "main menu")
    click(named(top, pyatspi.ROLE_PUSH_BUTTON, "Matchmaker by Sign"))
    click(until(lambda: named(top, pyatspi.ROLE_PUSH_BUTTON, "Match"), "Match"))
    until(lambda: named(top, pyatspi.ROLE_PUSH_BUTTON, "Next page"), "a report page")
    read(top, "report, first page")
    back_to_main_menu(top)
    click(named(top, pyatspi.ROLE_PUSH_BUTTON, "Numerology"))
    until(lambda: named(top, pyatspi.ROLE_PUSH_BUTTON, "Next"), "the birth date screen")
    read(top, "birth date")


def main():
    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
    pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
    top = frame()
    shown.append(top)
    if sys.argv[1] == "present":
        return
    if sys.argv[1] == "read":
        read_screens(top)
        return
    if top.name != "Stellarion":
        fail("the frame is named %r" % top.name)
    check_main_menu(top)
    check_signs(top)
    check_tab(top)
    check_popup(top)
    check_groups(top)
    check_report(top, sys.argv[2])
    # The frame is named by the place and the window's title, a note after
    # Ctrl+S included.
    key("ctrl+s")
    until(lambda: top.name.startswith("Aries and Aries, Sex - Stellarion: saved "),
          "the frame named by the title's note (%r)" % top.name)
    check_birth_date(top)


main()
