#!/usr/bin/env bash
# End-to-end scenarios: the real editor in a game folder of its own, on a real
# X server (Xvfb), driven with xdotool; the desktop clipboard read with xclip.
#
# usage: run-e2e.sh <editor executable> <make_sample_graphics> <artifact folder>
set -uo pipefail

EDITOR_EXE=$1
MAKE_GRAPHICS=$2
ARTIFACTS=$3
mkdir -p "$ARTIFACTS"

for tool in Xvfb xdotool xclip xdpyinfo import; do
  command -v "$tool" >/dev/null || { echo "missing tool: $tool (run scripts/setup-deps)"; exit 1; }
done

WORK=$(mktemp -d)
XVFB_PID=
APP_PID=
cleanup() {
  [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT

# A free display number.
for n in $(seq 90 199); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    xdpyinfo >/dev/null 2>&1 && break
    kill "$XVFB_PID" 2>/dev/null; XVFB_PID=
  fi
done
[ -n "$XVFB_PID" ] || { echo "could not start Xvfb"; exit 1; }
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

passed=0
failed=0
failures=()

# ---- helpers ---------------------------------------------------------------

# A game folder with the sample reference files and graphics.
make_game() {
  local game=$WORK/$1
  mkdir -p "$game/ItemEdit"
  printf '0,"Plain Object"\r\n1,"One-Handed Weapon"\r\n2,"Two-Handed Weapon"\r\n3,"Gold"\r\n4,"Food"\r\n5,"Bow"\r\n' > "$game/ItemEdit/Variety.dat"
  printf '0,"Strength"\r\n1,"Dexterity"\r\n2,"Edged Weapons"\r\n3,"Bashing"\r\n4,"Pole Arms"\r\n' > "$game/ItemEdit/Skills.dat"
  printf '0,"No Ability"\r\n1,"Fire Damage"\r\n2,"Cold Damage"\r\n' > "$game/ItemEdit/Abilities.dat"
  "$MAKE_GRAPHICS" "$game" >/dev/null 2>&1 || { echo "cannot draw graphics"; return 1; }
  cp "$EDITOR_EXE" "$game/tarnwick-item-editor"
  echo "$game"
}

WIN=
OX=0
OY=0
# Starts the editor of a game folder and waits for its window; sets WIN and
# the origin (OX, OY) of the client area below the menu bar.
start_editor() {
  local game=$1
  "$game/tarnwick-item-editor" >"$WORK/app.out" 2>"$WORK/app.err" &
  APP_PID=$!
  WIN=
  for _ in $(seq 300); do
    WIN=$(xdotool search --onlyvisible --name '^Tarnwick Item Editor$' 2>/dev/null | head -1)
    [ -n "$WIN" ] && break
    sleep 0.1
  done
  [ -n "$WIN" ] || { echo "no editor window; the editor said:"; cat "$WORK/app.err"; return 1; }
  sleep 0.5
  xdotool windowfocus --sync "$WIN"
  eval "$(xdotool getwindowgeometry --shell "$WIN")"
  OX=$X
  OY=$((Y + HEIGHT - 386))
}

stop_editor() {
  [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null && wait "$APP_PID" 2>/dev/null
  APP_PID=
}

# Clicks at a point of the client area, in pixels from its top-left corner.
click_at() { xdotool mousemove $((OX + $1)) $((OY + $2)); sleep 0.05; xdotool click 1; sleep 0.15; }
keys() { xdotool key --delay 40 "$@"; sleep 0.25; }
type_text() { xdotool type --delay 30 "$1"; sleep 0.15; }

# Page controls, from the window layout: pages sit at (16, 32).
page_tab() { case $1 in 1) click_at 40 20 ;; 2) click_at 125 20 ;; 3) click_at 195 20 ;; 4) click_at 265 20 ;; esac; }
on_page() { click_at $((16 + $1)) $((32 + $2)); }

