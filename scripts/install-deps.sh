#!/bin/sh
# Installs the Debian 12 packages the build and the tests need.
set -e
PACKAGES="g++ cmake ninja-build qt6-base-dev libjpeg62-turbo-dev libgtest-dev libbenchmark-dev fonts-liberation fontconfig"
if [ "$(id -u)" -eq 0 ]; then SUDO=; else SUDO=sudo; fi
missing=
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
fi
