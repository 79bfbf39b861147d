#!/usr/bin/python3
"""Walks Tessarel's accessibility tree as a screen reader sees it and lists every control without a name.

Usage (from the worktree, with the program built):
    dbus-run-session -- xvfb-run -a -s "-screen 0 1024x768x24" /usr/bin/python3 tools/a11y-walk.py \
        build/Tessarel/Tessarel [--dump]

The program is copied into a temporary folder, started on a workbook folder of its own inside it with the
accessibility bridge on. The script then visits every window and panel through the accessibility interface
alone (Action interface presses, never the mouse), prints each unnamed control with its path, checks that
the current tab of each tab list is "selected" and that pressing a tab returns at once. --dump prints the
whole tree of each place visited. Exit status: 0 when nothing is missing, 1 otherwise.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi

NAMED_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON: "push button",
    pyatspi.ROLE_CHECK_BOX: "check box",
    pyatspi.ROLE_RADIO_BUTTON: "radio button",
    pyatspi.ROLE_COMBO_BOX: "combo box",
    pyatspi.ROLE_TEXT: "text",
    pyatspi.ROLE_ENTRY: "text",
    pyatspi.ROLE_PAGE_TAB: "tab",
    pyatspi.ROLE_LINK: "link",
    pyatspi.ROLE_TABLE: "table",
    pyatspi.ROLE_MENU_ITEM: "menu item",
    pyatspi.ROLE_CHECK_MENU_ITEM: "menu item",
    pyatspi.ROLE_MENU: "menu",
    pyatspi.ROLE_SPIN_BUTTON: "spin box",
    pyatspi.ROLE_SLIDER: "slider",
    pyatspi.ROLE_LIST: "list",
    pyatspi.ROLE_TREE: "tree",
}

MENU_ITEMS = (pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_CHECK_MENU_ITEM, pyatspi.ROLE_MENU)

problems = []
# Shared access keys: Qt steps through the controls that share one; reported, not counted as faults.
notes = []


def children(node):
    try:
        return [node.getChildAtIndex(i) for i in range(node.childCount)]
    except Exception:
        return []


def showing(node):
    try:
        return node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def label_of(node):
    """The name a screen reader speaks: the node's own, else that of the label pointing at it."""
    name = (node.name or "").strip()
    if name:
        return name
    try:
        for relation in node.getRelationSet():
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
                for i in range(relation.getNTargets()):
                    text = (relation.getTarget(i).name or "").strip()
                    if text:
                        return text
    except Exception:
        pass
    return ""


def path_of(node):
    parts = []
    while node is not None and node.getRole() != pyatspi.ROLE_APPLICATION:
        parts.append("%s[%s]" % (node.getRoleName(), (node.name or "")[:24]))
        node = node.parent
    return " / ".join(reversed(parts))


def walk(node, visit, depth=0):
    visit(node, depth)
    # Table cells are many; a table is checked as a whole and by its headings.
    if node.getRole() in (pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE):
        return
    for child in children(node):
        if showing(child) or child.getRole() in (pyatspi.ROLE_MENU, pyatspi.ROLE_MENU_ITEM):
            walk(child, visit, depth + 1)


def check(app, place, dump=False):
    """Lists unnamed controls and wrongly selected tabs of every window of the app."""
    found = []

    def visit(node, depth):
        role = node.getRole()
        if dump:
            print("  " * depth + "%s '%s'" % (node.getRoleName(), node.name))
        if role in NAMED_ROLES and not label_of(node):
            # A menu separator and a combo box's inner list speak for nothing.
            if role == pyatspi.ROLE_LIST and node.parent.getRole() == pyatspi.ROLE_COMBO_BOX:
                return
            if role in (pyatspi.ROLE_MENU_ITEM,) and node.getState().contains(pyatspi.STATE_INVALID):
                return
            found.append("%s: unnamed %s at %s" % (place, NAMED_ROLES[role], path_of(node)))
        if role == pyatspi.ROLE_PAGE_TAB_LIST:
            selected = [c.name for c in children(node) if c.getState().contains(pyatspi.STATE_SELECTED)]
            if len(selected) != 1:
                found.append("%s: tab list %s has %d selected tabs %s" % (place, path_of(node), len(selected),
                                                                           selected))

    for window in children(app):
        if showing(window):
            keys = {}

            def collect(node, depth):
                visit(node, depth)
                try:
                    binding = node.queryAction().getKeyBinding(0).lower()
                except Exception:
                    binding = ""
                if not binding.startswith("alt+") or not node.getState().contains(pyatspi.STATE_SHOWING):
                    return
                # An open menu's items share keys only among themselves.
                group = node.parent if node.getRole() in MENU_ITEMS and node.parent.getRole() != \
                    pyatspi.ROLE_MENU_BAR else window
                keys.setdefault((hash(group), binding), []).append(node.name)

            walk(window, collect)
            for (_, binding), names in sorted(keys.items()):
                if len(names) > 1:
                    notes.append("%s: access key %s shared by %s" % (place, binding, names))
                    print("note: " + notes[-1])
    for line in found:
        print(line)
    problems.extend(found)
    print("-- %s: %d unnamed" % (place, len(found)))


