#!/bin/bash
# Installs the Debian packages the build needs, when missing; with --tests
# also the compiler and linker of the sanitizer build, with --package those
# that build the Debian package, with --fuzz the compiler of the fuzz targets.
set -euo pipefail
packages=(cmake g++ make qt6-base-dev libgl-dev libbenchmark-dev libicu-dev libxxhash-dev libzip-dev libxlsxwriter-dev
  fonts-ipafont-gothic qt6-translations-l10n)
if [[ "${1:-}" == "--package" ]]; then
  # dpkg-shlibdeps finds the shared libraries, with file to tell the programs;
  # dpkg-buildflags gives the hardening flags. The package's checks: lintian,
  # hardening-check (devscripts), appstreamcli (appstream) and
  # desktop-file-validate (desktop-file-utils).
  packages+=(dpkg-dev file lintian devscripts appstream desktop-file-utils)
elif [[ "${1:-}" == "--tests" ]]; then
  packages+=(clang lld)
elif [[ "${1:-}" == "--fuzz" ]]; then
  packages+=(clang)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
fi
