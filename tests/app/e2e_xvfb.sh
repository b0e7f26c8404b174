#!/usr/bin/env bash
# Drives the real program on its own X display as a user would: picks a template with the
# keyboard, types a caption, drags it over the picture, zooms in, saves to the desktop and copies
# to the clipboard; then checks the saved JPEG and the clipboard image against what the screen
# shows, and closes the window with Esc.
# Usage: e2e_xvfb.sh path/to/mimora        (exit 77: tools missing)
set -u
binary=${1:?usage: e2e_xvfb.sh path/to/mimora}

for tool in Xvfb xdotool xclip import compare identify stream od awk; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (needs xvfb, xdotool, xclip, imagemagick)"; exit 77; }
done

work=$(mktemp -d)
home=$work/home
mkdir -p "$home/Desktop" "$work/runtime" "$work/shots"
chmod 700 "$work/runtime"
xvfb=""
app=""
passed=0

cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    [ -n "$app" ] && wait "$app" 2>/dev/null
    [ -n "$xvfb" ] && wait "$xvfb" 2>/dev/null
    if [ "$passed" = 1 ]; then rm -rf "$work"; else echo "screenshots and files kept in $work"; fi
}
trap cleanup EXIT
trap 'exit 1' INT TERM

fail() { echo "FAIL: $*"; exit 1; }

# --- an X server of our own on a free display ----------------------------------------------
# Xvfb picks a free display itself and tells its number, so parallel tests never collide.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb" 2>/dev/null || { xvfb=""; break; }
    sleep 0.1
done
export DISPLAY=:$(head -n1 "$work/display" 2>/dev/null)
[ "$DISPLAY" != ":" ] || xvfb=""
[ -n "$xvfb" ] || fail "could not start Xvfb"

# --- the program, with a private home whose desktop folder starts empty ----------------------
HOME=$home XDG_RUNTIME_DIR=$work/runtime DBUS_SESSION_BUS_ADDRESS=disabled: \
    env -u QT_QPA_PLATFORM -u XDG_CONFIG_HOME -u XDG_DESKTOP_DIR "$binary" >"$work/app.log" 2>&1 &
app=$!

window=""
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name '^Mimora$' 2>/dev/null | head -n1)
    [ -n "$window" ] && break
    kill -0 "$app" 2>/dev/null || fail "the program exited at start: $(cat "$work/app.log")"
    sleep 0.1
done
[ -n "$window" ] || fail "no visible window titled Mimora"
eval "$(xdotool getwindowgeometry --shell "$window")" # X Y WIDTH HEIGHT of the client area
[ "$WIDTH" = 636 ] && [ "$HEIGHT" = 450 ] || fail "client area is ${WIDTH}x$HEIGHT"
winx=$X
winy=$Y

