#!/usr/bin/env bash
# scripts/test.sh: builds everything and runs every test.
set -euo pipefail
source "$(dirname "$0")/packages.sh"
suite_install_missing
suite_generate_locale
suite_build "$suite_root/build"
ctest --test-dir "$suite_root/build" --output-on-failure -j "$(nproc)"
