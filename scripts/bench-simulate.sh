#!/usr/bin/env bash
# Measures the parallel nec2c sweep against one nec2c process running the same sweep alone:
# the default sweep (design frequency +-5 % in 41 steps, plus the two pattern cuts) of a
# 30-director 432 MHz design, side by side, several rounds in turn. Prints both times and
# their ratio; the goal is a ratio of at most 0.6 on a 2-core machine. It measures only: it
# never fails on the figure.
set -euo pipefail
cd "$(dirname "$0")/.."
cli="${BEAMSMITH_CLI:-build/bin/beamsmith-cli}"
rounds="${1:-3}"
if ! command -v nec2c >/dev/null; then
  echo "nec2c is not installed (Debian package nec2c)" >&2
  exit 1
fi
[ -x "$cli" ] || cmake --build build --target beamsmith-cli
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
design=(--freq 432 --directors 30)

"$cli" design "${design[@]}" --nec "$work/design.nec" >/dev/null
segments="$(awk '$1 == "GW" { printf "%s ", $3 }' "$work/design.nec")"

# Wall-clock and processor seconds (user + system, the child processes included) of a command.
measure() {
  local TIMEFORMAT='%R %U %S'
  { time "$@" >/dev/null; } 2>&1 | awk '{ printf "%.3f %.3f\n", $1, $2 + $3 }'
}
median() { tr ' ' '\n' | sed '/^$/d' | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

single=()
parallel=()
for ((i = 1; i <= rounds; i++)); do
  read -r sw sc < <(measure nec2c -i"$work/design.nec" -o"$work/single.out")
  read -r pw pc < <(measure "$cli" simulate "${design[@]}" --csv)
  single+=("$sw")
  parallel+=("$pw")
  echo "round $i: one nec2c process ${sw} s (cpu ${sc} s), beamsmith-cli simulate ${pw} s (cpu ${pc} s)"
done

s="$(echo "${single[*]}" | median)"
p="$(echo "${parallel[*]}" | median)"
echo "cores: $(nproc); load average: $(cut -d' ' -f1-3 /proc/loadavg); segments per wire: $segments"
echo "median: one nec2c process $s s, parallel sweep $p s, ratio $(awk -v p="$p" -v s="$s" 'BEGIN { printf "%.2f", p / s }') (goal <= 0.6)"
