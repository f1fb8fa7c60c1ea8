#!/usr/bin/env bash
# Installs the Debian packages Kelvor needs, for one of three uses:
#   scripts/setup.sh run      building and running the editor (what ./run needs)
#   scripts/setup.sh test     that and the test tools (what ./test needs)
#   scripts/setup.sh windows  building kelvor-cli.exe (scripts/windows.sh cli)
# With --dry-run first, prints the commands instead of running them.
# Idempotent: prints nothing and installs nothing when all are present.
set -euo pipefail

# The header-only libraries of the command-line tool, for either system.
cli_header_packages=(libcli11-dev nlohmann-json3-dev libxxhash-dev)
# Building and running the editor and the command-line tool.
run_packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev
  qt6-tools-dev qt6-l10n-tools
  qt6-translations-l10n
  fonts-ipafont-gothic
  "${cli_header_packages[@]}"
)
# Showing the editor on a virtual display and taking a screenshot of it:
# ./run needs these only where there is no display; the real-window tests
# always need them.
headless_packages=(xvfb xdotool x11-utils imagemagick)
# Unit tests, benchmarks, the sanitizer and fuzzing build, valgrind over the
# bitmap decoding, the install check.
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev valgrind
  desktop-file-utils shared-mime-info
  git
)
# The Windows build: the cross compiler with posix threads (and with it
# mingw-w64's headers and libraries), GoogleTest's sources for its tests
# (googletest comes with libgtest-dev) and wine to run them.
windows_packages=(cmake ninja-build g++-mingw-w64-x86-64-posix "${cli_header_packages[@]}")
wine_packages=(wine wine64)

dry_run=false
if [ "${1:-}" = --dry-run ]; then dry_run=true; shift; fi
case "${1:-}" in
  run)
    packages=("${run_packages[@]}")
    if [ -z "${DISPLAY:-}" ]; then packages+=("${headless_packages[@]}"); fi
    ;;
  test)
    packages=("${run_packages[@]}" "${headless_packages[@]}" "${test_packages[@]}" "${windows_packages[@]}"
      "${wine_packages[@]}")
    ;;
  windows) packages=("${windows_packages[@]}") ;;
  *)
    echo "usage: $0 [--dry-run] run|test|windows" >&2
    exit 2
    ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

# sudo drops exported variables, so the non-interactive setting is given to
# apt-get through env on its own command line.
as_root=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    echo "Missing packages: ${missing[*]}. Run this as root, or install sudo." >&2
    exit 1
  fi
  as_root=(sudo)
fi
apt=("${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get)

echo "Installing: ${missing[*]}"
if $dry_run; then
  echo "${apt[*]} update -qq"
  echo "${apt[*]} install -y -qq --no-install-recommends ${missing[*]}"
  exit 0
fi
"${apt[@]}" update -qq
"${apt[@]}" install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
