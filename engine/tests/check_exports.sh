#!/usr/bin/env bash
# The engine library exports exactly the expected functions: the defined
# dynamic symbols of its text section, compared with the expected list.
set -euo pipefail
library=$1
expected=$2
actual=$(nm -D --defined-only "$library" | awk '$2 == "T" { print $3 }' | sort)
if ! diff <(sort "$expected") <(echo "$actual"); then
  echo "exported functions differ from $expected (< expected, > actual)" >&2
  exit 1
fi
