#!/bin/sh
# Builds Tolvane.exe and starts it under Wine, in a fresh prefix of its own
# inside the build tree. With a display (DISPLAY set and reachable) the
# window opens there; without one it opens on a virtual display and a
# screenshot of it is saved.
set -eu
cd "$(dirname "$0")/.."
tools/deps.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 --target Tolvane -j "$(nproc)"

exe="$PWD/build/win32/app/Tolvane.exe"
run="$PWD/build/win32/run"
shot="$run/tolvane-window.png"
export WINEPREFIX="$run/prefix" WINEDLLOVERRIDES="mscoree=;mshtml=" WINEDEBUG=-all
WINEPREFIX="$run/prefix" wineserver -k 2>/dev/null || true
rm -rf "$run"
mkdir -p "$run/work"

xvfb=""
if [ -z "${DISPLAY:-}" ] || ! xdotool getdisplaygeometry >/dev/null 2>&1; then
    n=90
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$run/xvfb.log" 2>&1 &
    xvfb=$!
    export DISPLAY=":$n"
    i=0
    until [ -e "/tmp/.X11-unix/X$n" ]; do
        i=$((i + 1)); [ $i -gt 100 ] && { echo "Xvfb did not start" >&2; exit 1; }
        sleep 0.1
    done
    echo "No display: using the virtual display $DISPLAY"
fi

echo "Creating a fresh Wine prefix in $WINEPREFIX ..."
wineboot -i >"$run/wineboot.log" 2>&1
wineserver -w

# Tolvane keeps its settings in the working directory: $run/work/Tolvane.INI.
cd "$run/work"
if [ -z "$xvfb" ]; then
    echo "Starting Tolvane.exe on $DISPLAY (settings: $run/work/Tolvane.INI)"
    wine "$exe"
    exit 0
fi

wine explorer /desktop=Tolvane,1280x1024 "$exe" >"$run/wine.log" 2>&1 &
i=0
until xdotool search --name "Install Topspeed ODBC driver in Registry" >/dev/null 2>&1; do
    i=$((i + 1))
    if [ $i -gt 300 ]; then
        echo "The window did not appear; see $run/wine.log" >&2
        kill "$xvfb"; exit 1
    fi
    sleep 0.1
done
sleep 1  # let the first paint finish before the screenshot
import -window root "$shot"
echo "Tolvane's window is on the virtual display $DISPLAY; screenshot: $shot"
wineserver -k
kill "$xvfb"
