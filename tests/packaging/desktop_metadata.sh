#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The desktop entry and the AppStream metainfo pass their validators without a
# single remark, and both name the same app id as their file names.
# usage: desktop_metadata.sh DESKTOP_FILE METAINFO_FILE
set -euo pipefail
desktop=$1 metainfo=$2
app_id=org.example.isr2016
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

remarks=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate rejected $desktop"
[ -z "$remarks" ] || fail "desktop-file-validate remarks: $remarks"
[ "$(basename "$desktop")" = "$app_id.desktop" ] || fail "desktop file is named $(basename "$desktop")"
grep -qx "Icon=$app_id" "$desktop" || fail "desktop entry does not use the icon $app_id"
# The second way in: the window with the tables as published.
grep -qx "Actions=anexo8;" "$desktop" || fail "desktop entry offers no action for the published tables"
grep -qx "Exec=isr2016 --tablas anexo8" "$desktop" || fail "the anexo8 action does not start the window with them"

appstreamcli validate --no-net --pedantic "$metainfo" >&2 || fail "appstreamcli rejected $metainfo"
[ "$(basename "$metainfo")" = "$app_id.metainfo.xml" ] || fail "metainfo is named $(basename "$metainfo")"
grep -q "<id>$app_id</id>" "$metainfo" || fail "metainfo id is not $app_id"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "metainfo does not launch $app_id.desktop"

[ "$failures" -eq 0 ]
