#!/usr/bin/env bash
# The editor on a virtual screen, driven as a designer would: it opens from
# the game menu while the game frame hides; a level is drawn with mouse and
# keys (walls, a right click that erases one again, a crate and its socket,
# the door to the exit, the exit, and the start placed from the keyboard),
# saved through the real save dialog, and checked with "Prüfen" (and a
# long check cancelled, and one ended by an edit); the editor is left, the game
# loads the level with "&Lade Spielebene", shows exactly leveltool's picture
# of the saved file, and the level plays through to its exit. Runs under
# xvfb-run (scripts/desktop-test).
#   editor_on_screen_test.sh BIN_DIR
# With KEEP_SHOTS set, the pictures of every stage are kept there.
source "$(dirname "$0")/../../scripts/desktop-test-lib.sh"
BIN=$1
SETTINGS="$XDG_CONFIG_HOME/lorvix/QX LORVIX 11.INI"

# No animation and block movement, so that every picture is exactly known.
mkdir -p "$XDG_CONFIG_HOME/lorvix"
printf '[SETUP]\r\nANIM2=0\r\nSM=0\r\n' >"$SETTINGS"
# The game runs from a copy: it stores the solution of a user level beside
# itself.
mkdir -p "$SCRATCH/bin"
cp "$BIN/lorvix" "$BIN/LEVEL.DAT" "$SCRATCH/bin/"

# A file dialog or message box is a second window of the program.
is_dialog_open() { [ "$(xdotool search --onlyvisible --class lorvix 2>/dev/null | wc -l)" -ge 2 ]; }

start_program "$SCRATCH/bin/lorvix"
G=$(wait_window "QX LORVIX V1.2 - 32 Bit")
menu "$G" s e is_shown "QX Lorvix Editor"  # "&Spiel", "&Editor starten"
E=$(wait_window "QX Lorvix Editor")
is_shown "QX LORVIX V1.2" && fail "the game frame stays while the editor shows"
eval "$(xdotool getwindowgeometry --shell "$E")"
[ "$WIDTH" = 768 ] || fail "the editor is $WIDTH pixels wide"
MENU_HEIGHT=$((HEIGHT - 480))

# Clicks at client pixels, on palette cells by column and row, and on board
# squares by column and row, with the left button or the one given.
click() {
  xdotool mousemove --window "$E" "$1" $(($2 + MENU_HEIGHT)) click "${3:-1}"
  sleep 0.15
}
cell() { click $((672 + 32 * $1 + 16)) $((64 + 32 * $2 + 16)); }
square() { click $((32 * $1 + 16)) $((32 * $2 + 16)) "${3:-1}"; }

cell 0 7  # stone wall around the exit, and one more
for spot in "9 1" "10 1" "11 1" "11 2" "9 3" "10 3" "11 3" "5 12"; do square $spot; done
square 5 12 3  # erased again
cell 0 1 && square 4 3  # crate
cell 0 0 && square 6 3  # socket
cell 1 5 && square 8 2  # door to the exit
cell 0 5 && square 10 2  # exit
# The start from the keyboard: choosing it put the cursor at (19, 8).
cell 0 6
xdotool key --delay 60 $(printf 'Left %.0s' $(seq 17)) Up Up Up Up Up Up space
sleep 0.5
shot "$E" "$SCRATCH/editor.png"

menu "$E" o s is_dialog_open  # "&Optionen", "Spielebene &Speichern"
xdotool key ctrl+a
xdotool type --delay 20 "$SCRATCH/mine"
confirm_dialog
wait_window "^OK$" >/dev/null  # "Die Daten wurden gespeichert."
dismiss "^OK$"
LEVEL="$SCRATCH/mine.sda"  # the dialog added the extension
[ -f "$LEVEL" ] || fail "no file $LEVEL"
[ "$(sed -n 2p "$LEVEL")" = $'2 2 10 2 8 2\r' ] || fail "start, exit and door to the exit: $(sed -n 2p "$LEVEL")"
[ "$(sed -n 15p "$LEVEL" | tr -d ' \r')" = 11111111111111111111 ] || fail "row 12 is not all floor"

