#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package a second time, in another folder, and compares it byte for byte with
# the first; on a difference, names the members that differ.
# usage: package_reproducible.sh PACKAGE_SH FIRST_DIR SECOND_DIR
set -euo pipefail
package_sh=$1 first=$2 second=$3

debs=("$first"/*.deb)
[ -f "${debs[0]}" ] || { echo "no package in $first" >&2; exit 1; }
deb=$("$package_sh" "$second" | tail -n 1)
if cmp "${debs[0]}" "$deb"; then
    echo "ok: $(basename "$deb") is the same from $first and $second"
    exit 0
fi
for dir in "$first" "$second"; do
    rm -rf "$dir/unpacked"
    dpkg-deb --raw-extract "$dir"/*.deb "$dir/unpacked"
    dpkg-deb --fsys-tarfile "$dir"/*.deb | tar -tv --full-time >"$dir/unpacked/listing"
done
diff "$first/unpacked/listing" "$second/unpacked/listing" >&2 || true
diff -r "$first/unpacked" "$second/unpacked" >&2 || true
exit 1
