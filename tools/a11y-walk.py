#!/usr/bin/python3
"""Walks the running program through its accessibility tree (AT-SPI), as a screen
reader user would: finds every page, menu entry, list row and button by its name,
activates each one and checks what it did. Ends the program with "End Session".

Needs the Debian packages at-spi2-core and python3-pyatspi, a display and the
program started with its accessibility bridge on, for example:

  tools/desktop start
  DISPLAY=:99 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 dbus-run-session -- \\
    bash -c '/usr/libexec/at-spi-bus-launcher --launch-immediately & sleep 1;
             build/app/function-curves & sleep 2; /usr/bin/python3 tools/a11y-walk.py'

Prints what it finds and a summary; exits with status 1 if anything failed.
"""

import sys
import time

import pyatspi
from gi.repository import GLib

APP_NAME = "function-curves"

# Each menu caption and the page it opens: window caption and how its description
# starts (two pages share the caption "Form1").
PAGE_OF_ENTRY = {
    "Instructions": ("Instructions", "Instructions"),
    "Cardiac Function Curves": ("Loop Basics", "Cardiac"),
    "Vascular Function Curves": ("Form1", "Vascular"),
    "Vascular Funciton Curves": ("Form1", "Vascular"),
    "Interactions/Changes": ("Form1", "Interactions"),
    "Interactions and Changes": ("Form1", "Interactions"),
    "Glossary": ("Abbreviations-Definitions-Formulas", "Glossary"),
    "Test": ("Test", "Practice"),
}
CONCEPT_PAGES = ["Cardiac Function Curves", "Vascular Function Curves",
                 "Interactions and Changes"]
CONCEPT_LIST = "Click on topic to see related text"
TEST_LIST = "Question and answer options"
BUTTONS = ["Start Questions", "Next Question", "Reset Questions"]

failures = []
counts = {}
events = []


def count(key, n=1):
    counts[key] = counts.get(key, 0) + n


def check(ok, what):
    print(("  ok    " if ok else "  FAIL  ") + what)
    count("activations ok" if ok else "activations failed")
    if not ok:
        failures.append(what)
    return ok