def find(app, role, name, timeout=10.0):
    """The first showing node of the role whose name begins with `name` (access-key ampersands ignored)."""
    deadline = time.time() + timeout
    while time.time() < deadline:
        hits = []

        def visit(node, depth):
            if node.getRole() == role and (node.name or "").replace("&", "").startswith(name):
                hits.append(node)

        for window in children(app) if app.getRole() == pyatspi.ROLE_APPLICATION else [app]:
            if showing(window):
                walk(window, visit)
        if hits:
            return hits[-1]  # the innermost (latest opened) window's control
        time.sleep(0.2)
    raise LookupError("no %s named %r" % (role, name))


def press(node, limit=1.0):
    """Presses a node through its Action interface; the call must return at once."""
    action = node.queryAction()
    started = time.time()
    try:
        action.doAction(0)
    except Exception as error:
        if "Timeout" not in str(error) and "timeout" not in str(error):
            raise
    spent = time.time() - started
    if spent > limit and node.getRole() != pyatspi.ROLE_MENU_ITEM:
        problems.append("pressing %s took %.1f s" % (path_of(node), spent))
        print(problems[-1])
    time.sleep(1.0)


def application(pid, timeout=20.0):
    desktop = pyatspi.Registry.getDesktop(0)
    deadline = time.time() + timeout
    while time.time() < deadline:
        for app in children(desktop):
            try:
                if app.get_process_id() == pid:
                    return app
            except Exception:
                continue
        time.sleep(0.3)
    raise RuntimeError("the program did not appear on the accessibility bus")


def screenshot(folder, name):
    if shutil.which("import"):
        subprocess.run(["import", "-window", "root", os.path.join(folder, name + ".png")], check=False)


def act(app, role, name, timeout=10.0):
    """Finds a control and presses it, again if the tree changed under the search."""
    for _ in range(3):
        node = find(app, role, name, timeout)
        try:
            press(node)
            return
        except Exception as error:
            if "No such object" not in str(error):
                raise
            app.clearCache()
    raise LookupError("%r vanished before it could be pressed" % name)


def tab(app, name):
    act(app, pyatspi.ROLE_PAGE_TAB, name)


def button(app, name):
    act(app, pyatspi.ROLE_PUSH_BUTTON, name)


def menu(app, menu_name, item):
    """Opens a menu of the menu bar and chooses an item; a modal window it opens may hold the call."""
    act(app, pyatspi.ROLE_MENU_ITEM, menu_name)
    act(app, pyatspi.ROLE_MENU_ITEM, item)


def key(name):
    subprocess.run(["xdotool", "key", name], check=False)
    time.sleep(1.0)


def try_step(app, label, *steps):
    try:
        for step in steps:
            step()
    except Exception as error:  # keep walking the rest of the program
        problems.append("%s: could not be reached (%s)" % (label, error))
        print(problems[-1])
        close_alerts(app)


def close_alerts(app):
    """Answers a message box left up by a failed step, so that the walk goes on."""
    for window in children(app):
        if window.getRole() != pyatspi.ROLE_ALERT or not showing(window):
            continue
        for answer in ("OK", "No", "Cancel"):
            try:
                press(find(window, pyatspi.ROLE_PUSH_BUTTON, answer, 1))
                return
            except Exception:
                continue


