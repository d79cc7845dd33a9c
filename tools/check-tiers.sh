#!/usr/bin/env bash
# Fails when an include under src/ runs from a lower tier to a higher one, or
# when a Qt-free tier includes Qt. In the folders that hold both (platform and
# the controls), a file belongs to the widget tier when its name starts with
# Qt or when it or its .h/.cpp twin includes a Qt header.
# Usage: tools/check-tiers.sh [SOURCE_ROOT]   (default: src beside this script)
set -euo pipefail
src=${1:-"$(dirname "$0")/../src"}
cd "$src"

# The tiers and what each may include, lowest first.
# clang-format off
declare -A may_include=(
    [platform]="platform"
    [core]="platform core"
    [markup]="platform core markup"
    [grid]="platform core markup grid"
    [panels]="platform core markup panels"
    [program]="platform core markup grid panels program"
    [widgets]="platform core markup grid panels program widgets"
    [cli]="platform core markup grid panels program cli"
    [app]="platform core markup grid panels program widgets app"
)
# clang-format on
qt_free="platform core markup grid panels program cli"

mapfile -t files < <(find . -type f \( -name '*.h' -o -name '*.cpp' \) | sed 's|^\./||' | sort)

# Resolved includes of each file: full paths from src/, or the folder's own.
declare -A includes=()
declare -A qt_unit=()
for file in "${files[@]}"; do
    list=""
    while IFS= read -r included; do
        if [[ $included == \<* ]]; then
            [[ $included == \<Q* ]] && qt_unit[${file%.*}]=1
            list+=" $included"
            continue
        fi
        included=${included//\"/}
        if [ -f "$included" ]; then
            list+=" $included"
        elif [ -f "$(dirname "$file")/$included" ]; then
            list+=" $(dirname "$file")/$included"
        fi # else generated, or outside src/
    done < <(sed -nE 's/^\s*#\s*include\s*([<"][^>"]+[>"]).*/\1/p' "$file")
    includes[$file]=$list
    [[ $(basename "$file") == Qt* ]] && qt_unit[${file%.*}]=1
done
# A unit that includes a Qt unit is one too (RichLabel through RichControl).
changed=1
while [ "$changed" = 1 ]; do
    changed=0
    for file in "${files[@]}"; do
        [ -n "${qt_unit[${file%.*}]:-}" ] && continue
        for target in ${includes[$file]}; do
            if [[ $target != \<* ]] && [ -n "${qt_unit[${target%.*}]:-}" ]; then
                qt_unit[${file%.*}]=1
                changed=1
                break
            fi
        done
    done
done

tier_of() {
    local file=$1 folder=${1%%/*}
    case $file in
    platform/* | controls/*)
        if [ -n "${qt_unit[${file%.*}]:-}" ] || [[ $file == controls/bitmaps/* ]]; then
            echo widgets
        else
            case $file in
            platform/*) echo platform ;;
            controls/markup/*) echo markup ;;
            controls/grid/*) echo grid ;;
            controls/panels/*) echo panels ;;
            *) echo unknown ;;
            esac
        fi
        ;;
    ui/*) echo widgets ;;
    core/* | program/* | cli/* | app/*) echo "$folder" ;;
    *) echo unknown ;;
    esac
}

failures=0
for file in "${files[@]}"; do
    tier=$(tier_of "$file")
    if [ "$tier" = unknown ]; then
        echo "$file: in no tier (add its folder to tools/check-tiers.sh)"
        failures=$((failures + 1))
        continue
    fi
    for target in ${includes[$file]}; do
        if [[ $target == \<* ]]; then
            if [[ $target == \<Q* ]] && [[ " $qt_free " == *" $tier "* ]]; then
                echo "$file: includes $target, but the $tier tier is Qt-free"
                failures=$((failures + 1))
            fi
            continue
        fi
        target_tier=$(tier_of "$target")
        if [[ " ${may_include[$tier]} " != *" $target_tier "* ]]; then
            echo "$file: includes $target ($target_tier), but $tier may include only: ${may_include[$tier]}"
            failures=$((failures + 1))
        fi
    done
done

if [ "$failures" -gt 0 ]; then
    echo "check-tiers: $failures include(s) against the tiers" >&2
    exit 1
fi
echo "check-tiers: every include runs down or sideways"