# Compares the clipboard, byte for byte, with a printf format.
expect_clipboard() {
  printf "$1" > "$WORK/want"
  xclip -o -selection clipboard > "$WORK/got" 2>/dev/null
  if cmp -s "$WORK/want" "$WORK/got"; then return 0; fi
  echo "clipboard differs:"; echo " want: $(od -c "$WORK/want" | head -5)"; echo " got:  $(od -c "$WORK/got" | head -5)"
  return 1
}

scenario() {
  local name=$1; shift
  # E2E_ONLY=<name> runs one scenario.
  [ -n "${E2E_ONLY:-}" ] && [ "$E2E_ONLY" != "$name" ] && return 0
  local started=$SECONDS
  if "$@"; then
    passed=$((passed + 1)); echo "PASS  $name ($((SECONDS - started)) s)"
  else
    failed=$((failed + 1)); failures+=("$name"); echo "FAIL  $name"
    import -window root "$ARTIFACTS/failed-$name.png" 2>/dev/null
  fi
  stop_editor
}

# ---- scenarios -------------------------------------------------------------

fresh_window_generate_and_copy() {
  local game; game=$(make_game fresh) || return 1
  start_editor "$game" || return 1
  keys ctrl+g
  keys ctrl+c
  expect_clipboard 'begindefineitem 440;\r\n'
}

item_entered_by_keyboard_and_mouse() {
  local game; game=$(make_game item) || return 1
  start_editor "$game" || return 1
  on_page 90 34; keys End BackSpace BackSpace BackSpace; type_text 45  # txtItemNum
  on_page 30 112                                                         # chkClearImport
  on_page 200 50; type_text 'Ember "Blade"'                              # txtName
  on_page 160 72                                                         # chkName
  on_page 200 122; sleep 0.3; keys Down Return                           # cboVariety: entry 1
  on_page 160 144                                                        # chkVariety
  on_page 40 192; keys BackSpace; type_text 4                            # txtDamage
  on_page 40 216                                                         # chkDamage
  page_tab 2
  on_page $((8 + 2 + 29 * 7 + 10)) $((16 + 40 + 15))                     # floor cell 7
  on_page 480 $((16 + 54))                                               # chkFloorIcon
  page_tab 3
  on_page 25 112                                                         # optMagicYes
  on_page 25 136                                                         # chkMagic
  keys ctrl+g
  keys ctrl+c
  expect_clipboard 'begindefineitem 45;\r\n\tclear;\r\n\tit_name = "Ember \"Blade\"";\r\n\tit_variety = 1; // One-Handed Weapon\r\n\tit_damage_per_level = 4;\r\n\tit_floor_which_sheet = 1000;\r\n\tit_floor_which_icon = 7;\r\n\tit_magic = 1;\r\n'
}

copy_in_name_box_copies_the_script() {
  local game; game=$(make_game namecopy) || return 1
  start_editor "$game" || return 1
  keys ctrl+g
  page_tab 1
  on_page 200 50; type_text 'Selected'; keys shift+Home
  keys ctrl+c
  expect_clipboard 'begindefineitem 440;\r\n'
}

copy_a_selection_of_the_pane() {
  local game; game=$(make_game selection) || return 1
  start_editor "$game" || return 1
  on_page 160 288                                                        # chkCharges
  keys ctrl+g
  keys ctrl+Home shift+Down
  keys ctrl+c
  expect_clipboard 'begindefineitem 440;\r\n' || return 1
  keys ctrl+End
  keys ctrl+c
  expect_clipboard 'begindefineitem 440;\r\n\tit_charges = 0;\r\n'
}

shortcuts_from_a_line_edit() {
  local game; game=$(make_game shortcuts) || return 1
  start_editor "$game" || return 1
  keys ctrl+g
  page_tab 1
  on_page 200 50; keys ctrl+e                                            # clear from txtName
  keys ctrl+c
  expect_clipboard '' || return 1
  on_page 200 50; keys ctrl+g; keys ctrl+c
  expect_clipboard 'begindefineitem 440;\r\n' || return 1
  page_tab 3
  on_page 30 34; keys ctrl+r                                             # reset from txtSpecClass
  keys ctrl+g; keys ctrl+c
  expect_clipboard 'begindefineitem 440;\r\n'
}

