#!/usr/bin/env bash
# Times lodestrel-cli in line mode against ripgrep (rg -F -f) and GNU grep
# (grep -F -f) on the same generated code page 932 CSV file, with 1, 100 and
# 1000 conditions, checks that all three write the same lines, and prints the
# times and ratios.
#
#   bench/cli/compare.sh [SIZE_MB] [WORK_DIR]
#
# SIZE_MB is the size of the data file (default 1024, that is 1 GiB); WORK_DIR
# holds the data, the conditions and the outputs (default build/bench-cli in
# the repository, which git ignores). The data is generated once per size and
# kept for later runs. lodestrel-cli is built in Release in build/cli-release.
# ripgrep is only a baseline of this script: it is installed here when missing.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
SIZE_MB=${1:-1024}
WORK=${2:-$ROOT/build/bench-cli}
BUILD=$ROOT/build/cli-release
COUNTS=(1 100 1000)

need_ripgrep() {
  command -v rg >/dev/null && return
  if [ "$(id -u)" -eq 0 ]; then
    echo "Installing ripgrep (the benchmark's baseline)..."
    DEBIAN_FRONTEND=noninteractive apt-get install -y ripgrep >/dev/null
  else
    echo "ripgrep is needed as a baseline. Install it with:" >&2
    echo "  sudo apt-get install ripgrep" >&2
    exit 1
  fi
}

build_cli() {
  echo "Building lodestrel-cli (Release)..."
  cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DLODESTREL_TESTS=OFF >/dev/null
  cmake --build "$BUILD" -j2 --target lodestrel-cli >/dev/null
}

generate_data() {
  DATA=$WORK/data-${SIZE_MB}mb.csv
  CONDITIONS=$WORK/conditions-
  if [ ! -s "$DATA" ] || [ ! -s "${CONDITIONS}1000.txt" ]; then
    echo "Generating ${SIZE_MB} MiB of code page 932 CSV into $DATA..."
    python3 "$ROOT/bench/cli/generate_csv.py" --size-mb "$SIZE_MB" --data "$DATA" --conditions "$CONDITIONS"
  fi
}

# Runs the command given with standard output to $1 and standard error to
# $1.err; prints the wall-clock seconds. grep's status 1 (no line found) is not
# a failure; the comparison of the outputs shows every real one.
seconds() {
  local out=$1
  shift
  local start end
  start=$(date +%s%N)
  "$@" >"$out" 2>"$out.err" || true
  end=$(date +%s%N)
  awk -v ns=$((end - start)) 'BEGIN { printf "%.3f", ns / 1e9 }'
}

ratio() {
  awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'
}

need_ripgrep
build_cli
mkdir -p "$WORK"
generate_data
CLI=$BUILD/app/lodestrel-cli/lodestrel-cli

echo "Warming the page cache..."
cat "$DATA" >/dev/null

printf '\n%s, %s records\n' "$(du -h "$DATA" | cut -f1)" "$(wc -l <"$DATA")"
printf '%-11s %8s %12s %12s %8s %8s %8s %9s %9s\n' conditions lines lodestrel lodestrel-fs rg grep same "lod/rg" "lod/grep"
status=0
for count in "${COUNTS[@]}"; do
  conditions=${CONDITIONS}${count}.txt
  lod=$WORK/out-lodestrel-$count.txt
  lodfs=$WORK/out-lodestrel-nomem-$count.txt
  t_lod=$(seconds "$WORK/summary-$count.txt" "$CLI" --no-wildcards -c "$conditions" -o "$lod" "$DATA")
  t_lodfs=$(seconds "$WORK/summary-nomem-$count.txt" "$CLI" --no-wildcards --no-memory -c "$conditions" -o "$lodfs" "$DATA")
  t_rg=$(seconds "$WORK/out-rg-$count.txt" rg --no-config -F -N --no-filename -f "$conditions" "$DATA")
  t_grep=$(seconds "$WORK/out-grep-$count.txt" env LC_ALL=C grep -F -f "$conditions" "$DATA")
  same=yes
  for other in "$lodfs" "$WORK/out-rg-$count.txt" "$WORK/out-grep-$count.txt"; do
    cmp -s "$lod" "$other" || same=NO
  done
  [ "$same" = yes ] || status=1
  printf '%-11s %8s %11.2fs %11.2fs %7.2fs %7.2fs %8s %9s %9s\n' "$count" "$(wc -l <"$lod")" \
    "$t_lod" "$t_lodfs" "$t_rg" "$t_grep" "$same" "$(ratio "$t_lod" "$t_rg")" "$(ratio "$t_lod" "$t_grep")"
done
echo
echo "lodestrel: the default job (source read into memory first); lodestrel-fs: --no-memory."
echo "Ratios are lodestrel's time over the baseline's (below 1: lodestrel is faster)."
[ "$status" -eq 0 ] || echo "The tools did not find the same lines; see $WORK/out-*.txt" >&2
exit "$status"
