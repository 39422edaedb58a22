#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The desktop entry and the AppStream metainfo pass their validators without a
# single remark, both name the same app id as their file names, the window is matched to its
# launcher, and the metainfo lists NEWS.md's releases.
# usage: desktop_metadata.sh DESKTOP_FILE METAINFO_FILE NEWS_MD
set -euo pipefail
desktop=$1 metainfo=$2 news=$3
app_id=org.example.isr2016
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

remarks=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate rejected $desktop"
[ -z "$remarks" ] || fail "desktop-file-validate remarks: $remarks"
[ "$(basename "$desktop")" = "$app_id.desktop" ] || fail "desktop file is named $(basename "$desktop")"
grep -qx "Icon=$app_id" "$desktop" || fail "desktop entry does not use the icon $app_id"
# The second way in: the window with the program's own tables, to reproduce its old figures.
grep -qx "Actions=programa;" "$desktop" || fail "desktop entry offers no action for the program's own tables"
grep -qx "Exec=isr2016 --tablas programa" "$desktop" || fail "the programa action does not start the window with them"

# The window's X11 class is its application name, isr2016.
grep -qx "StartupWMClass=isr2016" "$desktop" || fail "desktop entry does not match the window's class isr2016"

appstreamcli validate --no-net --pedantic "$metainfo" >&2 || fail "appstreamcli rejected $metainfo"
[ "$(basename "$metainfo")" = "$app_id.metainfo.xml" ] || fail "metainfo is named $(basename "$metainfo")"
grep -q "<id>$app_id</id>" "$metainfo" || fail "metainfo id is not $app_id"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "metainfo does not launch $app_id.desktop"

news_releases=$(sed -nE 's/^## ([0-9.]+) \(([0-9-]+)\)$/\1 \2/p' "$news")
metainfo_releases=$(sed -nE 's/.*<release version="([^"]+)" date="([^"]+)".*/\1 \2/p' "$metainfo")
[ -n "$news_releases" ] || fail "no release headings in $news"
[ "$news_releases" = "$metainfo_releases" ] || fail "releases differ: NEWS.md
$news_releases
metainfo
$metainfo_releases"
notes=$(grep -c '^- ' "$news")
[ "$(sed -n '/<releases>/,/<\/releases>/p' "$metainfo" | grep -c '<li>')" -eq "$notes" ] || fail "metainfo has not the $notes notes of NEWS.md"

[ "$failures" -eq 0 ]
