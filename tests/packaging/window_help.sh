#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The window's man page renders without groff warnings and names every option of
# isr2016 --help, and that help is in Spanish: none of Qt's English texts in it.
# usage: window_help.sh MAN_PAGE ISR2016
set -euo pipefail
page=$1 window=$2
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

warnings=$(groff -k -man -Tutf8 -ww -z "$page" 2>&1)
[ -z "$warnings" ] || fail "groff warnings: $warnings"
man_text=$(groff -k -man -Tutf8 -P-cbou "$page" 2>/dev/null)
help_text=$("$window" --help 2>/dev/null)

english=$(grep -nE 'Usage|Options|Arguments|Displays|[Hh]elp on|version information' <<<"$help_text" || true)
[ -z "$english" ] || fail "English in --help: $english"
grep -E '^Uso: .*isr2016 \[opciones\]$' <<<"$help_text" >/dev/null || fail "no Spanish usage line in --help"

options() { grep -oE '(^|[[:space:][|,])--?[a-z][a-z-]*' | sed -E 's/^[^-]//' | sort -u; }
man_options=$(options <<<"$man_text")
help_options=$(options <<<"$help_text")
[ -n "$help_options" ] || fail "no options found in --help"
for option in $help_options; do
    grep -qx -- "$option" <<<"$man_options" || fail "option $option of --help is missing from the man page"
done
for option in $man_options; do
    grep -qx -- "$option" <<<"$help_options" || fail "option $option of the man page is not in --help"
done

[ "$failures" -eq 0 ]
