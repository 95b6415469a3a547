#!/usr/bin/env bash
# End-to-end scenarios: the real editor in a copy of the sample game folder, on a real X server (Xvfb, 1600 x 1200),
# driven with xdotool; the desktop clipboard read and written with xclip, as another program sees it.
#
# usage: scripts/with-xvfb run-e2e.sh <game folder with the editor at its root> <artifact folder>
#        E2E_ONLY=<scenario> runs one scenario.
set -uo pipefail
SAMPLE=$1 ARTIFACTS=$2
WORK=$(mktemp -d) APP= WIN=
mkdir -p "$ARTIFACTS"
trap '[ -n "$APP" ] && kill "$APP"; rm -rf "$WORK"' EXIT
export QT_QPA_PLATFORM=xcb
fail() { echo "$*"; return 1; }
source "$(dirname "$0")/xdo-helpers.sh"

# Starts the editor of a fresh copy of the sample game (environment: $@), and clicks into the item number box.
start() {
  rm -rf "$WORK/game" && cp -r "$SAMPLE" "$WORK/game" || return 1
  env "$@" "$WORK/game/tarnwick-item-editor" >"$WORK/out" 2>"$WORK/err" &
  APP=$!
  window_named 'Tarnwick Item Editor' || { echo "the editor said:"; cat "$WORK/err"; return 1; }
  WIN=$FOUND && retry 100 centred  # the editor centres its window once shown
  xdotool windowfocus --sync "$WIN" && click_at 100 64
}
centred() { eval "$(xdotool getwindowgeometry --shell "$WIN")" && [ "$X" -eq $(((1600 - WIDTH) / 2)) ]; }
# Waits until the editor shows $1 windows: its own, and a list's popup or a box.
showing() { [ "$(xdotool search --onlyvisible --pid "$APP" | wc -l)" -eq "$1" ]; }
windows() { retry 100 showing "$1" || fail "the editor does not show $1 windows"; }
status() { wait "$APP"; local rc=$?; APP= WIN=; return $rc; }
shot() { import -window "${2:-root}" "$ARTIFACTS/$1.png"; }
# Waits for a window titled $1 that is not the editor's, saves it as $2 and answers it with Return.
box_named() { BOX=$(xdotool search --onlyvisible --name "^$1\$" | grep -v "^$WIN\$" | head -1); [ -n "$BOX" ]; }
answer() {
  retry 100 box_named "$1" || fail "no window \"$1\"" || return 1
  sleep 0.3; shot "$2" "$BOX"; xdotool windowfocus --sync "$BOX"; keys Return
}
# The clipboard, byte for byte, against a printf format, once the editor has caught up with the keys.
clip_is() {
  printf -- "$1" >"$WORK/want"
  xdotool windowfocus --sync "$WIN" 2>/dev/null
  retry 50 clip_holds && return 0
  echo "clipboard: want"; od -c "$WORK/want"; echo "got"; od -c "$WORK/got"; return 1
}
clip_holds() { xclip -o -selection clipboard >"$WORK/got" 2>/dev/null && cmp -s "$WORK/want" "$WORK/got"; }
to_clipboard() { printf -- "$1" | xclip -selection clipboard && clip_is "$1" >/dev/null; }

# The shortcuts from a line edit, the wheel over a list without the focus, the clipboard; Page Up on the sheet spinner.
shortcuts() {
  start || return 1
  keys Tab Tab Tab Tab Tab Tab Tab Tab space   # "Display in script" of the variety
  click_at 190 154 5                           # the wheel over the variety list
  keys ctrl+g ctrl+Tab && click_at 100 64      # Ctrl+C in the item number box, with "440" selected
  keys End shift+Home ctrl+c
  clip_is 'begindefineitem 440;\r\n\tit_variety = 0; // Plain Object\r\n' || return 1
  keys ctrl+e ctrl+c && clip_is '' || return 1
  typed 12 && keys ctrl+r ctrl+g ctrl+c && clip_is 'begindefineitem 440;\r\n' || return 1
  keys ctrl+Prior ctrl+Prior && click_at 500 102 && click_at 40 70 && keys Tab Prior ctrl+g ctrl+c
  clip_is 'begindefineitem 440;\r\n\tit_floor_which_sheet = 1010;\r\n\tit_floor_which_icon = 0;\r\n'
}

