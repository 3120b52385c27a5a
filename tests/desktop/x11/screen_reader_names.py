# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the main window through AT-SPI and checks what a screen reader would say of its
controls: each parameter box named by its label, the table and the drawing named, the
drawing an image with the organism in words, the two web links as links. Then, after a
few feeds and shots, K and L: the drawing's chance of being kept in its description and
the notebook's "What you select for" in words."""
import re
import subprocess
import sys
import time

import pyatspi


def walk(accessible, found):
    found.append(accessible)
    for index in range(accessible.childCount):
        child = accessible.getChildAtIndex(index)
        if child is not None:
            walk(child, found)
    return found


def program():
    # The program registers with the accessibility bus a moment after it starts.
    for _ in range(50):
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            if app is not None and app.name == "vantrel":
                return app
        time.sleep(0.2)
    sys.exit("vantrel is not on the accessibility bus")


def main():
    nodes = walk(program(), [])
    seen = [(node.getRoleName(), node.name) for node in nodes]
    failures = []

    def expect(role, name):
        if (role, name) not in seen:
            failures.append(f"no {role} named {name!r}")

    for box in ("Start with", "Amount of creativity", "Survival bonus"):
        expect("spin button", box)
    expect("table", "Organisms")
    expect("image", "Organism")
    expect("link", "Quorvane")
    expect("link", "Vantrel Homepage")
    drawings = [node for node in nodes if node.getRoleName() == "image"]
    # The organism in words: "a small dark red square ..." or "an invisible organism".
    if drawings and not drawings[0].description.startswith("a"):
        failures.append(f"the drawing is described as {drawings[0].description!r}")
    named_parameters = [name for role, name in seen if role == "spin button" and name == "Parameters"]
    if named_parameters:
        failures.append("a parameter box is still named after its group")
    if failures:
        print("What the screen reader sees:")
        for role, name in seen:
            print(f"  {role}: {name!r}")
        sys.exit("\n".join(failures))
    print(f"{len(nodes)} accessible objects, all named as expected")


def learner():
    # The main window has the keys once clicked; it sits where it asks, with no window
    # manager.
    subprocess.run(["xdotool", "mousemove", "400", "300", "click", "1"], check=True)
    for key in "sfsffs":
        subprocess.run(["xdotool", "key", key], check=True)
        time.sleep(0.1)
    subprocess.run(["xdotool", "key", "k"], check=True)
    time.sleep(0.5)
    subprocess.run(["xdotool", "key", "l"], check=True)
    time.sleep(2)
    nodes = walk(program(), [])
    failures = []
    drawings = [node for node in nodes if node.getRoleName() == "image" and node.name == "Organism"]
    if not drawings or not re.search(r"\n\d+% kept$", drawings[0].description):
        failures.append("the drawing's description holds no chance of being kept")
    labels = [node.name for node in nodes if node.getRoleName() == "label"]
    traits = [name for name in labels if re.match(r"(keeps|shoots) .*, strength \d+%", name)]
    if not traits:
        failures.append("no label says what the user selects for")
    if not any(re.match(r"Predicted \d+ of your last 6 clicks$", name) for name in labels):
        failures.append("no label says how often the learner predicted the clicks")
    if "Your clicks: 6 · Clicks of the learner: 0" not in labels:
        failures.append("no label counts the user's clicks apart")
    if failures:
        print("Labels the screen reader sees:")
        for name in labels:
            print(f"  {name!r}")
        sys.exit("\n".join(failures))
    print(f"the notebook says what the user selects for: {traits[0]!r}")


main()
learner()
