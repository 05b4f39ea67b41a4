#!/usr/bin/env bash
# Draws the real window with the sample module loaded and a troop selected into
# docs/screenshot.png.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
mkdir -p "$ROOT/docs"
QT_QPA_PLATFORM=offscreen "$BUILD/tools/lancefall-screenshot" "$ROOT/samples/module" "$ROOT/docs/screenshot.png" troops.txt 3
echo "Wrote $ROOT/docs/screenshot.png"
