#!/usr/bin/env bash
# wendrel on a real (virtual) display: it starts with three level files and
# one stray file on its command line, a text line is typed, the pack is
# saved through the toolkit's own save dialog, and the game's reader
# (leveltool) finds the three levels in list order and the text lines in
# the pack. Screenshots land in SHOT_DIR.
#
# With --with-game the pack is then opened in lorvix with "Extra Spielwelt
# laden" and its first level is solved, for screenshots of the pack in play.
#
# usage: wendrel_end_to_end.sh BIN_DIR SHOT_DIR [--with-game]
set -euo pipefail

if [ -z "${WENDREL_E2E_DISPLAY:-}" ]; then
  exec env WENDREL_E2E_DISPLAY=1 xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

bin=$(cd "$1" && pwd)
mkdir -p "$2"
shots=$(cd "$2" && pwd)
with_game=${3:-}
export GSETTINGS_BACKEND=memory SDL_AUDIODRIVER=dummy
# The toolkit keeps memory until the process ends; that is not ours to find.
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  import -window root "$shots/failure.png" 2>/dev/null || true
  exit 1
}

# Prints the id of the visible window whose name matches, waiting up to 10 s.
window() {
  local id
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  fail "no window named '$1'"
}

gone() {
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  fail "window '$1' stays open"
}

press() {  # WINDOW-NAME KEY...
  local id
  id=$(window "$1")
  shift
  xdotool windowfocus --sync "$id" key "$@"
}

# Three levels of the shipped worlds file, one record of 17 lines each.
levels="$bin/LEVEL.DAT"
sed -n '2,18p' "$levels" >"$work/a.sda"
sed -n '19,35p' "$levels" >"$work/b.SDA"
sed -n '36,52p' "$levels" >"$work/c.sda"
echo "keine Spielebene" >"$work/notiz.txt"

cd "$work"
"$bin/wendrel" a.sda b.SDA notiz.txt c.sda &
pids+=($!)
wendrel_pid=$!

# The stray file is reported while the start-up drop is added.
press '^Fehler$' Return
gone '^Fehler$'

main=$(window '^Wendrel für QX Lorvix$')
eval "$(xdotool getwindowgeometry --shell "$main")"
# The client (520 x 360) lies below the menu bar; text line 1 is at (10, 240).
client_top=$((Y + HEIGHT - 360))
xdotool mousemove $((X + 260)) $((client_top + 252)) click 1
xdotool key ctrl+a
xdotool type --delay 20 "Drei Prüfungen"

press '^Wendrel für QX Lorvix$' alt+o s
dialog=$(window '^Speichern unter$')
xdotool windowfocus --sync "$dialog" key ctrl+a
xdotool type --delay 20 "$work/Welt"
# The name field may first take Return for its completion list.
for _ in 1 2 3; do
  sleep 0.5
  xdotool search --onlyvisible --name '^Speichern unter$' >/dev/null 2>&1 || break
  press '^Speichern unter$' Return
done
gone '^Speichern unter$'
for _ in $(seq 50); do [ -s Welt.sde ] && break; sleep 0.1; done
[ -s Welt.sde ] || fail "no pack saved (the default extension .sde is added)"
sleep 0.5
import -window root "$shots/wendrel_saved.png"

kill -TERM "$wendrel_pid"
wait "$wendrel_pid" || fail "wendrel ended with status $?"

# What the game reads from the pack.
printf 'Drei Prüfungen\r\nTextzeile 2\r\nTextzeile 3\r\n3\r\n' >expected_head
head -n 4 Welt.sde | cmp - expected_head || fail "text lines or count differ"
n=1
for file in a.sda b.SDA c.sda; do
  diff <("$bin/leveltool" decompile Welt.sde $n | tail -n +2) \
       <("$bin/leveltool" decompile "$file" 1 | tail -n +2) || fail "level $n is not $file"
  n=$((n + 1))
done
echo "pack of three levels saved and read back"

[ "$with_game" = "--with-game" ] || exit 0

mkdir -p home
HOME="$work/home" XDG_CONFIG_HOME="" "$bin/lorvix" &
pids+=($!)
press '^QX LORVIX' alt+w e
sleep 1.5  # the open dialog has the focus
xdotool type --delay 20 "$work/Welt.sde"
sleep 0.5
xdotool key Return
window '^Hinweis$' >/dev/null
sleep 0.3
import -window root "$shots/lorvix_pack_text.png"
press '^Hinweis$' Return
press '^QX LORVIX' space
sleep 0.5
import -window root "$shots/lorvix_pack_level1.png"
solution=$("$bin/leveltool" solve Welt.sde 1 2>/dev/null | head -n 1)
for move in $(echo "$solution" | grep -o .); do
  case $move in R) key=Right ;; L) key=Left ;; U) key=Up ;; D) key=Down ;; esac
  xdotool key "$key"
  sleep 0.25
done
sleep 1
import -window root "$shots/lorvix_pack_level2.png"
echo "pack opened and played in lorvix; screenshots in $shots"
