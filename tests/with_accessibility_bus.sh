#!/bin/sh
# Runs a test program as a screen reader's user would run the program: on the X display, with the
# session's accessibility bus (at-spi2-core) started and Qt's bridge to it on. Meant to run inside
# xvfb-run and dbus-run-session.
dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null || exit 1
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 exec "$@"
