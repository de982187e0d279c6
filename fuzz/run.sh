#!/usr/bin/env bash
# Runs the fuzzer for a given time: fuzz/run.sh SECONDS [extra libFuzzer flags]
# Builds the harness (preset "fuzz", clang), seeds it from the corpus kept in
# the tree (fuzz/corpus, read only) and from the golden inputs, and keeps what
# it finds under build/fuzz/corpus and build/fuzz/crashes. Any crash, sanitizer
# report, leak, hang (10 s), output past the harness's bound or allocation
# above 64 MB ends the run with a failure.
#
# A long campaign, then keeping what it found:
#   fuzz/run.sh 7200
#   build/fuzz/fuzz/fuzz_rythme -set_cover_merge=1 -use_counters=0 \
#     -malloc_limit_mb=64 fuzz/corpus.new fuzz/corpus build/fuzz/corpus
#   rm -r fuzz/corpus && mv fuzz/corpus.new fuzz/corpus
# (-set_cover_merge is -merge=1 choosing the fewest inputs that keep every
# edge covered; plain -merge=1 keeps about twice as many.) Each crash found
# becomes a golden case under tests/golden, reduced first with
#   build/fuzz/fuzz/fuzz_rythme -minimize_crash=1 -max_total_time=300 CRASH
# (its first three bytes choose the command-line words: see fuzz_rythme.cc).
set -euo pipefail
cd "$(dirname "$0")/.."
duree=${1:-120}
shift || true
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target fuzz_rythme >/dev/null
corpus=build/fuzz/corpus
mkdir -p "$corpus" build/fuzz/crashes
# Seeds: each golden input with no meter (000) and with 4/4 (0x01 0x03 0x02).
for cas in tests/golden/*/; do
  [[ -f $cas/stdin ]] || continue
  nom=$(basename "$cas")
  { printf '\x00\x00\x00'; cat "$cas/stdin"; } > "$corpus/$nom.sans"
  { printf '\x01\x03\x02'; cat "$cas/stdin"; } > "$corpus/$nom.44"
done
for exemple in examples/*.txt; do
  { printf '\x00\x00\x00'; cat "$exemple"; } > "$corpus/$(basename "$exemple").sans"
done
build/fuzz/fuzz/fuzz_rythme "$corpus" fuzz/corpus -dict=fuzz/rythme.dict -max_total_time="$duree" \
  -timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=64 -max_len=4096 -artifact_prefix=build/fuzz/crashes/ \
  -print_final_stats=1 "$@"
