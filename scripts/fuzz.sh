#!/usr/bin/env bash
# Builds everything with clang, AddressSanitizer and UndefinedBehaviorSanitizer into
# build-fuzz/, runs the unit tests once under the sanitizers, then each fuzz target of
# fuzz/ for FUZZ_SECONDS seconds (20 by default), starting from seeds made of the sample
# module and of generated modules. A crash, a sanitizer report or a broken invariant fails
# the script; libFuzzer leaves the input in build-fuzz/fuzz-artifacts/. Installs what is
# missing (Debian 12), so it runs on a fresh machine as root. .ci/run calls it.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$ROOT/build-fuzz"
SECONDS_EACH="${FUZZ_SECONDS:-20}"
TARGETS=(troops_file party_templates_file parties_file item_catalogue faction_catalogue
         troop_record party_template_record party_record number_codecs table_reader)
# clang and its runtimes (libFuzzer, the sanitizers), llvm for readable stack traces;
# qt6-l10n-tools compiles the translations built into the window.
PACKAGES=(clang libclang-rt-14-dev llvm cmake ninja-build qt6-base-dev qt6-base-dev-tools qt6-l10n-tools libgl-dev
          libcsv-dev)

if ! dpkg -s "${PACKAGES[@]}" > /dev/null 2>&1; then
    echo "Installing what is missing of: ${PACKAGES[*]}"
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${PACKAGES[@]}"
fi

cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DLANCEFALL_FUZZ=ON
cmake --build "$BUILD" -j "$(nproc)"

echo "== Unit tests under AddressSanitizer and UndefinedBehaviorSanitizer"
(cd "$BUILD" && QT_QPA_PLATFORM=offscreen UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j "$(nproc)")

rm -rf "$BUILD/fuzz-seeds"
"$BUILD/fuzz/lancefall-fuzz-seeds" "$ROOT/samples/module" "$BUILD/fuzz-seeds"
mkdir -p "$BUILD/fuzz-artifacts"
for target in "${TARGETS[@]}"; do
    echo "== Fuzzing $target for $SECONDS_EACH s"
    corpus="$BUILD/fuzz-corpus/$target"
    log="$BUILD/fuzz-artifacts/$target.log"
    mkdir -p "$corpus"
    if ! "$BUILD/fuzz/fuzz_$target" -max_total_time="$SECONDS_EACH" -print_final_stats=1 \
        -artifact_prefix="$BUILD/fuzz-artifacts/$target-" "$corpus" "$BUILD/fuzz-seeds/$target" > "$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz_$target failed; the input is in $BUILD/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E "^stat::(number_of_executed_units|peak_rss_mb)" "$log"
done
echo "== Every fuzz target ran $SECONDS_EACH s without a finding"
