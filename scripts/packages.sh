# Sourced by the other scripts: installs the Debian packages the build needs
# when any is missing and generates the locale the tests need, as root or
# through sudo.
suite_packages=(g++ cmake make qt6-base-dev qt6-translations-l10n fonts-dejavu-core fonts-dejavu-extra libgtest-dev libbenchmark-dev)
# the smoke test: a private X server, input events, the clipboard, screenshots
suite_packages+=(xvfb xdotool xclip imagemagick)
# the tests run the programs' number texts under the users' own locale too,
# whose decimal point is a comma
suite_packages+=(locales)
suite_user_locale=pt_BR.UTF-8

suite_as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

suite_install_missing() {
  local missing=() package
  for package in "${suite_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  suite_as_root apt-get update &&
    suite_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

# Generates the users' locale when it is not there yet: its line in
# /etc/locale.gen is enabled (or added), so that a later locale-gen keeps it.
suite_generate_locale() {
  # without -q grep reads every line, so the listing never ends on a broken pipe
  locale -a 2>/dev/null | grep -ix "${suite_user_locale%%.*}\.utf-\?8" >/dev/null && return 0
  local entry="$suite_user_locale UTF-8"
  echo "Generating the locale $suite_user_locale"
  if grep -qx "# *$entry" /etc/locale.gen 2>/dev/null; then
    suite_as_root sed -i "s/^# *$entry\$/$entry/" /etc/locale.gen
  elif ! grep -qx "$entry" /etc/locale.gen 2>/dev/null; then
    echo "$entry" | suite_as_root tee -a /etc/locale.gen >/dev/null
  fi
  suite_as_root /usr/sbin/locale-gen
}

# A build fails on a compiler warning only where SUITE_WARNINGS_AS_ERRORS=ON
# (CI): a user's newer compiler may warn where the suite's does not.
suite_build() {  # suite_build BUILD_DIR [cmake options...] -- [targets...]
  local dir=$1; shift
  local options=() targets=()
  while [ $# -gt 0 ] && [ "$1" != "--" ]; do options+=("$1"); shift; done
  [ "${1:-}" = "--" ] && shift
  targets=("$@")
  cmake -S "$suite_root" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_COMPILE_WARNING_AS_ERROR="${SUITE_WARNINGS_AS_ERRORS:-OFF}" "${options[@]}" >/dev/null &&
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

# Only CI checks the layout of the sources against .clang-format (git lists
# the sources); Debian's clang-format is the version whose output the
# committed sources hold.
suite_install_format_packages() {
  local suite_packages=(clang-format git)
  suite_install_missing
}
