#!/usr/bin/env bash
# Fuzzes the rich-text reader for SECONDS (default 60) under AddressSanitizer and
# UndefinedBehaviorSanitizer, starting from the shared RTF samples. Exits non-zero when the
# fuzzer finds a crash, a hang or a leak; the input that did it is kept in
# build-fuzz/fuzz-artifacts/. FUZZ_BUILD_DIR chooses another build folder.
set -euo pipefail
bash "$(dirname "$0")/deps.sh" tests
seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
shared="$root/../shared"
build=${FUZZ_BUILD_DIR:-$root/build-fuzz}

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DZENT_FUZZ=ON \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target fuzz_rtf_reader -j2

# The fuzzer adds what it finds to its corpus: work on a copy of the samples.
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
if compgen -G "$shared/rtf-samples/*.rtf" >/dev/null; then
  cp "$shared"/rtf-samples/*.rtf "$corpus"/
else
  echo "fuzz.sh: no samples in $shared/rtf-samples; starting from an empty corpus" >&2
fi
mkdir -p "$build/fuzz-artifacts"

QT_QPA_PLATFORM=offscreen "$build/fuzz/fuzz_rtf_reader" \
  -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
  -dict="$root/fuzz/rtf.dict" -artifact_prefix="$build/fuzz-artifacts/" \
  -print_final_stats=1 "$corpus"
