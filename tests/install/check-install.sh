#!/usr/bin/env bash
# Installs the build tree BUILD into a throw-away prefix and checks that every file the
# program and the desktop need is there, that the links to the programs work and that the
# desktop file validates.   usage: check-install.sh BUILD
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

expected=(
    bin/dialwright
    bin/dwtool
    lib/dialwright/dialwright
    lib/dialwright/dwtool
    lib/dialwright/uzekopnp.mod
    lib/dialwright/alias.txt
    lib/dialwright/dialwright.svg
    lib/dialwright/help/index.htm
    lib/dialwright/help/dialwright.css
    share/applications/dialwright.desktop
    share/mime/packages/dialwright.xml
    share/icons/hicolor/scalable/apps/dialwright.svg
    share/dialwright/examples/panel.dwl
    share/dialwright/examples/radio.dwl
    share/dialwright/examples/demo.txt
    share/dialwright/examples/alias.txt
)
for size in 16 22 24 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/dialwright.png")
done
for f in "${expected[@]}"; do
    [ -e "$prefix/$f" ] || fail "missing $f"
done
for program in dwtool dialwright; do
    [ -L "$prefix/bin/$program" ] || continue
    [ "$(readlink "$prefix/bin/$program")" = "../lib/dialwright/$program" ] ||
        fail "bin/$program does not link to ../lib/dialwright/$program"
    [ -x "$prefix/bin/$program" ] || fail "bin/$program is not executable"
done
[ ! -e "$prefix/share/dialwright/examples/source" ] || fail "the art scripts are installed"

# The installed programs run from the links and find their companions.
"$prefix/bin/dwtool" info "$prefix/share/dialwright/examples/panel.dwl" >/dev/null ||
    fail "the installed dwtool cannot read the example panel"
"$prefix/bin/dialwright" --version >/dev/null || fail "the installed dialwright does not start"

if ! out=$(desktop-file-validate "$prefix/share/applications/dialwright.desktop" 2>&1) ||
    [ -n "$out" ]; then
    fail "desktop-file-validate: $out"
fi
grep -q '^Name=Edit with Dialwright$' "$prefix/share/applications/dialwright.desktop" ||
    fail "no Edit action"
grep -q '^Exec=dialwright /p %f$' "$prefix/share/applications/dialwright.desktop" ||
    fail "no Play action with /p"
grep -q '<glob pattern="\*.dwl"/>' "$prefix/share/mime/packages/dialwright.xml" ||
    fail "the MIME package does not claim *.dwl"
# The MIME package compiles and gives *.dwl files the gauge type.
mkdir -p "$prefix/mimetest/mime/packages"
cp "$prefix/share/mime/packages/dialwright.xml" "$prefix/mimetest/mime/packages/"
update-mime-database "$prefix/mimetest/mime" >/dev/null 2>&1 || fail "update-mime-database failed"
grep -q 'application/x-dialwright-gauge:\*\.dwl' "$prefix/mimetest/mime/globs2" ||
    fail "the compiled MIME database has no *.dwl glob"

if [ "$failures" -ne 0 ]; then
    echo "$failures problems"
    exit 1
fi
echo "install: ${#expected[@]} files checked"
