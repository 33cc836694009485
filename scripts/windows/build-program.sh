#!/usr/bin/env bash
# Builds the drill for Windows against the cross-built Qt (build-qt.sh),
# lays out its folder with everything it needs to run, and packs it twice:
# analisi-grammaticale-VERSION-windows.zip and the installer
# analisi-grammaticale-VERSION-setup.exe, both in the build folder.
# Usage: build-program.sh [build folder, default build-windows]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
. "$here/qt-cache.sh"
out=$(mkdir -p "${1:-$root/build-windows}" && cd "${1:-$root/build-windows}" && pwd)

if [ ! -e "$QT_WINDOWS_READY" ]; then
    echo "No cross-built Qt in $QT_WINDOWS_PREFIX: run 'make windows' (it builds it first)." >&2
    exit 1
fi
version=$(sed -n 's/^project(analisi_grammaticale VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
name="analisi-grammaticale-$version"
jobs=${JOBS:-$(nproc)}
low() { nice -n 19 ionice -c3 "$@"; }

# The cue synthesizer runs at build time, so it is built for this machine.
mkdir -p "$out/host"
if [ ! "$out/host/cue_synth" -nt "$root/tools/cue_synth.cpp" ]; then
    low g++ -std=c++20 -O2 -o "$out/host/cue_synth" "$root/tools/cue_synth.cpp"
fi

launcher=()
if command -v ccache > /dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
# So does the lexicon converter (with the host's Qt Core): a host build of
# this tree, of that one target.
low cmake -S "$root" -B "$out/host/tree" -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" > "$out/host-configure.log"
low cmake --build "$out/host/tree" --parallel "$jobs" --target lexicon_convert > "$out/host-build.log"
export AG_WINDOWS_QT_PREFIX="$QT_WINDOWS_PREFIX"
low cmake -S "$root" -B "$out/cross" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/packaging/windows/mingw-toolchain.cmake" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_PREFIX_PATH="$QT_WINDOWS_PREFIX" \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DAG_HOST_CUE_SYNTH="$out/host/cue_synth" \
    -DAG_HOST_LEXICON_CONVERT="$out/host/tree/lexicon_convert" \
    -DCMAKE_INSTALL_PREFIX="$out/$name" \
    "${launcher[@]}" > "$out/configure.log"
low cmake --build "$out/cross" --parallel "$jobs" \
    --target analisi-grammaticale analisi-grammaticale-sound cues analisi-grammaticale-frasi

# The folder the zip and the installer hold, from scratch every time.
rm -rf "${out:?}/$name"
cmake --install "$out/cross" > /dev/null

rm -f "$out/$name-windows.zip"
(cd "$out" && cmake -E tar cf "$name-windows.zip" --format=zip "$name")

low makensis -V2 -INPUTCHARSET UTF8 \
    -DVERSION="$version" \
    -DSTAGE="$out/$name" \
    -DLICENSE="$root/COPYING" \
    -DOUTFILE="$out/$name-setup.exe" \
    "$root/packaging/windows/installer.nsi"

echo "Windows build ready:"
echo "  $out/$name-windows.zip"
echo "  $out/$name-setup.exe"
