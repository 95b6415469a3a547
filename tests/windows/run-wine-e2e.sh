#!/usr/bin/env bash
# The Windows editor end to end under Wine (the one on the PATH) on Xvfb ($DISPLAY), as a designer gets it: the
# package's folder copied into a copy of the sample game folder, started in a brand-new Wine prefix with no font
# replacement, its script pane fixed-width all the same. An item generated and copied must reach a Windows
# program reading the clipboard (GetClipboardData) with CR LF, which Wine turns into LF for X. Both file dialogs
# opened and closed and a script opened leave no key of the editor's or its toolkit's (QtProject) in the registry
# and no file in the prefix's user folders or the game folder; Quit ends with status 0.
#   usage: run-wine-e2e.sh <zip> <sample game folder> <read_clipboard.exe> <artifact folder>
set -uo pipefail
ZIP=$1 SAMPLE=$2 READER=$3 ARTIFACTS=$4
WINE=$(command -v wine) WINESERVER=$(command -v wineserver)
WORK=$(mktemp -d) APP= WIN=
mkdir -p "$ARTIFACTS"
export WINEPREFIX="$WORK/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEPATH=
trap '[ -n "$APP" ] && kill "$APP"; "$WINESERVER" -k 2>/dev/null; rm -rf "$WORK"' EXIT
fail() { echo "Windows end to end: $*"; import -window root "$ARTIFACTS/wine-failed.png" 2>/dev/null; exit 1; }
winpath() { echo "Z:${1//\//\\}"; }
source "$(dirname "$0")/../e2e/xdo-helpers.sh"

# The zip unpacked as Explorer's "Extract All" does, into a folder of its name; its one folder's content copied into
# a game folder with the sample's data and sheets. The package holds what its README.txt says, and the program its
# icon, version information and manifest.
name=$(basename "$ZIP" .zip) && mkdir -p "$WORK/$name" && (cd "$WORK/$name" && unzip -q "$ZIP") || fail "cannot unpack"
[ "$(ls "$WORK/$name")" = "$name" ] || fail "the zip holds more than its one folder $name: $(ls "$WORK/$name")"
package="$WORK/$name/$name"
(cd "$package" && ls README.txt LICENSES/{SOURCES,LGPL-3,GPL-3}.txt platforms/qwindows.dll >/dev/null) || fail "files missing"
for dll in $(cd "$package" && find . -name '*.dll' -printf '%f\n'); do
  grep -q "$dll" "$package/LICENSES/SOURCES.txt" || fail "LICENSES/SOURCES.txt does not name $dll"
done
x86_64-w64-mingw32-windres -J coff -i "$package/tarnwick-item-editor.exe" -O rc >"$WORK/resources.rc" 2>&1
for resource in RT_GROUP_ICON 'RT_MANIFEST' PerMonitorV2 '"ProductName", "Tarnwick Item Editor"' '"FileVersion", "1'; do
  grep -q "$resource" "$WORK/resources.rc" || fail "the program has no resource $resource"
done
mkdir "$WORK/game" && cp -r "$SAMPLE/ItemEdit" "$SAMPLE/Item Graphics" "$SAMPLE/Game Graphics" "$SAMPLE/Scenarios" \
  "$package/." "$WORK/game/" || fail "could not lay out the game folder"
"$WINE" wineboot -i >/dev/null 2>&1 && "$WINESERVER" -w || fail "wineboot failed"
users_before=$(folder_state "$WINEPREFIX/drive_c/users") game_before=$(folder_state "$WORK/game")

not_shown() { ! shown_named "$1"; }
gone() { retry 100 not_shown "$1" || fail "window \"$1\" stays"; }
# The clipboard as a Windows program reads it and as X programs do, against a printf format.
windows_clip_holds() { "$WINE" "$READER" "$(winpath "$WORK/got")" 2>/dev/null && cmp -s "$WORK/want" "$WORK/got"; }
clip_is() {
  printf -- "$1" >"$WORK/want"
  retry 100 windows_clip_holds || { od -c "$WORK/got"; fail "the Windows clipboard is not what was generated"; }
  xclip -o -selection clipboard >"$WORK/x" 2>/dev/null
  tr -d '\r' <"$WORK/want" | cmp -s - "$WORK/x" || { od -c "$WORK/x"; fail "X programs see other text"; }
}

