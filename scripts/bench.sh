#!/usr/bin/env bash
# scripts/bench.sh [--no-peers]: builds the benchmarks in build-bench, runs
# every one of them and prints one table of figures with their goals and,
# where numpy or scipy is installed for /usr/bin/python3, their peers timed
# in the same run.  Takes a few minutes; the raw results stay in
# build-bench/bench-results/.
set -euo pipefail
source "$(dirname "$0")/packages.sh"
suite_install_missing

dir="$suite_root/build-bench"
results="$dir/bench-results"
# Seconds each benchmark runs at least: enough for steady figures of the
# microsecond ones, while the whole run stays within minutes.
min_time=0.2

# in suite_build's RelWithDebInfo, as scripts/run.sh builds the programs
suite_build "$dir" -- benchmarks
load_before=$(cut -d' ' -f1 /proc/loadavg)
rm -rf "$results"
mkdir -p "$results"

run() {  # run NAME RESULT_STEM [wrapper...]
  local name=$1 stem=$2; shift 2
  echo "running $name${*:+ under $*}" >&2
  if ! "$@" "$dir/bench/$name" --benchmark_format=json --benchmark_min_time=$min_time \
      >"$results/$stem.json" 2>"$results/$stem.log"; then
    echo "* $name failed; see $results/$stem.log" >&2
  fi
}

for binary in "$dir"/bench/*_bench; do
  run "$(basename "$binary")" "$(basename "$binary")" env QT_QPA_PLATFORM=offscreen
done
# The main window's start once more on a real X server, when one can be had.
if [ -x "$dir/bench/main_window_bench" ] && command -v xvfb-run >/dev/null; then
  run main_window_bench main_window_bench.xvfb xvfb-run -a env QT_QPA_PLATFORM=xcb
fi

load_after=$(cut -d' ' -f1 /proc/loadavg)
if [ -x /usr/bin/python3 ]; then
  /usr/bin/python3 "$suite_root/bench/figures.py" "$results" "$@"
else
  echo "No /usr/bin/python3 to make the table; the figures are in $results/*.json"
fi
echo "Load average (1 minute) before the runs $load_before, after them $load_after, on $(nproc) processors."
