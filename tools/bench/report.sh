#!/bin/sh
# Runs fokuro-bench and prints median CPU times (steadier than wall time on a busy
# machine), with baseline/ours for the formatter.
# usage: tools/bench/report.sh [path/to/fokuro-bench] [extra benchmark flags...]
set -eu
bench="${1:-build/release/bin/fokuro-bench}"
[ $# -gt 0 ] && shift
json="$(mktemp)"
trap 'rm -f "$json"' EXIT
"$bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_min_time=0.5 --benchmark_out="$json" --benchmark_out_format=json "$@" >/dev/null

jq -r '
  def num: . * 10 | round / 10 | tostring | (" " * (9 - length)) + .;
  def name: . + " " * (40 - length);
  [.benchmarks[] | select(.aggregate_name == "median")] as $rows
  | ($rows | map(select(.run_name | startswith("BM_Convert/")))
      | "ConvertFocalLengths                         median ns",
        (.[] | "  \(.run_name | ltrimstr("BM_Convert/") | name)\(.cpu_time | num)")),
    "",
    "FormatResultText (median ns)                     ours baseline  baseline/ours",
    ($rows | map(select(.run_name | startswith("BM_FormatOurs/"))) | .[]
      | (.run_name | ltrimstr("BM_FormatOurs/")) as $name
      | .cpu_time as $ours
      | ($rows[] | select(.run_name == "BM_FormatBaseline/" + $name) | .cpu_time) as $base
      | "  \($name | name)\($ours | num)\($base | num)\($base / $ours | num)x")
' "$json"
