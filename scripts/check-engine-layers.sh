#!/usr/bin/env bash
# Checks that no source of the engine includes a header of a folder above its
# own. The folders, lowest first: each may include its own and those before
# it (the README's engine map lists them in this order).
#   scripts/check-engine-layers.sh [engine/src]
set -euo pipefail
src=${1:-"$(dirname "$0")/../engine/src"}
layers=(errors common logs datafiles formats effective rating request engine_state guide rates points directory
        minimums fetch lanes methods core package driver interface)
declare -A rank
for i in "${!layers[@]}"; do rank[${layers[$i]}]=$i; done
status=0
for dir in "$src"/*/; do
  folder=$(basename "$dir")
  if [[ -z ${rank[$folder]+set} ]]; then
    echo "engine/src/$folder is not in the layer list of $0"
    status=1
    continue
  fi
  while IFS=: read -r file target; do
    if [[ -n ${rank[$target]+set} && ${rank[$target]} -gt ${rank[$folder]} ]]; then
      echo "$folder/$(basename "$file") includes a header of $target/, which lies above it"
      status=1
    fi
  done < <(grep -o '^#include "[a-z_]*/' "$dir"*.h "$dir"*.cpp 2>/dev/null | sed 's|#include "||; s|/$||')
done
[[ $status -eq 0 ]] && echo "every engine folder includes only its own headers and those below it"
exit $status
