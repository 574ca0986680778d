#!/usr/bin/env bash
# The catalogues as translators' tools read them: the template extracted from
# the sources as they are now, and every English message translated, not
# fuzzy, and well formed. Usage: catalogue_test.sh SOURCE_DIR
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

statistics=$(LC_ALL=C msgfmt --check --statistics -o /dev/null "$root/po/en.po" 2>&1) || { echo "FAIL $statistics"; failed=1; }
if [[ $statistics =~ ^[0-9]+\ translated\ messages?\.$ ]]; then
    echo "ok   po/en.po: $statistics"
else
    echo "FAIL po/en.po is not whole: $statistics"; failed=1
fi

if missing=$(LC_ALL=C msgcmp "$root/po/en.po" "$root/po/zemra6.pot" 2>&1); then
    echo "ok   po/en.po has every message of the template"
else
    echo "FAIL po/en.po lacks messages of the template:"; echo "$missing" | head -20; failed=1
fi
exit $failed
