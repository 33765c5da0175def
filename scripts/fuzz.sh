#!/usr/bin/env bash
# Builds the report-file fuzz target with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# in its own build folder and runs it for a bounded time from the seed corpus in fuzz/corpus.
# Usage: scripts/fuzz.sh [seconds, default 60]. Exits non-zero on a finding; crash inputs are kept in
# the build folder's findings/ folder.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
build="${PRZELEW_FUZZ_BUILD:-$root/build-fuzz}"

cmake -S "$root/fuzz" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target reportfile_fuzz -j2

# The corpus grows while the fuzzer runs; the seeds in the repository stay as they are.
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$root"/fuzz/corpus/* "$work"/
mkdir -p "$build/findings"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="abort_on_error=1:detect_leaks=1:allocator_may_return_null=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/fuzz/lsan.supp:print_suppressions=0"
"$build/reportfile_fuzz" -max_total_time="$seconds" -max_len=65536 -timeout=20 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$build/findings/" "$work"
