#!/usr/bin/env bash
# Renders the application icon, packaging/icons/hicolor/scalable/apps/*.svg, into the PNG
# sizes beside it with rsvg-convert (Debian: librsvg2-bin). The PNGs are committed, so the
# build needs no converter: run this after changing the SVG, and commit both.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
ICONS="$ROOT/packaging/icons/hicolor"
NAME=org.lancefall.ModuleEditor

source "$ROOT/scripts/install_missing.sh"
install_missing librsvg2-bin
for size in 16 32 48 64 128 256; do
    mkdir -p "$ICONS/${size}x${size}/apps"
    rsvg-convert -w "$size" -h "$size" "$ICONS/scalable/apps/$NAME.svg" -o "$ICONS/${size}x${size}/apps/$NAME.png"
done
echo "Rendered $ICONS/*/apps/$NAME.png"
