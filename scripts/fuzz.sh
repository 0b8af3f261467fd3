#!/usr/bin/env bash
# scripts/fuzz.sh SECONDS [TARGET...]
#
# Builds the libFuzzer targets of fuzz/ with clang, AddressSanitizer and UBSan into build-fuzz/ and runs
# each for SECONDS (at most four at once, under nice). Not part of CI. The corpus grows in
# build-fuzz/corpus/<target>/ from run to run; inputs that crash, hang (10 s) or run out of memory are
# kept in build-fuzz/findings/<target>/, the fuzzer's output in build-fuzz/logs/<target>.log.
#
# Targets: document (the "*.RSD" reader), settings (the settings file at start-up), sysex (frames and
# the settings dump from the unit), wavcheck (the sample WAV check), pulsek (the beat analysis).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

SECONDS_PER_TARGET="${1:-}"
if ! [[ "$SECONDS_PER_TARGET" =~ ^[0-9]+$ ]] || [ "$SECONDS_PER_TARGET" -lt 1 ]; then
    echo "usage: $0 SECONDS [document|settings|sysex|wavcheck|pulsek ...]" >&2
    exit 2
fi
shift
TARGETS=("$@")
[ ${#TARGETS[@]} -eq 0 ] && TARGETS=(document settings sysex wavcheck pulsek)

PACKAGES+=(clang libclang-rt-14-dev)
install_missing_packages

FUZZ_DIR="${FUZZ_DIR:-$ROOT/build-fuzz}"
BUILD_TYPE=RelWithDebInfo CC=clang CXX=clang++ \
    cmake -S "$ROOT" -B "$FUZZ_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
          -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DTESSALIN_FUZZ=ON -DTESSALIN_BUILD_APP=OFF >/dev/null
nice cmake --build "$FUZZ_DIR" --parallel 6 --target fuzz_seeds $(printf 'fuzz_%s ' "${TARGETS[@]}")

cd "$FUZZ_DIR"
mkdir -p corpus logs findings
export ASAN_OPTIONS="detect_leaks=1:allocator_may_return_null=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
[ -d corpus/document ] || ./bin/fuzz_seeds corpus

# max_len: documents and settings files with whole documents in them; frames with a dump; tracks.
declare -A MAX_LEN=([document]=65536 [settings]=65536 [sysex]=16384 [wavcheck]=8192 [pulsek]=65536)
declare -A DICT=([document]=xml.dict [settings]=xml.dict [sysex]=sysex.dict [wavcheck]=wav.dict [pulsek]=)

run_target()
{
    local t="$1"
    mkdir -p "corpus/$t" "findings/$t"
    local dict=()
    [ -n "${DICT[$t]}" ] && dict=(-dict="$ROOT/fuzz/${DICT[$t]}")
    nice ./bin/"fuzz_$t" "corpus/$t" "${dict[@]}" -max_total_time="$SECONDS_PER_TARGET" -timeout=10 \
        -rss_limit_mb=2048 -max_len="${MAX_LEN[$t]}" -print_final_stats=1 \
        -artifact_prefix="findings/$t/" >"logs/$t.log" 2>&1 || true
}
export -f run_target
export SECONDS_PER_TARGET ROOT
export MAX_LEN_DEF="$(declare -p MAX_LEN DICT)"

printf '%s\n' "${TARGETS[@]}" | xargs -P 4 -I{} bash -c 'eval "$MAX_LEN_DEF"; run_target {}'

# One line a target: executions, coverage (edges, features), corpus size, findings.
printf '%-10s %14s %10s %10s %8s %9s\n' target executions coverage features corpus findings
last_number()   # last_number <pattern> <file>: the number after the last match of the pattern
{
    { grep -oE "$1 [0-9]+" "$2" || true; } | tail -1 | awk '{print $NF}'
}
for t in "${TARGETS[@]}"; do
    log="logs/$t.log"
    printf '%-10s %14s %10s %10s %8s %9s\n' "$t" "$(last_number 'stat::number_of_executed_units:' "$log")" \
        "$(last_number 'cov:' "$log")" "$(last_number 'ft:' "$log")" \
        "$(find "corpus/$t" -type f | wc -l)" "$(find "findings/$t" -type f | wc -l)"
done
