#!/usr/bin/env bash
# Debian's own checker over the package: no error and no warning. Skipped
# (status 77) where lintian is not installed. Usage: lintian_test.sh BUILD_DIR
set -uo pipefail
build=${1:?usage: lintian_test.sh BUILD_DIR}
command -v lintian >/dev/null || { echo "lintian is not installed: skipped (bash tools/build.sh installs it)"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
report=$(lintian --pedantic --display-info "$work"/*.deb 2>&1 | grep -v "^running with root privileges")
echo "${report:-lintian: nothing to report}"
! grep -q "^[EW]:" <<<"$report"
