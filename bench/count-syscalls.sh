#!/usr/bin/env bash
# System calls per rating on one thread: strace -c over the sample mix rated
# 0 rounds and ROUNDS rounds (default 300); the difference, divided by the
# ratings made, is printed per call name.
#   bench/count-syscalls.sh [build-dir] [rounds]
set -euo pipefail
build=${1:-build}
rounds=${2:-300}
program=$build/bench/rating_syscalls
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
count() {  # rounds, output file: "name calls" per line
  strace -f -c -U name,calls -o "$tmp/raw" "$program" "$1" > "$tmp/ratings-$1"
  awk 'NF == 2 && $1 != "total" && $2 ~ /^[0-9]+$/ { print $1, $2 }' "$tmp/raw" | sort > "$2"
}
count 0 "$tmp/base"
count "$rounds" "$tmp/many"
ratings=$(awk '{ print $1 }' "$tmp/ratings-$rounds")
join -a 2 -e 0 -o 0,1.2,2.2 "$tmp/base" "$tmp/many" |
  awk -v n="$ratings" '{ d = ($3 - $2) / n; total += d; if (d > 0.005) printf "%-16s %7.2f\n", $1, d }
                       END { printf "%-16s %7.2f  per rating (%d ratings)\n", "total", total, n }' |
  sort -k2 -n -r
