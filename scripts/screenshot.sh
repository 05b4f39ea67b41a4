#!/usr/bin/env bash
# Draws the real window with the sample module loaded into the README's pictures:
# docs/screenshot.png (troop view), docs/party_templates.png, docs/parties.png at the
# starting size, and docs/grown.png (troop view in an enlarged window).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
mkdir -p "$ROOT/docs"
shot() { QT_QPA_PLATFORM=offscreen "$BUILD/tools/lancefall-screenshot" "$ROOT/samples/module" "$ROOT/docs/$1" "${@:2}"; }
shot screenshot.png troops.txt 3
shot party_templates.png party_templates.txt 3
shot parties.png parties.txt 3
shot grown.png troops.txt 3 1500x1000
echo "Wrote the pictures in $ROOT/docs"
