#!/usr/bin/env bash
# Builds and runs every benchmark and prints each bar with its figure and whether it
# holds. Every figure is a ratio against its baseline measured in the same run.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup-deps.sh
cmake --preset dev -DMIMORA_BENCH=ON >/dev/null
cmake --build --preset dev --target bench_decode bench_canvas bench_save startup_probe bare_window cjk_window mimora
bin=build/dev/bench
runs=${MIMORA_BENCH_RUNS:-21}
export QT_QPA_PLATFORM=offscreen DBUS_SESSION_BUS_ADDRESS=disabled:
export XDG_RUNTIME_DIR=$(mktemp -d)
work=$(mktemp -d)
trap 'rm -rf "$work" "$XDG_RUNTIME_DIR"' EXIT

rows=()
verdict() { awk -v f="$1" -v b="$2" 'BEGIN { print (f <= b) ? "holds" : "MISSES" }'; }
row() { rows+=("$(printf '%-58s %10s %8s  %s' "$1" "$2" "$3" "$(verdict "$2" "$3")")"); }

# In-process figures: the "ratio" counter of each benchmark.
ratio() { # binary filter
    "$bin/$1" --benchmark_filter="$2" --benchmark_format=json 2>/dev/null |
        awk -F': ' '/"ratio"/ { gsub(/,/, "", $2); printf "%.3f", $2; exit }'
}
row "decode a template JPEG / bare libjpeg decode" "$(ratio bench_decode BM_DecodeRatio)" 1.2
row "choose a template (decode + first paint) / bare decode" "$(ratio bench_canvas BM_TemplateChoice)" 2.0
row "paint 379x384 of a 4000x3000 photo / a 379x384 canvas" "$(ratio bench_canvas BM_PaintExposedRegion)" 1.5
row "caption drag step, 4000x3000 photo / 379x384 canvas" "$(ratio bench_canvas BM_DragStep)" 1.5
row "save 379x384 (tmpfs) / bare libjpeg into a file" "$(ratio bench_save BM_SaveToMemoryFileSystem)" 1.3
disk_save=$(ratio bench_save BM_SaveToDisk)

# Whole processes, alternately, until the first frame: medians of wall time and peak memory.
declare -a t_ours t_bare t_cjk m_ours m_bare
measure() { # command -> "nanoseconds kilobytes"
    local start end kb
    start=$(date +%s%N)
    /usr/bin/time -f '%M' -o "$work/peak" "$@" >/dev/null 2>&1
    kb=$(tail -n1 "$work/peak")
    end=$(date +%s%N)
    echo "$((end - start)) $kb"
}
median() { printf '%s\n' "$@" | sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }
measure "$bin/startup_probe" >/dev/null # warm the caches
measure "$bin/bare_window" >/dev/null
for _ in $(seq "$runs"); do
    read -r t m < <(measure "$bin/startup_probe"); t_ours+=("$t"); m_ours+=("$m")
    read -r t m < <(measure "$bin/bare_window"); t_bare+=("$t"); m_bare+=("$m")
    read -r t m < <(measure "$bin/cjk_window"); t_cjk+=("$t")
done
tc=$(median "${t_cjk[@]}")
to=$(median "${t_ours[@]}"); tb=$(median "${t_bare[@]}")
mo=$(median "${m_ours[@]}"); mb=$(median "${m_bare[@]}")
row "start-up to first frame / bare Qt window (median of $runs)" \
    "$(awk -v a="$to" -v b="$tb" 'BEGIN { printf "%.3f", a / b }')" 1.25

# The biggest canvas there is: its save must stay under 512 MiB.
huge=$( { /usr/bin/time -f 'peak %M' "$bin/bench_save" --huge "$work"; } 2>&1 | grep -E '^(huge|peak)')
huge_mib=$(awk '/^peak/ { printf "%.0f", $2 / 1024 }' <<<"$huge")

echo
echo "machine: $(nproc) cores, $(awk '/MemTotal/ { printf "%.0f GiB", $2 / 1048576 }' /proc/meminfo), $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
printf '%-58s %10s %8s  %s\n' "figure (ours / baseline)" "ratio" "bar" "verdict"
printf '%s\n' "${rows[@]}"
printf '%-58s %10s %8s  %s\n' "save 32627x32627: peak memory (MiB)" "$huge_mib" 512 "$(verdict "$huge_mib" 512)"
echo
echo "also: save 379x384 to disk / bare libjpeg into a file: $disk_save (the save's two fsyncs, kept so a crash cannot leave a broken file)"
echo "also: start-up $((to / 1000000)) ms vs $((tb / 1000000)) ms; peak memory after start-up $((mo / 1024)) MiB vs $((mb / 1024)) MiB (ratio $(awk -v a="$mo" -v b="$mb" 'BEGIN { printf "%.2f", a / b }'))"
echo "also: a bare window with the same three CJK faces takes $((tc / 1000000)) ms, $(awk -v a="$tc" -v b="$tb" 'BEGIN { printf "%.2f", a / b }') x the bare window: the fonts' own share of start-up"
echo "also: $(grep '^huge' <<<"$huge")"
