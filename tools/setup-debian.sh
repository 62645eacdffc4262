#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Vorbento
# need, if any is missing. Safe to run again: does nothing when all are there.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libgtest-dev libbenchmark-dev            # engine tests and benchmarks
  qt6-base-dev fonts-liberation            # the window and its font
  libfontconfig-dev                        # reading the font configuration ahead, at start-up
  nlohmann-json3-dev                       # the .vorbento document format (ordered JSON)
  poppler-utils                            # checking the PDF report (pdffonts, pdfimages, pdftotext)
  qt6-translations-l10n                    # Qt's own texts in Hungarian (qtbase_hu.qm)
  clang libclang-rt-14-dev                 # the fuzzer (libFuzzer, sanitizers)
  clang-format-14                          # the sources' format, checked by the tests
  xvfb xauth                               # a virtual display for window benchmarks
  openbox                                  # a real window manager for the maximised-window check
  dpkg-dev fakeroot file lintian           # the Debian package (CPack, shlibdeps) and its check
  desktop-file-utils appstream             # validating the desktop entry and the metainfo
  dbus dbus-bin at-spi2-core python3-pyatspi  # the window through AT-SPI (tests/ui/atspi_check.py)
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
