#!/usr/bin/env bash
# The Add dialog, rendered, is a PNG image of the dialog's own size.
set -euo pipefail
file -b "$1/add.png" | grep -q 'PNG image data, 516 x 196' || { echo "add.png: $(file -b "$1/add.png")"; exit 1; }
