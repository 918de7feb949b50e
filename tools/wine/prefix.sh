#!/bin/sh
# Creates fresh Wine prefixes on a virtual display, or stops them again.
#   prefix.sh setup ROOT [64] [32]
#   prefix.sh cleanup ROOT
set -u
cmd=$1 root=$2
shift 2
export WINEDLLOVERRIDES="mscoree=;mshtml=" WINEDEBUG=-all

stop() {
    for p in "$root"/prefix*; do
        [ -d "$p" ] && WINEPREFIX="$p" wineserver -k 2>/dev/null
    done
    if [ -f "$root/xvfb.pid" ]; then
        kill "$(cat "$root/xvfb.pid")" 2>/dev/null
        rm -f "$root/xvfb.pid"
    fi
    rm -f "$root/display"
}

case "$cmd" in
cleanup)
    stop
    exit 0
    ;;
setup) ;;
*)
    echo "usage: prefix.sh setup|cleanup ROOT [64] [32]" >&2
    exit 2
    ;;
esac

stop
mkdir -p "$root"

# A display of our own, so that the tests never draw on the user's screen.
n=90
while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
setsid Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp </dev/null >"$root/xvfb.log" 2>&1 &
echo $! >"$root/xvfb.pid"
i=0
until [ -e "/tmp/.X11-unix/X$n" ]; do
    i=$((i + 1))
    if [ $i -gt 100 ]; then
        echo "prefix.sh: Xvfb did not start; see $root/xvfb.log" >&2
        exit 1
    fi
    sleep 0.1
done
echo ":$n" >"$root/display"
export DISPLAY=":$n"

for arch in "$@"; do
    prefix="$root/prefix$arch"
    rm -rf "$prefix"
    if [ "$arch" = 32 ]; then
        export WINEARCH=win32
    else
        export WINEARCH=win64
    fi
    WINEPREFIX="$prefix" wineboot -i </dev/null >"$root/wineboot$arch.log" 2>&1
    # Without a window manager, Wine waits two seconds on every hide or
    # destroy of a managed window; the tests' windows need no managing.
    WINEPREFIX="$prefix" wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
        </dev/null >>"$root/wineboot$arch.log" 2>&1
    WINEPREFIX="$prefix" wineserver -w
    # A persistent server keeps later test runs from each starting their own.
    WINEPREFIX="$prefix" setsid wineserver -p </dev/null >/dev/null 2>&1
    if [ ! -f "$prefix/system.reg" ]; then
        echo "prefix.sh: wineboot failed for $prefix; see $root/wineboot$arch.log" >&2
        exit 1
    fi
    echo "Wine prefix ready: $prefix"
done
exit 0
