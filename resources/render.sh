#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the hand-drawn pictures in svg/ to the PNGs that the program compiles
# in (toolbar/, icon/) and to the Windows icon. Run it after editing a drawing:
# the outputs are committed, so a build needs no renderer.
#
# ImageMagick's own SVG renderer (used when rsvg-convert is absent) strokes a
# shape unless it says stroke="none", and closes an open curve drawn with
# mitred joins; the drawings therefore state both on every shape.
set -eu
cd "$(dirname "$0")"

# 256 colours and no alpha, as the pictures are designed; no dithering, which
# only speckles flat colours at this size; no time stamps, so that a rerun
# leaves the files unchanged.
png() {
    convert "$1" -alpha off -depth 8 +dither -colors 256 -strip \
        -define png:exclude-chunks=date,time "PNG8:$2"
}

for n in 1 2 3 4 5 6 7 8 9; do
    png "svg/image$n.svg" "toolbar/image$n.png"
done
png svg/kalvex48.svg icon/kalvex48.png

# The executable's icon in the sizes that Windows asks for most.
convert icon/kalvex48.png \( -clone 0 -resize 32x32 \) \( -clone 0 -resize 16x16 \) \
    -alpha off -strip icon/kalvex.ico
