#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws the README's screenshots with `ryvanta render`, from the build in the
# given folder (default build/), on a fixed today so that a redraw changes
# only what the program draws differently.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
cmake --build "$build" --target ryvanta >/dev/null
out=docs/screenshots
mkdir -p "$out"
export RYVANTA_TODAY=2026-12-07
render() { "$build/ryvanta" render --birth 1985-05-07 "$@"; }
render --month 2026-03 --output "$out/year.png"
render --month 2026-03 --view rhythms --day 10 --output "$out/rhythms.png"
render --month 2026-03 --view summary --output "$out/summary.png"
# December holds a long-cycle boundary of each person.
render --month 2026-12 --compare 1990-11-03 --output "$out/comparison.png"
# The window in another language.
LANGUAGE=de render --month 2026-03 --view rhythms --day 10 --output "$out/window-de.png"
# The month sheet's page, as a reader of the README sees it.
"$build/ryvanta" sheet --birth 1985-05-07 --month 2026-03 --name Anna --output "$out/sheet.pdf"
pdftoppm -png -r 80 -singlefile "$out/sheet.pdf" "$out/sheet"
rm "$out/sheet.pdf"