def pump(seconds=0.0):
    """Lets AT-SPI deliver events for a while."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while True:
        while context.iteration(False):
            pass
        if time.monotonic() >= end:
            return
        time.sleep(0.05)


def wait_for(condition, seconds=5.0):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        pump(0.1)
        try:
            result = condition()
        except Exception:  # an object went away while we looked at it
            result = None
        if result:
            return result
    return None


def children(acc):
    return [c for c in (acc.getChildAtIndex(i) for i in range(acc.childCount)) if c]


def descendants(acc, role=None, name=None):
    found = []
    stack = [acc]
    while stack:
        node = stack.pop()
        for child in reversed(children(node)):
            if (role is None or child.getRole() == role) and (name is None or child.name == name):
                found.append(child)
            stack.append(child)
    return found


def has_state(acc, state):
    return acc.getState().contains(state)


def find_app():
    def look():
        desktop = pyatspi.Registry.getDesktop(0)
        return next((a for a in children(desktop) if a.name == APP_NAME), None)
    return wait_for(look, 10)


def frames(app):
    return [f for f in children(app) if f.getRole() in (pyatspi.ROLE_FRAME, pyatspi.ROLE_WINDOW)]


def find_page(app, entry):
    caption, description = PAGE_OF_ENTRY[entry]
    return next((f for f in frames(app) if f.name == caption
                 and f.description.startswith(description)
                 and has_state(f, pyatspi.STATE_SHOWING)), None)


def press(acc, action_names=("Press", "Toggle")):
    action = acc.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in action_names:
            return action.doAction(i)
    raise RuntimeError("no action %s on %s %r" % (action_names, acc.getRoleName(), acc.name))


def open_page(app, entry, on=None):
    """Chooses `entry` on the menu bar of page `on` (the welcome page by default)."""
    page = on or next(f for f in frames(app) if f.name == "Introduction")
    bar = descendants(page, pyatspi.ROLE_MENU_BAR)[0]
    # The same page may go by another caption on this bar.
    item = next(i for i in children(bar) if PAGE_OF_ENTRY.get(i.name) == PAGE_OF_ENTRY[entry])
    press(item)
    return wait_for(lambda: find_page(app, entry))


def on_event(event):
    events.append((event.type, event.source.getRoleName(), event.source.name))


def walk_menus(app):
    print("Menu bars")
    pages_with_bar = ["Introduction"] + CONCEPT_PAGES + ["Test"]
    for page_entry in pages_with_bar:
        if page_entry == "Introduction":
            page = next(f for f in frames(app) if f.name == "Introduction")
        else:
            page = open_page(app, page_entry)
        bars = descendants(page, pyatspi.ROLE_MENU_BAR)
        if not check(len(bars) == 1, "%s: one menu bar" % page.name):
            continue
        items = [i for i in children(bars[0]) if i.getRole() == pyatspi.ROLE_MENU_ITEM]
        print("  %s (%s): %s" % (page.name, page.description.split(":")[0],
                                 ", ".join(repr(i.name) for i in items)))
        count("menu entries", len(items))
        for item in items:
            if item.name == "End Session":
                continue
            press(item)
            opened = wait_for(lambda: find_page(app, item.name))
            active = opened and wait_for(lambda: has_state(opened, pyatspi.STATE_ACTIVE), 3)
            check(bool(opened), "%s / %r opens %s" % (page.name, item.name,
                                                       PAGE_OF_ENTRY[item.name][0]))
            if opened and not active:
                print("        (shown, but not reported active)")


def walk_pages(app):
    print("Pages")
    found = {}
    for entry in ["Instructions"] + CONCEPT_PAGES + ["Glossary", "Test"]:
        page = open_page(app, entry)
        if page:
            found[(page.name, page.description)] = page
    intro = next(f for f in frames(app) if f.name == "Introduction")
    found[(intro.name, intro.description)] = intro
    for (name, description) in found:
        print("  %r: %s" % (name, description))
    count("pages", len(found))
    check(len(found) == 7, "seven pages, each told apart by name and description")
    for page in found.values():
        for text in descendants(page, pyatspi.ROLE_STATIC) + descendants(page, pyatspi.ROLE_LABEL):
            if page.name in ("Instructions", "Abbreviations-Definitions-Formulas"):
                lines = text.description.split("\n") if text.description else []
                print("  %s: text %r, %d lines read" % (page.name, text.name, len(lines)))
                check(len(lines) > 0, "%s text readable" % page.name)


def walk_concept_page(app, entry):
    page = open_page(app, entry)
    print("%s (%r)" % (entry, page.name))
    lists = descendants(page, pyatspi.ROLE_LIST, CONCEPT_LIST)
    if not check(len(lists) == 1, "%s: list named %r" % (entry, CONCEPT_LIST)):
        return
    answer = descendants(page, pyatspi.ROLE_TEXT, "Answer")
    figures = [f for f in descendants(page, pyatspi.ROLE_IMAGE)
               if f.parent.getRole() != pyatspi.ROLE_IMAGE]
    count("figure areas", len(figures))
    for figure in figures:
        check(bool(figure.name and figure.description),
              "figure area %r described (%d characters)" % (figure.name, len(figure.description)))
    rows = [r for r in children(lists[0]) if r.getRole() == pyatspi.ROLE_LIST_ITEM]
    count("list rows", len(rows))
    for index, row in enumerate(rows):
        del events[:]
        before = [(f.name, f.description) for f in figures]
        press(row)
        selected = wait_for(lambda: has_state(row, pyatspi.STATE_SELECTED), 3)
        pump(0.3)
        shown = answer and has_state(answer[0], pyatspi.STATE_SHOWING)
        after = [(f.name, f.description) for f in figures]
        changed = [a[0] for a, b in zip(after, before) if a != b]
        announced = sorted({e[2] for e in events
                            if e[0].endswith("accessible-description") and e[1] == "image"})
        check(bool(selected), "row %d %r selected; answer box %s; figures now %s%s" % (
            index, row.name, "shown" if shown else "hidden",
            " | ".join(repr(a[0]) for a in after),
            "; changed: %s, announced: %s" % (changed, announced) if changed else ""))
        if changed and not announced:
            failures.append("%s row %d: figure changed without an event" % (entry, index))


def walk_test_page(app):
    page = open_page(app, "Test")
    print("Test (%r)" % page.name)
    buttons = {b.name: b for b in descendants(page, pyatspi.ROLE_PUSH_BUTTON)}
    count("buttons", len(buttons))
    for name in BUTTONS:
        check(name in buttons, "button %r found" % name)
    status = descendants(page, pyatspi.ROLE_STATUS_BAR)
    check(len(status) == 1, "verdict is a status: %r" % (status[0].description if status else None))
    options = descendants(page, pyatspi.ROLE_LIST, TEST_LIST)
    check(len(options) == 1, "list named %r" % TEST_LIST)
    figures = descendants(page, pyatspi.ROLE_IMAGE)
    count("figure areas", len(figures))
    check(len(figures) == 1 and figures[0].description != "",
          "figure %r described" % (figures[0].name if figures else None))

    press(buttons["Start Questions"])
    rows = wait_for(lambda: len(children(options[0])) == 6 and children(options[0]))
    check(bool(rows) and has_state(options[0], pyatspi.STATE_SHOWING),
          "Start Questions shows question 1: %r" % (rows[0].name if rows else None))
    verdicts = []
    for index, row in enumerate(rows or []):
        del events[:]
        press(row)
        wait_for(lambda: has_state(row, pyatspi.STATE_SELECTED), 3)
        pump(0.3)
        verdict = status[0].name
        heard = [e[2] for e in events if e[1] == "status bar" and e[0].endswith("accessible-name")]
        verdicts.append(verdict)
        count("list rows")
        check(verdict in ("CORRECT!", "TRY AGAIN"),
              "option %d %r judged %r, announced %r" % (index, row.name, verdict, heard))
        if not heard:
            failures.append("verdict %r on option %d came without a name-changed event"
                            % (verdict, index))
    check(verdicts.count("CORRECT!") == 1, "exactly one right option")

    first = rows[0].name if rows else None
    press(buttons["Next Question"])
    moved = wait_for(lambda: children(options[0]) and children(options[0])[0].name != first)
    check(bool(moved), "Next Question shows question 2: %r"
          % (children(options[0])[0].name if moved else None))
    check(status[0].name == " ", "Next Question blanks the verdict")
    press(buttons["Reset Questions"])
    emptied = wait_for(lambda: len(children(options[0])) == 0)
    check(bool(emptied), "Reset Questions empties the list")


def walk_keyboard(app):
    """F10, arrows and Enter on the menu bar; Escape on the glossary."""
    print("Keyboard")
    key = pyatspi.Registry.generateKeyboardEvent
    for page_entry in ["Interactions and Changes"]:
        page = open_page(app, page_entry)
        wait_for(lambda: has_state(page, pyatspi.STATE_ACTIVE), 3)
        key(0xFFC7, None, pyatspi.KEY_SYM)  # F10
        pump(0.3)
        bar = descendants(page, pyatspi.ROLE_MENU_BAR)[0]
        focused = [i.name for i in children(bar) if has_state(i, pyatspi.STATE_FOCUSED)
                   or has_state(i, pyatspi.STATE_SELECTED)]
        for _ in range(4):
            key(0xFF53, None, pyatspi.KEY_SYM)  # Right
            pump(0.1)
        key(0xFF0D, None, pyatspi.KEY_SYM)  # Return
        glossary = wait_for(lambda: find_page(app, "Glossary"))
        check(bool(glossary), "F10, Right x4, Return on %r opens the glossary (bar entered at %s)"
              % (page.name, focused))
        if glossary:
            wait_for(lambda: has_state(glossary, pyatspi.STATE_ACTIVE), 3)
            key(0xFF1B, None, pyatspi.KEY_SYM)  # Escape
            gone = wait_for(lambda: find_page(app, "Glossary") is None, 3)
            check(bool(gone), "Escape closes the glossary")


def end_session(app):
    print("End Session")
    intro = next(f for f in frames(app) if f.name == "Introduction")
    bar = descendants(intro, pyatspi.ROLE_MENU_BAR)[0]
    press(next(i for i in children(bar) if i.name == "End Session"))

    def gone():
        desktop = pyatspi.Registry.getDesktop(0)
        return all(a.name != APP_NAME for a in children(desktop))
    check(bool(wait_for(gone, 5)), "End Session ends the program")


def main():
    app = find_app()
    if not app:
        print("%s not found on the accessibility bus" % APP_NAME)
        return 1
    pyatspi.Registry.registerEventListener(on_event, "object:property-change:accessible-name",
                                           "object:property-change:accessible-description")
    print("Application %r" % app.name)
    walk_pages(app)
    walk_menus(app)
    for entry in CONCEPT_PAGES:
        walk_concept_page(app, entry)
    walk_test_page(app)
    walk_keyboard(app)
    end_session(app)
    print("Summary: " + ", ".join("%s %d" % kv for kv in sorted(counts.items())))
    for failure in failures:
        print("FAILED: " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
