#!/usr/bin/env bash
# Regenerates canvas/templates/template-NN.jpg from the drawings in canvas/templates/src.
# Each picture is rendered at exactly its stored size and encoded as template-kinds.txt says
# (progressive or baseline, colour or greyscale), so the output is the same on every run.
# Usage: tools/make-templates.sh [INDEX...]   (no index: all of them)
set -euo pipefail

dir="$(cd "$(dirname "$0")/../canvas/templates" && pwd)"
kinds="$dir/template-kinds.txt"
quality=90

for tool in rsvg-convert convert cjpeg; do
    command -v "$tool" >/dev/null || { echo "make-templates: $tool is missing (tools/setup-deps.sh installs it)" >&2; exit 1; }
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

wanted=("$@")
is_wanted() {
    [ ${#wanted[@]} -eq 0 ] && return 0
    local w
    for w in "${wanted[@]}"; do [ "$((10#$w))" -eq "$1" ] && return 0; done
    return 1
}

made=0
while read -r index width height scan colour; do
    case "$index" in '#'* | '') continue ;; esac
    is_wanted "$index" || continue
    name="$(printf 'template-%02d' "$index")"
    svg="$dir/src/$name.svg"
    [ -f "$svg" ] || { echo "make-templates: $svg is missing" >&2; exit 1; }

    rsvg-convert -w "$width" -h "$height" -o "$work/$name.png" "$svg"
    # JPEG has no alpha: anything transparent in a drawing lands on white.
    if [ "$colour" = grey ]; then
        convert "$work/$name.png" -background white -flatten -colorspace Gray pgm:"$work/$name.pnm"
        colour_opt=(-grayscale)
    elif [ "$colour" = colour ]; then
        convert "$work/$name.png" -background white -flatten ppm:"$work/$name.pnm"
        # No chroma subsampling: thin coloured outlines stay crisp.
        colour_opt=(-sample 1x1)
    else
        echo "make-templates: entry $index: unknown colour kind '$colour'" >&2; exit 1
    fi
    case "$scan" in
        progressive) scan_opt=(-progressive) ;;
        baseline) scan_opt=() ;;
        *) echo "make-templates: entry $index: unknown scan kind '$scan'" >&2; exit 1 ;;
    esac

    cjpeg -quality "$quality" -optimize "${scan_opt[@]}" "${colour_opt[@]}" \
        -outfile "$work/$name.jpg" "$work/$name.pnm"
    mv "$work/$name.jpg" "$dir/$name.jpg"
    made=$((made + 1))
done <"$kinds"

if [ ${#wanted[@]} -gt 0 ] && [ "$made" -ne ${#wanted[@]} ]; then
    echo "make-templates: made $made of ${#wanted[@]} requested pictures; check the indices" >&2
    exit 1
fi
echo "make-templates: made $made pictures"