def scenario(app, dump, shots):
    def place(name):
        def run():
            check(app, name, dump)
            if shots:
                screenshot(shots, name.replace(" ", "_").replace("/", "-"))
        return run

    def press_tab(name):
        return lambda: tab(app, name)

    def press_button(name):
        return lambda: button(app, name)

    def choose(menu_name, item):
        return lambda: menu(app, menu_name, item)

    def ok():
        button(app, "OK")

    def select_text(name):
        def run():
            act(app, pyatspi.ROLE_RADIO_BUTTON, "Summary")
            time.sleep(5)
            find(app, pyatspi.ROLE_TEXT, name).queryComponent().grabFocus()
            key("ctrl+Home")
            key("shift+ctrl+Right")
        return run

    place("start screen")()
    try_step(app, "options menu", lambda: act(app, pyatspi.ROLE_MENU_ITEM, "Options"), place("options menu"),
             lambda: key("Escape"))
    try_step(app, "help menu", lambda: act(app, pyatspi.ROLE_MENU_ITEM, "Help"), place("help menu"),
             lambda: key("Escape"))
    try_step(app, "about box", choose("Help", "About"), place("about box"), ok)
    try_step(app, "back up", choose("Options", "Back Up"), place("back up"), ok)
    try_step(app, "restore", choose("Options", "Restore"), place("restore dialog"), press_button("Cancel"))

    try_step(app, "reader", press_tab("The Security Rule"), place("reader"))
    try_step(app, "reader font", select_text("Rule page"), press_button("Font Display"), place("font dialog"),
             press_button("Cancel"))
    try_step(app, "reader search", press_button("Search"), place("reader search"), lambda: key("Escape"))
    try_step(app, "reader preview", press_button("Print"), place("reader preview"), press_button("Enlarge"),
             place("reader preview enlarged"), press_button("Normal"), press_button("Cancel"))

    try_step(app, "office", press_tab("Office Action Area"), place("office action area"))
    for category in ("Administrative", "Physical", "Technical", "Organizational", "Policies"):
        try_step(app, "category " + category, press_tab(category), place("category " + category))
    try_step(app, "office preview", press_button("Print"), place("office preview"), press_button("Enlarge"),
             place("office preview enlarged"), press_button("Normal"), press_button("Cancel"))

    try_step(app, "misc", press_tab("Miscellaneous"), place("misc area"))
    for inner in ("Program Information", "Disclaimer", "Addressable Safeguards", "Privacy verses Security",
                  "HIPAA Web Links", "Additional Information", "To Do List"):
        try_step(app, "misc " + inner, press_tab(inner), place("misc " + inner))
    try_step(app, "misc calendar", click_date_cell(app), place("misc calendar"))
    try_step(app, "misc preview", press_button("Print"), place("misc preview"), press_button("Enlarge"),
             place("misc preview enlarged"), press_button("Normal"), press_button("Cancel"))
    try_step(app, "home", press_tab("Home"), place("home again"))


def click_date_cell(app):
    """Clicks the first To Do Date cell with the mouse, which opens the calendar."""
    def run():
        find(app, pyatspi.ROLE_TEXT, "To Do Item").queryComponent().grabFocus()
        subprocess.run(["xdotool", "type", "Review access logs"], check=False)
        button(app, "Add to To Do Grid")
        table = find(app, pyatspi.ROLE_TABLE, "To Do Grid")
        cell = table.queryTable().getAccessibleAt(0, 2)
        box = cell.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        subprocess.run(["xdotool", "mousemove", str(box.x + box.width // 2), str(box.y + box.height // 2),
                        "click", "1"], check=False)
        time.sleep(1.0)
    return run


def main():
    pyatspi.setTimeout(3000, 30000)
    args = [a for a in sys.argv[1:] if not a.startswith("--")]
    dump = "--dump" in sys.argv
    if len(args) != 1:
        print(__doc__)
        return 2
    source = os.path.dirname(os.path.abspath(args[0]))
    work = tempfile.mkdtemp(prefix="a11y-walk-")
    folder = os.path.join(work, "Tessarel")
    shutil.copytree(source, folder)
    shots = os.environ.get("A11Y_SHOTS")
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    workbook = os.path.join(work, "Workbook")
    program = subprocess.Popen([os.path.join(folder, os.path.basename(args[0])), "--workbook", workbook], env=env)
    try:
        app = application(program.pid)
        time.sleep(6)  # the splash closes itself after two start-up pauses
        scenario(app, dump, shots)
    finally:
        program.kill()
        program.wait()
        shutil.rmtree(work, ignore_errors=True)
    print("%d problems, %d shared access keys" % (len(problems), len(notes)))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
