#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The man page renders without groff warnings and matches isr2016-cli --help:
# the same usage lines, and every option the help names.
# usage: man_page.sh MAN_PAGE ISR2016_CLI
set -euo pipefail
page=$1 cli=$2
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

warnings=$(groff -k -man -Tutf8 -ww -z "$page" 2>&1)
[ -z "$warnings" ] || fail "groff warnings: $warnings"
# Wide enough that no usage line wraps.
man_text=$(groff -k -man -Tutf8 -rLL=200n -P-cbou "$page" 2>/dev/null)
help_text=$("$cli" --help)

squeeze() { sed -E 's/^[[:space:]]+//; s/[[:space:]]+/ /g'; }
# The usage: the help's "uso:" line and those under it up to the blank line; the man page's SINOPSIS.
help_usage=$(echo "$help_text" | sed -n '/^uso: /,/^$/p' | grep . | sed 's/^uso: //' | squeeze)
man_usage=$(echo "$man_text" | sed -n '/^SINOPSIS/,/^[^[:space:]]/p' | sed '1d;$d' | grep . | squeeze)
[ "$help_usage" = "$man_usage" ] || fail "usage differs:
--help:
$help_usage
man page:
$man_usage"

options() { grep -oE '(^|[[:space:][|])--?[a-z][a-z-]*' | sed -E 's/^[^-]//' | sort -u; }
man_options=$(echo "$man_text" | options)
for option in $(echo "$help_text" | options); do
    grep -qx -- "$option" <<<"$man_options" || fail "option $option of --help is missing from the man page"
done
[ -n "$man_options" ] || fail "no options found in the man page"

[ "$failures" -eq 0 ]
