#!/usr/bin/env bash
# Builds the Debian package into a temporary folder and checks that it holds exactly the installed
# files under /usr, depends on Qt (found by dpkg-shlibdeps) and on the fonts, and that lintian
# finds nothing to warn of, hardening included.
#   debian_package_test.sh BUILD_DIR EXPECTED_FILE_LIST VERSION
set -euo pipefail
build=$1 expected=$2 version=${3:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log" >&2; exit 1; }
packages=("$work"/*.deb)
[ ${#packages[@]} -eq 1 ] || { echo "FAIL: expected one package, got ${packages[*]}" >&2; exit 1; }
package=${packages[0]}

dpkg-deb -c "$package" | awk '$1 !~ /^d/ { sub(/^\.\/usr\//, "", $6); print $6 }' | LC_ALL=C sort >"$work/packaged"
LC_ALL=C sort "$expected" | diff -u - "$work/packaged"

depends=$(dpkg-deb -f "$package" Depends)
status=0
for needed in libqt6widgets6 fonts-dejavu-core; do
    [[ ", $depends," == *", $needed"[\ ,]* ]] || { echo "FAIL: Depends lacks $needed: $depends" >&2; status=1; }
done
[ "$(dpkg-deb -f "$package" Version)" = "$version" ] || { echo "FAIL: version" >&2; status=1; }

dpkg-deb -x "$package" "$work/root"
zcat "$work/root/usr/share/doc/"*/changelog.gz >"$work/changelog"
changelog_version=$(dpkg-parsechangelog -l "$work/changelog" -S Version)
[ "$changelog_version" = "$version" ] || { echo "FAIL: the changelog's version is $changelog_version" >&2; status=1; }

# The missing hardening is only information to lintian, so those tags are looked for by name.
lintian --fail-on error,warning --display-info --pedantic "$package" >"$work/lintian" 2>&1 ||
    { echo "FAIL: lintian:" >&2; cat "$work/lintian" >&2; status=1; }
if grep -E '^(E|W|I): .*hardening-no' "$work/lintian" >&2; then
    echo "FAIL: the programs lack hardening" >&2; status=1
fi
exit $status
