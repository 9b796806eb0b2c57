#!/usr/bin/env bash
# Rates a sample shipment against the sample data set: configures build/
# when it is not yet, builds the engine, the data set and the rating tool
# when they are missing or out of date, and prints the engine's answer; with
# --ratekit, rates through Ratekit32 as the program will and prints what the
# rating screen shows.
#   scripts/rate-sample.sh [shipment file] [--ratekit]   (default: samples/shipments/ny_to_chicago.shipment)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QIV_BUILD_DIR:-$root/build}  # another build directory may be named
shipment=$root/samples/shipments/ny_to_chicago.shipment
options=()
for arg in "$@"; do
  if [ "$arg" = --ratekit ]; then options+=(--ratekit); else shipment=$arg; fi
done

if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_C_COMPILER=gcc -DCMAKE_CXX_COMPILER=g++ > /dev/null
fi
cmake --build "$build" --target rate_command sample_data > /dev/null
# The service guide: ktq_qkdll.ini of the build's settings directory names ZQDATA.
export ZQ_SYSTEM_DIR=${ZQ_SYSTEM_DIR:-$build/ZQSYSTEM}
exec "$build/tools/rate" "$shipment" --data "$build/ZQDATA" "${options[@]}"
