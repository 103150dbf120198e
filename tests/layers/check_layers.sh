#!/usr/bin/env bash
# Fails when a file includes one from a higher layer: iconfile < desktop < the programs
# (skiren, pelcor, animace, kurzory). Prints every such include. Usage: check_layers.sh ROOT
set -euo pipefail
root=${1:?usage: check_layers.sh ROOT}

# The layer of a top folder, or nothing for one outside the layers (tests, fuzz, bench, samples).
layer_of() {
    case "$1" in
        iconfile) echo 0 ;;
        desktop) echo 1 ;;
        skiren | pelcor | animace | kurzory) echo 2 ;;
    esac
}

upward=0
for folder in iconfile desktop skiren pelcor animace kurzory; do
    [[ -d "$root/$folder" ]] || continue
    own=$(layer_of "$folder")
    while IFS=: read -r file line text; do
        included=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^/"]+)\/.*/\1/' <<<"$text")
        other=$(layer_of "$included")
        if [[ -n "$other" && "$other" -gt "$own" ]]; then
            echo "${file#"$root"/}:$line includes a higher layer: $text"
            upward=1
        fi
    done < <(grep -rnE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^/"]+/' "$root/$folder" || true)
done
exit "$upward"