# Waits for a window of the editor, such as Copy's confirmation, to be named $1 exactly.
note_shown() {
  for w in $(xdotool search --onlyvisible --pid "$APP" 2>/dev/null); do
    [ "$(xdotool getwindowname "$w" 2>/dev/null)" = "$1" ] && return 0
  done
  return 1
}
note_says() { retry 50 note_shown "$1" || fail "no note \"$1\""; }

# Copy's note is true of the clipboard: a script older, brought up to date, none; a two-block paste reports its changes.
copy_says() {
  start || return 1
  keys ctrl+g ctrl+Tab && click_at 100 64 && keys End BackSpace && typed 1 && keys ctrl+c
  clip_is 'begindefineitem 440;\r\n' || return 1
  note_says 'Script copied, but it is older than the form: Generate (Ctrl+G) brings it up to date.' || return 1
  shot copy-older
  keys ctrl+g ctrl+c && clip_is 'begindefineitem 441;\r\n' && note_says 'Script copied' || return 1
  keys ctrl+e ctrl+c && clip_is '' || return 1
  note_says 'Clipboard emptied: there is no script to copy. Generate (Ctrl+G) writes one.' || return 1
  to_clipboard 'begindefineitem 7;\n\tit_floor_which_icon = 3;\nbegindefineitem 8;\n' && keys ctrl+shift+v || return 1
  answer 'Paste Script into Form' paste-two-blocks || return 1
  xdotool windowfocus --sync "$WIN" && keys ctrl+c && clip_is 'begindefineitem 7;\r\n\tit_floor_which_sheet = 1000;\r\n\tit_floor_which_icon = 3;\r\n' || return 1
  note_says 'Script copied'
}

# A number box's editing keys: Select All to type over, a paste only of what could be typed there; the middle button's
# paste of the X11 selection likewise, trimmed or refused with a note. Emptied ticked Charges are generated as 0.
number_box_keys() {
  start && keys ctrl+a && typed 12 && to_clipboard 'x' && keys End ctrl+v && to_clipboard 3 && keys shift+Insert
  keys ctrl+g ctrl+c && clip_is 'begindefineitem 123;\r\n' && keys ctrl+Tab && click_at 100 64 && keys ctrl+a BackSpace
  to_primary 7x7 && click_at 100 64 2 && note_says 'Item Number takes digits only: "7x7" was not taken.' || return 1
  shot middle-button-refused && to_primary ' 45\n' && click_at 100 64 2
  click_at 185 297 && keys ctrl+a BackSpace && click_at 175 320
  keys ctrl+g ctrl+c && clip_is 'begindefineitem 45;\r\n\tit_charges = 0;\r\n'
}
# The X11 selection, which the middle button pastes, set to $1 and seen to hold it.
to_primary() { printf -- "$1" | xclip -selection primary && retry 50 primary_holds "$1"; }
primary_holds() { [ "$(xclip -o -selection primary 2>/dev/null)" = "$(printf -- "$1")" ]; }

# Quit ends with status 0; a missing reference file stops the start with a report.
quit_and_startup_report() {
  start && keys ctrl+q && status || { echo "Quit: status $?"; return 1; }
  cp -r "$SAMPLE" "$WORK/broken" && rm "$WORK/broken/ItemEdit/Skills.dat"
  "$WORK/broken/tarnwick-item-editor" 2>"$WORK/err" & APP=$!
  answer 'Tarnwick Item Editor' startup-report || return 1
  status; [ $? -eq 1 ] || { echo "start-up failure: wrong status"; return 1; }
  grep -q 'Skills.dat": path or file not found' "$WORK/err" && grep -qF "Looked in \"$WORK/broken/ItemEdit/\". The editor \
belongs in the game folder, beside ItemEdit/, Item Graphics/ and Game Graphics/." "$WORK/err" || { cat "$WORK/err"; return 1; }
}

