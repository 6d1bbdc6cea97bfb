#!/usr/bin/env bash
# Fuzzes for SECONDS each (default 60), under AddressSanitizer and UndefinedBehaviorSanitizer:
# the rich-text reader, from its own seeds and from the shared RTF samples when they are beside
# the project, and whole catalogue files, from small synthetic ones, from those with each kind
# of hostile schema (tests/data/hostile-schemas.sql) and from legacy (Access-format) ones, which
# the program reads through the catalogue tool. Exits non-zero when
# a fuzzer finds a crash, a hang or a leak; the input that did it is kept in
# build-fuzz/fuzz-artifacts/.
# FUZZ_BUILD_DIR chooses another build folder.
set -euo pipefail
bash "$(dirname "$0")/deps.sh" tests
seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
shared="$root/../shared"
build=${FUZZ_BUILD_DIR:-$root/build-fuzz}

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DZENT_FUZZ=ON \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target fuzz_rtf_reader fuzz_catalogue zentgen zentcat -j2

# The fuzzers add what they find to their corpus: they work on copies.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/rtf" "$work/catalogue" "$build/fuzz-artifacts"
# Inputs the fuzzer once found, and small files of what the reader knows, tried first in every run.
cp "$root"/fuzz/rtf-seeds/*.rtf "$work/rtf"/
if compgen -G "$shared/rtf-samples/*.rtf" >/dev/null; then
  cp "$shared"/rtf-samples/*.rtf "$work/rtf"/
else
  echo "fuzz.sh: no samples in $shared/rtf-samples; the RTF fuzzer starts from its own seeds" >&2
fi
for rows in 5 8; do
  ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen \
    "$build/tools/zentgen" synthetic $rows "$work/seeds/catalogue-$rows.znt"
  cp "$work/seeds/catalogue-$rows.znt" "$work/catalogue"/
done
cp "$root"/tests/data/legacy/{tricky-2000,bundled-2000}.znt "$work/catalogue"/
# Hostile schemas, each kind applied to a small synthetic catalogue: triggers, views and virtual
# tables in place of tables, never-ending queries, generated and indexed expressions, unknown
# functions and collations, huge and deeply nested values.
awk -v dir="$work/seeds" '/^-- kind: /{n++; file=sprintf("%s/kind-%02d.sql", dir, n)} n{print > file}' \
  "$root/tests/data/hostile-schemas.sql"
kinds=0
for sql in "$work"/seeds/kind-*.sql; do
  seed="$work/catalogue/hostile-$(basename "$sql" .sql).znt"
  cp "$work/seeds/catalogue-5.znt" "$seed"
  sqlite3 "$seed" < "$sql" 2>/dev/null && kinds=$((kinds + 1))
done
echo "fuzz.sh: the catalogue fuzzer starts from $kinds kinds of hostile schema among its seeds"

run() {
  local target=$1 corpus=$2
  shift 2
  QT_QPA_PLATFORM=offscreen LSAN_OPTIONS="suppressions=$root/fuzz/lsan.supp" "$build/fuzz/fuzz_$target" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$build/fuzz-artifacts/$target-" -print_final_stats=1 "$@" "$corpus"
}
run rtf_reader "$work/rtf" -max_len=65536 -dict="$root/fuzz/rtf.dict"
# Long enough for the legacy seeds, whose pages are 4 KB each.
run catalogue "$work/catalogue" -max_len=196608
