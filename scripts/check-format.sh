#!/usr/bin/env bash
# Checks that the C++ sources under the given folders are formatted as
# .clang-format says; prints the files that are not, and fails.
#   scripts/check-format.sh engine fuzz
# Formatting them: clang-format-14 -i FILE...
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -eq 0 ]; then
  echo "usage: scripts/check-format.sh FOLDER..." >&2
  exit 2
fi
formatter=$(command -v clang-format-14 || command -v clang-format || true)
if [ -z "$formatter" ]; then
  echo "clang-format-14 is not installed (scripts/install-dependencies.sh installs it)" >&2
  exit 1
fi
status=0
while IFS= read -r -d '' file; do
  if ! "$formatter" --dry-run -Werror "$file" > /dev/null 2>&1; then
    echo "not formatted: $file"
    status=1
  fi
done < <(find "$@" -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)
if [ $status -eq 0 ]; then echo "formatted: $*"; fi
exit $status
