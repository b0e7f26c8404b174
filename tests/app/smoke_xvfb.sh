#!/usr/bin/env bash
# Starts the real program on a real X display, checks the window and closes it with Esc.
set -u
binary=$1
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

# Xvfb picks a free display itself and tells its number, so parallel tests never collide.
number=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; kill $app 2>/dev/null; rm -f "$number"' EXIT
for _ in $(seq 100); do [ -s "$number" ] && break; sleep 0.1; done
[ -s "$number" ] || { echo "FAIL: Xvfb did not start"; exit 1; }
export DISPLAY=:$(head -n1 "$number")

env -u QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS=disabled: "$binary" &
app=$!
window=""
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name '^Mimora$' 2>/dev/null | head -n1)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "FAIL: no window titled Mimora"; exit 1; }

eval "$(xdotool getwindowgeometry --shell "$window")"
echo "window at $X,$Y size ${WIDTH}x$HEIGHT"
[ "$WIDTH" = 636 ] && [ "$HEIGHT" = 450 ] || { echo "FAIL: client size ${WIDTH}x$HEIGHT"; exit 1; }
[ "$X" = $(((1280 - 636) / 2)) ] && [ "$Y" = $(((1024 - 450) / 2)) ] || { echo "FAIL: not centred"; exit 1; }

xdotool windowfocus --sync "$window" key Escape
for _ in $(seq 50); do kill -0 $app 2>/dev/null || break; sleep 0.1; done
if kill -0 $app 2>/dev/null; then echo "FAIL: Esc did not close the window"; exit 1; fi
wait $app
code=$?
[ $code = 0 ] || { echo "FAIL: exit code $code"; exit 1; }
echo "PASS"
