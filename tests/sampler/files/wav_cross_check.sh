#!/usr/bin/env bash
# Our sample files as other programs' WAV readers see them: libsndfile's sndfile-info must list the
# "qzt1" chunk, and sox must read plain, extensible, RF64 and odd-sized files with the right format.
# Usage: wav_cross_check.sh <wav_cross_check_files program> <scratch folder>
set -euo pipefail

program="$1"
dir="$2"
rm -rf "$dir"
mkdir -p "$dir"
trap 'rm -rf "$dir"' EXIT

"$program" "$dir"

fail() { echo "FAIL: $*" >&2; exit 1; }

expect_format()   # file channels samples-per-channel bits
{
    # One soxi call per file: sox finds the length of RF64 data by reading all of it. -V1 keeps quiet
    # sox's warning that float and extensible format chunks lack a further extension size.
    local info
    info=$(soxi -V1 "$dir/$1") || fail "$1: soxi cannot read it"
    grep -q "^Sample Rate *: 48000$" <<< "$info" || fail "$1: rate"$'\n'"$info"
    grep -q "^Channels *: $2$" <<< "$info" || fail "$1: channels"$'\n'"$info"
    grep -q "= $3 samples" <<< "$info" || fail "$1: length"$'\n'"$info"
    grep -q "^Sample Encoding: $4-bit" <<< "$info" || fail "$1: bits"$'\n'"$info"
}

expect_peak()   # file: the half-scale tone decodes at half scale
{
    local peak
    peak=$(sox -V1 "$dir/$1" -n stat 2>&1 | awk '/Maximum amplitude/ { print $3 }')
    awk -v p="$peak" 'BEGIN { exit !(p > 0.49 && p < 0.51) }' || fail "$1: peak $peak"
}

for f in plain float extensible odd built rf64; do
    sndfile-info "$dir/$f.wav" > "$dir/$f.info" 2>&1 || fail "sndfile-info $f"
    grep -q "qzt1" "$dir/$f.info" || fail "$f: sndfile-info lists no qzt1 chunk"
done

grep -q "Format        : 0xFFFE => WAVE_FORMAT_EXTENSIBLE" "$dir/extensible.info" || fail "extensible: format tag"
grep -q "RF64" "$dir/rf64.info" || fail "rf64: not read as RF64"

expect_format plain.wav 2 48000 16
expect_format float.wav 2 48000 32
expect_format extensible.wav 3 48000 24
expect_format odd.wav 1 47999 8
expect_format built.wav 2 48000 16
expect_format rf64.wav 2 $(( (1 << 29) + 1000 )) 32

for f in plain float extensible odd built; do
    expect_peak "$f.wav"
done

echo "sndfile-info and sox agree with our sample files"
