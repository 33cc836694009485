#!/usr/bin/env bash
# Makes apt able to fetch source packages: adds a deb-src entry for every
# Debian suite the machine already installs from, with the same mirrors and
# the same signing keys, so `apt-get source` verifies what it downloads.
# Does nothing when deb-src entries exist already.
set -euo pipefail

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
target_dir=/etc/apt/sources.list.d
ours="$target_dir/analisi-grammaticale-deb-src"

has_deb_src() {
    grep -rqsE '^[[:space:]]*(deb-src[[:space:]]|Types:.*deb-src)' /etc/apt/sources.list "$target_dir"
}
if has_deb_src; then
    exit 0
fi

tmp=$(mktemp)
trap 'rm -f "$tmp"' EXIT

# deb822 files: copy each stanza that carries "Types: deb" as "Types: deb-src".
for f in "$target_dir"/*.sources; do
    [ -e "$f" ] || continue
    awk 'BEGIN { RS=""; ORS="\n\n" }
         /(^|\n)Types:[^\n]*(^|[ \t])deb([ \t]|\n|$)/ {
             sub(/(^|\n)Types:[^\n]*/, "\nTypes: deb-src"); sub(/^\n/, ""); print }' "$f" >> "$tmp"
done
if [ -s "$tmp" ]; then
    $sudo install -m 644 "$tmp" "$ours.sources"
else
    # one-line format: "deb URI suite components" becomes "deb-src ...".
    for f in /etc/apt/sources.list "$target_dir"/*.list; do
        [ -e "$f" ] || continue
        sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "$f" >> "$tmp"
    done
    if [ ! -s "$tmp" ]; then
        echo "Nessuna sorgente apt da cui ricavare una voce deb-src." >&2
        exit 1
    fi
    $sudo install -m 644 "$tmp" "$ours.list"
fi
$sudo apt-get -o DPkg::Lock::Timeout=900 update -qq
