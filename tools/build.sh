#!/usr/bin/env bash
# Installs the Debian packages the game needs (only those missing), then
# configures and builds everything into build/, and the WebAssembly core into
# build-web/. Run from anywhere, as root
# when packages are missing.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  cmake make g++ pkg-config
  qt6-base-dev qt6-multimedia-dev libqt6multimedia6 libpulse-dev
  fonts-ipafont-gothic
  libgtest-dev nlohmann-json3-dev
  pulseaudio pulseaudio-utils sox
  desktop-file-utils appstream
  clang libclang-rt-dev python3
  dpkg-dev file lintian man-db groff-base
  xvfb xauth dbus at-spi2-core python3-pyatspi
  emscripten python3-fonttools python3-brotli librsvg2-bin gettext python3-polib
  chromium chromium-driver python3-selenium nodejs
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The browser tests' one package from the npm registry, as its lock file pins it.
if [[ ! tests/web/node_modules/.package-lock.json -nt tests/web/package-lock.json ]]; then
  npm ci --prefix tests/web --no-audit --no-fund
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2

# The browser's build: the same core compiled to WebAssembly into build-web/.
# Debian's emscripten runs its helper scripts under node with Debian's modules.
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release
cmake --build build-web -j2
