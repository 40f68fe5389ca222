#!/bin/sh
# Draws the program's icons with ImageMagick, each with images from 16 to 256 pixels so that
# Windows scales down, never up, at any DPI; run it in this folder after changing a drawing. The
# .ico files it writes are the ones the resource script includes.
set -e
draw() { # name, then the drawing on a 256 x 256 transparent canvas
    name=$1
    shift
    convert -size 256x256 xc:none "$@" -define icon:auto-resize=256,128,64,48,40,32,24,20,16 "$name.ico"
}
# The program: a blue rounded square with a white V.
draw program -fill '#1d5fa8' -draw 'roundrectangle 8,8 247,247 48,48' \
    -stroke white -strokewidth 32 -fill none -draw 'polyline 64,64 128,200 192,64'
# OK: a green tick.
draw ok -stroke '#1f8a2e' -strokewidth 40 -fill none -draw 'polyline 40,136 104,200 216,56'
# Cancel: a red cross.
draw cancel -stroke '#c0282d' -strokewidth 40 -draw 'line 56,56 200,200' -draw 'line 200,56 56,200'
# Options: three grey dots.
draw options -fill '#5a5a5a' -draw 'circle 56,128 56,152' -draw 'circle 128,128 128,152' -draw 'circle 200,128 200,152'
