#!/usr/bin/python3
"""Walks Tessarel's accessibility tree as a screen reader sees it and lists every control without a name.

Usage (from the worktree, with the program built):
    dbus-run-session -- xvfb-run -a -s "-screen 0 1024x768x24" /usr/bin/python3 tools/a11y-walk.py \
        build/Tessarel/Tessarel [--dump]

The program is copied into a temporary folder (its data files are written beside it) and started with the
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

problems = []


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
            walk(window, visit)
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

        for window in children(app):
            if showing(window):
                walk(window, visit)
        if hits:
            return hits[-1]  # the innermost (latest opened) window's control
        time.sleep(0.2)
    raise LookupError("no %s named %r" % (pyatspi.Accessible.getRoleName(role) if False else role, name))


def press(node, limit=1.0):
    """Presses a node through its Action interface; the call must return at once."""
    action = node.queryAction()
    started = time.time()
    action.doAction(0)
    spent = time.time() - started
    if spent > limit:
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


def tab(app, name):
    press(find(app, pyatspi.ROLE_PAGE_TAB, name))


def button(app, name):
    press(find(app, pyatspi.ROLE_PUSH_BUTTON, name))


def dismiss(app, name="OK"):
    """Closes the message box or dialog that is up, by one of its buttons."""
    try:
        button(app, name)
    except LookupError:
        pass


def try_step(label, step):
    try:
        step()
    except Exception as error:  # keep walking the rest of the program
        problems.append("%s: could not be reached (%s)" % (label, error))
        print(problems[-1])


def scenario(app, dump, shots):
    def place(name):
        check(app, name, dump)
        if shots:
            screenshot(shots, name.replace(" ", "_").replace("/", "-"))

    place("start screen")
    try_step("about box", lambda: (press(find(app, pyatspi.ROLE_MENU_ITEM, "About")), place("about box"),
                                   dismiss(app, "OK")))

    tab(app, "The Security Rule")
    place("reader")
    try_step("reader preview", lambda: (button(app, "Print"), place("reader preview"), button(app, "Close")))
    tab(app, "Office Action Area")
    place("office action area")
    for category in ("Administrative", "Physical", "Technical", "Organizational", "Policies"):
        try_step("category " + category, lambda c=category: (press(find(app, pyatspi.ROLE_PAGE_TAB, c, 2)),
                                                              place("category " + c)))
    try_step("office entry", lambda: (press(find(app, pyatspi.ROLE_RADIO_BUTTON, "", 2)), place("entry open")))
    try_step("office preview", lambda: (button(app, "Print"), place("office preview"), button(app, "Close")))
    tab(app, "Miscellaneous")
    place("misc area")
    for inner in ("To Do List", "Web Sites", "Information"):
        try_step("misc " + inner, lambda t=inner: (tab(app, t), place("misc " + t)))
    tab(app, "Home")
    place("home again")


def main():
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
    program = subprocess.Popen([os.path.join(folder, os.path.basename(args[0]))], env=env)
    try:
        app = application(program.pid)
        time.sleep(6)  # the splash closes itself after two start-up pauses
        scenario(app, dump, shots)
    finally:
        program.kill()
        program.wait()
        shutil.rmtree(work, ignore_errors=True)
    print("%d problems" % len(problems))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
