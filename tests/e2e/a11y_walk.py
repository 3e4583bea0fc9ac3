#!/usr/bin/env python3
"""What a screen reader finds in the program's windows, through AT-SPI.

a11y_walk.py --heard NAME SECONDS: waits for the program to announce a
control's new name, and exits 1 if it does not within the time.

a11y_walk.py --texts WINDOW_TITLE_REGEX: prints the name of every label
shown in the program's window whose title matches, one a line, as a screen
reader reads them.

a11y_walk.py WINDOW_TITLE_REGEX...: walks the tree of each of the program's
windows whose title matches, prints every control with its role and name,
and exits 1 if a control is unnamed or bears an object's name ("Text1(0)",
"cmdOK") rather than saying what it is, or a list has no caption. Windows
named in CALLWISE_A11Y_EXPECTED_FAIL (a regex) are walked and printed, but
their faults are reported without failing.
"""
import os
import re
import sys

import pyatspi

CONTROLS = {
    "push button", "toggle button", "check box", "radio button", "text", "password text",
    "entry", "combo box", "list", "list box", "spin button", "slider", "table", "tree",
    "table cell", "list item", "page tab",
}
# The names the program gives its objects: Visual Basic style control names,
# alone or as an element of a control array.
OBJECT_NAME = re.compile(
    r"(Text|Label|Command|Check|Option|Frame|Image|Line|Timer|Picture|"
    r"cmd|lbl|cbo|txt|lst|chk|opt|pic|mnu|frm|line)[A-Za-z0-9_]*(\(\d+\))?")


def labels_of(node):
    names = []
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            for i in range(relation.getNTargets()):
                names.append(relation.getTarget(i).name)
    return [n for n in names if n]


def faults_of(node, path, inside_combo, out):
    try:
        role = node.getRoleName()
        name = node.name or ""
        states = node.getState()
    except Exception:  # gone while walked
        return
    if not states.contains(pyatspi.STATE_VISIBLE):
        return
    if role in CONTROLS:
        labels = labels_of(node)
        print(f"  {path}{role}: {name!r}" + (f" labelled by {labels!r}" if labels else ""))
        if OBJECT_NAME.fullmatch(name):
            out.append(f"{role} named by its object's name {name!r}")
        elif not name and not labels and not inside_combo:
            out.append(f"unnamed {role} at {path}")
        elif role == "combo box" and not labels:
            # Read by its entry: only a caption says what it holds.
            out.append(f"combo box {name!r} has no caption")
    elif OBJECT_NAME.fullmatch(name):
        out.append(f"{role} named by its object's name {name!r}")
    for child in node:
        if child is not None:
            faults_of(child, path + ". ", inside_combo or role == "combo box", out)


def heard(name, seconds):
    from gi.repository import GLib

    said = []

    def changed(event):
        if event.source is not None and event.source.name == name:
            said.append(name)
            pyatspi.Registry.stop()

    pyatspi.Registry.registerEventListener(changed, "object:property-change:accessible-name")
    GLib.timeout_add_seconds(seconds, pyatspi.Registry.stop)
    print("listening", flush=True)
    pyatspi.Registry.start()
    print(f"heard {name!r}" if said else f"FAULT: {name!r} was not announced")
    return 0 if said else 1


def texts(node, out):
    try:
        if not node.getState().contains(pyatspi.STATE_VISIBLE):
            return
        if node.getRoleName() == "label" and node.name:
            out.append(node.name)
    except Exception:  # gone while walked
        return
    for child in node:
        if child is not None:
            texts(child, out)


def window_texts(title):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is None or (app.name or "").lower() != "callwise":
            continue
        for window in app:
            if window is not None and re.fullmatch(title, window.name or ""):
                out = []
                texts(window, out)
                print("\n".join(out))
                return 0
    return 1


def main():
    if sys.argv[1:2] == ["--heard"]:
        return heard(sys.argv[2], int(sys.argv[3]))
    if sys.argv[1:2] == ["--texts"]:
        return window_texts(sys.argv[2])
    wanted = [re.compile(p) for p in sys.argv[1:]]
    expected = os.environ.get("CALLWISE_A11Y_EXPECTED_FAIL", "")
    desktop = pyatspi.Registry.getDesktop(0)
    apps = [a for a in desktop if a is not None and (a.name or "").lower() == "callwise"]
    if not apps:
        print("callwise is not on the accessibility bus:", [a.name for a in desktop if a])
        return 1
    found, failed = set(), False
    for window in apps[0]:
        title = window.name or ""
        pattern = next((p for p in wanted if p.fullmatch(title)), None)
        if pattern is None:
            continue
        found.add(pattern.pattern)
        print(f"{window.getRoleName()} {title!r}")
        faults = []
        faults_of(window, "", False, faults)
        known = bool(expected) and re.fullmatch(expected, title)
        for fault in faults:
            print(f"  {'EXPECTED ' if known else ''}FAULT in {title!r}: {fault}")
        failed |= bool(faults) and not known
    for pattern in wanted:
        if pattern.pattern not in found:
            print(f"FAULT: no window {pattern.pattern!r} on the accessibility bus")
            failed = True
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
