# SPDX-License-Identifier: MIT
# Debian packages, by purpose; sourced by ./run and ./test.
BUILD_PACKAGES=(g++ cmake ninja-build pkgconf)
TEST_PACKAGES=(libgtest-dev libgmock-dev libbenchmark-dev)