# --- helpers on screenshots (coordinates are the window's client coordinates) -----------------
shot() { # shot NAME -> path of a fresh screenshot of the client area
    local f
    f=$work/shots/$(printf %03d "$(ls "$work/shots" | wc -l)")-$1.png
    import -window root -crop "636x450+$winx+$winy" +repage "$f" || fail "screenshot failed"
    echo "$f"
}
pixel() { # pixel FILE X Y -> "r g b"
    stream -map rgb -storage-type char -extract "1x1+$2+$3" "$1" - 2>/dev/null | od -An -tu1 | awk '{print $1, $2, $3}'
}
# dark FILE W H X Y -> "count minx maxx miny maxy" of the pixels whose channels are all below 70
# (caption text is black; its anti-aliased core stays far below that), positions relative to X,Y.
dark() {
    stream -map rgb -storage-type char -extract "${2}x${3}+$4+$5" "$1" - 2>/dev/null | od -An -v -tu1 |
        awk -v w="$2" '{ for (i = 1; i <= NF; i++) { c[k % 3] = $i; k++
                            if (k % 3 == 0) { p = k / 3 - 1; x = p % w; y = int(p / w)
                                if (c[0] < 70 && c[1] < 70 && c[2] < 70) {
                                    if (!n) { x0 = x1 = x; y0 = y1 = y }
                                    n++; if (x < x0) x0 = x; if (x > x1) x1 = x; if (y < y0) y0 = y; if (y > y1) y1 = y } } } }
             END { print n + 0, x0 + 0, x1 + 0, y0 + 0, y1 + 0 }'
}
same() { # same A B [REGION]: pixel for pixel equal
    local a=$1 b=$2
    [ $# -ge 3 ] && { a="$1[$3]"; b="$2[$3]"; }
    [ "$(compare -metric AE "$a" "$b" null: 2>&1)" = 0 ]
}
# canvas_is FILE W H: the canvas at 5,16 is exactly W x H (its last row and column are picture,
# the pixels just past them are the group box's background, sampled where no canvas reaches)
canvas_is() {
    local bg; bg=$(pixel "$1" 200 395)
    [ "$(pixel "$1" $((5 + $2 - 1)) $((16 + $3 - 1)))" != "$bg" ] &&
        [ "$(pixel "$1" $((5 + $2)) $((16 + $3 - 1)))" = "$bg" ] &&
        [ "$(pixel "$1" $((5 + $2 - 1)) $((16 + $3)))" = "$bg" ]
}
# settle NAME REF [REGION]: waits until REGION of the screen differs from REF and then holds
# still for two shots in a row; prints the last shot. The default region is the picture's group
# box, away from the edit box's blinking text cursor.
settle() {
    local name=$1 ref=$2 region=${3:-392x400+0+3} prev="" cur
    for _ in $(seq 60); do
        cur=$(shot "$name")
        if ! same "$cur" "$ref" "$region"; then
            if [ -n "$prev" ] && same "$cur" "$prev" "$region"; then
                echo "$cur"
                return 0
            fi
            prev=$cur
        fi
        sleep 0.15
    done
    return 1
}

xdotool mousemove --window "$window" 300 300 windowfocus --sync "$window"
start=$(shot start)
canvas_is "$start" 234 234 || fail "template 0 is not shown at 234x234 at start"

# canvas_becomes NAME W H: waits until a screenshot shows the canvas at W x H and prints it
canvas_becomes() {
    local file
    for _ in $(seq 50); do
        file=$(shot "$1")
        canvas_is "$file" "$2" "$3" && { echo "$file"; return 0; }
        sleep 0.1
    done
    return 1
}

# --- template 11 with the keyboard: click the list (entry 0), then Down 11 times ---------------
xdotool mousemove --window "$window" 460 154 click 1
sleep 0.2
for _ in $(seq 11); do xdotool key Down; sleep 0.05; done
canvas_becomes template 347 231 >/dev/null || fail "template 11 is not shown at 347x231 after clicking the list and Down x11"
chosen=$(settle template "$start") || fail "the screen does not settle after choosing template 11"

# --- caption: select all in the edit box and type Chinese and ASCII ---------------------------
capbox="168x24+32+216"
xdotool mousemove --window "$window" 491 54 click 1
sleep 0.1
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 40 "测试ABC"
typed=$(settle caption "$chosen" "$capbox") || fail "the caption did not change after typing into the edit box"

# The caption box is 168 x 24 with its text centred; "测试ABC" is about 60 pixels wide, so the
# middle 72 x 24 of the box holds all of it. Dark pixels are counted there, before and after.
tx=48 tw=72 th=24
dx=-27 dy=-196 # the box moves from 32,216 to 5,20: the sky in the top left corner, free of dark
read -r old_before _ <<<"$(dark "$typed" $tw $th $((32 + tx)) 216)"
read -r new_before _ <<<"$(dark "$typed" $tw $th $((32 + dx + tx)) $((216 + dy)))"
echo "before the drag: $old_before dark pixels at the caption, $new_before where it goes"
[ "$new_before" -lt 20 ] || fail "the caption's destination already has $new_before dark pixels"

# --- drag the caption with the left button, grabbing it at its text ---------------------------
gx=$((32 + 84)) gy=$((216 + 12))
xdotool mousemove --window "$window" "$gx" "$gy"
sleep 0.1
xdotool mousedown 1
for i in 1 2 3 4 5 6 7 8; do
    xdotool mousemove --window "$window" $((gx + dx * i / 8)) $((gy + dy * i / 8))
    sleep 0.05
done
xdotool mouseup 1
dragged=$(settle drag "$typed") || fail "the screen does not settle after the drag"

# caption_moved FILE X Y: the text is at the box whose top left is X,Y (in FILE's coordinates),
# horizontally centred in it, as wide as the typed text, and gone from the box it started in
caption_moved() {
    local n x0 x1 y0 y1 m
    read -r n x0 x1 y0 y1 <<<"$(dark "$1" $tw $th $(($2 + dx + tx)) $(($3 + dy)))"
    read -r m _ <<<"$(dark "$1" $tw $th $(($2 + tx)) "$3")"
    echo "  $n dark pixels where the caption went (x $x0..$x1 y $y0..$y1), $m where it was"
    [ $((n - new_before)) -gt 150 ] || { echo "  no caption text where it was dragged"; return 1; }
    [ $((x1 - x0)) -ge 40 ] && [ $((x1 - x0)) -le 68 ] || { echo "  text is not as wide as 测试ABC"; return 1; }
    [ $((x0 + x1)) -ge $((2 * (84 - tx) - 5)) ] && [ $((x0 + x1)) -le $((2 * (84 - tx) + 5)) ] ||
        { echo "  text is off its box's centre: the box did not move with the pointer"; return 1; }
    [ $((old_before - m)) -gt 150 ] || { echo "  caption text still where it started"; return 1; }
}
echo "on screen after the drag:"
caption_moved "$dragged" 32 216 || fail "the caption is not where it was dragged"

# --- zoom in once: template 11 grows to 381 x 254 ----------------------------------------------
xdotool mousemove --window "$window" $((122 + 63)) $((408 + 20)) click 1
canvas_becomes zoom 381 254 >/dev/null || fail "canvas is not 381x254 after one click on 放大+"
zoomed=$(settle zoom "$dragged") || fail "the screen does not settle after zooming"
canvas_is "$zoomed" 381 254 || fail "canvas is not 381x254 after zooming"
canvas=$work/canvas.png
import -window root -crop "381x254+$((winx + 5))+$((winy + 16))" +repage "$canvas"
same "$canvas" "$zoomed" "381x254+5+16" || fail "screen changed while taking the canvas shot"

# --- save to the desktop ------------------------------------------------------------------------
t0=$(date +%s)
xdotool mousemove --window "$window" $((515 + 53)) $((396 + 21)) click 1
jpeg=""
for _ in $(seq 100); do
    shopt -s nullglob
    files=("$home"/Desktop/*.jpg)
    shopt -u nullglob
    [ ${#files[@]} -gt 0 ] && { jpeg=${files[0]}; break; }
    sleep 0.1
done
t1=$(date +%s)
[ -n "$jpeg" ] || fail "no JPEG appeared in the desktop folder"
sleep 0.3 # a second file or a leftover temporary would show up by now
entries=$(ls -A "$home/Desktop")
[ "$(ls -A "$home/Desktop" | wc -l)" = 1 ] || fail "desktop folder holds more than one entry: $entries"
name=$(basename "$jpeg")
names=""
for ((t = t0; t <= t1; t++)); do names="$names|$(date -d "@$t" +'%Y年%-m月%-d日%-H时%-M分%-S秒').jpg"; done
case "$names|" in *"|$name|"*) ;; *) fail "file name '$name' is not the local date-time of the save (${names#|})" ;; esac
info=$(identify -format '%m %w %h %Q %[jpeg:sampling-factor]' "$jpeg" 2>&1)
echo "saved $name: $info"
[ "$info" = "JPEG 381 254 95 1x1,1x1,1x1" ] || fail "saved file is not a 381x254 quality-95 4:4:4 JPEG: $info"
psnr=$(compare -metric PSNR "$jpeg" "$canvas" null: 2>&1)
echo "saved JPEG against the screen: PSNR $psnr dB"
awk -v p="$psnr" 'BEGIN { exit !(p == "inf" || p + 0 > 30) }' || fail "saved JPEG differs from the screen (PSNR $psnr)"
# the caption's region, in canvas coordinates, as it looks in the file and on the screen
region="${tw}x$th+$((32 + dx + tx - 5))+$((216 + dy - 16))"
psnr=$(compare -metric PSNR "$jpeg[$region]" "$canvas[$region]" null: 2>&1)
echo "caption text region of the JPEG against the screen: PSNR $psnr dB"
awk -v p="$psnr" 'BEGIN { exit !(p == "inf" || p + 0 > 30) }' || fail "caption region differs (PSNR $psnr)"
echo "in the saved JPEG:"
caption_moved "$jpeg" $((32 - 5)) $((216 - 16)) || fail "the saved JPEG does not show the caption where it was dragged"

# --- copy to the clipboard ------------------------------------------------------------------------
xdotool mousemove --window "$window" $((404 + 53)) $((396 + 21)) click 1
clip=$work/clipboard.png
got=""
for _ in $(seq 50); do
    if xclip -selection clipboard -t TARGETS -o 2>/dev/null | grep -qx 'image/png'; then got=1; break; fi
    sleep 0.1
done
[ -n "$got" ] || fail "the clipboard offers no image/png after clicking 复制图片"
xclip -selection clipboard -t image/png -o >"$clip" 2>/dev/null || fail "could not read the clipboard image"
size=$(identify -format '%w %h' "$clip" 2>&1)
[ "$size" = "381 254" ] || fail "clipboard image is $size, expected 381 254"
ae=$(compare -metric AE "$clip" "$canvas" null: 2>&1)
echo "clipboard against the screen: $ae pixels differ"
[ "$ae" = 0 ] || fail "clipboard image differs from the canvas on screen in $ae pixels"

# --- Esc closes the window with exit code 0 --------------------------------------------------
xdotool mousemove --window "$window" 300 300 windowfocus --sync "$window" key Escape
for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "Esc did not close the window"
wait "$app"
code=$?
app=""
[ "$code" = 0 ] || fail "exit code $code"
passed=1
echo "PASS"
