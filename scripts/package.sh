#!/usr/bin/env bash
# Builds the Debian package build/lancefall-editor_<version>_<arch>.deb: installs what is
# missing, builds into build/ as test.sh does, then CPack packs what `cmake --install`
# puts under /usr, with the dependencies dpkg-shlibdeps finds in the programs.
# scripts/check_package.sh checks the package; .ci/run calls both.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
# dpkg-shlibdeps comes with dpkg-dev; CPack runs file to find the programs to examine.
install_missing dpkg-dev file

rm -f "$BUILD"/lancefall-editor_*.deb
(cd "$BUILD" && cpack -G DEB)
deb=$(ls "$BUILD"/lancefall-editor_*.deb)
echo "Built $deb"
echo "Install it with: sudo apt install $deb"