# An item generated, pasted back, pasted by hand, refused and undone, through the real clipboard.
paste_round_trip() {
  local item='begindefineitem 440;\r\n\tit_name = "Ember "Red"";\r\n\tit_variety = 1; // One-Handed Weapon\r\n\tit_damage_per_level = 4;\r\n'
  start || return 1
  keys Tab Tab Tab && typed 'Ember "Red"' && keys Tab space Tab Tab Tab Down Tab space Tab && typed 4 && keys Tab space
  keys ctrl+g ctrl+c && clip_is "$item" || return 1
  keys ctrl+r ctrl+shift+v && to_clipboard x && keys ctrl+c && clip_is "$item" || return 1
  local by_hand='x;\nbegindefineitem 45 ;\n  it_magic=1;\n  it_colour = 2;\n   it_variety =  2; // Wrong\n  it_damage_per_level = 7 ;\n'
  to_clipboard "$by_hand" && keys ctrl+shift+v && answer 'Paste Script into Form' paste-report && clip_is "$by_hand" || return 1
  keys ctrl+c && clip_is 'begindefineitem 45;\r\n\tit_variety = 2; // Two-Handed Weapon\r\n\tit_damage_per_level = 7;\r\n\tit_magic = 1;\r\n' || return 1
  to_clipboard 'no item here' && keys ctrl+shift+v && answer 'Paste Script into Form' paste-no-block || return 1
  clip_is 'no item here' && keys ctrl+c && clip_is 'begindefineitem 45;\r\n\tit_variety = 2; // Two-Handed Weapon\r\n\tit_damage_per_level = 7;\r\n\tit_magic = 1;\r\n'
}

# Undo and Redo with the real keys: a reset undone and redone; a tick, a name and an item number undone one by one.
undo_redo() {
  start || return 1
  keys Tab Tab Tab && typed 'Ember' && keys Tab space ctrl+r ctrl+z ctrl+g ctrl+c
  clip_is 'begindefineitem 440;\r\n\tit_name = "Ember";\r\n' || return 1
  keys ctrl+y ctrl+g ctrl+c && clip_is 'begindefineitem 440;\r\n' || return 1
  keys ctrl+Tab && click_at 100 64 && keys Tab Tab Tab Tab space shift+Tab && typed 'Rope'
  click_at 100 64 && keys End BackSpace BackSpace BackSpace && typed 45
  keys ctrl+z ctrl+g ctrl+c && clip_is 'begindefineitem 440;\r\n\tit_name = "Rope";\r\n' || return 1
  keys ctrl+z ctrl+g ctrl+c && clip_is 'begindefineitem 440;\r\n\tit_name = "";\r\n' || return 1
  keys ctrl+y ctrl+shift+z ctrl+g ctrl+c && clip_is 'begindefineitem 45;\r\n\tit_name = "Rope";\r\n'
}

# Every page, an open list and the About box, at 1x and 2x: to look at for cut or crowded text.
screenshots() {
  for scale in 1 2; do
    S=$scale start QT_SCALE_FACTOR=$scale || return 1
    keys Tab Tab Tab && typed 'Ember Dagger' && keys Tab space Tab Tab Tab Down Tab space
    shot "$scale"x-page-1 "$WIN" && keys ctrl+Tab && shot "$scale"x-page-2 "$WIN"
    S=$scale click_at 100 234 && windows 2 && shot "$scale"x-ability-list && keys Escape && windows 1 || return 1
    keys ctrl+Tab && shot "$scale"x-page-3 "$WIN" && keys ctrl+g && shot "$scale"x-page-4 "$WIN"
    keys alt+h a && answer 'About Tarnwick Item Editor' "$scale"x-about || return 1
    xdotool windowfocus --sync "$WIN" && keys alt+a q && status || return 1
  done
}

# Ctrl+O, a full path typed into the file dialog's name box, Return; the dialog's id in DIALOG.
open_script() { xdotool windowfocus --sync "$WIN" && keys ctrl+o && window_named 'Open Scenario Script' && DIALOG=$FOUND && sleep 0.3 && typed "$1" && keys Return; }
# Waits until the window $1 is gone.
unlisted() { ! xdotool search --onlyvisible --pid "$APP" | grep -qx "$1"; }
gone() { retry 100 unlisted "$1" || fail "window $1 stays"; }

