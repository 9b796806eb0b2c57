#!/usr/bin/env bash
# A shared library exports exactly the expected functions: the defined
# dynamic symbols of its text section (with --all: every defined dynamic
# symbol), compared with the expected list.
#   check_exports.sh [--all] <library> <expected names file>
set -euo pipefail
all=0
if [[ $1 == --all ]]; then all=1; shift; fi
library=$1
expected=$2
if (( all )); then
  actual=$(nm -D --defined-only "$library" | awk '{ print $3 }' | sort)
else
  actual=$(nm -D --defined-only "$library" | awk '$2 == "T" { print $3 }' | sort)
fi
if ! diff <(sort "$expected") <(echo "$actual"); then
  echo "exported symbols differ from $expected (< expected, > actual)" >&2
  exit 1
fi
