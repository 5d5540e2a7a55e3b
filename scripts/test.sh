#!/usr/bin/env bash
# Sets up the machine, builds and runs the whole test suite of one preset.
# Usage: scripts/test.sh [preset]   (default: "default"; "asan" for ASan+UBSan)
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-default}
scripts/setup.sh "$preset"
ctest --preset "$preset"
