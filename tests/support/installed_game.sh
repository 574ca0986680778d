# Shared by the tests that check the game as it is installed (sourced, not run):
# a tally of verdicts and a way to play an installed zemra6-text into the field.

passed=0
failed=0
verdict() {  # verdict RESULT NAME [DETAILS]
    if [ "$1" = 0 ]; then passed=$((passed + 1)); echo "ok   $2"
    else failed=$((failed + 1)); echo "FAIL $2${3:+: $3}"; fi
}
# Prints the tally and returns the test's status.
finish() {
    echo "$passed passed, $failed failed"
    [ "$failed" = 0 ]
}

# Runs the text front end PROGRAM in FOLDER with the actions, one JSON object a line.
text_run() {  # text_run PROGRAM FOLDER ARGS... < actions
    local program=$1 folder=$2; shift 2
    (cd "$folder" && "$program" --lang ja --seed 7 "$@")  # its screens are checked in Japanese
}
# Checks a Python expression over the objects read from standard input (list "o").
expect() { python3 -c "import json, sys; o = [json.loads(l) for l in sys.stdin]; sys.exit(0 if ($1) else 1)"; }

# From the title through the name page and the prologue to the field.
to_field=$(printf '%s\n' title "name 剣聖" "rolls 2 2 0 5 0 10 20 30 40 50" "press はい" \
    ≫ ≫ ≫ ≫ ≫ ≫ ≫ ≫ ≫ ≫ "rolls 3" ≫ | sed 's/^≫$/press ≫/')
# Plays PROGRAM from FOLDER into the field; true when it shows the field's picture.
plays_to_field() {  # plays_to_field PROGRAM FOLDER
    text_run "$1" "$2" <<<"$to_field" | expect 'o[-1]["page"] == "main" and o[-1]["image"] == "center.bmp"'
}

# Validates the launcher entry and the AppStream metadata installed in SHARE.
check_desktop_files() {  # check_desktop_files SHARE APP_ID
    local out
    out=$(desktop-file-validate "$1/applications/$2.desktop" 2>&1)
    verdict $? "the launcher entry is valid" "$out"
    out=$(appstreamcli validate --no-net "$1/metainfo/$2.metainfo.xml" 2>&1)
    verdict $? "the AppStream metadata is valid" "$out"
}
