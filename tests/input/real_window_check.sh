#!/bin/sh
# The real window under an X server, driven by xdotool: typed keys light the
# keys at their positions (whatever the keymap), the keys never leave the
# test, and the display check's enlarged image closes with Escape and opens
# again. Leaves screenshots in OUT for a person to look at.
#
#   xvfb-run -a -s '-screen 0 1400x1000x24' tests/input/real_window_check.sh build/src/Quarzlinde OUT
#
# Positions are those of the window at its first size (1180 x 805).
set -eu
app=$1
out=$2
mkdir -p "$out"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

launch() {
    "$app" >/dev/null 2>&1 &
    pid=$!
    window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Quarzlinde MacBook Fehlerdiagnose$' | head -n 1)
    [ -n "$window" ] || { echo "FAIL: no window"; exit 1; }
    sleep 3
    xdotool windowactivate --sync "$window" 2>/dev/null || true
}
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 1; }
shot() { import -window root "$out/$1.png"; }
# The colour of a screen pixel as r,g,b.
pixel() { convert "$out/$1.png" -format "%[fx:int(255*u.r)],%[fx:int(255*u.g)],%[fx:int(255*u.b)]" -crop "1x1+$2+$3" info:; }
origin() { xdotool getwindowgeometry "$window" | sed -n 's/.*Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p'; }

# Keyboard and trackpad: A, the key at US Z (German Y), both shifts, the ISO
# key left of Y, Escape, Tab, Space, then Ctrl+Q, which must stay in the test.
launch
click 939 588
for key in 38 52 50 94 62 Escape 23 65; do xdotool key --delay 80 "$key"; done
xdotool keydown 37 key 24 keyup 37
sleep 1
shot input-keys
kill -0 "$pid" 2>/dev/null || fail "Ctrl+Q ended the application"
set -- $(origin)
# Key centres in the window, a little off the label: lit keys are dark green.
for entry in A:520:370 Y:554:407 left-shift:470:407 iso:517:407 right-shift:937:407 esc:462:297 \
             Tab:468:334 space:672:444 Q:512:334 ctrl:460:444; do
    name=${entry%%:*}; rest=${entry#*:}
    x=$(($1 + ${rest%%:*} - 10)); y=$(($2 + ${rest#*:} - 8))
    colour=$(pixel input-keys "$x" "$y")
    case $colour in 15,96,47) ;; *) fail "key $name not lit ($colour at $x,$y)";; esac
done
# W was not typed.
colour=$(pixel input-keys $(($1 + 549 - 10)) $(($2 + 334 - 8)))
case $colour in 15,96,47) fail "key W lit";; esac
kill "$pid"; wait "$pid" 2>/dev/null || true

# Display: enlarge, Escape, enlarge again.
launch
click 528 588
click 734 637
sleep 1
shot display-enlarged
xdotool search --onlyvisible --name '^Quarzlinde Display Test – Weiß$' >/dev/null || fail "no enlarged image"
xdotool key Escape
sleep 1
shot display-after-escape
if xdotool search --onlyvisible --name '^Quarzlinde Display Test' >/dev/null; then fail "Escape left the image open"; fi
click 734 637
sleep 1
shot display-enlarged-again
[ "$(xdotool search --onlyvisible --name '^Quarzlinde Display Test' | wc -l)" = 1 ] || fail "not exactly one image"
kill "$pid"; wait "$pid" 2>/dev/null || true

[ "$failures" = 0 ] && echo "PASS: real window" || exit 1
