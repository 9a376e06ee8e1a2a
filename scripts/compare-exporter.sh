#!/usr/bin/env bash
# Runs two builds of joukowsky-export over the same set of command lines (every format, typed
# and scroll-bar values, a table miss, rejections) and reports any difference in the output, the
# standard error or the exit status. Used to show that a change of the code changes no output:
#   scripts/compare-exporter.sh OLD_EXPORTER NEW_EXPORTER
set -uo pipefail
old="$1"
new="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

sets=(
  ""
  "--alpha 10 --nsl 6"
  "--alpha -10 --delta 0.3 --gamma 0.14"
  "--alpha 30 --kutta 0.5 --scale 3"
  "--delta 0.125 --gamma 0.02"
  "--delta 0,12 --alpha 12abc"
  "--nsl 19 --dpsi 0.03 --scale 2"
  "--nsl 20 --dr 0.0005 --scale 3 --dpsi 0.01"
  "--delta 0 --gamma 0 --alpha 8"
  "--delta 0 --gamma 0.15 --alpha 4 --kutta 0"
  "--nsl 3.7 --alpha 2"
  "--scale 0.5 --dr 0.002"
)
formats=(
  "--format csv"
  "--format svg --time 0.4"
  "--format png --time 0.3"
  "--format png --time 0 --size 900x600"
  "--format gif --frames 3 --size 300x200"
  "--format summary"
  "--format surface --points 91"
)
extra=(
  "--table"
  "--format png --size 601x400"
  "--format svg --time 0.15"
  "--dr 0"
  "--nsl 21"
  "--kutta 40 --alpha 30"
  "--scale abc"
  "--format png --time 1000 --size 1200x800"
  "--format gif --time 7 --frames 12"
  "--format surface --kutta 0.3"
)
runs=0
diffs=0
run() {
  local args="$1"
  runs=$((runs + 1))
  local a="$work/a" b="$work/b"
  # shellcheck disable=SC2086
  "$old" $args --output "$a.out" 2>"$a.err" </dev/null; echo "status $?" >>"$a.err"
  # shellcheck disable=SC2086
  "$new" $args --output "$b.out" 2>"$b.err" </dev/null; echo "status $?" >>"$b.err"
  [ -e "$a.out" ] || : >"$a.out"
  [ -e "$b.out" ] || : >"$b.out"
  if ! cmp -s "$a.out" "$b.out" || ! cmp -s "$a.err" "$b.err"; then
    echo "DIFFERENT: $args"
    diffs=$((diffs + 1))
  fi
  rm -f "$a.out" "$b.out"
}
for s in "${sets[@]}"; do
  for f in "${formats[@]}"; do run "$f $s"; done
done
for e in "${extra[@]}"; do run "$e"; done
echo "$runs runs, $diffs different"
[ "$diffs" -eq 0 ]
