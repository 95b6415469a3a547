# Sourced by both end-to-end runs: xdotool keys, text, clicks, window waits (calling the run's fail), a folder's state.
keys() { xdotool key --delay 80 "$@"; sleep 0.3; }
typed() { xdotool type --delay 40 "$1"; sleep 0.2; }
# Runs "$@" every 0.1 s until it succeeds, at most $1 times.
retry() {
  local times=$1 && shift
  for _ in $(seq "$times"); do "$@" && return 0; sleep 0.1; done
  return 1
}
# Waits for a visible window named $1; its id in FOUND.
shown_named() { FOUND=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1); [ -n "$FOUND" ]; }
window_named() { retry 200 shown_named "$1" || fail "no window \"$1\""; }
# Clicks at (x, y) pixels of the form below the menu bar, at scale S; button $3 (default the left one).
click_at() {
  eval "$(xdotool getwindowgeometry --shell "$WIN")"
  xdotool mousemove $((X + $1 * ${S:-1})) $((Y + HEIGHT - 386 * ${S:-1} + $2 * ${S:-1})) click "${3:-1}"; sleep 0.3
}
# Names, sizes, times, modes and contents of every file below $1: to show that the editor left a folder as it was.
folder_state() { (cd "$1" && find . -printf '%p %s %T@ %m\n' | sort && find . -type f -exec md5sum {} + | sort); }
