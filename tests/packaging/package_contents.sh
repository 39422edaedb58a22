#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package with scripts/package.sh into a scratch directory and checks it as
# Debian would: lintian --pedantic reports nothing at all (overrides aside), hardening-check
# passes both programs, neither has a runpath; then its control fields, its exact file list, the
# icon sizes, that the packaged isr2016-cli, man pages and metainfo all carry the project
# version, and that the desktop entry starts the packaged window.
# usage: package_contents.sh PACKAGE_SH SCRATCH_DIR VERSION
set -euo pipefail
package_sh=$1 scratch=$2 version=$3

deb=$("$package_sh" "$scratch" | tail -n 1)
arch=$(dpkg --print-architecture)
[ "$(basename "$deb")" = "isr2016_${version}_${arch}.deb" ] || { echo "unexpected file name $deb" >&2; exit 1; }

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# Every tag, of every level, is a finding; lintian prints nothing else on success.
tags=$(lintian --pedantic --display-info --display-experimental "$deb" 2>&1 |
    grep -v '^running with root privileges' || true)
[ -z "$tags" ] || fail "lintian:
$tags"

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = isr2016 ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', project says $version"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)'"
[ "$(field Section)" = misc ] || fail "Section is '$(field Section)'"
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || fail "Maintainer '$(field Maintainer)' is not 'Name <address>'"
# Dependencies come from dpkg-shlibdeps: a C++ program with a Qt window and SVG pictures.
[[ ",$(field Depends)," =~ [,\ ]qt6-translations-l10n[,\ ] ]] ||
    fail "Depends lacks qt6-translations-l10n, the window's Spanish Qt texts: '$(field Depends)'"
for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6; do
    [[ ",$(field Depends)," =~ [,\ ]"$lib"\ \( ]] || fail "Depends lacks a versioned $lib: '$(field Depends)'"
done

expected=(
    ./usr/bin/isr2016
    ./usr/bin/isr2016-cli
    ./usr/share/applications/org.example.isr2016.desktop
    ./usr/share/doc/isr2016/changelog.gz
    ./usr/share/doc/isr2016/copyright
    ./usr/share/icons/hicolor/16x16/apps/org.example.isr2016.png
    ./usr/share/icons/hicolor/32x32/apps/org.example.isr2016.png
    ./usr/share/icons/hicolor/48x48/apps/org.example.isr2016.png
    ./usr/share/icons/hicolor/64x64/apps/org.example.isr2016.png
    ./usr/share/icons/hicolor/128x128/apps/org.example.isr2016.png
    ./usr/share/icons/hicolor/256x256/apps/org.example.isr2016.png
    ./usr/share/icons/hicolor/scalable/apps/org.example.isr2016.svg
    ./usr/share/lintian/overrides/isr2016
    ./usr/share/man/man1/isr2016-cli.1.gz
    ./usr/share/man/man1/isr2016.1.gz
    ./usr/share/metainfo/org.example.isr2016.metainfo.xml
)
# Regular files only (directories end in "/"), as "path mode".
actual=$(dpkg-deb --contents "$deb" | awk '$6 !~ /\/$/ { print $6 }' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
if [ "$actual" != "$wanted" ]; then
    fail "file list differs (< expected, > packaged):"
    diff <(echo "$wanted") <(echo "$actual") >&2 || true
fi
dpkg-deb --contents "$deb" | awk '$6 ~ /^\.\/usr\/bin\/./ && $1 != "-rwxr-xr-x" { print "FAIL: not executable: " $6; bad = 1 } END { exit bad }' >&2 ||
    failures=$((failures + 1))

root=$scratch/root
rm -rf "$root"
dpkg-deb --extract "$deb" "$root"
# Fortify shows only where a copy's size is known; the window's copies all have sizes known at
# run time alone, so hardening-check cannot see it there and the build log must show it instead.
hardening-check --nocfprotection "$root/usr/bin/isr2016-cli" >&2 || fail "hardening-check isr2016-cli"
hardening-check --nocfprotection --nofortify "$root/usr/bin/isr2016" >&2 || fail "hardening-check isr2016"
unfortified=$(grep -E '/usr/bin/c\+\+ .* -c ' "$scratch/build.log" | grep -cv -- '-D_FORTIFY_SOURCE=3' || true)
[ "$unfortified" -eq 0 ] || fail "$unfortified compilations without -D_FORTIFY_SOURCE=3"
grep -qE '/usr/bin/c\+\+ .* -c ' "$scratch/build.log" || fail "no compilation in the build log"
for program in isr2016 isr2016-cli; do
    # Not grep -q: its early exit would end readelf by SIGPIPE, and pipefail would report that.
    if readelf --dynamic "$root/usr/bin/$program" | grep -E 'RPATH|RUNPATH' >/dev/null; then
        fail "$program has a runpath: $(readelf --dynamic "$root/usr/bin/$program" | grep -E 'RPATH|RUNPATH')"
    fi
    [ -z "$(readelf --section-headers "$root/usr/bin/$program" | grep -E '\.comment|\.debug')" ] ||
        fail "$program is not stripped of .comment and debugging sections"
done
for size in 16 32 48 64 128 256; do
    png=$root/usr/share/icons/hicolor/${size}x${size}/apps/org.example.isr2016.png
    [ -f "$png" ] || continue
    file --brief "$png" | grep -q "^PNG image data, $size x $size," || fail "$png is $(file --brief "$png")"
done

cli_version=$("$root/usr/bin/isr2016-cli" --version) || fail "packaged isr2016-cli --version failed"
[ "$cli_version" = "isr2016-cli $version" ] || fail "isr2016-cli --version says '$cli_version'"
grep -q "<release version=\"$version\" date=\"[0-9]\{4\}-[0-9][0-9]-[0-9][0-9]\"" \
    "$root/usr/share/metainfo/org.example.isr2016.metainfo.xml" || fail "metainfo has no release $version"
for page in isr2016 isr2016-cli; do
    zcat "$root/usr/share/man/man1/$page.1.gz" | grep "^\.TH ${page^^} 1 \"[^\"]*\" \"isr2016 $version\"" >/dev/null ||
        fail "$page man page header does not name version $version"
done
zcat "$root/usr/share/doc/isr2016/changelog.gz" | sed -n 1p | grep "^isr2016 ($version) " >/dev/null ||
    fail "the changelog's latest entry is not $version"

# The launcher's commands (the window, and the window with the published tables) start the
# packaged window: it links Qt Widgets and, started without a display, keeps running until stopped
# instead of failing at start.
while read -r exec_line; do
    read -r -a command <<<"$exec_line"
    program=${command[0]}
    if [ -x "$root/usr/bin/$program" ]; then
        # Not grep -q: its early exit would end objdump by SIGPIPE, and pipefail would report that.
        objdump -p "$root/usr/bin/$program" | grep 'NEEDED *libQt6Widgets' >/dev/null ||
            fail "Exec=$exec_line is not the window: $program does not link Qt Widgets"
        status=0
        QT_QPA_PLATFORM=offscreen timeout 2 "$root/usr/bin/$program" "${command[@]:1}" \
            >"$scratch/window.log" 2>&1 || status=$?
        [ "$status" -eq 124 ] ||
            fail "Exec=$exec_line ended at start with status $status: $(cat "$scratch/window.log")"
    else
        fail "Exec=$exec_line names no program the package installs in /usr/bin"
    fi
done < <(sed -n 's/^Exec=//p' "$root/usr/share/applications/org.example.isr2016.desktop")

[ "$failures" -eq 0 ] || exit 1
echo "ok: $(basename "$deb"), Depends: $(field Depends)"
