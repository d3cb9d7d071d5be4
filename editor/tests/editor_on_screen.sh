#!/usr/bin/env bash
# The editor on screen, under Xvfb, driven like a user with xdotool: open it
# from the game menu, draw a level with mouse and keys (walls, a crate and
# its socket, the door to the exit, the exit, and the start placed from the
# keyboard), save it through the real save dialog, leave the editor, load
# the level in the game with "&Lade Spielebene", check the board against
# leveltool's picture of the saved file, and play the level to its exit.
#
# Usage: editor_on_screen.sh BIN_DIR [SHOT_DIR]
#   BIN_DIR   holds lorvix, leveltool and LEVEL.DAT (build/bin)
#   SHOT_DIR  if given, receives screenshots of every stage
# Exits 77 (skipped) when the tools for a virtual screen are missing.
set -euo pipefail

if [ -z "${EDITOR_ON_SCREEN_INNER:-}" ]; then
  for tool in xvfb-run xdotool import compare convert; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
  done
  EDITOR_ON_SCREEN_INNER=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

bin=$(cd "$1" && pwd)
shots=${2:-}
[ -n "$shots" ] && mkdir -p "$shots"

# The program runs from a copy, so that the solution file it writes beside
# itself and the settings stay out of the build.
work=$(mktemp -d)
game_pid=
cleanup() {
  if [ -n "$game_pid" ]; then
    kill "$game_pid" 2>/dev/null || true
    wait "$game_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/bin" "$work/config/lorvix"
cp "$bin/lorvix" "$bin/LEVEL.DAT" "$work/bin/"
# Tile animation off: the exit keeps its first picture for the comparison.
printf '[SETUP]\r\nANIM2=0\r\n' >"$work/config/lorvix/QX LORVIX 11.INI"
export XDG_CONFIG_HOME="$work/config" SDL_AUDIODRIVER=dummy GSETTINGS_BACKEND=memory

shot() { if [ -n "$shots" ]; then import -window root "$shots/$1.png"; fi; }
# On failure the shot directory also gets the saved level and the pictures
# compared.
fail() {
  echo "FAIL: $*" >&2
  shot failure
  if [ -n "$shots" ]; then cp "$work"/*.png "$work"/*.sda "$shots/" 2>/dev/null || true; fi
  exit 1
}

# Waits up to 30 s for a command to succeed; the machine may be busy.
eventually() {
  for _ in $(seq 300); do "$@" && return 0; sleep 0.1; done
  return 1
}
is_shown() { [ -n "$(xdotool search --onlyvisible --name "$1" 2>/dev/null || true)" ]; }
is_gone() { ! is_shown "$1"; }
# The file dialogs and message boxes are windows of their own.
is_dialog_open() { [ "$(xdotool search --onlyvisible --class lorvix 2>/dev/null | wc -l)" -ge 2 ]; }
# The id of the visible window whose name matches, once it shows.
wait_for() {
  eventually is_shown "$1" || fail "no window \"$1\""
  xdotool search --onlyvisible --name "$1" | head -n 1
}
wait_gone() { eventually is_gone "$1" || fail "window \"$1\" stays"; }
# Opens menu MNEMONIC of WINDOW, picks ITEM by its mnemonic and waits for
# the command CHECK... to succeed. A menu that opened too slowly for the
# item key is closed and opened again.
menu() {
  local window=$1 mnemonic=$2 item=$3
  shift 3
  for _ in 1 2 3; do
    xdotool windowfocus --sync "$window" key "alt+$mnemonic"
    sleep 0.5
    xdotool key "$item"
    for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done
    xdotool key Escape Escape
  done
  fail "menu $mnemonic, item $item did not act"
}

"$work/bin/lorvix" >"$work/lorvix.log" 2>&1 &
game_pid=$!
game=$(wait_for "QX LORVIX V1.2")
shot 1-game

menu "$game" s e is_shown "QX Lorvix Editor"  # "&Spiel", "&Editor starten"
editor=$(wait_for "QX Lorvix Editor")
is_shown "QX LORVIX V1.2" && fail "the game frame stays while the editor shows"
eval "$(xdotool getwindowgeometry --shell "$editor")"
[ "$WIDTH" = 768 ] || fail "editor client width $WIDTH"
menu_height=$((HEIGHT - 480))

# Mouse clicks in client pixels, palette cells by column and row, and board
# squares by column and row, with the left button or the one given.
click() {
  xdotool mousemove --window "$editor" "$1" $(($2 + menu_height)) click "${3:-1}"
  sleep 0.15
}
cell() { click $((672 + 32 * $1 + 16)) $((64 + 32 * $2 + 16)); }
square() { click $((32 * $1 + 16)) $((32 * $2 + 16)) "${3:-1}"; }

cell 0 7  # stone wall around the exit
for spot in "9 1" "10 1" "11 1" "11 2" "9 3" "10 3" "11 3" "5 12"; do square $spot; done
square 5 12 3  # a right click erases the last wall again
cell 0 1 && square 4 3  # crate
cell 0 0 && square 6 3  # socket
cell 1 5 && square 8 2  # door to the exit
cell 0 5 && square 10 2  # exit
# The start from the keyboard: choosing it left the cursor at (19, 8).
cell 0 6
xdotool key --delay 60 $(printf 'Left %.0s' $(seq 17)) Up Up Up Up Up Up space
sleep 0.5
shot 2-editor

menu "$editor" o s is_shown "Speichern unter"  # "&Optionen", "Spielebene &Speichern"
dialog=$(wait_for "Speichern unter")
xdotool windowfocus --sync "$dialog" key ctrl+a
xdotool type --delay 20 "$work/mine"
# The name field may first take Return for its completion.
for _ in $(seq 20); do
  sleep 0.5
  is_shown "Speichern unter" || break
  xdotool key Return
done
saved=$(wait_for "^OK$")
shot 3-saved
xdotool windowfocus --sync "$saved" key Return
wait_gone "^OK$"
[ -f "$work/mine.sda" ] || fail "no file mine.sda"
[ "$(sed -n 2p "$work/mine.sda")" = $'2 2 10 2 8 2\r' ] || fail "start, exit and door: $(sed -n 2p "$work/mine.sda")"
[ "$(sed -n 15p "$work/mine.sda" | tr -d ' \r')" = 11111111111111111111 ] || fail "row 12 is not all floor"

menu "$editor" o e is_gone "QX Lorvix Editor"  # "&Editor verlassen"
game=$(wait_for "QX LORVIX V1.2")

menu "$game" s l is_dialog_open  # "&Lade Spielebene"
sleep 0.5
xdotool key ctrl+l
xdotool type --delay 20 "$work/mine.sda"
for _ in $(seq 20); do
  sleep 0.5
  is_dialog_open || break
  xdotool key Return
done

# The board as the game shows it equals leveltool's picture of the file.
"$bin/leveltool" render "$work/mine.sda" 1 "$work/expected.png"
convert "$work/expected.png" -crop 704x480+0+0 +repage "$work/expected-board.png"
board_matches() {
  import -window "$game" "$work/screen.png"
  convert "$work/screen.png" -crop "704x480+0+$menu_height" +repage "$work/board.png"
  [ "$(compare -metric AE "$work/board.png" "$work/expected-board.png" null: 2>&1 || true)" = 0 ]
}
eventually board_matches || fail "the board differs from the saved level"
shot 4-game-loaded

xdotool windowfocus --sync "$game"
for key in Down Right Right Right Up Right Right Right Right Right; do
  xdotool key "$key"
  sleep 0.8
done
shot 5-game-solved
solution="$work/bin/Editorloesung.sco"
eventually test -f "$solution" || true
[ "$(cat "$solution" 2>/dev/null)" = "3 1 1 1 4 1 1 1 1 10 " ] || fail "the level was not solved as drawn"
echo "editor on screen: ok"
