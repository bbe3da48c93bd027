#!/usr/bin/env bash
# Zeichnet das Programmsymbol aus der SVG-Vorlage in den üblichen Größen
# (rsvg-convert aus librsvg2-bin). Die PNGs liegen im Repository.
set -euo pipefail
cd "$(dirname "$0")/.."
for g in 48 64 128 256; do
  mkdir -p desktop/icons/${g}x${g}
  rsvg-convert -w $g -h $g desktop/de.torvane.Torvane.svg -o desktop/icons/${g}x${g}/de.torvane.Torvane.png
done
