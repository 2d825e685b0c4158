#!/usr/bin/env bash
# Plays one game in Xvfb and saves the window after the verification as
# docs/screenshot.png (the picture in the README and the AppStream data).
# Usage: tools/screenshot.sh [build folder] [output png]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
out=${2:-$root/docs/screenshot.png}

if [[ -z "${QUORVEL_IN_XVFB:-}" ]]; then
  QUORVEL_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1600x900x24 -nolisten tcp" "$0" "$build" "$out"
fi
unset QT_QPA_PLATFORM

"$build/quorvel" 2>/dev/null &
game=$!
trap 'kill $game 2>/dev/null || true' EXIT
id=$(timeout 10 xdotool search --sync --onlyvisible --pid "$game" --name '^Quorvel$' | head -n1)
eval "$(xdotool getwindowgeometry --shell "$id")"
click() { xdotool mousemove --sync $((X + $1)) $((Y + $2)) click 1; }

sleep 0.5
click 1044 256   # 开始观察
sleep 18         # three questions of up to nine points each
click 1008 436   # 随机出题
click 1296 471   # 观看一遍
sleep 3.2
click 1236 724   # 验证答案
sleep 0.5
import -window "$id" "$out"
xdotool key --window "$id" Escape 2>/dev/null || true
echo "wrote $out"
