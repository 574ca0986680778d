#!/usr/bin/env bash
# The Debian package, checked without touching the system: built twice with
# cpack from the build folder, its control fields and file list read with
# dpkg-deb, unpacked into a temporary folder, its launcher entry and metadata
# validated, and the unpacked programs started from an unrelated folder.
# Usage: package_test.sh BUILD_DIR APP_ID VERSION
set -uo pipefail
source "$(dirname "$0")/../tests/support/installed_game.sh"

build=${1:?usage: package_test.sh BUILD_DIR APP_ID VERSION}
id=${2:?}
version=${3:?}
for tool in cpack dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli python3; do
    command -v "$tool" >/dev/null || { echo "package test: $tool is missing (bash tools/build.sh installs it)"; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Builds the package into FOLDER and prints its path.
make_package() {  # make_package FOLDER
    cpack -G DEB --config "$build/CPackConfig.cmake" -B "$1" >"$1.log" 2>&1 || { tail -5 "$1.log" >&2; return 1; }
    ls "$1"/*.deb
}
deb=$(make_package "$work/first")
verdict $? "cpack -G DEB makes a package"
[ "$(basename "$deb")" = "zemra6_${version}_$(dpkg --print-architecture).deb" ]
verdict $? "the package is named zemra6_VERSION_ARCH.deb" "$(basename "$deb")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = zemra6 ] && [ "$(field Version)" = "$version" ] && [ "$(field Section)" = games ]
verdict $? "control: package zemra6, version $version, section games" "$(dpkg-deb -I "$deb" control | head -20)"
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]]
verdict $? "control: a maintainer with an address" "$(field Maintainer)"
for library in libc6 libstdc++6 libqt6widgets6 libqt6multimedia6 libpulse0; do
    [[ ", $(field Depends)," == *", $library "* ]]
    verdict $? "control: dpkg-shlibdeps found $library" "$(field Depends)"
done
description=$(field Description)
[ "$(head -1 <<<"$description")" != "" ] && [ "$(wc -l <<<"$description")" -gt 3 ] && [[ $description == *"ヴァルミナ・クェル"* ]]
verdict $? "control: a short and a long description with the Japanese title" "$description"

dpkg-deb -c "$deb" >"$work/list"
for file in games/zemra6 games/zemra6-text share/games/zemra6/dat/kiriha.dat share/games/zemra6/dat/memory9.jpg \
    "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" "share/icons/hicolor/scalable/apps/$id.svg" \
    share/man/man6/zemra6.6.gz share/man/man6/zemra6-text.6.gz share/doc/zemra6/copyright share/doc/zemra6/changelog.gz; do
    grep -q " \./usr/$file$" "$work/list"
    verdict $? "listed: /usr/$file"
done
[ "$(grep -c "/dat/." "$work/list")" = "$(ls "$build/dat" | wc -l)" ]
verdict $? "listed: every content file"
! awk '$2 != "root/root" || $6 !~ /^\.\/usr\// { bad = 1 } END { exit !bad }' "$work/list"
verdict $? "every entry is root's and under /usr" "$(awk '$2 != "root/root" || $6 !~ /^\.\/usr\//' "$work/list" | head -3)"

root=$work/root
dpkg-deb -x "$deb" "$root"
verdict $? "dpkg-deb -x unpacks it into a temporary folder"
check_desktop_files "$root/usr/share" "$id"
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/$id.metainfo.xml"
verdict $? "the metadata's release is $version"
zcat "$root/usr/share/doc/zemra6/changelog.gz" | head -1 | grep -q "^zemra6 ($version) "
verdict $? "the changelog's newest entry is $version"
for page in zemra6 zemra6-text; do
    zcat "$root/usr/share/man/man6/$page.6.gz" | grep -q "^\.TH .* \"zemra6 $version\""
    verdict $? "the manual page $page(6) carries $version"
done

# Each program on its own command line, as a terminal user types it; the
# window needs no display for any of these.
games=$root/usr/games
while IFS='|' read -r program args status stdout stderr; do
    read -ra words <<<"$args"
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$games/$program" "${words[@]}" >"$work/out" 2>"$work/err" </dev/null
    got=$?
    [ "$got" = "$status" ] && [[ "$(cat "$work/out")" == $stdout ]] && [[ "$(cat "$work/err")" == $stderr ]]
    verdict $? "$program $args: exit $status" "exit $got, out '$(head -2 "$work/out")', err '$(head -2 "$work/err")'"
done <<EOF2
zemra6|--version|0|zemra6 $version|
zemra6-text|--version|0|zemra6-text $version|
zemra6|--help|0|Usage: zemra6 *--seed N*zemra6(6)*|
zemra6-text|--help|0|Usage: zemra6-text *zemra6-text(6)*|
zemra6|--fullscreen|2||zemra6: unknown option '--fullscreen'*Usage: zemra6 *
zemra6|--seed|2||zemra6: --seed needs a value N*
zemra6|--seed abc|2||zemra6: --seed needs a whole number *'abc'*
zemra6-text|--seed 99999999999999999999|2||zemra6-text: --seed needs a whole number *
EOF2

elsewhere=$work/elsewhere
mkdir -p "$elsewhere"
plays_to_field "$games/zemra6-text" "$elsewhere"
verdict $? "the unpacked text front end plays into the field from an unrelated folder"

# A second build of the same tree gives the same files with the same contents;
# only the times dpkg-deb stamps may differ.
second=$(make_package "$work/second")
listing() { dpkg-deb -c "$1" | awk '{ print $1, $2, $3, $6 }'; }
diff <(listing "$deb") <(listing "$second") >"$work/diff" && diff <(dpkg-deb -I "$deb" control) <(dpkg-deb -I "$second" control) >>"$work/diff" \
    && dpkg-deb -x "$second" "$work/root2" && diff -r "$root" "$work/root2" >>"$work/diff"
verdict $? "built twice, the package has the same file list and contents" "$(head -5 "$work/diff")"

finish
