#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks it as a desktop would see it: exactly the
# expected files, valid menu entries and metadata, icons of their stated size, man pages that read
# well in either language, and the file associations that the freedesktop database reports.
# Nothing outside the prefix is touched.
#   installed_prefix_test.sh BUILD_DIR EXPECTED_FILE_LIST
set -euo pipefail
build=$1 expected=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
mkdir -p "$work/home" "$work/data" "$work/config" "$work/config-dirs" "$work/cache"
export HOME=$work/home XDG_CACHE_HOME=$work/cache
cmake --install "$build" --prefix "$prefix" >/dev/null

(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort) >"$work/installed"
LC_ALL=C sort "$expected" | diff -u - "$work/installed"

status=0
fail() { echo "FAIL: $*" >&2; status=1; }

for entry in "$prefix"/share/applications/*.desktop; do
    report=$(desktop-file-validate "$entry" 2>&1) || true
    [ -z "$report" ] || fail "desktop-file-validate $(basename "$entry"): $report"
done
appstreamcli validate-tree --no-net --strict "$prefix" >"$work/appstream" 2>&1 || fail "$(cat "$work/appstream")"

for picture in "$prefix"/share/icons/hicolor/*/apps/*.png; do
    stated=$(basename "$(dirname "$(dirname "$picture")")")
    # A PNG's width and height are the big-endian words at offsets 16 and 20.
    read -r width height < <(od -An -tu1 -j16 -N8 "$picture" |
        awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }')
    [ "${width}x${height}" = "$stated" ] || fail "$picture is ${width}x${height}"
done

for icon in "$prefix"/share/icons/hicolor/scalable/apps/*.svg; do
    grep -q '<svg' "$icon" || fail "$icon is no SVG drawing"
done

# English under the C locale with nothing garbled, Czech under a Czech one; both with the same
# sections, so neither language falls behind when a section is added.
sections() { zcat "$1" | grep -c '^\.SH'; }
for page in "$prefix"/share/man/man1/*.1.gz; do
    name=$(basename "$page" .1.gz) czech=$prefix/share/man/cs/man1/$(basename "$page")
    english=$(LC_ALL=C MANPATH="$prefix/share/man" MANWIDTH=80 man "$name" 2>&1)
    [[ "$english" == *"User Commands"* && "$english" == *SYNOPSIS* ]] || fail "man $name under C: $english"
    [[ "$english" != *"?"* ]] || fail "man $name under C shows ?: $(grep -F '?' <<<"$english")"
    czech_text=$(LANGUAGE=cs LC_ALL=C.UTF-8 MANPATH="$prefix/share/man" MANWIDTH=80 man "$name" 2>&1)
    [[ "$czech_text" == *"Uživatelské příkazy"* ]] || fail "man $name in Czech: $czech_text"
    [ "$(sections "$page")" = "$(sections "$czech")" ] || fail "$name: the English and Czech man pages have other sections"
done

update-desktop-database "$prefix/share/applications"
registered() {
    env PATH="$prefix/bin:$PATH" XDG_DATA_DIRS="$prefix/share" XDG_DATA_HOME="$work/data" \
        XDG_CONFIG_HOME="$work/config" XDG_CONFIG_DIRS="$work/config-dirs" GIO_USE_VFS=local \
        gio mime "$1" | awk '/^Registered applications:/ { on = 1; next } /^[^\t]/ { on = 0 } on { print $1 }'
}
expect_registered() {
    local type=$1; shift
    local found; found=$(registered "$type" | LC_ALL=C sort | tr '\n' ' ')
    [ "$found" = "$* " ] || fail "$type registered for '$found', expected '$* '"
}
expect_registered image/vnd.microsoft.icon cz.kurzory.Skiren.desktop
expect_registered image/x-win-bitmap cz.kurzory.Skiren.desktop
expect_registered image/bmp cz.kurzory.Pelcor.desktop
exit $status
