#!/usr/bin/env bash
# Starts QIV on the sample data set in a real window. Installs the packages
# it misses (as root), configures build/ when it is not yet, builds the
# program, the libraries it loads and the sample data set, and runs
# build/RELEASE/qiv (data in build/ZQDATA/) with build/WORK/ as its current
# directory, where it keeps the settings it saves, and build/ZQSYSTEM/ as
# its system settings directory (ZQ_SYSTEM_DIR: its ktq_qkdll.ini names the
# service guide's folder). Arguments go to the program (RBNO..., FACTOR).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QIV_BUILD_DIR:-$root/build}  # another build directory may be named

"$root/scripts/install-dependencies.sh"
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_C_COMPILER=gcc -DCMAKE_CXX_COMPILER=g++ > /dev/null
fi
cmake --build "$build" -j4 --target qiv_runtime
mkdir -p "$build/WORK"
export ZQ_SYSTEM_DIR=${ZQ_SYSTEM_DIR:-$build/ZQSYSTEM}
cd "$build/WORK"
exec "$build/RELEASE/qiv" "$@"
