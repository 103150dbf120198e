#!/usr/bin/env bash
# Runs the README's kurzory examples as printed, each group in a fresh copy of samples/: every
# indented line that starts with "kurzory", in order, then the Makefile example with make.
#   readme_examples_test.sh KURZORY_FILE README SAMPLES_DIR
set -uo pipefail
kurzory=$1 readme=$2 samples=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bin" "$work/home"
ln -s "$kurzory" "$work/bin/kurzory"
export PATH="$work/bin:$PATH" HOME=$work/home  # ~/.icons of the theme example stays in here
status=0

# Runs a script of commands in its own fresh copy of the samples.
run_in_samples() {
    local folder=$work/$1
    cp -r "$samples" "$folder"
    (cd "$folder" && bash -eo pipefail -c "$2") >"$work/out" 2>&1 ||
        { echo "FAIL: the README's $1 example fails:" >&2; cat "$work/out" >&2; status=1; }
}

commands=$(sed -n 's/^    \(kurzory .*\)$/\1/p' "$readme")
[ "$(wc -l <<<"$commands")" -ge 4 ] || { echo "FAIL: too few examples found: $commands" >&2; exit 1; }
# One copy for all of them: later examples use what earlier ones wrote (kolo.ani).
run_in_samples examples "$commands"

# The Makefile example: the indented block whose recipe lines (a tab after the indent) run kurzory.
makefile=$(awk '/^    [^ \t#].*:/ { block = $0 "\n"; next }
                /^    \t/ && block != "" { block = block $0 "\n"; found = 1; next }
                { if (found) { printf "%s", block; exit } block = "" }' "$readme" | sed 's/^    //')
[ -n "$makefile" ] || { echo "FAIL: no Makefile example found" >&2; exit 1; }
printf '%s\n' "$makefile" >"$work/Makefile"
target=$(sed -n '1s/:.*//p' "$work/Makefile")
run_in_samples makefile "make -f $work/Makefile $target && [ -s $target ]"
exit $status
