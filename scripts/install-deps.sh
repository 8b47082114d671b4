#!/bin/sh
# Installs the Debian packages Gavelor needs to build, test and run.
# Costs one dpkg query when everything is already present.
set -eu

PACKAGES="g++ make cmake ninja-build qt6-base-dev fonts-liberation2 xvfb xauth libx11-dev libxtst-dev xdotool x11-xserver-utils libcsv-dev desktop-file-utils appstream dpkg-dev file poppler-utils"
# clang and its runtimes build the fuzz target; the rest of the build does not need them.
OPTIONAL="clang libclang-rt-dev"

missing=""
for p in $PACKAGES $OPTIONAL; do
    if ! dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

[ -z "$missing" ] && exit 0

echo "install-deps: installing$missing" >&2
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq $missing
