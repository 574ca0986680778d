#!/usr/bin/env bash
# The game as a desktop installs it: cmake --install into a fresh prefix, the
# launcher entry and the AppStream metadata validated, and the installed
# programs started from an unrelated folder, in a terminal and as the menu
# starts them. Usage: install_test.sh BUILD_DIR APP_ID
set -uo pipefail
source "$(dirname "$0")/../tests/support/installed_game.sh"

build=${1:?usage: install_test.sh BUILD_DIR APP_ID}
id=${2:?}
for tool in desktop-file-validate appstreamcli python3; do
    command -v "$tool" >/dev/null || { echo "install test: $tool is missing (bash tools/build.sh installs it)"; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1
verdict $? "cmake --install puts the game in a fresh prefix" "$(tail -3 "$work/install.log")"
for file in games/zemra6 games/zemra6-text share/games/zemra6/dat/04b.wav share/games/zemra6/dat/center.bmp \
    share/man/man6/zemra6.6.gz share/man/man6/zemra6-text.6.gz \
    "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" "share/icons/hicolor/scalable/apps/$id.svg"; do
    [ -s "$prefix/$file" ]
    verdict $? "installed: $file"
done
check_desktop_files "$prefix/share" "$id"
grep -q "^Exec=zemra6 --desktop$" "$prefix/share/applications/$id.desktop"
verdict $? "the menu starts the game with --desktop"

text=$prefix/games/zemra6-text
elsewhere=$work/elsewhere
mkdir -p "$elsewhere"
plays_to_field "$text" "$elsewhere"
verdict $? "the installed text front end plays into the field with the installed pictures"
[ "$(ls -A "$elsewhere")" = recordings ] && [ "$(ls "$elsewhere/recordings" | grep -c '\.zrec$')" = 1 ]
verdict $? "started from a terminal it writes only the recording of its sitting"

# A damaged save where the menu keeps saves: only --desktop reads it.
export XDG_DATA_HOME=$work/xdg
mkdir -p "$XDG_DATA_HOME/zemra6" && : >"$XDG_DATA_HOME/zemra6/save.dat"
text_run "$text" "$elsewhere" --desktop <<<"tick 10" | expect 'o[1]["boxes"] == ["（save.datの読み込みに失敗しました。）"]'
verdict $? "from the menu the save is read in \$XDG_DATA_HOME/zemra6"
text_run "$text" "$elsewhere" <<<"tick 10" | expect 'o[1]["boxes"] == []'
verdict $? "from a terminal the save is read in the working folder"
unset XDG_DATA_HOME
export HOME=$work/home
mkdir -p "$HOME"
text_run "$text" "$elsewhere" --desktop <<<"tick 10" | expect 'o[1]["boxes"] == [] and o[0]["page"] == "title"'
[ "${PIPESTATUS[0]}" = 0 ] && [ -d "$HOME/.local/share/zemra6" ]
verdict $? "without XDG_DATA_HOME the folder ~/.local/share/zemra6 is made on first start"

# The installed window, started as the menu does, stays up until it is ended.
(cd "$elsewhere" && QT_QPA_PLATFORM=offscreen XDG_DATA_HOME=$work/xdg2 timeout 3 "$prefix/games/zemra6" --desktop >/dev/null 2>&1)
[ $? = 124 ] && [ -d "$work/xdg2/zemra6" ]
verdict $? "the installed window starts from the menu and makes its folder"

finish
