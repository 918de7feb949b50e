#!/bin/sh
# Installs what building and testing Tolvane needs on Debian 12, as root.
set -eu
packages="cmake make g++ googletest g++-mingw-w64-i686 wine wine32:i386 wine64 xvfb xdotool imagemagick"
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
if [ "$(id -u)" != 0 ]; then
    echo "deps.sh: installing$missing needs root (run the command as root or with sudo)" >&2
    exit 1
fi
echo "Installing:$missing"
dpkg --add-architecture i386
apt-get update -q
DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
