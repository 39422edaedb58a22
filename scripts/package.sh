#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package (debian/, dpkg-buildpackage) from a copy of the source tree in
# OUT/src, so the build leaves the work tree alone, and prints the path of the .deb, which lands
# in OUT (default build/deb). SOURCE_DATE_EPOCH is the last commit's time: two builds of one
# commit, in any folders, give the same bytes. The copy's files all get the copying time, so a
# build that embedded file times could not pass that check by luck.
# usage: scripts/package.sh [OUT]
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$src/build/deb}")
SOURCE_DATE_EPOCH=$(git -C "$src" log -1 --format=%ct)
export SOURCE_DATE_EPOCH

rm -rf "$out"
mkdir -p "$out/src"
# What git tracks or would track, as it is now (files deleted but not yet committed left out).
git -C "$src" ls-files -z --cached --others --exclude-standard |
    (cd "$src" && xargs -0 sh -c 'for f; do [ -e "$f" ] && printf "%s\0" "$f"; done' sh) |
    tar -C "$src" --null -T - -cf - | tar -C "$out/src" -xmf -

jobs=$(nproc)
if ! (cd "$out/src" &&
    DEB_BUILD_OPTIONS="parallel=$jobs noautodbgsym ${DEB_BUILD_OPTIONS:-}" \
        dpkg-buildpackage -us -uc -b) >"$out/build.log" 2>&1; then
    tail -n 40 "$out/build.log" >&2
    echo "dpkg-buildpackage failed; the whole log: $out/build.log" >&2
    exit 1
fi
ls "$out"/*.deb
