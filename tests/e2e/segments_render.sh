#!/usr/bin/env bash
# The nine shapes fill 16200 points, and their plot was written as a PNG image.
set -euo pipefail
work=$1
grep -qx '16200 999 False' "$work/out.txt"
grep -qx 'rendered nine-shapes.png' "$work/out.txt"
[ "$(head -c 8 "$work/nine-shapes.png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ]
