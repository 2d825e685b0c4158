#!/usr/bin/env bash
# Builds Quorvel and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/tools/deps.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$root/build" --parallel "$(nproc)" --target quorvel
exec "$root/build/quorvel"
