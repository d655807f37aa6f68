#!/usr/bin/env bash
# Draws the pictures of the image-based skin "frost" (data/frostSkin.xml) into data/frost/ with
# ImageMagick: rounded, softly shaded faces that the skin stretches in nine slices. Run it after
# changing a picture here, look at the result and commit the PNGs with the change.
#   --check  draws them into a temporary folder instead and says whether every pixel equals
#            the committed pictures' (exit 1 when one differs)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

convert=/usr/bin/convert
[ -x "$convert" ] || install_missing_packages imagemagick
out=$TRELLIS_ROOT/data/frost
check=
if [ "${1:-}" = --check ]; then
    check=1
    out=$(mktemp -d)
    trap 'rm -rf "$out"' EXIT
fi
mkdir -p "$out"

# Written as 8-bit RGBA without time stamps: the same pixels give the same file.
write() { # NAME, then convert's arguments drawing the picture
    local name=$1
    shift
    "$convert" "$@" -depth 8 -define png:exclude-chunks=date,time "PNG32:$out/$name.png"
}

# A W x H rounded rectangle of corner radius R, shaded from TOP to BOTTOM, framed in STROKE
# (STROKE_WIDTH pixels) with a one-pixel HIGHLIGHT just inside its top edge ("none": none).
face() { # NAME W H R TOP BOTTOM STROKE STROKE_WIDTH HIGHLIGHT
    local name=$1 w=$2 h=$3 r=$4 top=$5 bottom=$6 stroke=$7 sw=$8 light=$9
    local inset
    inset=$(awk -v s="$sw" 'BEGIN { print s / 2 }')
    write "$name" -size "${w}x${h}" gradient:"$top"-"$bottom" -alpha set \
        \( -size "${w}x${h}" xc:none -fill white -draw "roundrectangle 0,0 $((w - 1)),$((h - 1)) $r,$r" \) \
        -compose DstIn -composite -compose Over \
        -fill none -stroke "$light" -strokewidth 1 \
        -draw "line $((r)),$((sw)).5 $((w - 1 - r)),$((sw)).5" \
        -stroke "$stroke" -strokewidth "$sw" \
        -draw "roundrectangle $inset,$inset $(awk -v w="$w" -v i="$inset" 'BEGIN { print w - i }'),$(awk -v h="$h" -v i="$inset" 'BEGIN { print h - i }') $r,$r"
}

# The window: a pale face under a blue-grey frame (slices 8).
face window 32 32 6 '#fbfcfe' '#e4eaf2' '#8ea3bf' 2 '#ffffff'
# The title bar: a blue band, lighter at its top (slices 3).
write title -size 8x16 gradient:'#6b95d1'-'#3d6aa8' -fill none -stroke '#8fb2e3' \
    -draw 'line 0,0.5 7,0.5'
# Buttons and dropdowns at rest, hovered, pressed and disabled (slices 6).
face button 18 18 5 '#ffffff' '#dae4f1' '#7f97b9' 1 '#ffffff'
face button-hover 18 18 5 '#ffffff' '#c6daf4' '#4f7fc0' 1 '#ffffff'
face button-pressed 18 18 5 '#bccfe8' '#e6eef8' '#3f6fb0' 1 'none'
face button-disabled 18 18 5 '#f3f5f8' '#eceff3' '#c3cbd6' 1 'none'
# Text fields, spinboxes and lists: white wells with a darker top (slices 4).
write field -size 12x12 xc:white -fill '#e3e9f1' -draw 'rectangle 1,1 10,1' \
    -fill none -stroke '#9aaac0' -draw 'rectangle 0,0 11,11'
write field-focus -size 12x12 xc:white -fill none -stroke '#4f7fc0' -strokewidth 2 \
    -draw 'rectangle 1,1 10,10'
write field-disabled -size 12x12 xc:'#f0f2f5' -fill none -stroke '#c8cfd9' \
    -draw 'rectangle 0,0 11,11'
# Check boxes: a small well, and a filled one carrying its tick (slices 4).
face box 15 15 3 '#ffffff' '#e6ecf4' '#7f97b9' 1 'none'
face box-hover 15 15 3 '#ffffff' '#d6e4f6' '#4f7fc0' 1 'none'
write box-checked -size 15x15 xc:none -fill '#4f7fc0' -stroke '#3f6fb0' \
    -draw 'roundrectangle 0.5,0.5 14.5,14.5 3,3' -fill none -stroke white -strokewidth 2 \
    -draw 'polyline 3.5,7.5 6.5,10.5 11.5,4.5'
# Radio buttons: a ring, and a ring round a dot (stretched whole).
write radio -size 15x15 xc:none -fill '#fbfcfe' -stroke '#7f97b9' -draw 'circle 7.5,7.5 7.5,0.5'
write radio-checked -size 15x15 xc:none -fill '#fbfcfe' -stroke '#4f7fc0' \
    -draw 'circle 7.5,7.5 7.5,0.5' -fill '#4f7fc0' -stroke none -draw 'circle 7.5,7.5 7.5,4'
# Panels, tab pages and menus: soft panes (slices 4).
face panel 12 12 4 '#f1f5fa' '#e7edf5' '#b7c4d6' 1 'none'
face popupmenu 12 12 3 '#ffffff' '#f3f6fa' '#8ea3bf' 1 'none'
face tooltip 12 12 3 '#fffbe8' '#fbf1cc' '#c9b26b' 1 'none'
# The menu bar: a light strip with a rule under it (slices 1, 2 at the bottom).
write menubar -size 4x12 gradient:'#f8fafd'-'#e2e8f1' -fill none -stroke '#aebbd0' \
    -draw 'line 0,11.5 3,11.5'
# A progress bar's trough (slices 3).
write progress -size 12x12 xc:'#e9eef5' -fill none -stroke '#9aaac0' \
    -draw 'roundrectangle 0.5,0.5 11.5,11.5 2,2'

if [ -n "$check" ]; then
    status=0
    for made in "$out"/*.png; do
        name=$(basename "$made")
        committed=$TRELLIS_ROOT/data/frost/$name
        if [ ! -f "$committed" ]; then
            echo "data/frost/$name is missing"
            status=1
        elif [ "$(/usr/bin/compare -metric AE "$committed" "$made" null: 2>&1)" != 0 ]; then
            echo "data/frost/$name differs from what the script draws"
            status=1
        fi
    done
    [ $status = 0 ] && echo "data/frost: every picture as the script draws it"
    exit $status
fi
echo "wrote $(ls "$out" | wc -l) pictures into data/frost"