# Item 1 of the sample game's town.txt, as Generate writes it once loaded.
dagger='begindefineitem 1;\r\n\tclear;\r\n\tit_name = "Dagger";\r\n\tit_full_name = "Bronze Dagger";\r\n\tit_variety = 1; // One-Handed Weapon\r\n\tit_damage_per_level = 3;\r\n\tit_bonus = 0;\r\n\tit_weapon_skill_used = 2; // Edged Weapons\r\n\tit_floor_which_sheet = 1000;\r\n\tit_floor_which_icon = 0;\r\n\tit_inventory_icon = 1;\r\n\tit_value = 15;\r\n\tit_weight = 10;\r\n'

# A script opened by the dialog: its last and first rows loaded, a save by rename followed, a binary, missing file and
# pipe refused, the sheet dialog cancelled; game and script folders left as they were, the home folder left empty.
scenario_script() {
  local home="$WORK/home" dir="$WORK/scripts"
  local arrows='begindefineitem 20;\r\n\tclear;\r\n\tit_name = "Arrows";\r\n\tit_full_name = "Bundle of Arrows";\r\n\tit_variety = 23; // Arrows\r\n\tit_charges = 20;\r\n\tit_floor_which_sheet = 1012;\r\n\tit_floor_which_icon = 0;\r\n\tit_inventory_icon = 1;\r\n\tit_missile_anim_type = 1;'
  rm -rf "$home" "$dir" && mkdir "$home" "$dir" || return 1
  start HOME="$home" XDG_CONFIG_HOME="$home/.config" || return 1
  cp "$WORK/game/Scenarios/town.txt" "$dir/" && printf 'begindefineitem 1;\0' >"$dir/binary.txt" && mkfifo "$dir/pipe.txt"
  local game; game=$(folder_state "$WORK/game")
  keys ctrl+Tab && click_at 215 72 && window_named 'Find Custom Item Sheet' && DIALOG=$FOUND && keys Escape && gone "$DIALOG" || return 1
  open_script "$dir/town.txt" && window_named 'Scenario Items - town.txt' || return 1
  sleep 0.5 && shot scenario-items "$FOUND" && keys End Return
  xdotool windowfocus --sync "$WIN" && keys ctrl+c && clip_is "$arrows" || return 1
  keys ctrl+i && window_named 'Scenario Items - town.txt' && keys Home Return || return 1
  xdotool windowfocus --sync "$WIN" && keys ctrl+c && clip_is "$dagger" || return 1
  # A save by rename, with item 1 written another way: the list follows within a second.
  printf 'begindefineitem 1;\r\n  it_value=7 ; // cheaper\r\n  it_name = "Knife";\r\n' >"$dir/town.new"
  mv "$dir/town.new" "$dir/town.txt" && sleep 1 && local after; after=$(folder_state "$dir")
  keys ctrl+i && window_named 'Scenario Items - town.txt' && keys Home Return || return 1
  local knife='begindefineitem 1;\r\n\tit_name = "Knife";\r\n\tit_value = 7;\r\n'
  xdotool windowfocus --sync "$WIN" && keys ctrl+c && clip_is "$knife" || return 1
  open_script "$dir/binary.txt" && gone "$DIALOG" && answer 'Open Scenario Script' scenario-binary || return 1
  open_script "$dir/gone.txt" && windows 4 && shot scenario-missing || return 1   # the dialog's own warning
  keys Return && windows 3 && keys Escape && windows 2 || return 1
  # A pipe no program writes to: refused at once, and the editor goes on.
  open_script "$dir/pipe.txt" && gone "$DIALOG" && answer 'Open Scenario Script' scenario-pipe || return 1
  xdotool windowfocus --sync "$WIN" && keys ctrl+r ctrl+i && window_named 'Scenario Items - town.txt' && keys Return || return 1
  xdotool windowfocus --sync "$WIN" && keys ctrl+g ctrl+c && clip_is "$knife" || return 1
  keys ctrl+q && status || { echo "Quit: status $?"; return 1; }
  [ "$(folder_state "$WORK/game")" = "$game" ] || { echo "the game folder changed"; return 1; }
  [ "$(folder_state "$dir")" = "$after" ] || { echo "the script's folder changed"; return 1; }
  [ -z "$(ls -A "$home")" ] || { echo "the editor wrote into its home folder:"; find "$home"; return 1; }
}

