#!/usr/bin/env bash
# Cross-builds the Qt modules the drill uses for 64-bit Windows with
# mingw-w64: Core, Gui, Widgets, Network (Qt Multimedia will not build
# without it), Sql with its SQLite driver (the pupil's history), the Windows
# platform plugin, Multimedia with its Windows audio backend, Charts and
# TextToSpeech. The sources are Debian's own (apt-get source, same versions
# as the host Qt whose moc, rcc and uic the build uses; SQLite at Debian's
# version, since Debian's Qt sources leave Qt's copy of it out), checked by
# apt against the signed archive index and by dpkg-source against the .dsc.
# The result stays in the cache folder (scripts/windows/qt-cache.sh); a
# second run finds it and returns at once.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
. "$here/qt-cache.sh"

if [ -e "$QT_WINDOWS_READY" ]; then
    echo "Cross-built Qt $QT_WINDOWS_VERSION already in $QT_WINDOWS_PREFIX"
    exit 0
fi

jobs=${JOBS:-$(nproc)}
src="$AG_WINDOWS_CACHE/src"
work="$AG_WINDOWS_CACHE/build"
logs="$AG_WINDOWS_CACHE/logs"
mkdir -p "$src" "$work" "$logs"
# Everything heavy runs at the lowest priority: the machine stays usable.
low() { nice -n 19 ionice -c3 "$@"; }

host_version() {
    dpkg-query -W -f='${Version}' "$1"
}
base_version=$(host_version qt6-base-dev)
multimedia_version=$(host_version qt6-multimedia-dev)
charts_version=$(host_version qt6-charts-dev)
speech_version=$(host_version qt6-speech-dev)
sqlite_version=$(host_version libsqlite3-0)
case "$base_version" in
    "$QT_WINDOWS_VERSION"*) ;;
    *) echo "The host Qt is $base_version, the Windows build needs $QT_WINDOWS_VERSION" >&2; exit 1 ;;
esac

fetch() {  # package version folder
    local package=$1 version=$2 folder=$3
    local dsc="${package}_${version#*:}.dsc"
    if [ ! -d "$src/$folder" ]; then
        if ! (cd "$src" && apt-get source --download-only "$package=$version"); then
            echo "Could not fetch the sources of $package $version from Debian's archive;" \
                 "what is built so far stays in $AG_WINDOWS_CACHE for the next run." >&2
            exit 1
        fi
        # dpkg-source checks every file against the sizes and checksums
        # the .dsc lists, then applies Debian's patches.
        rm -rf "$src/$folder.partial"
        (cd "$src" && dpkg-source -x "$dsc" "$folder.partial")
        mv "$src/$folder.partial" "$src/$folder"
    fi
}
start=$(date +%s)
fetch qt6-base "$base_version" qtbase
fetch qt6-multimedia "$multimedia_version" qtmultimedia
fetch sqlite3 "$sqlite_version" sqlite3

# Video frames are never drawn by the drill, and the shader tools are one
# more Qt module to cross-build: without them the video shaders are left out.
mm_cmake="$src/qtmultimedia/src/multimedia/CMakeLists.txt"
if ! grep -q 'no shader tools: no video shaders' "$mm_cmake"; then
    sed -i '/^find_package(Qt6 COMPONENTS ShaderTools)$/a\
if(NOT COMMAND qt_internal_add_shaders)  # no shader tools: no video shaders\
    function(qt_internal_add_shaders)\
    endfunction()\
endif()' "$mm_cmake"
fi

# Qt Multimedia's camera image capture saves through Qt Concurrent, one more
# module: a plain thread-pool task does the same (packaging/windows/qt-patches).
for patch in "$root"/packaging/windows/qt-patches/qtmultimedia-*.patch; do
    done_mark="$src/qtmultimedia/.applied-$(basename "$patch")"
    if [ ! -e "$done_mark" ]; then
        patch -d "$src/qtmultimedia" -p1 --batch --forward < "$patch"
        touch "$done_mark"
    fi
