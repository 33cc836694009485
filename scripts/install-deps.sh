#!/usr/bin/env bash
# Installs, with apt-get, the Debian 12 packages that building, running and
# testing the drill need: only those that are missing, without questions.
# This is the project's one list of system packages.
set -euo pipefail

packages=(
    # build
    cmake g++ make pkg-config qt6-base-dev qt6-multimedia-dev
    # run: the window system plugins, audio through PulseAudio when present
    qt6-qpa-plugins libqt6multimedia6 pulseaudio-utils
    # fonts the layouts name, through fontconfig's aliases:
    # Arial -> Liberation Sans, Bookman Old Style -> URW Bookman
    fontconfig fonts-liberation fonts-urw-base35
    # a virtual display for machines without one, and for looking at windows;
    # a session bus of the program's own there (dbus-run-session)
    xvfb xauth openbox x11vnc imagemagick xdotool dbus-daemon procps
    # the sentence editor: the Italian analysis behind its proposals, and
    # Qt's own dialogs in Italian
    apertium apertium-spa-ita cg3 qt6-translations-l10n
    # tests: measuring the cue files, a real sound server with a null sink
    sox pulseaudio strace desktop-file-utils appstream libxml2-utils
    # the .deb (make package): its library dependencies by dpkg-shlibdeps
    dpkg-dev
    # checks: Debian's own checker of the .deb (lintian build/*.deb), also
    # run by the tests; man checks the manual pages
    lintian man-db
    # maintainers: the answer key's cross-check with the same analyser
    python3 lttoolbox
    # checks: fuzzing the collection reader with libFuzzer (make fuzz)
    clang-14 libclang-rt-14-dev
    # build: npm fetches the lexicon's data (Morph-it!) at pinned versions
    npm
    # reading aloud: Qt's text-to-speech (its CMake files need the QML
    # integration's) through speech-dispatcher, with a real Italian voice
    qt6-speech-dev qt6-declarative-dev libqt6texttospeech6 qt6-speech-speechd-plugin
    speech-dispatcher speech-dispatcher-espeak-ng
    # the high-legibility face
    fonts-open-sans
    # the pupil's history: SQLite through Qt SQL, and the progress charts
    libqt6sql6-sqlite qt6-charts-dev
    # a school's server: PostgreSQL through Qt SQL's driver; the tests start
    # a real server of their own
    libqt6sql6-psql postgresql
    # the class view's PDF printout (Qt's print support; its headers come
    # with qt6-base-dev)
    libqt6printsupport6
)
# make windows and make windows-test only (scripts/install-deps.sh --windows):
# the cross compilers, Qt's sources with dpkg-source, Ninja for Qt's build,
# the installer builder, and Wine to run the result; tclsh makes SQLite's
# one-file source for the Windows SQLite driver.
if [ "${1:-}" = "--windows" ]; then
    packages+=(
        mingw-w64 gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix
        dpkg-dev ninja-build nsis wine wine64 tcl
    )
fi

# A command that another package already brings (a Node.js that ships its
# own npm conflicts with Debian's npm package) counts as installed.
provided_by_command() {
    case "$1" in
        npm) command -v npm >/dev/null 2>&1 ;;
        *) return 1 ;;
    esac
}

missing=()
for p in "${packages[@]}"; do
    provided_by_command "$p" && continue
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The layouts' faces must really resolve to the metric-compatible substitutes.
check_font() {
    local got
    got=$(fc-match -f '%{family[0]}' "$1")
    if [ "$got" != "$2" ]; then
        echo "fontconfig gives '$got' for '$1', expected '$2'" >&2
        exit 1
    fi
}
check_font "Arial" "Liberation Sans"
check_font "Bookman Old Style" "URW Bookman"
check_font "Open Sans" "Open Sans"
