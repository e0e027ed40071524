# Sourced by the other scripts: installs the Debian packages the build needs
# when any is missing, as root or through sudo.
suite_packages=(g++ cmake make qt6-base-dev qt6-translations-l10n fonts-dejavu-core fonts-dejavu-extra libgtest-dev libbenchmark-dev)
# the smoke test: a private X server, input events, the clipboard, screenshots
suite_packages+=(xvfb xdotool xclip imagemagick)

suite_install_missing() {
  local missing=() package
  for package in "${suite_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update &&
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

suite_build() {  # suite_build BUILD_DIR [cmake options...] -- [targets...]
  local dir=$1; shift
  local options=() targets=()
  while [ $# -gt 0 ] && [ "$1" != "--" ]; do options+=("$1"); shift; done
  [ "${1:-}" = "--" ] && shift
  targets=("$@")
  cmake -S "$suite_root" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}" >/dev/null &&
    if [ ${#targets[@]} -eq 0 ]; then
      cmake --build "$dir" -j "$(nproc)"
    else
      cmake --build "$dir" -j "$(nproc)" --target "${targets[@]}"
    fi
}

suite_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Only CI fuzzes (fuzz/run.sh): clang and its sanitizer and libFuzzer
# runtimes, which the README's build and tests do not need.
suite_install_fuzz_packages() {
  local suite_packages=(clang libclang-rt-dev)
  suite_install_missing
}
