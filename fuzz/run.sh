#!/usr/bin/env bash
# Runs the fuzzer for a given time: fuzz/run.sh SECONDS [extra libFuzzer flags]
# Builds the harness (preset "fuzz", clang), seeds the corpus from the golden
# cases, and keeps what it finds under build/fuzz/corpus and build/fuzz/crashes.
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
build/fuzz/fuzz/fuzz_rythme "$corpus" -dict=fuzz/rythme.dict -max_total_time="$duree" \
  -timeout=10 -rss_limit_mb=2048 -max_len=4096 -artifact_prefix=build/fuzz/crashes/ \
  -print_final_stats=1 "$@"
