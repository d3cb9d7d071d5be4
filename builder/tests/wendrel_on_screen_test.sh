#!/usr/bin/env bash
# The pack builder on a virtual screen, used as from a terminal: it starts
# with three level files and a stray file on its command line, a text line
# is typed, the pack is saved through the toolkit's own save dialog (the
# extension is added), the bar shows the finished save, and the close box
# ends the builder without a question. The game's reader (leveltool) finds
# the text lines and the three levels in list order, and the game opens the
# pack with "Extra Spielwelt laden" and plays its levels in that order.
# Runs under xvfb-run (scripts/desktop-test).
#   wendrel_on_screen_test.sh BIN_DIR [KEEP_DIR]
# With KEEP_DIR the screenshots are kept there.
source "$(dirname "$0")/../../scripts/desktop-test-lib.sh"
BIN=$(cd "$1" && pwd)
KEEP=${2:+$(mkdir -p "$2" && cd "$2" && pwd)}
CLIENT_HEIGHT=360

keep() { [ -z "$KEEP" ] || cp "$1" "$KEEP/"; }

# The colour of one pixel of a picture, as ImageMagick names it.
pixel() { convert "$1" -format "%[pixel:p{$2,$3}]" info:; }

# Three levels of the shipped worlds file, 17 lines each after its count.
cd "$SCRATCH"
sed -n '2,18p' "$BIN/LEVEL.DAT" >a.sda
sed -n '19,35p' "$BIN/LEVEL.DAT" >b.SDA
sed -n '36,52p' "$BIN/LEVEL.DAT" >c.sda
echo "keine Spielebene" >notiz.txt

start_program "$BIN/wendrel" a.sda b.SDA notiz.txt c.sda
# The stray file is reported while the start-up drop is added.
wait_window "^Fehler$" >/dev/null
dismiss "^Fehler$"

W=$(wait_window "^Wendrel für QX Lorvix$")
eval "$(xdotool getwindowgeometry --shell "$W")"
MENU=$((HEIGHT - CLIENT_HEIGHT))
# Text line 1 lies at (10, 240) of the client, below the menu bar.
xdotool mousemove --window "$W" 260 $((MENU + 252)) click 1
xdotool key ctrl+a
xdotool type --delay 20 "Drei Prüfungen"

menu "$W" o s is_shown "^Speichern unter$"  # "&Optionen", "&Speichern unter"
D=$(wait_window "^Speichern unter$")
xdotool windowfocus --sync "$D" key ctrl+a
xdotool type --delay 20 "$SCRATCH/Welt"
confirm_dialog
for _ in $(seq 50); do [ -s Welt.sde ] && break; sleep 0.1; done
[ -s Welt.sde ] || fail "no pack Welt.sde (the extension .sde should be added)"

sleep 0.5
shot "$W" builder_saved.png
import -window root builder_screen.png
keep builder_saved.png
keep builder_screen.png
BAR_Y=$((MENU + 340))
[ "$(pixel builder_saved.png 409 $BAR_Y)" = "srgb(0,0,0)" ] || fail "the bar does not reach x = 409"
[ "$(pixel builder_saved.png 410 $BAR_Y)" = "srgb(0,0,0)" ] && fail "the bar goes beyond x = 409"

# The close box ends the builder at once.
xdotool windowfocus --sync "$W" key alt+F4
for _ in $(seq 50); do kill -0 "$PROGRAM_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$PROGRAM_PID" 2>/dev/null && fail "the close box did not end the builder"
wait "$PROGRAM_PID" || fail "the builder ended with an error"
PROGRAM_PID=

printf 'Drei Prüfungen\r\nTextzeile 2\r\nTextzeile 3\r\n3\r\n' >expected_head
head -n 4 Welt.sde | cmp -s - expected_head || fail "text lines or count: $(head -n 4 Welt.sde)"
n=1
for file in a.sda b.SDA c.sda; do
  diff <("$BIN/leveltool" decompile Welt.sde $n | tail -n +2) \
       <("$BIN/leveltool" decompile "$file" 1 | tail -n +2) >/dev/null ||
    fail "level $n of the pack is not $file"
  n=$((n + 1))
done

# The game: no animation and block movement, so every picture is known.
mkdir -p "$XDG_CONFIG_HOME/lorvix"
printf '[SETUP]\r\nANIM2=0\r\nSM=0\r\n' >"$XDG_CONFIG_HOME/lorvix/QX LORVIX 11.INI"
start_program "$BIN/lorvix"
G=$(wait_window "QX LORVIX V1.2 - 32 Bit")
xdotool windowfocus --sync "$G" key space
menu "$G" w e is_shown "^Öffnen$"  # "Spiel&welt", "&Extra Spielwelt laden"
D=$(wait_window "^Öffnen$")
xdotool windowfocus --sync "$D" type --delay 20 "$SCRATCH/Welt.sde"
confirm_dialog
wait_window "^Hinweis$" >/dev/null
import -window root game_pack_text.png
keep game_pack_text.png
dismiss "^Hinweis$"

shows_level() {
  shot "$G" "game_pack_level$1.png"
  find_client "game_pack_level$1.png" "pack$1.png" 704 480 >/dev/null
}
for level in 1 2; do
  "$BIN/leveltool" render Welt.sde $level "pack$level.png"
  eventually shows_level $level || fail "the game does not show level $level of the pack"
  keep "game_pack_level$level.png"
  [ $level = 2 ] && break
  moves=$("$BIN/leveltool" solve Welt.sde $level 2>/dev/null | head -n 1)
  xdotool windowfocus --sync "$G"
  for move in $(echo "$moves" | grep -o .); do
    case $move in R) key=Right ;; L) key=Left ;; U) key=Up ;; D) key=Down ;; esac
    xdotool key "$key"
    sleep 0.2
  done
done
kill -TERM "$PROGRAM_PID"
for _ in $(seq 50); do kill -0 "$PROGRAM_PID" 2>/dev/null || break; sleep 0.1; done
PROGRAM_PID=
echo "wendrel on screen: ok"