menu_access_keys() {
  local game; game=$(make_game access) || return 1
  start_editor "$game" || return 1
  keys alt+a g; keys alt+a c
  expect_clipboard 'begindefineitem 440;\r\n' || return 1
  keys alt+a e; keys alt+a c
  expect_clipboard '' || return 1
  page_tab 3; keys alt+a r
  keys alt+a g; keys alt+a c
  expect_clipboard 'begindefineitem 440;\r\n' || return 1
  keys alt+h a
  local about=
  for _ in $(seq 30); do about=$(xdotool search --onlyvisible --name '^About Tarnwick Item Editor$' | head -1); [ -n "$about" ] && break; sleep 0.1; done
  [ -n "$about" ] || { echo "no About box"; return 1; }
  import -window root "$ARTIFACTS/about.png"
  xdotool windowfocus --sync "$about"; keys Return                        # OK has the focus
  sleep 0.3
  [ -z "$(xdotool search --onlyvisible --name '^About Tarnwick Item Editor$')" ] || { echo "About box stayed"; return 1; }
  xdotool windowfocus --sync "$WIN"
  keys alt+a q
  wait "$APP_PID"; local rc=$?; APP_PID=
  [ "$rc" -eq 0 ] || { echo "exit status $rc"; return 1; }
}

quit_ends_with_status_0() {
  local game; game=$(make_game quit) || return 1
  start_editor "$game" || return 1
  keys ctrl+q
  wait "$APP_PID"; local rc=$?; APP_PID=
  [ "$rc" -eq 0 ] || { echo "exit status $rc"; return 1; }
}

missing_reference_file_stops_the_start() {
  local game; game=$(make_game broken) || return 1
  rm "$game/ItemEdit/Skills.dat"
  "$game/tarnwick-item-editor" >"$WORK/app.out" 2>"$WORK/app.err" &
  APP_PID=$!
  local box=
  for _ in $(seq 50); do box=$(xdotool search --onlyvisible --name '^Tarnwick Item Editor$' | head -1); [ -n "$box" ] && break; sleep 0.1; done
  [ -n "$box" ] || { echo "no report box"; return 1; }
  sleep 0.3
  # The one window is the report: a small message box, not the 625-pixel editor.
  eval "$(xdotool getwindowgeometry --shell "$box")"
  [ "$WIDTH" -lt 600 ] || { echo "the editor window appeared"; return 1; }
  import -window root "$ARTIFACTS/startup-report.png"
  xdotool windowfocus --sync "$box"; keys Return
  wait "$APP_PID"; local rc=$?; APP_PID=
  [ "$rc" -eq 1 ] || { echo "exit status $rc"; return 1; }
  grep -q 'Skills.dat": path or file not found' "$WORK/app.err" || { echo "no report on stderr:"; cat "$WORK/app.err"; return 1; }
}

screenshots_of_every_page() {
  local game; game=$(make_game shots) || return 1
  start_editor "$game" || return 1
  on_page 200 50; type_text 'Ember Dagger'; on_page 160 72
  on_page 200 122; sleep 0.3; keys Down Return; on_page 160 144
  for p in 1 2 3; do
    page_tab "$p"; sleep 0.3
    import -window "$WIN" "$ARTIFACTS/page-$p.png" || return 1
  done
  keys ctrl+g; sleep 0.3
  import -window "$WIN" "$ARTIFACTS/page-4.png"
}

scenario fresh_window_generate_and_copy fresh_window_generate_and_copy
scenario item_entered_by_keyboard_and_mouse item_entered_by_keyboard_and_mouse
scenario copy_in_name_box_copies_the_script copy_in_name_box_copies_the_script
scenario copy_a_selection_of_the_pane copy_a_selection_of_the_pane
scenario shortcuts_from_a_line_edit shortcuts_from_a_line_edit
scenario menu_access_keys menu_access_keys
scenario quit_ends_with_status_0 quit_ends_with_status_0
scenario missing_reference_file_stops_the_start missing_reference_file_stops_the_start
scenario screenshots_of_every_page screenshots_of_every_page

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