done

# Qt Multimedia's Windows sources name some Windows headers and libraries
# with capitals (<Mferror.h>, Mfplat); mingw-w64 has them in lower case, and
# Debian's file system minds the case. Links with the capitalized names,
# and the libraries found by their lower-case names.
mingw_root=/usr/x86_64-w64-mingw32
shims="$work/case-shims"
rm -rf "$shims"; mkdir -p "$shims"
grep -rhoE '#include <[A-Za-z0-9_]+\.h>' "$src/qtmultimedia/src" | sed 's/#include <//; s/>//' | sort -u |
while read -r header; do
    lower=$(echo "$header" | tr '[:upper:]' '[:lower:]')
    if [ ! -e "$mingw_root/include/$header" ] && [ -e "$mingw_root/include/$lower" ]; then
        ln -s "$mingw_root/include/$lower" "$shims/$header"
    fi
done
wmf_libs=()
for lib in Mf Mfuuid Mfplat Mfcore Propsys; do
    upper=$(echo "$lib" | tr '[:lower:]' '[:upper:]')
    wmf_libs+=(-DWMF_${upper}_LIBRARY="$mingw_root/lib/lib$(echo "$lib" | tr '[:upper:]' '[:lower:]').a")
done

export AG_WINDOWS_QT_PREFIX="$QT_WINDOWS_PREFIX"
# The build folders remember the toolchain's path: a copy in the cache keeps
# them usable when the work tree that started them is gone. Copied only when
# it changed, so that an unchanged copy does not make CMake run again.
toolchain="$AG_WINDOWS_CACHE/mingw-toolchain.cmake"
cmp -s "$root/packaging/windows/mingw-toolchain.cmake" "$toolchain" \
    || cp "$root/packaging/windows/mingw-toolchain.cmake" "$toolchain"
common=(
    -G Ninja
    -DCMAKE_TOOLCHAIN_FILE="$toolchain"
    -DCMAKE_BUILD_TYPE=Release
    -DCMAKE_INSTALL_PREFIX="$QT_WINDOWS_PREFIX"
    -DQT_HOST_PATH=/usr
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF
)

step() {  # name, then the command; its output goes to logs/name.log
    local name=$1; shift
    echo "  $name (log: $logs/$name.log)"
    if ! low "$@" > "$logs/$name.log" 2>&1; then
        echo "Failed: $name. The end of $logs/$name.log:" >&2
        tail -n 30 "$logs/$name.log" >&2
        exit 1
    fi
}

echo "Cross-building Qt $QT_WINDOWS_VERSION for Windows into $QT_WINDOWS_PREFIX (long: see BENCHMARKS.md)"
# SQLite, as one static library that the SQLite driver takes in: no extra
# DLL to ship. Its one-file form is generated on this machine (tclsh).
sqlite="$AG_WINDOWS_CACHE/sqlite-mingw64"
if [ ! -e "$sqlite/lib/libsqlite3.a" ]; then
    mkdir -p "$work/sqlite" "$sqlite/include" "$sqlite/lib"
    step sqlite-amalgamation sh -c "cd '$work/sqlite' && '$src/sqlite3/configure' --disable-tcl && make sqlite3.c"
    step sqlite-build x86_64-w64-mingw32-gcc-posix -O2 -DSQLITE_THREADSAFE=1 \
        -DSQLITE_ENABLE_COLUMN_METADATA -DSQLITE_OMIT_LOAD_EXTENSION \
        -c "$work/sqlite/sqlite3.c" -o "$work/sqlite/sqlite3.o"
    cp "$work/sqlite/sqlite3.h" "$work/sqlite/sqlite3ext.h" "$sqlite/include/"
    x86_64-w64-mingw32-ar rcs "$sqlite/lib/libsqlite3.a" "$work/sqlite/sqlite3.o"
