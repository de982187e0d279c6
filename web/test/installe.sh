#!/usr/bin/env bash
# Installs what the browser test needs (puppeteer-core, at the versions that
# package-lock.json pins) into the build tree, from the npm registry:
#   installe.sh NPM SOURCE_DIR DEST_DIR
# Nothing is downloaded when DEST_DIR already holds that lock's install. No
# browser is downloaded: the test drives the system's Chromium.
set -euo pipefail
npm=$1 source=$2 dest=$3
if ! command -v "$npm" >/dev/null; then
  echo "npm is needed to install puppeteer-core (apt-get install npm)" >&2
  exit 1
fi
mkdir -p "$dest"
if cmp -s "$source/package-lock.json" "$dest/package-lock.json" && [[ -f $dest/node_modules/puppeteer-core/package.json ]]; then
  echo "puppeteer-core already installed in $dest"
  exit 0
fi
cp "$source/package.json" "$source/package-lock.json" "$dest/"
cd "$dest"
PUPPETEER_SKIP_DOWNLOAD=1 "$npm" ci --ignore-scripts --no-audit --no-fund --loglevel=error
echo "puppeteer-core $(node -p 'require("./node_modules/puppeteer-core/package.json").version') installed in $dest"
