#!/usr/bin/env bash
# scripts/run.sh PROGRAM: builds and starts vessaw, tramow or Duzavuri.
set -euo pipefail
source "$(dirname "$0")/packages.sh"
declare -A targets=([vessaw]=workbench/vessaw [tramow]=ladder/tramow [duzavuri]=elliptic/Duzavuri)
program=${1:-}
if [ -z "$program" ] || [ -z "${targets[$program]:-}" ]; then
  echo "usage: scripts/run.sh PROGRAM   (PROGRAM: ${!targets[*]})" >&2
  exit 1
fi
suite_install_missing
suite_build "$suite_root/build" -- "$program"
exec "$suite_root/build/${targets[$program]}"
