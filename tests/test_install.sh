#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR with the prefix /usr, then
#   layout: checks the installed files (program, sound module and cues beside
#           it, launcher symlink, desktop entry, metainfo, icon);
#   launch: starts the installed program offscreen through the launcher for a
#           few seconds under strace and checks that it loads its sound module
#           and opens its start cue from beside the installed program; then
#           that it still runs, silent, with the module missing or broken;
#   package: builds the .deb and checks that Debian's checker, lintian, finds
#           nothing in it but the maintainer address, still a placeholder.
# Usage: test_install.sh layout|launch|package <build folder> <app id> <cue name>...
# Exit status: 0 passed, 1 failed, 77 skipped.
set -uo pipefail

mode=${1:?mode}
build=${2:?build folder}
app_id=${3:?app id}
shift 3
cues=("$@")
program=analisi-grammaticale
module=analisi-grammaticale-sound.so
factory=analisi_grammaticale_sound_player

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
skip() { echo "SKIP: $*"; exit 77; }

root=$(mktemp -d /tmp/test_install.XXXXXX)
trap 'rm -rf "$root"' EXIT
usr=$root/usr
progdir=$usr/lib/$program

if ! DESTDIR=$root cmake --install "$build" --prefix /usr > "$root/install.log" 2>&1; then
    cat "$root/install.log" >&2
    echo "FAIL: cmake --install into $root" >&2
    exit 1
fi