started=$(date +%s%N)
(cd "$WORK/game" && exec "$WINE" tarnwick-item-editor.exe) >"$WORK/out" 2>&1 &
APP=$!
window_named 'Tarnwick Item Editor' && WIN=$FOUND
echo "Windows end to end: the window opened after $((($(date +%s%N) - started) / 1000000)) ms"
sleep 1 && xdotool windowactivate --sync "$WIN" 2>/dev/null; xdotool windowfocus --sync "$WIN" && click_at 100 64
keys Tab Tab Tab && typed 'Ember' && keys Tab space ctrl+g
# The pane's font is fixed-width: a last line of twenty i is as wide on screen as one of twenty W.
line_shot() { typed "$1" && sleep 0.5 && import -window "$WIN" "$WORK/$2.png"; }
ink_width() { convert "$WORK/$1.png" "$WORK/dot.png" -compose difference -composite -threshold 10% -format %@ info:; }
keys ctrl+End Return && line_shot . dot && keys BackSpace && line_shot iiiiiiiiiiiiiiiiiiii i && keys shift+Home
line_shot WWWWWWWWWWWWWWWWWWWW w && wi=$(ink_width i) ww=$(ink_width w) && keys shift+Home BackSpace BackSpace
[ "${wi%%x*}" -gt 0 ] && [ $((${ww%%x*} - ${wi%%x*})) -lt $((${ww%%x*} / 10)) ] || fail "pane not fixed-width: $wi $ww"
keys ctrl+c
clip_is 'begindefineitem 440;\r\n\tit_name = "Ember";\r\n'
echo "Windows end to end: the pane fixed-width (20 i: $wi, 20 W: $ww); generated and copied; a Windows program reads CR LF from the clipboard"
import -window root "$ARTIFACTS/wine-editor.png"

keys ctrl+Tab ctrl+Tab && click_at 215 72 && window_named 'Find Custom Item Sheet'
import -window root "$ARTIFACTS/wine-sheet-dialog.png" && keys Escape && gone 'Find Custom Item Sheet'
xdotool windowfocus --sync "$WIN" && keys ctrl+o && window_named 'Open Scenario Script' && sleep 0.5
import -window root "$ARTIFACTS/wine-open-dialog.png"
typed "$(winpath "$WORK/game/Scenarios/town.txt")" && keys Return && gone 'Open Scenario Script'
window_named 'Scenario Items - town.txt' && sleep 0.5 && import -window root "$ARTIFACTS/wine-scenario-items.png"
keys Escape && xdotool windowfocus --sync "$WIN" && keys ctrl+q
wait "$APP"; status=$? APP=
[ "$status" -eq 0 ] || { cat "$WORK/out"; fail "Quit ended with status $status"; }
echo "Windows end to end: both file dialogs opened and closed, a script opened, Quit: status 0"

"$WINESERVER" -w  # the registry reaches its files only when Wine's server ends
keys_found=$(grep -ihE '^\[[^]]*(QtProject|Tarnwick|item.?edit)' "$WINEPREFIX/user.reg" "$WINEPREFIX/system.reg")
[ -z "$keys_found" ] || fail "the registry holds the editor's keys: $keys_found"
[ "$(folder_state "$WINEPREFIX/drive_c/users")" = "$users_before" ] ||
  { diff <(echo "$users_before") <(folder_state "$WINEPREFIX/drive_c/users"); fail "files changed in the user folders"; }
[ "$(folder_state "$WORK/game")" = "$game_before" ] || fail "the game folder changed"
echo "Windows registry check: no QtProject or editor key in user.reg or system.reg; no file in the user folders or the game folder"
