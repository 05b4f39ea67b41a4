#!/usr/bin/env bash
# Installs what is missing, builds, and opens the editor from run/, a folder that
# holds the executable and a fresh copy of the sample module: Browse opens on it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
RUN="$ROOT/run"
rm -rf "$RUN"
mkdir -p "$RUN"
cp "$BUILD/src/lancefall-editor" "$RUN/"
cp "$ROOT"/samples/module/* "$RUN/"
echo "Sample module copied to $RUN"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting the editor in a virtual X server (xvfb-run)."
    exec xvfb-run -a "$RUN/lancefall-editor" "$@"
fi
exec "$RUN/lancefall-editor" "$@"
