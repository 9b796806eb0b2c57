#!/usr/bin/env bash
# A desktop session on the X server xvfb-run started: a window manager
# (openbox), the keyboard layout and the screen density asked for, then the
# command; the session ends with the command, whose exit code it gives.
#
#   desktop_session.sh [--layout es] [--dpi 144] -- command [argument...]
set -euo pipefail

layout=""
dpi=""
while [ $# -gt 0 ]; do
  case $1 in
    --layout) layout=$2; shift 2 ;;
    --dpi) dpi=$2; shift 2 ;;
    --) shift; break ;;
    *) echo "usage: $0 [--layout L] [--dpi N] -- command..." >&2; exit 2 ;;
  esac
done
if [ $# -eq 0 ]; then
  echo "usage: $0 [--layout L] [--dpi N] -- command..." >&2
  exit 2
fi
for tool in openbox xprop setxkbmap xrdb; do
  if ! command -v "$tool" > /dev/null; then
    echo "desktop session: $tool is not installed (scripts/install-dependencies.sh installs it)" >&2
    exit 2
  fi
done

# The window manager's files stay in the session.
home=$(mktemp -d)
wm=""
finish() {
  if [ -n "$wm" ]; then
    kill "$wm" 2> /dev/null || true
    wait "$wm" 2> /dev/null || true
  fi
  rm -rf "$home"
}
trap finish EXIT
export XDG_CONFIG_HOME=$home/config XDG_CACHE_HOME=$home/cache XDG_DATA_HOME=$home/data

# The server answers first (a bounded poll, as every wait here: 20 seconds
# at most); then the window manager is ready when the root window names its
# supporting window. A window manager that could not connect (a server
# still busy starting on a loaded machine) is started again, three times
# at most.
answers=0
for _ in $(seq 200); do
  if xprop -root > /dev/null 2>&1; then answers=1; break; fi
  sleep 0.1
done
if [ $answers -ne 1 ]; then
  echo "desktop session: the X server $DISPLAY does not answer" >&2
  exit 2
fi
ready=0
for _ in 1 2 3; do
  openbox --sm-disable > "$home/openbox.log" 2>&1 &
  wm=$!
  for _ in $(seq 200); do
    if xprop -root _NET_SUPPORTING_WM_CHECK 2> /dev/null | grep -q 'window id'; then
      ready=1
      break
    fi
    if ! kill -0 "$wm" 2> /dev/null; then break; fi
    sleep 0.1
  done
  if [ $ready -eq 1 ]; then break; fi
  echo "desktop session: the window manager did not start:" >&2
  cat "$home/openbox.log" >&2
  wait "$wm" 2> /dev/null || true
  wm=""
done
if [ $ready -ne 1 ]; then exit 2; fi

# (The window manager holds a connection, so the server keeps these: it
# would forget them when its last client left.)
if [ -n "$layout" ]; then setxkbmap -layout "$layout"; fi
if [ -n "$dpi" ]; then echo "Xft.dpi: $dpi" | xrdb -merge; fi

status=0
"$@" || status=$?
exit $status
