#!/usr/bin/env bash
# Builds the release: Drawlot-<version>-win64.zip and Drawlot-<version>-win32.zip in
# build/release/, each with Drawlot.exe, the help pages, a readme in Japanese and sample set
# files. Installs what is missing first. The version is the one of the project() line in
# CMakeLists.txt.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
bash tools/setup.sh
mkdir -p build/release
for arch in win64 win32; do
  echo "== $arch"
  cmake --preset "$arch-release" >/dev/null
  cmake --build --preset "$arch-release" >/dev/null
  (cd "build/$arch-release" && cpack -B "$top/build/release" >/dev/null)
done
rm -rf build/release/_CPack_Packages
ls -l build/release/*.zip
