# Helpers for tests that drive our programs on a virtual screen. Source it
# from a script that runs under `xvfb-run` (see scripts/desktop-test): it
# starts a window manager, so windows get real decorations, and gives each
# test its own scratch and settings directories.
#
#   start_program CMD...     starts a program, remembers its pid in $PROGRAM_PID
#   wait_window NAME         waits until a visible window named NAME exists, prints its id
#   wait_gone NAME           waits until no visible window is named NAME
#   is_shown NAME, is_gone NAME   whether a visible window is named NAME
#   eventually CMD...        waits up to 30 s for a command to succeed
#   menu WINDOW MNEMONIC ITEM CHECK...   picks a menu item by its keys
#   confirm_dialog           presses Return until the file dialog has closed
#   dismiss NAME             presses Return in the message box NAME until it has gone
#   shot WINDOW FILE         screenshot of a window (its client, without decorations)
#   same_pixels A B          succeeds when two pictures are equal pixel for pixel
#   find_client SHOT PICTURE W H   prints "X Y" where the W x H top-left part of
#                            PICTURE appears in SHOT, exactly; fails when nowhere
#   fail MESSAGE             prints the message and ends the test with failure

set -euo pipefail

SCRATCH=$(mktemp -d)
export XDG_CONFIG_HOME="$SCRATCH/config" XDG_DATA_HOME="$SCRATCH/data"
export GSETTINGS_BACKEND=memory SDL_AUDIODRIVER=dummy NO_AT_BRIDGE=1
# Under the sanitizers, memory errors count here but leaks do not: the
# desktop libraries keep memory until the process ends, and every
# allocation of ours runs below their event loop. The headless tests
# check our code for leaks.
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"
PROGRAM_PID=

# Runs at the end, whatever the result: a program still running is ended
# and waited for before its scratch files go. A program holds SIGTERM back
# while a modal dialog is open, so it is killed if it does not end soon.
cleanup() {
  local status=$?
  if [ -n "$PROGRAM_PID" ]; then
    kill "$PROGRAM_PID" 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$PROGRAM_PID" 2>/dev/null || break; sleep 0.1; done
    kill -KILL "$PROGRAM_PID" 2>/dev/null || true
    wait "$PROGRAM_PID" 2>/dev/null || true
  fi
  [ -n "${WM_PID:-}" ] && kill "$WM_PID" 2>/dev/null || true
  rm -rf "$SCRATCH" 2>/dev/null || true
  exit "$status"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  [ -n "${KEEP_SHOTS:-}" ] && cp -r "$SCRATCH" "$KEEP_SHOTS" && echo "pictures kept in $KEEP_SHOTS" >&2
  exit 1
}

openbox >/dev/null 2>&1 &
WM_PID=$!
sleep 1

start_program() {
  "$@" 2>"$SCRATCH/program.log" &
  PROGRAM_PID=$!
}

wait_window() {
  local id
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
    if [ -n "$id" ]; then
      sleep 0.3
      echo "$id"
      return 0
    fi
    sleep 0.1
  done
  fail "no window named '$1'"
}

wait_gone() {
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  fail "window '$1' did not go"
}

shot() { import -window "$1" "$2"; }

same_pixels() {
  local diff
  diff=$(compare -metric AE "$1" "$2" null: 2>&1 || true)
  [ "$diff" = "0" ]
}

find_client() {
  local shot=$1 picture=$2 w=$3 h=$4 result
  convert "$picture" -crop "${w}x${h}+0+0" +repage "$SCRATCH/wanted.png"
  result=$(compare -metric AE -subimage-search "$shot" "$SCRATCH/wanted.png" null: 2>&1 || true)
  case "$result" in
    "0 @ "*) echo "${result#0 @ }" | tr ',' ' ' ;;
    *) return 1 ;;
  esac
}

# Waits up to 30 s for a command to succeed; the machine may be busy.
eventually() {
  for _ in $(seq 300); do "$@" && return 0; sleep 0.1; done
  return 1
}
is_shown() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
is_gone() { ! is_shown "$1"; }
# Opens menu MNEMONIC of WINDOW, picks ITEM by its mnemonic (keys, e.g.
# "l Return" where two items share it) and waits until the command
# CHECK... succeeds. A menu that opened too slowly for the item
# key is closed and opened again.
menu() {
  local window=$1 mnemonic=$2 item=$3
  shift 3
  for _ in 1 2 3; do
    xdotool windowfocus --sync "$window" key "alt+$mnemonic"
    sleep 0.5
    xdotool key $item
    for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done
    xdotool key Escape Escape
  done
  fail "menu $mnemonic, item $item did nothing"
}
# Presses Return until the file dialog has closed: its name field may first
# take it for its completion. The message box that may follow is left alone.
confirm_dialog() {
  for _ in $(seq 20); do
    sleep 0.5
    is_shown "^(Speichern unter|Öffnen)$" || return 0
    xdotool key Return
  done
  fail "the file dialog stays"
}
# A busy machine may map a message box before it takes the focus; Return
# is pressed again until the box has gone.
dismiss() {
  local id
  for _ in $(seq 20); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1) || return 0
    [ -n "$id" ] || return 0
    xdotool windowfocus --sync "$id" key Return 2>/dev/null || true
    sleep 0.5
  done
  fail "the message box '$1' stays"
}
