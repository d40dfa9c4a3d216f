#!/usr/bin/env bash
# Runs a window test as a screen reader would meet it: its own session bus with the
# accessibility bus on it, an X server, and Qt's AT-SPI bridge switched on.
set -euo pipefail
if [ -z "${IN_SESSION:-}" ]; then
    IN_SESSION=1 exec dbus-run-session -- "$0" "$@"
fi
/usr/libexec/at-spi-bus-launcher &
launcher=$!
trap 'kill $launcher' EXIT
for _ in $(seq 50); do
    dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus | grep -q true && break
    sleep 0.1
done
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
