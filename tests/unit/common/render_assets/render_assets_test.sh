#!/usr/bin/env bash
# render_assets_test <render-assets> <folder of the test SVGs> <scratch folder>
#
# The kinds of tools/render-assets that skinned windows rely on: compressed backgrounds whose
# colour-key pixels stay exact at every scale, and two-colour cursors.
set -euo pipefail
tool=$1 src=$2 out=$3
rm -rf "$out"
mkdir -p "$out"
fail() {
  echo "render_assets_test: $*" >&2
  exit 1
}
pixel() { convert "$1" -format "%[hex:p{$2,$3}]" info:; }

# A flat colour with key shapes on fractional places: two colours at every scale, never a blend.
# (60 by 32 pixels: whole pixels at every scale, so no edge row is only partly painted.)
"$tool" "$out/keyed" "$out/keyed.rc" "$src/keyed.png.svg"
for scale in 100 125 150 200; do
  png="$out/keyed/keyed-$scale.png"
  grep -q "^PNG_KEYED_$scale RCDATA \"$png\"$" "$out/keyed.rc" || fail "no resource for $scale %"
  read -r w h colours < <(identify -format '%w %h %k\n' "$png")
  [[ $w == $((60 * scale / 100)) && $h == $((32 * scale / 100)) ]] ||
    fail "keyed at $scale % is $w by $h"
  [[ $colours == 2 ]] || fail "keyed at $scale % has $colours colours: key pixels were blended"
  [[ $(pixel "$png" 0 0) == 0000FF && $(pixel "$png" $((w - 1)) 0) == 0000FF ]] ||
    fail "keyed at $scale %: the cut corners are not the key"
  [[ $(pixel "$png" 3 $((h - 1))) == FF8800 ]] || fail "keyed at $scale %: the picture is lost"
  # The key shapes cover 300.96 of the 1920 square units, give or take their edge pixels.
  share=$(convert "$png" -fill black +opaque '#0000FF' -fill white -opaque '#0000FF' \
    -colorspace gray -format '%[fx:mean]' info:)
  awk -v s="$share" 'BEGIN { exit !(s > 0.140 && s < 0.175) }' ||
    fail "keyed at $scale %: the key covers $share of the picture"
done

# Another key colour, and a corner the picture leaves unpainted.
"$tool" "$out/grey" "$out/grey.rc" "$src/grey.png.svg"
for scale in 100 150; do
  png="$out/grey/grey-$scale.png"
  [[ $(identify -format '%k' "$png") == 2 ]] || fail "grey at $scale %: not two colours"
  [[ $(pixel "$png" 0 5) == E0E0E0 ]] || fail "grey at $scale %: the unpainted edge is not the key"
  [[ $(pixel "$png" $((13 * scale / 100)) $((5 * scale / 100))) == E0E0E0 ]] ||
    fail "grey at $scale %: the key element is not the key"
  [[ $(pixel "$png" $((18 * scale / 100)) 1) == 336699 ]] || fail "grey at $scale %: the picture is lost"
done

# Painting the key colour outside the key element is refused.
if "$tool" "$out/stray" "$out/stray.rc" "$src/stray.png.svg" 2>"$out/stray.log"; then
  fail "a picture that paints the key colour outside #colour-key was accepted"
fi
grep -q "paints the key colour #0000FF outside #colour-key" "$out/stray.log" || fail "$(cat "$out/stray.log")"

# A two-colour cursor: one 1-bit image of 32 by 64 rows (XOR above AND), the hot spot in its entry.
"$tool" "$out/cur" "$out/cur.rc" "$src/box.cur.svg"
cur="$out/cur/box.cur"
grep -q "^CUR_BOX CURSOR \"$cur\"$" "$out/cur.rc" || fail "no cursor resource"
[[ $(stat -c %s "$cur") == 326 ]] || fail "cursor file of $(stat -c %s "$cur") bytes"
header=$(od -An -tx1 -N48 "$cur" | tr -d ' \n')
[[ ${header:0:12} == 000002000100 ]] || fail "not a cursor file of one image: ${header:0:12}"
[[ ${header:12:8} == 20200200 ]] || fail "not 32 by 32 in two colours: ${header:12:8}"
[[ ${header:20:8} == 03000200 ]] || fail "hot spot bytes ${header:20:8}, want 3, 2"
[[ ${header:52:24} == 200000004000000001000100 ]] || fail "image header ${header:52:24}"
# Rows are stored bottom up, 4 bytes each: XOR rows from byte 70, AND rows from byte 198.
row() { od -An -tx1 -j $(($1 + (31 - $2) * 4)) -N4 "$cur" | tr -d ' \n'; }
[[ $(row 70 2) == 00000000 && $(row 198 2) == e01fffff ]] || fail "top row of the box: $(row 70 2) $(row 198 2)"
[[ $(row 70 5) == 0fc00000 && $(row 198 5) == e01fffff ]] || fail "inside of the box: $(row 70 5) $(row 198 5)"
[[ $(row 70 20) == 00000000 && $(row 198 20) == ffffffff ]] || fail "below the box: $(row 70 20) $(row 198 20)"
echo "render_assets_test: all kinds rendered as expected"
