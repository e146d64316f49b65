#!/usr/bin/env python3
"""Checks that the program's includes run downward, floor by floor, and
that no file includes itself through others.

    tools/include-graph.py [--dot]

Prints who includes whom by floor (with --dot, a Graphviz graph of the
floors) and ends with status 1 on an include that goes up or a circle of
includes. The floors, lowest first; a file may include its own floor and
those below it:
"""
import os
import re
import sys

FLOORS = [
    "platform",     # the system, by role (Platform.h), and the backends' device
    "resources",    # compiled-in texts and pictures, sign names
    "shell/core",   # the state, display modes, targets, repaints, navigation
    "draw",         # primitives, text view, the result view's frame
    "readings",     # the reports and the rules behind them
    "screens",      # one painter and tap handler per page, popup and panel
    "shell",        # the application: pages, window procedure, taps, desktop
]
ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def Floor(path):
    best = None
    for floor in FLOORS:
        if path == floor or path.startswith(floor + "/"):
            if best is None or len(floor) > len(best):
                best = floor
    return best


def Files():
    for top in ("platform", "resources", "shell", "draw", "readings", "screens"):
        for folder, _, names in os.walk(os.path.join(ROOT, top)):
            for name in names:
                if name.endswith((".h", ".cpp")):
                    yield os.path.relpath(os.path.join(folder, name), ROOT)


def main():
    edges = {}
    floorEdges = set()
    faults = []
    for path in sorted(Files()):
        with open(os.path.join(ROOT, path), encoding="utf-8") as f:
            includes = INCLUDE.findall(f.read())
        edges[path] = [i for i in includes if os.path.exists(os.path.join(ROOT, i))]
        here = Floor(path)
        for target in edges[path]:
            there = Floor(target)
            if there is None or here is None:
                continue
            if there != here:
                floorEdges.add((here, there))
            if FLOORS.index(there) > FLOORS.index(here):
                faults.append(f"{path} includes {target}: {there} is above {here}")
    # A circle of files: depth-first search for a back edge.
    state = {}

    def Visit(node, trail):
        state[node] = 1
        for target in edges.get(node, []):
            if state.get(target) == 1:
                faults.append("circle: " + " -> ".join(trail[trail.index(target):] + [target]))
            elif target not in state:
                Visit(target, trail + [target])
        state[node] = 2

    for node in edges:
        if node not in state:
            Visit(node, [node])
    if "--dot" in sys.argv:
        print("digraph floors {")
        for here, there in sorted(floorEdges):
            print(f'  "{here}" -> "{there}";')
        print("}")
    else:
        for floor in reversed(FLOORS):
            below = sorted((t for h, t in floorEdges if h == floor), key=FLOORS.index, reverse=True)
            print(f"{floor:12} includes {', '.join(below) if below else 'nothing of the program'}")
    for fault in faults:
        print("fault:", fault, file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
