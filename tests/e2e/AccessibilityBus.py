"""Reads the running program's windows over the real accessibility bus, as a screen
reader does: every control that offers the focus has a name, no name ends in a blank or
holds a mnemonic's "&", no control hidden on its own offers the focus, the tab strips are
named for what they hold, the count's spin arrows are buttons that press, the main window
is a frame, tabbing into the style tabs focuses the current one, Copy shows "Copied".

Usage: python3 AccessibilityBus.py  (the program already runs; keys are sent with xdotool)
Exit status 0 when all holds, 1 with the problems listed otherwise.
"""

import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib


def find_application(deadline):
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name.lower() == "razzlewick":
                return app
        time.sleep(0.2)
    return None


def find_frame(app, title, deadline):
    while time.monotonic() < deadline:
        for window in app:
            if window is not None and window.name == title:
                return window
        time.sleep(0.2)
    return None


def nodes(root):
    """Every accessible below root, with whether its parent shows. A drop-down list's
    own list is hidden while it is closed, as it should be, and left out."""
    stack = [(root, True)]
    while stack:
        node, parent_visible = stack.pop()
        yield node, parent_visible
        if node.getRoleName() == "combo box":
            continue
        visible = node.getState().contains(pyatspi.STATE_VISIBLE)
        for index in range(node.childCount):
            child = node.getChildAtIndex(index)
            if child is not None:
                stack.append((child, visible))


def check_window(window, problems):
    for node, parent_visible in nodes(window):
        states = node.getState()
        role = node.getRoleName()
        name = node.name or ""
        where = f"{window.name}: {role} '{name}'"
        if name != name.strip() or "&" in name:
            problems.append(f"{where}: the name has blanks around it or an '&'")
        if not states.contains(pyatspi.STATE_FOCUSABLE):
            continue
        if not states.contains(pyatspi.STATE_VISIBLE):
            if parent_visible:
                problems.append(f"{where}: hidden, yet offers the focus")
            continue
        if not name.strip():
            problems.append(f"{where}: offers the focus without a name")


def named(window, role, name):
    return [node for node, _ in nodes(window) if node.getRoleName() == role and node.name == name]


def press(node):
    actions = node.queryAction()
    for index in range(actions.nActions):
        if actions.getName(index) in ("press", "Press"):
            return actions.doAction(index)
    return False


def keys(window_title, *names):
    """Types the keys into the window of that title (there is no window manager to focus it)."""
    subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{window_title}$",
                    "windowfocus", "--sync"], check=False, timeout=10)
    for name in names:
        subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=False)
        time.sleep(0.3)


def events_during(name, action, seconds):
    """(role, name, detail1) of the events of that name within `seconds` of `action`."""
    seen = []

    def on_event(event):
        try:
            seen.append((event.source.getRoleName(), event.source.name, event.detail1))
        except Exception:  # the source went away meanwhile
            pass

    pyatspi.Registry.registerEventListener(on_event, name)
    GLib.timeout_add(100, lambda: action() and False)
    GLib.timeout_add(int(seconds * 1000), lambda: pyatspi.Registry.stop() and False)
    pyatspi.Registry.start()
    pyatspi.Registry.deregisterEventListener(on_event, name)
    return seen


def check_main_window(main_window, problems):
    if main_window.getRoleName() != "frame":
        problems.append(f"the main window is a {main_window.getRoleName()}, not a frame")
    current = [node.name for node, _ in nodes(main_window) if node.getRoleName() == "page tab"
               and node.getState().contains(pyatspi.STATE_SELECTED)][:1]
    # Out of the tabs and back in: the current tab takes the focus.
    focus = events_during("object:state-changed:focused",
                          lambda: keys("Razzlewick", "shift+Tab", "Tab"), 3)
    if not current or ("page tab", current[0], 1) not in focus:
        problems.append(f"tabbing into the styles did not focus the current tab {current}: {focus}")
    shown = events_during("object:state-changed:showing", lambda: keys("Razzlewick", "alt+c"), 3.5)
    if [event[2] for event in shown if event[:2] == ("notification", "Copied")] != [1, 0]:
        problems.append(f"Copy did not show 'Copied' for less than 3 seconds: {shown}")


def open_window(app, title, *key_names):
    """Types the keys into the main window until the window of that title shows up; a
    loaded machine may lose them (a second Alt+O closes a menu left open)."""
    for _ in range(3):
        keys("Razzlewick", *key_names)
        window = find_frame(app, title, time.monotonic() + 5)
        if window is not None:
            return window
    return None


def main():
    problems = []
    deadline = time.monotonic() + 30
    app = find_application(deadline)
    if app is None:
        print("FAILED: the program never showed up on the accessibility bus")
        return 1
    main_window = find_frame(app, "Razzlewick", deadline)
    if main_window is None:
        print("FAILED: no main window on the accessibility bus")
        return 1
    check_window(main_window, problems)
    if not named(main_window, "page tab list", "Styles"):
        problems.append("the main window has no tab list named 'Styles'")
    if not named(main_window, "page tab", "Shakespearean"):
        problems.append("the style tabs are not listed by their names")
    check_main_window(main_window, problems)

    options = open_window(app, "Razzlewick options", "alt+o", "p")
    if options is None:
        problems.append("Alt+O, P opened no Preferences on the bus")
    else:
        check_window(options, problems)
        for name in ("More", "Fewer"):
            arrows = named(options, "push button", name)
            if not arrows:
                problems.append(f"the count has no '{name}' button")
            elif not press(arrows[0]):
                problems.append(f"the '{name}' button does not press")
        keys("Razzlewick options", "Escape")

    # Keep by its shortcut, then the Favourites window from the File menu by keyboard alone.
    # The tip that said "Copied" now says "Kept": a listener to name changes keeps the names
    # this side holds up to date, as a screen reader's are.
    def ignore(event):
        pass
    pyatspi.Registry.registerEventListener(ignore, "object:property-change:accessible-name")
    shown = events_during("object:state-changed:showing",
                          lambda: keys("Razzlewick", "ctrl+k"), 3.5)
    pyatspi.Registry.deregisterEventListener(ignore, "object:property-change:accessible-name")
    if [event[2] for event in shown if event[:2] == ("notification", "Kept")] != [1, 0]:
        problems.append(f"Ctrl+K did not show 'Kept' for less than 3 seconds: {shown}")
    favourites = open_window(app, "Razzlewick favourites", "alt+f", "a")
    if favourites is None:
        problems.append("Alt+F, A opened no Favourites window on the bus")
    else:
        check_window(favourites, problems)
        for role, name in (("text", "Filter favourites"), ("push button", "Copy"),
                           ("push button", "Remove"), ("push button", "Open the file's folder")):
            if not named(favourites, role, name):
                problems.append(f"the Favourites window has no {role} named '{name}'")
        if not [node for node, _ in nodes(favourites) if node.name == "Favourites"
                and node.getRoleName() in ("tree table", "table", "tree", "list")]:
            problems.append("the Favourites window has no list named 'Favourites'")
        keys("Razzlewick favourites", "Escape")

    about = open_window(app, "About Razzlewick v3.2", "alt+b")
    if about is None:
        problems.append("Alt+B opened no About box on the bus")
    else:
        check_window(about, problems)
        if not named(about, "page tab list", "Pages"):
            problems.append("the About box has no tab list named 'Pages'")
        keys("About Razzlewick v3.2", "Escape")

    for problem in problems:
        print("FAILED:", problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
