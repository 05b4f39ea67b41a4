#!/usr/bin/env bash
# Installs what the build needs (Debian packages) and builds everything into build/.
# Sourced by run.sh, test.sh and package.sh.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$ROOT/build"
source "$ROOT/scripts/install_missing.sh"
# qt6-l10n-tools: lrelease compiles the translations into the program, lupdate checks them;
# qt6-translations-l10n: Qt's own dialogs in Chinese.
install_missing cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools qt6-l10n-tools libgl-dev libcsv-dev \
    fonts-noto-cjk qt6-translations-l10n xvfb xauth

cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$BUILD" -j "$(nproc)"
