#!/usr/bin/env bash
# Installs the dependencies, builds everything and runs every test:
# the whole suite (with the install and .deb package checks), the serial
# and transfer tests again under ThreadSanitizer, and short fuzzing runs of
# the data file reader, the clipboard record check, the radio reply checks
# and the CSV import.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVXL_BUILD_TESTS=ON -DVXL_BUILD_BENCH=ON
cmake --build build -j "$jobs"

# Serial component and radio transfers under ThreadSanitizer.
cmake -S . -B build-tsan -G Ninja -DVXL_SANITIZE=thread -DVXL_BUILD_BENCH=OFF \
  -DCMAKE_BUILD_TYPE=Debug "-DVXL_TEST_ONLY=^test_(comm|transfer|ui_transfer)$"
cmake --build build-tsan -j "$jobs"
(cd build-tsan && ctest --output-on-failure -j "$jobs")

# Bounded fuzzing runs (ASan + UBSan): 30 s for each of the four targets.
scripts/fuzz.sh 30

# The whole suite last, so its summary closes the output.
(cd build && ctest --output-on-failure -j "$jobs")
