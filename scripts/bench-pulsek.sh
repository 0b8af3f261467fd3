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
{
    tool = $1; n[tool]++; audio[tool] += $4; elapsed[tool] += $7
    if (near($5, $3, 0.01)) w1[tool]++
    if (near($5, $3, 0.02)) w2[tool]++
    else if (near($5, 2 * $3, 0.02) || near($5, $3 / 2, 0.02)) oct[tool]++
    if ($6 != "-") { fsum[tool] += $6; fn[tool]++ }
    if (!(tool in seen)) { seen[tool] = 1; order[++tools] = tool }
}
END {
    printf "%-10s %6s %8s %8s %10s %9s %10s\n", "program", "files", "tempo1%", "tempo2%", "octave2%", "beatF", "realtime"
    for (i = 1; i <= tools; i++) {
        t = order[i]
        printf "%-10s %6d %8d %8d %10d %9s %9.1fx\n", t, n[t], w1[t], w2[t], oct[t],
               fn[t] ? sprintf("%.3f", fsum[t] / fn[t]) : "-", audio[t] / elapsed[t]
    }
}' "$RESULTS"