fi
step qtbase-configure cmake -S "$src/qtbase" -B "$work/qtbase" "${common[@]}" \
    -DBUILD_SHARED_LIBS=ON \
    -DFEATURE_pkg_config=OFF \
    -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF \
    -DFEATURE_sql=ON -DFEATURE_sql_sqlite=ON -DFEATURE_system_sqlite=ON \
    -DSQLite3_INCLUDE_DIR="$sqlite/include" -DSQLite3_LIBRARY="$sqlite/lib/libsqlite3.a" \
    -DFEATURE_sql_odbc=OFF -DFEATURE_sql_psql=OFF -DFEATURE_sql_mysql=OFF \
    -DFEATURE_sql_oci=OFF -DFEATURE_sql_db2=OFF -DFEATURE_sql_ibase=OFF \
    -DFEATURE_dbus=OFF -DFEATURE_testlib=OFF \
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_printsupport=OFF \
    -DFEATURE_openssl=OFF -DFEATURE_zstd=OFF -DFEATURE_direct2d=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF \
    -DINPUT_freetype=qt -DFEATURE_system_freetype=OFF \
    -DINPUT_harfbuzz=qt -DFEATURE_system_harfbuzz=OFF \
    -DINPUT_libpng=qt -DFEATURE_system_png=OFF \
    -DINPUT_libjpeg=qt -DFEATURE_system_jpeg=OFF
step qtbase-build cmake --build "$work/qtbase" --parallel "$jobs"
step qtbase-install cmake --install "$work/qtbase"

step qtmultimedia-configure cmake -S "$src/qtmultimedia" -B "$work/qtmultimedia" "${common[@]}" \
    -DCMAKE_PREFIX_PATH="$QT_WINDOWS_PREFIX" \
    -DCMAKE_CXX_FLAGS="-I$shims" \
    "${wmf_libs[@]}"
# Without the Windows audio backend the drill would be silent: stop here.
grep -q 'Windows Media Foundation .* yes' "$logs/qtmultimedia-configure.log" \
    || { echo "Qt Multimedia configured without Windows Media Foundation: see $logs/qtmultimedia-configure.log" >&2; exit 1; }
step qtmultimedia-build cmake --build "$work/qtmultimedia" --parallel "$jobs"
step qtmultimedia-install cmake --install "$work/qtmultimedia"

# Fetched only now: Qt itself goes on being built when these are not yet
# reachable, and a second run picks up from here.
fetch qt6-charts "$charts_version" qtcharts
fetch qt6-speech "$speech_version" qtspeech
# Qt for Windows speaks only through SAPI (which needs ATL) or WinRT (which
# needs C++/WinRT): mingw-w64 has neither, so the module is built without
# voices and the drill disables reading aloud, saying why.
speech_plugins="$src/qtspeech/src/plugins/tts/CMakeLists.txt"
sed -i -E 's/^([[:space:]]*)add_subdirectory\((sapi|winrt)\)/\1# no ATL nor C++\/WinRT in mingw-w64: \2 left out/' "$speech_plugins"
if grep -qE '^[[:space:]]*add_subdirectory\((sapi|winrt)\)' "$speech_plugins"; then
    echo "Could not leave the SAPI and WinRT voices out of $speech_plugins" >&2; exit 1
fi

# Charts draw with the raster engine: OpenGL is not in this Qt.
for module in qtcharts qtspeech; do
    step $module-configure cmake -S "$src/$module" -B "$work/$module" "${common[@]}" \
        -DCMAKE_PREFIX_PATH="$QT_WINDOWS_PREFIX"
    step $module-build cmake --build "$work/$module" --parallel "$jobs"
    step $module-install cmake --install "$work/$module"
done

end=$(date +%s)
minutes=$(( (end - start + 59) / 60 ))
echo "Qt $QT_WINDOWS_VERSION for Windows built in $minutes min with $jobs jobs on $(nproc) cores" \
    | tee "$AG_WINDOWS_CACHE/build-time.txt"
touch "$QT_WINDOWS_READY"
