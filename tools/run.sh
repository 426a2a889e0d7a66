#!/usr/bin/env bash
# Installs what is missing and builds the 64-bit Windows program. Until the main window lands
# this only builds; the program will then be started under Wine in a copy of the demo folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64
echo "Built build/win64. The main window is not there yet: nothing to start."
