#!/usr/bin/env bash
# The game as a desktop installs it: cmake --install into a fresh prefix, the
# launcher entry and the AppStream metadata validated, and the installed
# programs started from an unrelated folder, in a terminal and as the menu
# starts them. Usage: install_test.sh BUILD_DIR APP_ID
set -uo pipefail

build=${1:?usage: install_test.sh BUILD_DIR APP_ID}
id=${2:?}
for tool in desktop-file-validate appstreamcli python3; do
    command -v "$tool" >/dev/null || { echo "install test: $tool is missing (bash tools/build.sh installs it)"; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

passed=0
failed=0
verdict() {  # verdict RESULT NAME [DETAILS]
    if [ "$1" = 0 ]; then passed=$((passed + 1)); echo "ok   $2"
    else failed=$((failed + 1)); echo "FAIL $2${3:+: $3}"; fi
}

cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1
verdict $? "cmake --install puts the game in a fresh prefix" "$(tail -3 "$work/install.log")"
for file in bin/zemra6 bin/zemra6-text share/zemra6/dat/04b.wav share/zemra6/dat/center.bmp \
    "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" "share/icons/hicolor/scalable/apps/$id.svg"; do
    [ -s "$prefix/$file" ]
    verdict $? "installed: $file"
done
out=$(desktop-file-validate "$prefix/share/applications/$id.desktop" 2>&1)
verdict $? "the launcher entry is valid" "$out"
out=$(appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" 2>&1)
verdict $? "the AppStream metadata is valid" "$out"
grep -q "^Exec=zemra6 --desktop$" "$prefix/share/applications/$id.desktop"
verdict $? "the menu starts the game with --desktop"

# Runs the installed text front end in FOLDER with the actions, one JSON object a line.
text_run() {  # text_run FOLDER ARGS... < actions
    local folder=$1; shift
    (cd "$folder" && "$prefix/bin/zemra6-text" --seed 7 "$@")
}
# Checks a Python expression over the objects read from standard input (list "o").
expect() { python3 -c "import json, sys; o = [json.loads(l) for l in sys.stdin]; sys.exit(0 if ($1) else 1)"; }

elsewhere=$work/elsewhere
mkdir -p "$elsewhere"
to_field=$(printf '%s\n' title "name 剣聖" "rolls 2 2 0 5 0 10 20 30 40 50" "press はい" \
    ≫ ≫ ≫ ≫ ≫ ≫ ≫ ≫ ≫ ≫ "rolls 3" ≫ | sed 's/^≫$/press ≫/')
text_run "$elsewhere" <<<"$to_field" | expect 'o[-1]["page"] == "main" and o[-1]["image"] == "center.bmp"'
verdict $? "the installed text front end plays into the field with the installed pictures"
[ -z "$(ls -A "$elsewhere")" ]
verdict $? "started from a terminal it writes nothing it was not asked to"

# A damaged save where the menu keeps saves: only --desktop reads it.
export XDG_DATA_HOME=$work/xdg
mkdir -p "$XDG_DATA_HOME/zemra6" && : >"$XDG_DATA_HOME/zemra6/save.dat"
text_run "$elsewhere" --desktop <<<"tick 10" | expect 'o[1]["boxes"] == ["（save.datの読み込みに失敗しました。）"]'
verdict $? "from the menu the save is read in \$XDG_DATA_HOME/zemra6"
text_run "$elsewhere" <<<"tick 10" | expect 'o[1]["boxes"] == []'
verdict $? "from a terminal the save is read in the working folder"
unset XDG_DATA_HOME
export HOME=$work/home
mkdir -p "$HOME"
text_run "$elsewhere" --desktop <<<"tick 10" | expect 'o[1]["boxes"] == [] and o[0]["page"] == "title"'
[ "${PIPESTATUS[0]}" = 0 ] && [ -d "$HOME/.local/share/zemra6" ]
verdict $? "without XDG_DATA_HOME the folder ~/.local/share/zemra6 is made on first start"

# The installed window, started as the menu does, stays up until it is ended.
(cd "$elsewhere" && QT_QPA_PLATFORM=offscreen XDG_DATA_HOME=$work/xdg2 timeout 3 "$prefix/bin/zemra6" --desktop >/dev/null 2>&1)
[ $? = 124 ] && [ -d "$work/xdg2/zemra6" ]
verdict $? "the installed window starts from the menu and makes its folder"

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
