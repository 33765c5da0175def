#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer) in their own
# build folder and runs one of them, or all in turn, for a bounded time each.
#
# Usage: scripts/fuzz.sh [SECONDS] [TARGET...]
#   SECONDS  how long each target runs (default 60)
#   TARGET   reportfile (the default), emf, wmf, transfer, csv, invoice, or all; several run one after the other
#
# Seeds: fuzz/corpus/<target>/, the test fixtures the target reads, and where present the shared corpus
# of foreign metafiles (../shared/corpus/foreign-emf.tar.xz) for reportfile and emf. The corpus a run
# grows is kept in the build folder's corpus/<target>/ for the next run; the repository's seeds stay as
# they are. A finding (crash, sanitizer report, timeout, out of memory) is kept in findings/<target>/, and
# the script then exits non-zero. libFuzzer's final stats are printed for every target.
# PRZELEW_FUZZ_SEED fixes libFuzzer's random seed (as ctest does); without it every run differs.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
shift || true
[ $# -gt 0 ] || set -- reportfile
build="${PRZELEW_FUZZ_BUILD:-$root/build-fuzz}"
all_targets=(reportfile emf wmf transfer csv invoice)
targets=()
for which in "$@"; do
  case "$which" in
    all) targets+=("${all_targets[@]}") ;;
    reportfile|emf|wmf|transfer|csv|invoice) targets+=("$which") ;;
    *) echo "fuzz.sh: unknown target '$which' (reportfile, emf, wmf, transfer, csv, invoice or all)" >&2; exit 2 ;;
  esac
done

cmake -S "$root/fuzz" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 --target "${targets[@]/%/_fuzz}"

# The shared corpus, unpacked once into the build folder.
shared="$root/../shared/corpus/foreign-emf.tar.xz"
foreign=""
if [ -f "$shared" ]; then
  foreign="$build/foreign-emf"
  [ -d "$foreign" ] || { mkdir -p "$foreign" && tar -xJf "$shared" -C "$foreign"; }
fi

seed() { # target folder: copies the target's seeds into the folder
  local target="$1" into="$2"
  [ -d "$root/fuzz/corpus/$target" ] && cp "$root/fuzz/corpus/$target"/* "$into"/
  case "$target" in
    reportfile|emf)
      cp "$root"/tests/data/emf/*.emf "$root"/tests/data/emf/*.wmf "$into"/
      if [ -n "$foreign" ]; then
        find "$foreign" -type f -iname '*.emf' -print0 | while IFS= read -r -d '' f; do
          cp "$f" "$into/foreign-$(basename "$(dirname "$f")")-$(basename "$f")"
        done
      fi ;;
    wmf) cp "$root"/tests/data/emf/*.wmf "$into"/ ;;
    transfer) cp "$root"/tests/data/transfers/*.txt "$into"/ ;;
    invoice) cp "$root"/tests/data/invoices/*.xml "$into"/ ;;
  esac
}

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="abort_on_error=1:detect_leaks=1:allocator_may_return_null=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/fuzz/lsan.supp:print_suppressions=0"
seed_option=()
[ -z "${PRZELEW_FUZZ_SEED:-}" ] || seed_option=(-seed="$PRZELEW_FUZZ_SEED")
status=0
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  findings="$build/findings/$target"
  mkdir -p "$corpus" "$findings"
  seeds="$(mktemp -d)"
  seed "$target" "$seeds"
  echo "== $target: $seconds s"
  dict=()
  [ ! -f "$root/fuzz/$target.dict" ] || dict=(-dict="$root/fuzz/$target.dict")
  # The first folder is the one libFuzzer adds to; the seeds are only read.
  if ! "$build/${target}_fuzz" -max_total_time="$seconds" -max_len=65536 -timeout=20 -rss_limit_mb=2048 \
      "${dict[@]}" -print_final_stats=1 -artifact_prefix="$findings/" "${seed_option[@]}" "$corpus" "$seeds"; then
    status=1
  fi
  rm -rf "$seeds"
done
exit $status
