#!/usr/bin/env bash
# A program started as a user would: --help and --version need no display; without a display it
# ends with one line and status 1, not an abort. Skiren's silent cursor conversion needs none.
#   start_up_test.sh PROGRAM_FILE VERSION [SAMPLES_DIR]   (the samples for Skiren)
set -uo pipefail
program=$1 version=$2 samples=${3:-}
name=$(basename "$program")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0

# Runs the program with the given environment changes; leaves its output in $out, $err, $code.
run() {
    local environment=() arguments=()
    while [ "$1" != -- ]; do environment+=("$1"); shift; done
    shift
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "${environment[@]}" "$program" "$@" >"$work/out" 2>"$work/err"
    code=$? out=$(cat "$work/out") err=$(cat "$work/err")
}
expect() {  # description, wanted code, wanted stdout, wanted stderr
    if [ "$code" != "$2" ] || [ "$out" != "$3" ] || [ "$err" != "$4" ]; then
        printf 'FAIL: %s\n  status %s (wanted %s)\n  stdout: %s\n  stderr: %s\n' "$1" "$code" "$2" "$out" "$err" >&2
        status=1
    fi
}

no_display="$name: chybí grafické prostředí, program nelze spustit."
# An answer that could not be written is no success.
env -u DISPLAY "$program" --version >/dev/full 2>/dev/null && { echo "FAIL: --version into a full disk succeeded" >&2; status=1; }

for display in "" DISPLAY=:99; do
    run $display -- --version
    expect "--version $display" 0 "$name $version" ""
    run $display -- --help
    expect "--help $display" 0 "$out" ""
    [[ "$out" == "Použití: $name "* && "$out" == *--version* ]] || { echo "FAIL: --help says: $out" >&2; status=1; }
    # Anything else is a path as before; Skiren looks at it before it needs a display.
    run $display -- --help --version
    if [ "$name" = Skiren ]; then
        expect "two options $display" 1 "" "Skiren: Vstupní soubor není soubor ikony nebo kurzoru!"
    else
        expect "two options $display" 1 "" "$no_display"
    fi
done

# Started from the menu, with nothing to open yet: the file dialog needs a display too.
run --
expect "no file without a display" 1 "" "$no_display"

if [ -n "$samples" ]; then
    cp "$samples/sipka.cur" "$work"/
    run -- "$work/sipka.cur"
    expect "cursor converted without a display" 0 "" ""
    [ "$(od -An -tu1 -j2 -N1 "$work/sipka.ico" 2>/dev/null | tr -d ' ')" = 1 ] || { echo "FAIL: no icon written" >&2; status=1; }
    run DISPLAY=:99 -- "$samples/sipka.ico"
    expect "an icon needs the editor" 1 "" "$no_display"
    echo text >"$work/poznamka.txt"
    run -- "$work/poznamka.txt"
    expect "refused input" 1 "" "Skiren: Vstupní soubor není soubor ikony nebo kurzoru!"
    # An icon the user made is not replaced unasked, and nobody can be asked without a display.
    cp "$samples/sipka.cur" "$work/moje.cur" && cp "$samples/kytka16.ico" "$work/moje.ico"
    run -- "$work/moje.cur"
    expect "different icon kept" 1 "" "Skiren: Soubor $work/moje.ico již existuje a liší se; bez obrazovky se nelze zeptat, zda ho přepsat, proto se nic nezapsalo."
    cmp -s "$samples/kytka16.ico" "$work/moje.ico" || { echo "FAIL: the different icon was replaced" >&2; status=1; }
    cp "$work/sipka.ico" "$work/moje.ico"
    run -- "$work/moje.cur"
    expect "the same icon again" 0 "" ""
    cp "$samples/sipka.cur" "$work/slozka.cur" && mkdir "$work/slozka.ico"
    run -- "$work/slozka.cur"
    expect "failed conversion" 1 "" "Skiren: Chyba souboru $work/slozka.ico:
Je to složka"
fi
exit $status
