#!/usr/bin/env bash
# Retakes the README's pictures on a virtual display: the main window with the
# example document open, and the page that document builds, shown in the launcher.
# Usage: scripts/screenshots.sh   (after ./run.sh or ./test.sh has built build/bin)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bin=$root/build/bin
out=$root/docs/images

need=()
command -v Xvfb >/dev/null || need+=(xvfb)
command -v xdotool >/dev/null || need+=(xdotool)
command -v import >/dev/null || need+=(imagemagick)
[ -d /usr/share/icons/Adwaita ] || need+=(adwaita-icon-theme)
if [ ${#need[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get update -q
    $sudo apt-get install -y -q "${need[@]}"
fi

work=$(mktemp -d)
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x900x24 >/dev/null 2>&1 &
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
# Settings of their own, so the window shows as it first does for a new user.
export DISPLAY=$display QTWEBENGINE_DISABLE_SANDBOX=1 LC_ALL=en_US.UTF-8 \
    QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu \
    XDG_CONFIG_HOME=$work/config
sleep 1

# Waits for a window whose title matches $1 and prints its id.
window() {
    for _ in $(seq 50); do
        if id=$(xdotool search --name "$1" 2>/dev/null | head -1) && [ -n "$id" ]; then
            echo "$id"
            return
        fi
        sleep 0.2
    done
    echo "no window '$1' appeared" >&2
    return 1
}

# The built page in the launcher window.
mkdir -p "$work/Documents"
cp docs/examples/start-page.pmf "$work/Documents/"
"$bin/ulvanta-build" "$work/Documents/start-page.pmf" "$work/Documents/start-page.htm"
"$bin/ulvanta2.exe" "$work/Documents/start-page.htm" &
window '^My start page$' >/dev/null
sleep 3 # the page renders after the window maps
page=$(window '^My start page$') # the browser may have made the window anew
import -window "$page" "$out/built-page.png"
kill %2

# The main window at its first size, with one icon chosen.
"$bin/ulvanta-editor" "$work/Documents/start-page.pmf" &
main=$(window ' - Ulvanta Editor$')
sleep 1
xdotool mousemove --window "$main" 60 178 click 1 mousemove --window "$main" 700 400
sleep 1
import -window "$main" "$out/main-window.png"
kill %3
echo "wrote $out/built-page.png and $out/main-window.png"
