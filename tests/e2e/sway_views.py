#!/usr/bin/python3
"""The windows a running sway shows, as the test needs them.

  sway_views.py list                  one line per window: x y width height title
  sway_views.py wait TITLE [WxH] SECS  waits until such a window shows
  sway_views.py gone TITLE [WxH] SECS  waits until none does

Polls `swaymsg -t get_tree` every 20 ms, quick enough to see a splash window.
"""
import json
import subprocess
import sys
import time


def views():
    tree = json.loads(subprocess.run(["swaymsg", "-t", "get_tree"], check=True,
                                     capture_output=True, text=True).stdout)
    found = []

    def walk(node):
        if node.get("pid") and node.get("visible", True):
            r = node["rect"]
            found.append((r["x"], r["y"], r["width"], r["height"], node.get("name") or ""))
        for child in node.get("nodes", []) + node.get("floating_nodes", []):
            walk(child)

    walk(tree)
    return found


def matching(title, size):
    return [v for v in views()
            if v[4] == title and (size is None or "%dx%d" % (v[2], v[3]) == size)]


def main():
    command = sys.argv[1]
    if command == "list":
        for v in views():
            print(*v)
        return 0
    title = sys.argv[2]
    size = sys.argv[3] if len(sys.argv) == 5 else None
    deadline = time.monotonic() + float(sys.argv[-1])
    while time.monotonic() < deadline:
        shown = matching(title, size)
        if (command == "wait") == bool(shown):
            for v in shown:
                print(*v)
            return 0
        time.sleep(0.02)
    return 1


sys.exit(main())
