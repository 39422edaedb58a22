# SPDX-License-Identifier: MIT
# Debian packages, by purpose; sourced by ./run, ./test and ./fuzz.
BUILD_PACKAGES=(g++ cmake ninja-build pkgconf)
TEST_PACKAGES=(libgtest-dev libgmock-dev libbenchmark-dev)
# libFuzzer is in libclang-rt-14-dev, which clang only recommends.
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
