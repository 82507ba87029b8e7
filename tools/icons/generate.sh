#!/bin/sh
# Regenerates every PNG in resources/icons/ from the pinned lucide-static
# and simple-icons packages (see package.json / package-lock.json).
# Needs: npm, node, rsvg-convert (Debian librsvg2-bin).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
out=$here/../../resources/icons
svgs=$here/node_modules/lucide-static/icons
marks=$here/node_modules/simple-icons
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

cd "$here"
npm ci --no-audit --no-fund --silent
mkdir -p "$out"

# glyph NAME FILE SIZE [COLOUR]: a lucide glyph drawn in COLOUR (white unless
# given) on transparent, SIZE px square.
glyph() {
  [ -f "$svgs/$1.svg" ] || { echo "no glyph $1 in lucide-static" >&2; exit 1; }
  sed "s/currentColor/${4:-#ffffff}/" "$svgs/$1.svg" > "$tmp/$1.svg"
  rsvg-convert -w "$3" -h "$3" -o "$out/$2" "$tmp/$1.svg"
}

# Toolbar icons: 60 px for 30-point buttons (2x).
while read -r name file; do
  glyph "$name" "$file" 60
done <<'LIST'
circle-arrow-left   icon_circle_arrow_left.png
circle-arrow-right  icon_circle_arrow_right.png
refresh-cw          icon_refresh.png
share               icon_action.png
columns-2           icon_add_two.png
square-plus         icon_add.png
square-minus        icon_minus.png
type                icon_font.png
image               icon_photo.png
brush               icon_brush.png
laugh               icon_troll.png
clipboard-paste     icon_paste.png
check               icon_checkmark.png
eraser              icon_eraser.png
case-sensitive      icon_fonts.png
frown               icon_sad_face.png
LIST

# Popup close button, 64 px for a 32-point button: the circle-x glyph with its
# circle filled. Normal: white on near-black; pressed: inverted.
close_button() {
  sed -e "s/currentColor/$2/" -e "s/<circle /<circle fill=\"$3\" /" \
    "$svgs/circle-x.svg" > "$tmp/close.svg"
  rsvg-convert -w 64 -h 64 -o "$out/$1" "$tmp/close.svg"
}
close_button button_close.png '#ffffff' '#1a1a1a'
close_button button_close_pressed.png '#1a1a1a' '#e6e6e6'

# Popup frame, 13 x 13 px: 6-px corner caps around one stretchable row and
# column. A 3-px ring with an outer corner radius of 6 and a clear centre; the
# frame is 2 points larger than the content on each side, so the ring shows
# 2 points outside the content and overlaps its edge by 1.
border() {
  cat > "$tmp/border.svg" <<SVG
<svg xmlns="http://www.w3.org/2000/svg" width="13" height="13" viewBox="0 0 13 13">
  <path fill="$2" fill-rule="evenodd"
        d="M6 0H7A6 6 0 0 1 13 6V7A6 6 0 0 1 7 13H6A6 6 0 0 1 0 7V6A6 6 0 0 1 6 0Z
           M6 3H7A3 3 0 0 1 10 6V7A3 3 0 0 1 7 10H6A3 3 0 0 1 3 7V6A3 3 0 0 1 6 3Z"/>
</svg>
SVG
  rsvg-convert -w 13 -h 13 -o "$out/$1" "$tmp/border.svg"
}
border popup_border.png '#ffffff'
border popup_border_black.png '#000000'

# Hue/saturation field of the colour picker.
node "$here/colormap.js" "$out/colormap.png"

cp "$here/node_modules/lucide-static/LICENSE" "$out/LICENSE-lucide.txt"

# The share screen's targets, 48 px for 24-point marks (2x): each brand's mark
# from simple-icons in the brand's colour, on transparent. brand FILE SLUG...
# takes the first slug the package has; a target it has no mark for gets no
# file, and its button shows its name only. Mail is lucide's generic glyph.
brand() {
  file=$1
  shift
  rm -f "$out/$file"
  for slug in "$@"; do
    [ -f "$marks/icons/$slug.svg" ] || continue
    hex=$(node -p "Object.values(require('simple-icons')).find((icon) => icon.slug === '$slug').hex")
    sed "s/<svg /<svg fill=\"#$hex\" /" "$marks/icons/$slug.svg" > "$tmp/$slug.svg"
    rsvg-convert -w 48 -h 48 -o "$out/$file" "$tmp/$slug.svg"
    printf '| %s | %s | #%s |\n' "$file" "$slug" "$hex" >> "$tmp/marks"
    return
  done
  echo "simple-icons has no mark for $file ($*): that button shows text only" >&2
}
brand share_imgur.png imgur
brand share_reddit.png reddit
brand share_cheezburger.png cheezburger
brand share_facebook.png facebook
brand share_twitter.png twitter x
glyph mail share_mail.png 48 '#3a3a3c'

# What the marks came from, beside them.
field() { node -p "JSON.parse(require('fs').readFileSync('$marks/package.json', 'utf8')).$1"; }
version=$(field version)
licence=$(field license)
{
  echo "# Brand marks of the share screen"
  echo
  echo "From the npm package \`simple-icons\`, version $version, licence $licence"
  echo "(the package's \`LICENSE.md\` is \`LICENSE-simple-icons.txt\` here). The marks"
  echo "remain trademarks of their owners; CC0 waives no trademark rights."
  echo
  echo "| file | mark | colour |"
  echo "|---|---|---|"
  cat "$tmp/marks"
} > "$out/SHARE-MARKS.md"
cp "$marks/LICENSE.md" "$out/LICENSE-simple-icons.txt"
echo "icons written to $(cd "$out" && pwd)"
