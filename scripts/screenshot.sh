#!/usr/bin/env bash
# Draws the real window with the sample module loaded into the README's pictures, in the
# English interface: docs/screenshot.png (troop view), docs/party_templates.png,
# docs/parties.png at the starting size, docs/grown.png (troop view in an enlarged window),
# and docs/chinese.png, the troop view in the Chinese interface.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
mkdir -p "$ROOT/docs"
shot() { QT_QPA_PLATFORM=offscreen "$BUILD/tools/lancefall-screenshot" "$ROOT/samples/module" "$ROOT/docs/$1" "${@:2}"; }
export LANCEFALL_LANGUAGE=en
shot screenshot.png troops.txt 3
shot party_templates.png party_templates.txt 3
shot parties.png parties.txt 3
shot grown.png troops.txt 3 1500x1000
LANCEFALL_LANGUAGE=zh_CN shot chinese.png troops.txt 3
echo "Wrote the pictures in $ROOT/docs"
