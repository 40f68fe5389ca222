#!/bin/sh
# Draws the program's icons (16 and 32 pixels each) with ImageMagick; run it in this folder after
# changing a drawing. The .ico files it writes are the ones the resource script includes.
set -e
draw() { # name, then the drawing on a 32 x 32 transparent canvas
    name=$1
    shift
    convert -size 32x32 xc:none "$@" -define icon:auto-resize=32,16 "$name.ico"
}
# The program: a blue rounded square with a white V.
draw program -fill '#1d5fa8' -draw 'roundrectangle 1,1 30,30 6,6' \
    -stroke white -strokewidth 4 -fill none -draw 'polyline 8,8 16,25 24,8'
# OK: a green tick.
draw ok -stroke '#1f8a2e' -strokewidth 5 -fill none -draw 'polyline 5,17 13,25 27,7'
# Cancel: a red cross.
draw cancel -stroke '#c0282d' -strokewidth 5 -draw 'line 7,7 25,25' -draw 'line 25,7 7,25'
# Options: three grey dots.
draw options -fill '#5a5a5a' -draw 'circle 7,16 7,19' -draw 'circle 16,16 16,19' -draw 'circle 25,16 25,19'
