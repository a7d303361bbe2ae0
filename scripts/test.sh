#!/bin/sh
# Builds Fokuro (dev preset: debug, warnings as errors) and runs every test: the core, the
# framework, the window through the offscreen Qt backend, the tools, and the whole program
# under Xvfb as a user drives it.
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
scripts/install-deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev
ctest --preset dev
