#!/usr/bin/env bash
# Builds and runs every test in two configurations: optimised (g++, in
# build/) and with AddressSanitizer and UndefinedBehaviorSanitizer (clang,
# in build-san/). Installs missing packages first when run as root.
# Extra arguments go to ctest (for example -L kernel).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-dependencies.sh

jobs=$(nproc)

run_configuration() {
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja "$@"
  cmake --build "$dir" -j "$jobs"
  ctest --test-dir "$dir" --output-on-failure -j "$jobs" --timeout 600 "${ctest_args[@]}"
}

ctest_args=("$@")

echo "== optimised configuration (build/)"
run_configuration build -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_C_COMPILER=gcc -DCMAKE_CXX_COMPILER=g++

echo "== sanitizer configuration (build-san/)"
run_configuration build-san -DCMAKE_BUILD_TYPE=Debug -DQIV_SANITIZE=ON \
  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14

echo "== all tests passed in both configurations"
