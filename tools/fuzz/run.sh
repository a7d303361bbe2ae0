#!/bin/sh
# Builds the fuzz preset and fuzzes ConvertFocalLengths for SECONDS seconds (default 60).
# The committed seeds are copied into a temporary corpus so the repository stays clean.
# Exits non-zero when the fuzzer finds a crash or a wrong result.
set -eu

seconds="${1:-60}"
root="$(cd "$(dirname "$0")/../.." && pwd)"
cd "$root"

cmake --preset fuzz
cmake --build --preset fuzz

work="$(mktemp -d "${TMPDIR:-/tmp}/fokuro-fuzz.XXXXXX")"
trap 'rm -rf "$work"' EXIT
mkdir "$work/corpus" "$work/artifacts"
cp tools/fuzz/corpus/* "$work/corpus/"

status=0
build/fuzz/bin/fokuro-fuzz -max_total_time="$seconds" -print_final_stats=1 \
  -artifact_prefix="$work/artifacts/" "$work/corpus" || status=$?

if [ "$status" -ne 0 ]; then
  # Keep the crashing inputs where they can be looked at after the cleanup.
  keep="${TMPDIR:-/tmp}/fokuro-fuzz-crashes"
  mkdir -p "$keep"
  cp "$work"/artifacts/* "$keep"/ 2>/dev/null || true
  echo "fokuro-fuzz: failed with status $status; crashing inputs in $keep" >&2
fi
exit "$status"
