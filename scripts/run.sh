#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it: on the user's
# display, or under a virtual X server (xvfb-run) when there is none.
# Arguments are handed to the program (a .uvd file to open); it starts in the
# caller's folder, so a relative path names a file there.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

extra=()
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    extra=(xvfb xauth)
fi
bash "$root/scripts/install-deps.sh" "${extra[@]}"

build=${BUILD_DIR:-build}
case "$build" in
/*) ;;
*) build="$root/$build" ;;
esac
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --target ferrowind --parallel "$(nproc)"

if [ ${#extra[@]} -eq 0 ]; then
    exec "$build/ferrowind" "$@"
fi
echo "No display found: running KG-UV Ferrowind under xvfb-run (a virtual screen nobody sees)."
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$build/ferrowind" "$@"
