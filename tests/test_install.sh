#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR with the prefix /usr, then
#   layout: checks the installed files (program, cues beside it, launcher
#           symlink, desktop entry, metainfo, icon);
#   launch: starts the installed program offscreen through the launcher for a
#           few seconds under strace and checks that it opens its start cue
#           from the cue folder beside the installed program.
# Usage: test_install.sh layout|launch <build folder> <app id> <cue name>...
# Exit status: 0 passed, 1 failed, 77 skipped.
set -uo pipefail

mode=${1:?mode}
build=${2:?build folder}
app_id=${3:?app id}
shift 3
cues=("$@")
program=analisi-grammaticale

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

check_launch() {
    command -v strace > /dev/null || skip "strace not installed"
    strace -o /dev/null true 2> /dev/null || skip "strace cannot trace here"
    local trace=$root/openat.trace
    local status=0
    # From / so that nothing is found relative to the build folder; the inner
    # timeout ends the program, which must still be running after 3 s.
    (cd / && QT_QPA_PLATFORM=offscreen timeout -k 10 30 \
        strace -f -qq -e trace=openat -o "$trace" \
        timeout -s TERM 3 "$usr/bin/$program") > "$root/program.log" 2>&1 || status=$?
    if [ "$status" -ne 124 ]; then
        cat "$root/program.log" >&2
        fail "the installed program did not keep running for 3 s (exit status $status)"
    fi

    local cue=$progdir/suoni/conga.wav
    # A successful openat of the cue, whether strace logged it in one line or
    # as "<unfinished ...>" then "<... openat resumed> ... = fd" in its thread.
    awk -v path="\"$cue\"" '
        index($0, path) && / = [0-9]+$/ { found = 1 }
        index($0, path) && /<unfinished \.\.\.>$/ { pending[$1] = 1 }
        /<\.\.\. openat resumed>/ && pending[$1] { if (/ = [0-9]+$/) found = 1; delete pending[$1] }
        END { exit !found }' "$trace" \
        || fail "the program did not open $cue"
    local stray
    stray=$(grep -E '"[^"]*suoni/[^"]*"' "$trace" | grep -vF "\"$progdir/suoni/")
    [ -z "$stray" ] || fail "the program looked for cues elsewhere: $stray"
}

case "$mode" in
    layout) check_layout ;;
    launch) check_launch ;;
    *) echo "unknown mode '$mode'" >&2; exit 2 ;;
esac

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "ok: $mode"
