#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the program and the tests need.
# Idempotent: installs only what is missing. As root it installs directly;
# otherwise through sudo, and where there is no sudo it says what to run as root.
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
  # TextToSpeech headers include. (scripts/make_pronunciation.py reads the
  # pronouncing dictionary from npm; neither the build nor the tests do.)
  qt6-speech-dev qt6-speech-flite-plugin qt6-declarative-dev
  poppler-utils
  # CPack's dependency scan of the Debian package (scripts/build-deb.sh), and
  # the check of the package's AppStream metadata.
  file appstream
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

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null 2>&1; then
    {
      echo "These Debian packages are missing: ${missing[*]}"
      echo "There is no sudo here to install them. Run this as root (for example after 'su -'), then try again:"
      echo "  apt-get update && apt-get install -y --no-install-recommends ${missing[*]}"
    } >&2
    exit 1
  fi
  as_root=(sudo)
fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
