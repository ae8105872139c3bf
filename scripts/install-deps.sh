#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the program and the tests need.
# Idempotent: installs only what is missing. Uses sudo when not root.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-translations-l10n libgl-dev
  # The SVG library for the build tool that draws the splash picture and for
  # the tests; it brings libqt6svg6, whose image-format plugin the program
  # draws its other pictures with.
  qt6-svg-dev
  libgtest-dev libbenchmark-dev clang-format clang-tidy
  clang-14 libclang-rt-14-dev
  fonts-ipafont-gothic fonts-liberation2 fonts-dejavu-core
  # Speaking aloud: Qt TextToSpeech with the offline flite engine. The
  # declarative headers only provide QtQmlIntegration, which the
  # TextToSpeech headers include. (scripts/make_ipa.py also needs espeak-ng;
  # neither the build nor the tests do.)
  qt6-speech-dev qt6-speech-flite-plugin qt6-declarative-dev
  poppler-utils
  # Anki packages: a zip reader, zstd for the current layout and SQLite for
  # the collection (the module lumo-decks); KDE's vocabulary files, which the
  # tests import every one of.
  libzip-dev libzstd-dev libsqlite3-dev kdeedu-kvtml-data
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
