#!/usr/bin/env bash
# Installs the Debian packages that building, testing and benchmarking need.
# Idempotent: packages already installed are left alone, and apt is not touched at all
# when nothing is missing.
set -euo pipefail

packages=(
  cmake
  make
  g++
  clang            # the libFuzzer targets (make fuzz)
  clang-format     # make format, and the format check in CI
  libclang-rt-14-dev
  libgtest-dev
  libgmock-dev
  libxml2-utils    # xmllint checks merged files for well-formedness
  python3          # the benchmark's input generator and report
  time             # /usr/bin/time -v measures peak memory in the benchmark
  qt6-base-dev
  fonts-dejavu-core  # a font for the widget tests, whose layout follows the font's metrics
  desktop-file-utils  # the install test checks the desktop entry with desktop-file-validate
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ "${#missing[@]}" -eq 0 ]; then
  exit 0
fi

echo "Installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo)
else
  echo "error: these packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