check_layout() {
    # The program, in its own folder.
    local exe=$progdir/$program
    if [ -f "$exe" ] && [ ! -L "$exe" ] && [ -x "$exe" ]; then
        [ "$(head -c 4 "$exe" | od -An -c | tr -d ' ')" = '177ELF' ] || fail "$exe is not an ELF program"
    else
        fail "no executable program at $exe"
    fi

    # The sound module beside it: a shared object exporting the player's
    # factory. Qt Multimedia is the module's alone: the program does not load
    # it at start-up.
    local mod=$progdir/$module
    if [ -f "$mod" ] && [ ! -L "$mod" ]; then
        [ "$(head -c 4 "$mod" | od -An -c | tr -d ' ')" = '177ELF' ] || fail "$mod is not an ELF file"
        # e_type, little-endian, at offset 16: 3 is a shared object
        [ "$(od -An -tu2 -j16 -N2 "$mod" | tr -d ' ')" = 3 ] || fail "$mod is not a shared object"
    else
        fail "no sound module at $mod"
    fi
    if command -v readelf > /dev/null; then
        if [ -f "$mod" ]; then
            readelf -W --dyn-syms "$mod" | awk -v f="$factory" '$5 == "GLOBAL" && $7 != "UND" && $8 == f { ok = 1 } END { exit !ok }' \
                || fail "$mod does not export $factory"
            readelf -d "$mod" | grep -q 'NEEDED.*\[libQt6Multimedia\.so' || fail "$mod does not use Qt Multimedia"
        fi
        if [ -f "$exe" ] && readelf -d "$exe" | grep -q 'NEEDED.*\[libQt6Multimedia\.so'; then
            fail "$exe is linked to Qt Multimedia"
        fi
    else
        echo "readelf not installed: the module's symbols and the libraries needed not checked"
    fi
    local entries
    entries=$(cd "$progdir" 2>/dev/null && find . -mindepth 1 -maxdepth 1 -printf '%f\n' | sort | tr '\n' ' ')
    [ "$entries" = "$program $module suoni " ] || fail "$progdir holds '$entries'"

    # The cues beside it: exactly the ones built, unchanged, not executable.
    [ ${#cues[@]} -eq 10 ] || fail "expected the names of ten cues, got ${#cues[@]}"
    local name wav
    for name in "${cues[@]}"; do
        wav=$progdir/suoni/$name.wav
        if [ ! -f "$wav" ]; then
            fail "missing cue $wav"
            continue
        fi
        [ "$(head -c 4 "$wav")" = RIFF ] || fail "$wav is not a RIFF file"
        cmp -s "$wav" "$build/suoni/$name.wav" || fail "$wav differs from the built cue"
        [ ! -x "$wav" ] || fail "$wav is executable"
    done
    local count
    count=$(find "$progdir/suoni" -mindepth 1 2>/dev/null | wc -l)
    [ "$count" -eq ${#cues[@]} ] || fail "$progdir/suoni holds $count entries, expected ${#cues[@]}"

    # The launcher: a relative symlink that resolves to the program.
    local link=$usr/bin/$program
    if [ -L "$link" ]; then
        local target
        target=$(readlink "$link")
        [ "$target" = "../lib/$program/$program" ] || fail "$link points to '$target'"
        [ "$(readlink -f "$link")" = "$(readlink -f "$exe")" ] || fail "$link does not resolve to $exe"
    else
        fail "no symlink at $link"
    fi

    # What Debian asks of a package: the licence in a machine-readable
    # copyright file, a compressed changelog, a manual page for each program
    # on the PATH that man reads without a warning.
    local doc=$usr/share/doc/$program
    grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$doc/copyright" \
        || fail "no machine-readable copyright file in $doc"
    gzip -t "$doc/changelog.Debian.gz" 2>/dev/null || fail "no compressed changelog in $doc"
    grep -q '^# Raccolte di frasi per gli insegnanti' "$doc/raccolte.md" 2>/dev/null \
        || fail "no teachers' guide at $doc/raccolte.md"
    local command page out
    for command in "$usr"/bin/*; do
        page=$usr/share/man/man1/$(basename "$command").1.gz
        if [ ! -f "$page" ]; then
            fail "no manual page for $(basename "$command") at $page"
        elif command -v man > /dev/null; then
            out=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 > /dev/null)
            [ -z "$out" ] || fail "man warns about $page: $out"
        fi
    done

    # The desktop entry, naming the launcher and the installed icon.
    local desktop=$usr/share/applications/$app_id.desktop
    local icon=$usr/share/icons/hicolor/scalable/apps/$app_id.svg
    local metainfo=$usr/share/metainfo/$app_id.metainfo.xml
    if [ -f "$desktop" ]; then
        key() { sed -n "s/^$1=//p" "$desktop"; }
        [ "$(key Type)" = Application ] || fail "desktop entry: Type is not Application"
        [ "$(key Name)" = "Analisi grammaticale" ] || fail "desktop entry: Name is '$(key Name)'"
        [ -n "$(key Comment)" ] || fail "desktop entry: no Comment"
        [ "$(key Terminal)" = false ] || fail "desktop entry: Terminal is not false"
        local exec
        exec=$(key Exec)
        [ "${exec%% *}" = "$program" ] && [ -x "$usr/bin/${exec%% *}" ] \
            || fail "desktop entry: Exec '$exec' is not the installed launcher"
        [ "$(key Icon)" = "$app_id" ] || fail "desktop entry: Icon '$(key Icon)' is not $app_id"
        local category
        for category in Education Languages; do
            case ";$(key Categories)" in
                *";$category;"*) ;;
                *) fail "desktop entry: Categories '$(key Categories)' lack $category" ;;
            esac
        done
        if command -v desktop-file-validate > /dev/null; then
            local out
            out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $out"
            [ -z "$out" ] || fail "desktop-file-validate: $out"
        else
            echo "desktop-file-validate not installed: desktop entry not validated"
        fi
    else
        fail "no desktop entry at $desktop"
    fi

    # The icon: well-formed SVG.
    if [ -f "$icon" ]; then
        grep -q '<svg[^>]*xmlns="http://www.w3.org/2000/svg"' "$icon" || fail "$icon has no SVG root"
        if command -v xmllint > /dev/null; then
            xmllint --noout "$icon" || fail "$icon is not well-formed XML"
        else
            echo "xmllint not installed: icon not checked for well-formedness"
        fi
    else
        fail "no icon at $icon"
    fi

    # The metainfo, naming the desktop entry.
    if [ -f "$metainfo" ]; then
        grep -q "<id>$app_id</id>" "$metainfo" || fail "metainfo: id is not $app_id"
        grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" \
            || fail "metainfo: launchable is not $app_id.desktop"
        if command -v appstreamcli > /dev/null; then
            local out
            out=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1) \
                || fail "appstreamcli validate: $out"
        else
            echo "appstreamcli not installed: metainfo not validated"
        fi
    else
        fail "no metainfo at $metainfo"
    fi
}

# Starts the installed program through the launcher, offscreen, under strace
# (openat calls into $1) for 3 s; fails unless it was still running then.
launch_traced() {
    local trace=$1 what=$2
    local status=0
    # From / so that nothing is found relative to the build folder; the inner
    # timeout ends the program, which must still be running after 3 s.
    (cd / && QT_QPA_PLATFORM=offscreen timeout -k 10 30 \
        strace -f -qq -e trace=openat -o "$trace" \
        timeout -s TERM 3 "$usr/bin/$program") > "$root/program.log" 2>&1 || status=$?
    if [ "$status" -ne 124 ]; then
        cat "$root/program.log" >&2
        fail "the installed program$what did not keep running for 3 s (exit status $status)"
    fi
}

# Did the trace $1 record a successful openat of the file $2, whether strace
# logged it in one line or as "<unfinished ...>" then "<... openat resumed>
# ... = fd" in its thread?
opened() {
    awk -v path="\"$2\"" '
        index($0, path) && / = [0-9]+$/ { found = 1 }
        index($0, path) && /<unfinished \.\.\.>$/ { pending[$1] = 1 }
        /<\.\.\. openat resumed>/ && pending[$1] { if (/ = [0-9]+$/) found = 1; delete pending[$1] }
        END { exit !found }' "$1"
}

check_launch() {
    command -v strace > /dev/null || skip "strace not installed"
    strace -o /dev/null true 2> /dev/null || skip "strace cannot trace here"
    local trace=$root/openat.trace
    local cue=$progdir/suoni/conga.wav
    local mod=$progdir/$module

    launch_traced "$trace" ""
    opened "$trace" "$mod" || fail "the program did not load its sound module $mod"
    opened "$trace" "$cue" || fail "the program did not open $cue"
    local stray
    stray=$(grep -E '"[^"]*suoni/[^"]*"' "$trace" | grep -vF "\"$progdir/suoni/")
    [ -z "$stray" ] || fail "the program looked for cues elsewhere: $stray"
    # (Qt may look in a CPU-specific subfolder first: still the program's own.)
    stray=$(grep -F "$module" "$trace" | grep -vF "\"$progdir/")
    [ -z "$stray" ] || fail "the program looked for its sound module elsewhere: $stray"

    # Without a usable module the program runs on, silent: the cue player
    # (which reads the cue) is in the module.
    [ -f "$mod" ] || return 0
    mv "$mod" "$root/module.saved"
    launch_traced "$trace" " without its sound module"
    ! opened "$trace" "$cue" || fail "the program opened $cue without its sound module"
    printf 'not a module\n' > "$mod"
    launch_traced "$trace" " with a broken sound module"
    opened "$trace" "$mod" || fail "the program did not try its broken sound module $mod"
    ! opened "$trace" "$cue" || fail "the program opened $cue with a broken sound module"
}

check_package() {
    command -v lintian > /dev/null || skip "lintian not installed"
    local out=$root/package deb tags
    if ! (cd "$build" && cpack -G DEB -B "$out") > "$root/cpack.log" 2>&1; then
        cat "$root/cpack.log" >&2
        fail "cpack could not build the package"
        return
    fi
    deb=$(find "$out" -maxdepth 1 -name '*.deb' | head -n 1)
    [ -n "$deb" ] || { fail "cpack made no .deb in $out"; return; }
    tags=$(lintian "$deb" 2>&1 | grep -E '^[EW]: ' | grep -vE ': bogus-mail-host(-in-debian-changelog)? ')
    [ -z "$tags" ] || fail "lintian: $tags"
}

case "$mode" in
    layout) check_layout ;;
    launch) check_launch ;;
    package) check_package ;;
    *) echo "unknown mode '$mode'" >&2; exit 2 ;;
esac

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "ok: $mode"
