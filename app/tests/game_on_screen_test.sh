#!/usr/bin/env bash
# The game on a virtual screen, driven as a player would: the title goes at
# a click, the board shows exactly the picture the renderer makes, arrow
# keys move the figure, a menu opens, the close box asks and No keeps the
# game, "Beenden" asks and Yes ends it with the level stored; a desktop's
# SIGTERM ends it cleanly too. Runs under xvfb-run (scripts/desktop-test).
#   game_on_screen_test.sh BIN_DIR
source "$(dirname "$0")/../../scripts/desktop-test-lib.sh"
BIN=$1
SETTINGS="$XDG_CONFIG_HOME/lorvix/QX LORVIX 11.INI"

# No animation and block movement, so that every picture is exactly known.
mkdir -p "$XDG_CONFIG_HOME/lorvix"
printf '[SETUP]\r\nANIM2=0\r\nSM=0\r\n' >"$SETTINGS"

start_program "$BIN/lorvix"
W=$(wait_window "QX LORVIX V1.2 - 32 Bit")
"$BIN/leveltool" render "$BIN/LEVEL.DAT" 1 "$SCRATCH/level1.png"

shot "$W" "$SCRATCH/title.png"
find_client "$SCRATCH/title.png" "$SCRATCH/level1.png" 704 480 >/dev/null &&
  fail "the title picture should cover the board"

xdotool mousemove --window "$W" 100 100 click 1
sleep 0.5
shot "$W" "$SCRATCH/board.png"
read -r X Y < <(find_client "$SCRATCH/board.png" "$SCRATCH/level1.png" 704 480) ||
  fail "the board is not the renderer's picture of level 1, or not all of it shows"
[ "$(identify -format %h "$SCRATCH/board.png")" -gt $((Y + 480)) ] || fail "no status bar below the board"

xdotool key Right
sleep 0.3
shot "$W" "$SCRATCH/moved.png"
convert "$SCRATCH/moved.png" -crop "704x480+$X+$Y" +repage "$SCRATCH/moved_board.png"
convert "$SCRATCH/board.png" -crop "704x480+$X+$Y" +repage "$SCRATCH/start_board.png"
same_pixels "$SCRATCH/moved_board.png" "$SCRATCH/start_board.png" && fail "the arrow key moved nothing"

import -window root "$SCRATCH/before_menu.png"
xdotool key alt+o
sleep 0.5
import -window root "$SCRATCH/menu.png"
same_pixels "$SCRATCH/menu.png" "$SCRATCH/before_menu.png" && fail "alt+o opened no menu"
xdotool key Escape Escape
sleep 0.3

# "Spielwelt wechseln", world 3: level 21, to be stored as the one played last.
xdotool key alt+w
sleep 0.3
xdotool key s 3
sleep 0.5

# The close box (the window manager's Alt+F4) asks; No keeps the game.
xdotool key alt+F4
Q=$(wait_window "Dumme Frage")
xdotool windowfocus --sync "$Q" key Escape
wait_gone "Dumme Frage"
kill -0 "$PROGRAM_PID" || fail "No to the close question ended the game"
grep -q "LAST" "$SETTINGS" && fail "No to the close question stored the level"

menu "$W" s b is_shown "Dumme Frage"  # "&Spiel", "&Beenden"
Q=$(wait_window "Dumme Frage")
xdotool windowfocus --sync "$Q" key Return
for _ in $(seq 50); do kill -0 "$PROGRAM_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$PROGRAM_PID" 2>/dev/null && fail "Yes to the close question did not end the game"
wait "$PROGRAM_PID" || fail "the game ended with an error"
PROGRAM_PID=
grep -q "^LAST=21" "$SETTINGS" || fail "LAST is not 21: $(cat "$SETTINGS")"

# A desktop that logs out sends SIGTERM: the game ends at once and keeps
# the level (the next world's first level, 31; the first key only takes
# the title away).
start_program "$BIN/lorvix"
W=$(wait_window "QX LORVIX V1.2 - 32 Bit")
xdotool windowfocus --sync "$W" key space KP_Multiply
sleep 0.5
kill -TERM "$PROGRAM_PID"
for _ in $(seq 50); do kill -0 "$PROGRAM_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$PROGRAM_PID" 2>/dev/null && fail "SIGTERM did not end the game"
PROGRAM_PID=
grep -q "^LAST=31" "$SETTINGS" || fail "LAST is not 31 after SIGTERM: $(cat "$SETTINGS")"
echo "game on screen: ok"
