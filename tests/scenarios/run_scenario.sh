#!/usr/bin/env bash
# Runs one scenario script in a fresh directory and compares the transcript.
#   run_scenario.sh RUNNER PROGRAM SCRIPT WORKDIR
# Beside NAME.script:
#   NAME.expected   the exact expected standard output
#   NAME.exit       the expected exit status (0 when absent)
#   NAME.files/     files copied into the working directory first
#   NAME.out/       files the run must leave in the working directory, byte for byte
# A first script line "#! ..." holds options: --trace runs with the trace;
# --preset keeps the preset text of the main window's log at the top of the
# transcript, which is otherwise left out (the runner's --no-preset), so that
# a change of that text touches only the scenarios that pin it.
set -u
runner=$1 program=$2 script=$3 workdir=$4
base=${script%.script}
rm -rf "$workdir" && mkdir -p "$workdir" || exit 1
[ -d "$base.files" ] && cp -R "$base.files/." "$workdir/"
args=()
header=$(head -n 1 "$script" | grep '^#!' || true)
if [[ " $header " == *" --trace "* ]]; then args+=(--trace); fi
if [[ " $header " != *" --preset "* ]]; then args+=(--no-preset); fi
expected_exit=0
[ -f "$base.exit" ] && expected_exit=$(tr -d '[:space:]' < "$base.exit")
(cd "$workdir" && "$runner" "$program" "$script" "${args[@]}" > "$workdir/.transcript" 2> "$workdir/.stderr")
status=$?
failed=0
if [ "$status" != "$expected_exit" ]; then
  echo "exit status $status, expected $expected_exit"; cat "$workdir/.stderr"; failed=1
fi
if ! cmp -s "$base.expected" "$workdir/.transcript"; then
  echo "transcript differs (expected, actual):"
  diff -u "$base.expected" "$workdir/.transcript" | head -n 80
  failed=1
fi
if [ -d "$base.out" ]; then
  while IFS= read -r -d '' want; do
    rel=${want#"$base.out/"}
    if ! cmp -s "$want" "$workdir/$rel"; then
      echo "file $rel differs from $want:"
      diff -u "$want" "$workdir/$rel" | head -n 40
      failed=1
    fi
  done < <(find "$base.out" -type f -print0)
fi
exit $failed
