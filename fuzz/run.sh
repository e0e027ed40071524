#!/usr/bin/env bash
# fuzz/run.sh [SECONDS]: builds the libFuzzer harnesses with clang under
# AddressSanitizer and UndefinedBehaviorSanitizer (build-fuzz, without Qt;
# only the harnesses and what they reach) and runs each for SECONDS (30 by
# default) from a copy of its committed seed corpus, so the corpus in the
# tree stays as it is.  Any crash, leak, sanitizer report or failed property fails the run;
# the input that caused it is kept under build-fuzz/findings/NAME/.
set -euo pipefail
source "$(dirname "$0")/../scripts/packages.sh"
seconds=${1:-30}
build="$suite_root/build-fuzz"
harnesses=(text_reader number_parse entry_field roots_file polynomial_file choice_items script_line frequency_answer)

if ! command -v clang++ >/dev/null; then
  echo "fuzz/run.sh needs clang and its runtimes (Debian: clang libclang-rt-dev)" >&2
  exit 1
fi
CC=clang CXX=clang++ suite_build "$build" -DSUITE_FUZZ=ON -DSUITE_WITH_QT=OFF -DSUITE_WITH_BENCH=OFF \
  -- "${harnesses[@]/%/_fuzz}"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The readers' inputs go to scratch files, and the writer syncs each file it
# closes: in memory when the machine has a tmpfs.
scratch=$(mktemp -d "$( [ -w /dev/shm ] && echo /dev/shm || echo "${TMPDIR:-/tmp}")/suite-fuzz.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
export TMPDIR=$scratch
failed=()
for name in "${harnesses[@]}"; do
  work="$build/corpus/$name"
  findings="$build/findings/$name"
  rm -rf "$work" "$findings"
  mkdir -p "$work" "$findings"
  cp "$suite_root/fuzz/corpus/$name/"* "$work/"
  echo "== fuzzing $name for ${seconds}s"
  if ! "$build/fuzz/${name}_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -artifact_prefix="$findings/" -print_final_stats=0 "$work" >"$findings/log" 2>&1; then
    failed+=("$name")
    grep -E 'ERROR|property failed|SUMMARY|Test unit written' "$findings/log" | head -20 || true
  else
    tail -n 1 "$findings/log"
  fi
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzzing failed: ${failed[*]} (inputs and logs under $build/findings/)"
  exit 1
fi
echo "fuzzing: no faults in ${#harnesses[@]} harnesses"
