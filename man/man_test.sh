#!/usr/bin/env bash
# Formats each manual page as man does and fails on any warning, or when a
# page lacks a section a reader looks for. Usage: man_test.sh PAGE...
set -uo pipefail
command -v man >/dev/null || { echo "man is missing (bash tools/build.sh installs man-db)"; exit 1; }
failed=0
for page in "$@"; do
    warnings=$(MANWIDTH=80 LC_ALL=C.UTF-8 man --warnings=all -E UTF-8 -l "$page" 2>&1 >/dev/null)
    if [ -n "$warnings" ]; then echo "FAIL $page: $warnings"; failed=1; else echo "ok   $page formats without warnings"; fi
    for section in NAME SYNOPSIS DESCRIPTION OPTIONS FILES ENVIRONMENT "EXIT STATUS"; do
        grep -q "^\.SH \"\?$section\"\?$" "$page" || { echo "FAIL $page has no $section section"; failed=1; }
    done
done
exit $failed