# Scenario Items by the keys alone: item 12 loaded, Find narrowing, End to the unloadable block, its notes copied.
scenario_list() {
  local dir="$WORK/scripts" items
  start && rm -rf "$dir" && mkdir "$dir" && cp "$WORK/game/Scenarios/town.txt" "$dir/" || return 1
  printf 'begindefineitem 41\r\n' >>"$dir/town.txt"
  open_script "$dir/town.txt" && window_named 'Scenario Items - town.txt' && items=$FOUND && sleep 0.3 || return 1
  typed 12 && keys Return && xdotool windowfocus --sync "$WIN" && keys ctrl+i && xdotool windowfocus --sync "$items"
  keys shift+Tab && typed 1 && keys Tab End && shot scenario-list "$items" && keys Tab ctrl+a ctrl+c
  clip_is 'Cannot be loaded: not of the form "begindefineitem <number>;"'
}

# Typing in the pane undone and redone with the real keys, a Generate over it undone, a selection copied, said so.
pane_history() {
  local mine='begindefineitem 440;\r\n// mine'
  start && keys ctrl+g ctrl+End && typed '// mine' && keys ctrl+z ctrl+c && clip_is 'begindefineitem 440;\r\n' || return 1
  keys ctrl+y ctrl+c && clip_is "$mine" && keys ctrl+g ctrl+c && clip_is 'begindefineitem 440;\r\n' || return 1
  keys ctrl+z ctrl+c && clip_is "$mine" && keys shift+Home ctrl+c && clip_is '// mine' || return 1
  note_says 'Copied 1 of 2 lines as edited by hand: it is not what Generate (Ctrl+G) writes from the form.'
}

# The keyboard alone: the previous page, an access key there, F10 into the menu; Import by its key takes the number.
keyboard_reach() {
  start && keys ctrl+shift+Tab ctrl+shift+Tab alt+v && typed 7 && keys Tab space F10 g ctrl+c || return 1
  clip_is 'begindefineitem 440;\r\n\tit_value = 7;\r\n' && keys alt+g alt+i && typed 4 && keys Tab space ctrl+g ctrl+c
  clip_is 'begindefineitem 440;\r\n\timport = 4;\r\n\tit_value = 7;\r\n'
}

# A loaded block's name changed, Compare taking the script's name back by Return, undone; note and mark in screenshots.
compare() {
  start || return 1
  local dir="$WORK/scripts"
  rm -rf "$dir" && mkdir "$dir" && cp "$WORK/game/Scenarios/town.txt" "$dir/" || return 1
  open_script "$dir/town.txt" && window_named 'Scenario Items - town.txt' && sleep 0.3 && keys Return
  xdotool windowfocus --sync "$WIN" && keys ctrl+Tab && click_at 100 64 && keys Tab Tab Tab End && typed s
  keys ctrl+g && shot compare-note "$WIN" && keys ctrl+Tab && shot compare-mark "$WIN" || return 1
  keys ctrl+d && window_named 'Compare Item 1 - town.txt' && sleep 0.3 && shot compare-window "$FOUND" && keys Return
  xdotool windowfocus --sync "$WIN" && keys ctrl+g ctrl+c && clip_is "$dagger" || return 1
  keys ctrl+z ctrl+g ctrl+c && clip_is "${dagger/\"Dagger\"/\"Daggers\"}"
}

failed=0
for scenario in shortcuts copy_says number_box_keys quit_and_startup_report paste_round_trip undo_redo pane_history keyboard_reach screenshots scenario_script scenario_list compare; do
  [ -n "${E2E_ONLY:-}" ] && [ "$E2E_ONLY" != "$scenario" ] && continue
  if $scenario; then echo "PASS  $scenario"; else echo "FAIL  $scenario"; failed=$((failed + 1)); shot "failed-$scenario"; fi
  [ -n "$APP" ] && kill "$APP" 2>/dev/null && status
done
exit $failed
