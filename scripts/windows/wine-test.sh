#!/usr/bin/env bash
# make windows-test: the Windows build checked under Wine on a virtual
# display (Xvfb with openbox). A fresh Wine prefix; the installer run
# silently, as a school's administrator would; then the installed program
# driven through a whole series to FINE (drive-series.sh), drilling the
# collection wine-series.txt from the folder every account shares
# (C:\ProgramData\analisi-grammaticale\frasi); then the uninstaller, which
# must remove the program and leave the collections. Screenshots of every
# step in BUILD/wine-shots. Skipped, with a message, without the cross-built
# Qt (make windows builds it; it takes long).
# Usage: wine-test.sh [build folder, default build-windows]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
. "$here/qt-cache.sh"
out=$(mkdir -p "${1:-$root/build-windows}" && cd "${1:-$root/build-windows}" && pwd)

if [ ! -e "$QT_WINDOWS_READY" ]; then
    echo "windows-test skipped: no cross-built Qt in $QT_WINDOWS_PREFIX (make windows builds it first)."
    exit 0
fi
bash "$root/scripts/install-deps.sh" --windows
bash "$here/build-program.sh" "$out"
version=$(sed -n 's/^project(analisi_grammaticale VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
setup="$out/analisi-grammaticale-$version-setup.exe"
shots="$out/wine-shots"
rm -rf "$shots"

fail() { echo "windows-test: FAILED at: $*" >&2; exit 1; }

# A display of our own, with a window manager so that windows are placed and
# maximised as on a desktop.
n=201
while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
export DISPLAY=:$n
pids=()
cleanup() {
    wineserver -k 2>/dev/null || true
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
}
trap cleanup EXIT
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp > /dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
openbox > /dev/null 2>&1 &
pids+=($!)

# A fresh 64-bit Wine prefix; no prompts to fetch Mono or Gecko.
export WINEPREFIX="$out/wine-prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
rm -rf "$WINEPREFIX"
echo "Preparing a Wine prefix in $WINEPREFIX"
wineboot --init > "$out/wineboot.log" 2>&1 || fail "preparing Wine (see $out/wineboot.log)"
wineserver -w

echo "Installing $(basename "$setup") silently"
wine "$setup" /S > "$out/install.log" 2>&1 || fail "the installer (see $out/install.log)"
wineserver -w
install_dir="$WINEPREFIX/drive_c/Program Files/Analisi grammaticale"
for f in analisi-grammaticale.exe analisi-grammaticale-frasi.exe analisi-grammaticale-sound.dll \
         platforms/qwindows.dll sqldrivers/qsqlite.dll suoni/esatto.wav lessico/morph-it.lex Disinstalla.exe; do
    [ -e "$install_dir/$f" ] || fail "the installer (no $f in $install_dir)"
done
common="$WINEPREFIX/drive_c/ProgramData/analisi-grammaticale/frasi"
[ -d "$common" ] || fail "the installer (no shared collections folder $common)"
ls "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Analisi grammaticale/"*.lnk > /dev/null 2>&1 \
    || fail "the installer (no Start-menu entries)"
wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\analisi-grammaticale' /v UninstallString \
    > /dev/null 2>&1 || fail "the installer (not listed among the installed programs)"
cp "$root/packaging/windows/wine-series.txt" "$common/"

bash "$here/drive-series.sh" "$shots" wine "C:\\Program Files\\Analisi grammaticale\\analisi-grammaticale.exe"

echo "Uninstalling silently"
wine "$install_dir/Disinstalla.exe" /S > "$out/uninstall.log" 2>&1 || fail "the uninstaller (see $out/uninstall.log)"
# The uninstaller runs on from a copy of itself: wait for its end.
wineserver -w
[ ! -e "$install_dir/analisi-grammaticale.exe" ] || fail "the uninstaller (the program is still there)"
[ -e "$common/wine-series.txt" ] || fail "the uninstaller (it removed the teachers' collections)"
echo "windows-test: passed (screenshots in $shots)"
