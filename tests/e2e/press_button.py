#!/usr/bin/python3
"""Presses a push button of a running program through the accessibility bus (AT-SPI), as a screen
reader would: the way to act on a program that runs natively under a Wayland compositor, where no
tool may send it keys or clicks.

    press_button.py PID WINDOW BUTTON

Waits up to ten seconds for the program of process PID to show a window named WINDOW holding a
push button named BUTTON, then presses it. Exits 0 once pressed, 1 when the window or the button
never showed, and prints what it found.
"""
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def descendants(node):
    yield node
    for index in range(node.get_child_count()):
        child = node.get_child_at_index(index)
        if child is not None:
            yield from descendants(child)


def find_button(pid, window_name, button_name):
    """The button inside the program's window, or None while either is missing."""
    desktop = Atspi.get_desktop(0)
    desktop.clear_cache()  # the programs that registered since the last look
    for index in range(desktop.get_child_count()):
        application = desktop.get_child_at_index(index)
        if application is None or application.get_process_id() != pid:
            continue
        for window in range(application.get_child_count()):
            frame = application.get_child_at_index(window)
            if frame is None or frame.get_name() != window_name:
                continue
            for node in descendants(frame):
                if node.get_role() == Atspi.Role.PUSH_BUTTON and node.get_name() == button_name:
                    return node
    return None


def main():
    pid, window_name, button_name = int(sys.argv[1]), sys.argv[2], sys.argv[3]
    deadline = time.monotonic() + 10
    while (button := find_button(pid, window_name, button_name)) is None:
        if time.monotonic() > deadline:
            print(f"no button {button_name!r} in a window {window_name!r} of process {pid}")
            return 1
        time.sleep(0.2)
    # This libatspi calls get_action_name deprecated, but its bindings lack the new get_name.
    warnings.simplefilter("ignore", DeprecationWarning)
    pressed = any(Atspi.Action.get_action_name(button, i) == "Press"
                  and Atspi.Action.do_action(button, i)
                  for i in range(Atspi.Action.get_n_actions(button)))
    print(f"pressed {button_name!r} in {window_name!r}" if pressed else "the button has no Press")
    return 0 if pressed else 1


if __name__ == "__main__":
    sys.exit(main())
