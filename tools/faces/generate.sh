#!/bin/sh
# Regenerates Panelry's face library from the pinned OpenMoji npm package:
#   resources/RageFaces/<Category>/<name>.png and thumb/<name>.png,
#   resources/app_db.sqlite (table `search`),
#   resources/RageFaces-ATTRIBUTION.md and resources/RageFaces-LICENSE.txt.
# The output is committed; the build and CI never run this.
#
# Needs (Debian 12): nodejs npm librsvg2-bin python3 python3-pil
#   apt-get install nodejs npm librsvg2-bin python3 python3-pil
# The same package versions give byte-identical files.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
python=${PYTHON:-/usr/bin/python3}

for tool in npm rsvg-convert "$python"; do
    command -v "$tool" >/dev/null 2>&1 || { echo "generate.sh: $tool is missing" >&2; exit 1; }
done
"$python" -c 'import PIL' 2>/dev/null || { echo "generate.sh: $python lacks PIL (python3-pil)" >&2; exit 1; }

cd "$here"
npm ci --no-audit --no-fund --ignore-scripts
"$python" "$here/generate.py" --source "$here/node_modules/openmoji" --out "$here/../../resources"
