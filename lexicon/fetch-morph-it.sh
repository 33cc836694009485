#!/usr/bin/env bash
# Fetches Morph-it!'s data as the npm packages publish it, at pinned
# versions, checks each tarball against its pinned integrity hash and
# unpacks the JSON files into <folder>. A tarball already there with the
# right hash is not fetched again (the build works offline once fetched).
# Usage: fetch-morph-it.sh <folder>
set -euo pipefail

out=$1
mkdir -p "$out"
cd "$out"

# name version sha512 (the registry's "integrity", base64)
pinned=(
    "italian-words-dict 3.4.0 4Buxj5/d2lUrIdK9VaZyUfM0KlS0I/PmXtBC+7W0P+bMWidlHzHSfyKEguhWqWV4j9NYAlXFB4G82Non2bWHzA=="
    "italian-adjectives-dict 3.4.0 Ka3iO5/chtB7B9tCa6pb9qSZiANfubp7JVmR0dx8fyCpsP7XpfVubyML8CzXT8iyNMvxDXuyf2QwaTXSWaF5sg=="
    "italian-verbs-dict 3.4.0 TY0kVsDUxP8sg1V+9QDXryu/IJzaRGLZgkeOibECr1ASMwBwMW/O63YQEJl4R5kLO5cE3RIltFxt15mQkkdOlA=="
)

hash_of() { python3 -c 'import base64,hashlib,sys; print(base64.b64encode(hashlib.sha512(open(sys.argv[1],"rb").read()).digest()).decode())' "$1"; }

for entry in "${pinned[@]}"; do
    read -r name version integrity <<<"$entry"
    tarball="$name-$version.tgz"
    if [ ! -f "$tarball" ] || [ "$(hash_of "$tarball")" != "$integrity" ]; then
        rm -f "$tarball"
        if ! command -v npm >/dev/null; then
            echo "fetch-morph-it: npm manca (bash scripts/install-deps.sh lo installa)" >&2
            exit 1
        fi
        npm pack --silent "$name@$version" >/dev/null
    fi
    got=$(hash_of "$tarball")
    if [ "$got" != "$integrity" ]; then
        echo "fetch-morph-it: $tarball ha l'impronta sha512-$got, attesa sha512-$integrity" >&2
        rm -f "$tarball"
        exit 1
    fi
    mkdir -p "$name"
    tar -xzf "$tarball" -C "$name" --strip-components=2 package/dist
done
