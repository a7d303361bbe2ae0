#!/bin/sh
# Renders the main window offscreen into a PNG (docs/window.png unless a path is given).
# The offscreen platform draws no window frame: the picture is the client area.
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
out="${1:-docs/window.png}"
cmake --preset dev >/dev/null
cmake --build --preset dev --target fokuro-render
mkdir -p "$(dirname "$out")"
QT_QPA_PLATFORM=offscreen build/dev/bin/fokuro-render "$out"
echo "render-window: wrote $out"
