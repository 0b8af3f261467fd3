#!/usr/bin/env bash
# Pulsek against Debian's aubio-tools and bpm-tools on one synthetic set, in one run on this machine:
# synthesises the set (pulsek-testset), runs each program on every file pinned to one core, and prints
# one table: tempo within 1 % and 2 % of the truth, tempo at double or half within 2 % (octave errors,
# counted apart), mean beat F-measure (+-70 ms; bpm-tools gives no beats) and the real-time factor
# (audio seconds per second of the whole process, file reading included).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

PACKAGES=(aubio-tools bpm-tools sox)
install_missing_packages

[ -f "$BUILD_DIR/build.ninja" ] || cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE="$BUILD_TYPE"
cmake --build "$BUILD_DIR" --target pulsek-eval pulsek-testset >/dev/null

SET="$BUILD_DIR/pulsek-benchset"
rm -rf "$SET" && mkdir -p "$SET/out"
"$BUILD_DIR/bin/pulsek-testset" "$SET"

CORE="taskset -c 1"
EVAL="$BUILD_DIR/bin/pulsek-eval"
now() { date +%s.%N; }
minus() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.6f", a - b }'; }
RESULTS="$SET/results.tsv" # tool, name, true bpm, seconds, found bpm, F (or -), elapsed seconds
: > "$RESULTS"

while IFS=$'\t' read -r name bpm seconds; do
    wav="$SET/$name.wav"

    t0=$(now); $CORE "$EVAL" --runs 1 "$wav" > "$SET/out/$name.pulsek"; t1=$(now)
    found=$(awk -F': ' '$1=="bpm"{print $2}' "$SET/out/$name.pulsek")
    f=$(awk -F': ' '$1=="f_measure"{print $2}' "$SET/out/$name.pulsek")
    echo -e "pulsek\t$name\t$bpm\t$seconds\t$found\t$f\t$(minus "$t1" "$t0")" >> "$RESULTS"

    t0=$(now); $CORE aubiotrack -i "$wav" > "$SET/out/$name.aubio.beats" 2>/dev/null; t1=$(now)
    found=$(aubio tempo "$wav" 2>/dev/null | awk '{print $1}')
    f=$("$EVAL" --score "$SET/out/$name.aubio.beats" "$SET/$name.beats" | awk -F': ' '$1=="f_measure"{print $2}')
    echo -e "aubio\t$name\t$bpm\t$seconds\t$found\t$f\t$(minus "$t1" "$t0")" >> "$RESULTS"

    # bpm-tools reads raw 44,100 Hz mono floats; the conversion is not timed.
    sox "$wav" -t raw -r 44100 -e float -c 1 "$SET/out/$name.raw"
    t0=$(now); found=$($CORE bpm -m 60 -x 190 < "$SET/out/$name.raw"); t1=$(now)
    echo -e "bpm-tools\t$name\t$bpm\t$seconds\t$found\t-\t$(minus "$t1" "$t0")" >> "$RESULTS"
    rm -f "$SET/out/$name.raw"
done < "$SET/manifest.tsv"

awk -F'\t' '
function near(a, b, tol) { return b > 0 && (a - b < 0 ? b - a : a - b) <= tol * b }
function add(to, from) {
    if (!(to in seen)) { seen[to] = 1; order[++keys] = to }
    n[to] += n[from]; audio[to] += audio[from]; elapsed[to] += elapsed[from]; w1[to] += w1[from]
    w2[to] += w2[from]; oct[to] += oct[from]; fsum[to] += fsum[from]; fn[to] += fn[from]
}
function count(key) {
    n[key]++; audio[key] += $4; elapsed[key] += $7
    if (near($5, $3, 0.01)) w1[key]++
    if (near($5, $3, 0.02)) w2[key]++
    else if (near($5, 2 * $3, 0.02) || near($5, $3 / 2, 0.02)) oct[key]++
    if ($6 != "-") { fsum[key] += $6; fn[key]++ }
    if (!(key in seen)) { seen[key] = 1; order[++keys] = key }
}
{ split($2, kind, "_"); count($1 "\t" kind[1]); total[$1] = 1 }
END {
    # Each program'"'"'s whole set after its parts.
    parts = keys
    for (t in total) for (i = 1; i <= parts; i++) { k = order[i]; split(k, part, "\t"); if (part[1] == t) add(t "\tall", k) }
    printf "%-10s %-7s %6s %8s %8s %10s %7s %10s\n", "program", "set", "files", "tempo1%", "tempo2%", "octave2%", "beatF", "realtime"
    for (i = 1; i <= keys; i++) {
        k = order[i]; split(k, part, "\t")
        printf "%-10s %-7s %6d %8d %8d %10d %7s %9.1fx\n", part[1], part[2], n[k], w1[k], w2[k], oct[k],
               fn[k] ? sprintf("%.3f", fsum[k] / fn[k]) : "-", audio[k] / elapsed[k]
    }
}' "$RESULTS" | { read -r header; echo "$header"; sort -s -k1,1; }
