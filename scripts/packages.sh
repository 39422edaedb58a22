# SPDX-License-Identifier: MIT
# Debian packages, by purpose; sourced by ./run, ./test and ./fuzz.
# libgmp-dev is the verifier's exact arithmetic; librsvg2-bin renders the hicolor icons; dpkg-dev and file let cpack compute the package's dependencies.
BUILD_PACKAGES=(g++ cmake ninja-build pkgconf libgmp-dev librsvg2-bin dpkg-dev file qt6-base-dev qt6-svg-dev)
# The validators of the desktop entry, the metainfo and the man page.
TEST_PACKAGES=(libgtest-dev libgmock-dev libbenchmark-dev desktop-file-utils appstream groff-base)
# libFuzzer is in libclang-rt-14-dev, which clang only recommends.
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
# The window's typefaces: the free Tahoma clone and Liberation Mono for Courier New.
FONT_PACKAGES=(fonts-wine fonts-liberation)
# A virtual X server for the screenshots of the window's panels.
SCREENSHOT_PACKAGES=(xvfb xauth)
