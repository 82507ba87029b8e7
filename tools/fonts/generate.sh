#!/bin/sh
# Copies Comic Neue, the lettering font that ships with Panelry (SIL Open
# Font Licence 1.1), from Debian's fonts-comic-neue package into
# resources/fonts/, with its licence and font log.
# Needs: fonts-comic-neue (apt-get install fonts-comic-neue).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
out=$here/../../resources/fonts
fonts=/usr/share/fonts/opentype/comic-neue
doc=/usr/share/doc/fonts-comic-neue

[ -d "$fonts" ] || { echo "generate.sh needs fonts-comic-neue (apt-get install fonts-comic-neue)" >&2; exit 1; }
rm -rf "$out"
mkdir -p "$out"
for style in Regular Bold Italic BoldItalic Light LightItalic; do
  cp "$fonts/ComicNeue-$style.otf" "$out/"
done
# Debian's copyright file carries the copyright notices and the full licence.
cp "$doc/copyright" "$out/ComicNeue-LICENSE.txt"
cp "$doc/FONTLOG.txt" "$out/ComicNeue-FONTLOG.txt"
echo "wrote $out"
