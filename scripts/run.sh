#!/bin/sh
# Builds Fokuro (release) and starts it.
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target fokuro
exec build/release/bin/fokuro
