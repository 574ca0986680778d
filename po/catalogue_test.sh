#!/usr/bin/env bash
# The catalogues as translators' tools read them: the template extracted from
# the sources as they are now, and for every language po/LINGUAS lists a .po
# file with every message translated, not fuzzy and well formed, and its
# story; no .po file is left out of the list. Usage: catalogue_test.sh SOURCE_DIR
set -uo pipefail
root=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0

/usr/bin/python3 "$root/tools/make_pot.py" "$scratch/zemra6.pot" || exit 1
if diff -u "$root/po/zemra6.pot" "$scratch/zemra6.pot" > "$scratch/pot.diff"; then
    echo "ok   po/zemra6.pot holds the messages of the sources"
else
    echo "FAIL po/zemra6.pot is not the sources' messages: run tools/make_pot.py"; head -40 "$scratch/pot.diff"; failed=1
fi

languages=$(sed 's/#.*//' "$root/po/LINGUAS" | tr -s ' \t' '\n' | sed '/^$/d')
if [[ -z $languages ]]; then
    echo "FAIL po/LINGUAS lists no language"; failed=1
fi
for po in "$root"/po/*.po; do
    code=$(basename "$po" .po)
    grep -qx "$code" <<< "$languages" || { echo "FAIL po/$code.po is not listed in po/LINGUAS"; failed=1; }
done

for code in $languages; do
    po=$root/po/$code.po
    [[ -f $po ]] || { echo "FAIL po/LINGUAS lists $code, but po/$code.po is missing"; failed=1; continue; }
    [[ -f $root/tools/story/kiriha_$code.txt ]] || { echo "FAIL po/LINGUAS lists $code, but tools/story/kiriha_$code.txt is missing"; failed=1; }
    statistics=$(LC_ALL=C msgfmt --check --statistics -o /dev/null "$po" 2>&1) || { echo "FAIL $statistics"; failed=1; }
    if [[ $statistics =~ ^[0-9]+\ translated\ messages?\.$ ]]; then
        echo "ok   po/$code.po: $statistics"
    else
        echo "FAIL po/$code.po is not whole: $statistics"; failed=1
    fi
    if missing=$(LC_ALL=C msgcmp "$po" "$scratch/zemra6.pot" 2>&1); then
        echo "ok   po/$code.po has every message of the template"
    else
        echo "FAIL po/$code.po lacks messages of the template:"; echo "$missing" | head -20; failed=1
    fi
done
exit $failed
