# SPDX-License-Identifier: MIT
# Debian packages, by purpose; sourced by ./run, ./test, ./fuzz and the scripts.
# What builds the window and the command line; librsvg2-bin renders the hicolor icons; expat and
# libarchive read the payroll receipts and their ZIP packages.
BUILD_PACKAGES=(g++ cmake ninja-build librsvg2-bin qt6-base-dev qt6-svg-dev libexpat1-dev
  libarchive-dev)
# What the window uses when it runs: the free Tahoma clone, Liberation Mono for Courier New and
# Qt's own texts in Spanish.
RUNTIME_PACKAGES=(fonts-wine fonts-liberation qt6-translations-l10n)
# The tests and benchmarks, and the validators of the desktop entry, the metainfo and the man pages.
TEST_PACKAGES=(libgtest-dev libgmock-dev libbenchmark-dev desktop-file-utils appstream groff-base)
# The verifier's exact arithmetic, which the fuzzers check against too.
VERIFIER_PACKAGES=(pkgconf libgmp-dev)
# The Debian package and its checks (hardening-check is in devscripts; file reads the icons).
PACKAGE_PACKAGES=(debhelper dpkg-dev lintian devscripts file)
# libFuzzer is in libclang-rt-14-dev, which clang only recommends.
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
# The web page's compiler.
WEB_PACKAGES=(emscripten)
# The page's tests: the browser, its WebDriver and Debian's Python bindings for it (for
# /usr/bin/python3). They also need npm, which ./test installs only when no npm is on PATH:
# a Node.js from outside Debian brings its own and conflicts with Debian's package.
BROWSER_TEST_PACKAGES=(chromium chromium-driver python3-selenium)
# A virtual X server for the screenshots of the window's panels.
SCREENSHOT_PACKAGES=(xvfb xauth)
