#!/usr/bin/env bash
# Each dialog was rendered as a PNG image of its own size.
set -euo pipefail
work=$1
for name in add subtract multiply new-segment; do
  grep -qx "rendered $name.png" "$work/out.txt"
  [ "$(head -c 8 "$work/$name.png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ]
done
[ "$(file -b "$work/add.png" | grep -o '516 x 196')" = '516 x 196' ]