# "Prüfen" with F5: the result window shows the fewest moves, and the keys,
# copied from its read-only field, are leveltool's solution of the file.
CHECK="^Pr.*fen$"  # the caption "Prüfen", whatever the pattern makes of the umlaut
# The result window is wider than the progress window, which may show first.
result_shown() {
  R=$(xdotool search --onlyvisible --name "$CHECK" 2>/dev/null | head -1) || return 1
  eval "$(xdotool getwindowgeometry --shell "$R")"
  [ "$WIDTH" = 460 ]
}
xdotool windowfocus --sync "$E" key F5
eventually result_shown || fail "no result window"
sleep 0.3
[ "$HEIGHT" = 248 ] || fail "the result window is $HEIGHT pixels high, not the one with a solution"
shot "$R" "$SCRATCH/check-result.png"
xdotool mousemove --window "$R" 100 144 click 1 key ctrl+a ctrl+c  # into the field of keys
copied() { [ "$(xclip -o -selection clipboard 2>/dev/null)" = "$("$BIN/leveltool" solve "$LEVEL" 1 2>/dev/null | head -1)" ]; }
eventually copied || fail "the keys copied are not leveltool's: $(xclip -o -selection clipboard 2>&1)"
xdotool mousemove --window "$R" 396 218 click 1  # "OK"
wait_gone "$CHECK"

# A level that takes long: the progress window counts while the editor's
# cursor still follows the keys; "Abbrechen" shows how far the search came.
menu "$E" o "l Return" is_dialog_open  # "&Optionen", "Spielebene &Laden" (its L is shared)
xdotool key ctrl+l
xdotool type --delay 20 "$(cd "$(dirname "$0")" && pwd)/data/crate_room.sda"
confirm_dialog
xdotool windowfocus --sync "$E" key F5
P=$(wait_window "$CHECK")
eval "$(xdotool getwindowgeometry --shell "$P")"
[ "$WIDTH" = 320 ] || fail "the progress window is $WIDTH pixels wide"
sleep 1
shot "$P" "$SCRATCH/check-progress.png"
# Its title and button are drawn over its face: more than two colours each.
drawn() { [ "$(convert "$SCRATCH/check-progress.png" -crop "$1" +repage -format %k info:)" -gt 2 ]; }
drawn 200x16+16+16 || fail "the progress window shows no title"
drawn 96x28+208+84 || fail "the progress window shows no button"
shot "$E" "$SCRATCH/editor-before-key.png"
xdotool windowfocus --sync "$E" key Down
cursor_moved() {
  shot "$E" "$SCRATCH/editor-after-key.png"
  ! same_pixels "$SCRATCH/editor-before-key.png" "$SCRATCH/editor-after-key.png"
}
eventually cursor_moved || fail "the editor does not answer while the check runs"
is_shown "$CHECK" || fail "a key that edits nothing ended the check"
# The progress window stays above the editor that has the focus.
stacking=$(xprop -root _NET_CLIENT_LIST_STACKING | grep -o '0x[0-9a-f]*' | xargs printf '%d\n')
[ "$(echo "$stacking" | grep -n -x -e "$E" -e "$P" | tail -1 | cut -d: -f2)" = "$P" ] ||
  fail "the progress window went behind the editor"
import -window root "$SCRATCH/check-progress-screen.png"
xdotool windowactivate --sync "$P" mousemove --window "$P" 256 98 click 1  # "Abbrechen"
eventually result_shown || fail "no result after Abbrechen"
sleep 0.3
shot "$R" "$SCRATCH/check-cancelled.png"
xdotool mousemove --window "$R" 396 70 click 1  # "OK"
wait_gone "$CHECK"
# Placing a tile while a check runs ends it without a result.
xdotool windowfocus --sync "$E" key F5
wait_window "$CHECK" >/dev/null
click 40 440  # a square the progress window leaves free, wherever it shows
wait_gone "$CHECK"
sleep 1
is_shown "$CHECK" && fail "a result came after an edit"

menu "$E" o e is_gone "QX Lorvix Editor"  # "&Editor verlassen"
G=$(wait_window "QX LORVIX V1.2 - 32 Bit")
menu "$G" s l is_dialog_open  # "&Lade Spielebene"
xdotool key ctrl+l
xdotool type --delay 20 "$LEVEL"
confirm_dialog

"$BIN/leveltool" render "$LEVEL" 1 "$SCRATCH/expected.png"
board_shows_level() {
  shot "$G" "$SCRATCH/loaded.png"
  find_client "$SCRATCH/loaded.png" "$SCRATCH/expected.png" 704 480 >/dev/null
}
eventually board_shows_level || fail "the game does not show leveltool's picture of the saved level"

xdotool windowfocus --sync "$G"
for key in Down Right Right Right Up Right Right Right Right Right; do
  xdotool key "$key"
  sleep 0.5
done
SOLUTION="$SCRATCH/bin/Editorloesung.sco"
eventually test -f "$SOLUTION" || fail "the level was not solved"
[ "$(cat "$SOLUTION")" = "3 1 1 1 4 1 1 1 1 10 " ] || fail "solved otherwise: $(cat "$SOLUTION")"
shot "$G" "$SCRATCH/solved.png"
[ -n "${KEEP_SHOTS:-}" ] && cp -r "$SCRATCH" "$KEEP_SHOTS"
echo "editor on screen: ok"
