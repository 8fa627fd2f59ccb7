#!/usr/bin/env bash
# Starts the program; explains what to do where no display is available.
set -euo pipefail
bin="$(dirname "$0")/../build/dev/bin/zakat-waris"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  cat >&2 <<MSG
No display found, so the program cannot open its windows.
Run it on a desktop session, or under a virtual display:
    xvfb-run -a $bin
MSG
  exit 1
fi
exec "$bin"
