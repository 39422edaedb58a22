#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The README's synopses of isr2016-cli, each the first line of a code block, are the usage lines
# of --help but for "--help | --version": the same lines, none missing, none more.
# usage: readme_synopsis.sh README ISR2016_CLI
set -euo pipefail
readme=$1 cli=$2

help_usage=$("$cli" --help | sed -n '/^uso: /,/^$/p' | grep . | sed -E 's/^uso: //; s/^[[:space:]]+//' |
    grep -vxF -- 'isr2016-cli --help | --version' | sort)
# A synopsis may end with a comment after "#".
readme_usage=$(awk '/^```/ { open = !open; first = open; next }
                    open && first { first = 0; if ($0 ~ /^isr2016-cli /) print }' "$readme" |
    sed -E 's/[[:space:]]+#.*$//' | sort)
if [ "$help_usage" != "$readme_usage" ]; then
    echo "FAIL: the README's synopses differ from --help's usage lines:" >&2
    diff <(echo "$help_usage") <(echo "$readme_usage") >&2 || true
    exit 1
fi
[ -n "$help_usage" ] || { echo "FAIL: no usage lines found" >&2; exit 1; }
