#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Pictures of the window's three panels for the README, drawn on a virtual X server:
# docs/calculo.png, docs/tarifas.png and docs/productos.png, and the calculation panel at a
# screen scale of 2, docs/calculo@2x.png.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/ensure-packages.sh "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${VERIFIER_PACKAGES[@]}" \
    "${RUNTIME_PACKAGES[@]}" \
    "${SCREENSHOT_PACKAGES[@]}"

cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" --target panel_screenshots
mkdir -p docs
shoot() { QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1600x1200x24" build/release/tools/panel_screenshots "$@"; }
shoot docs
QT_SCALE_FACTOR=2 shoot docs calculo
