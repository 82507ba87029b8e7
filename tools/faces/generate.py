#!/usr/bin/python3
"""Builds Panelry's face library from the black line-art OpenMoji set.

Run through generate.sh, which installs the pinned npm package first. Reads
node_modules/openmoji (data/openmoji.json and black/svg/*.svg) and writes,
below the output folder (normally the repository's resources/):

  RageFaces/<Category>/<name>.png        256 x 256 face
  RageFaces/<Category>/thumb/<name>.png  80 x 80 thumbnail of the same face
  app_db.sqlite                          keyword table `search`
  RageFaces-ATTRIBUTION.md               credit and licence notice
  RageFaces-LICENSE.txt                  the CC BY-SA 4.0 text shipped with OpenMoji

The notices sit beside the RageFaces folder, not in it: every entry of
RageFaces is listed to the user as a category.

Each face is rendered with rsvg-convert, cropped square to its drawing with a
small margin, and the inside of the drawing (everything its lines enclose,
small openings in an outline counted as closed) is filled white, so a face
stays readable on a photo while the outside stays transparent. Images are
stored as 8-bit palette PNGs of greys with transparency, which keeps the
library small. The output depends only on the package version and the Debian
tool versions (librsvg, Pillow, zlib, SQLite): no time stamps, no random order.

Requires: Debian's python3 with python3-pil, and librsvg2-bin (rsvg-convert).
"""

import argparse
import json
import os
import re
import shutil
import sqlite3
import subprocess
import sys
import tempfile
from collections import OrderedDict
from io import BytesIO

from PIL import Image, ImageChops, ImageFilter, ImageOps

# Category folders in the order their rows appear in the keyword table.
# "Normal" is the one the editor shows at start-up.
CATEGORIES = [
    "Normal", "Happy", "Love", "Sad", "Surprised", "Angry", "Sick",
    "Gestures", "Monsters", "Animals", "People",
]

# Default category of every face of an OpenMoji subgroup.
SUBGROUP_CATEGORY = {
    "face-neutral-skeptical": "Normal",
    "face-glasses": "Normal",
    "face-hat": "Normal",
    "face-sleepy": "Normal",
    "face-smiling": "Happy",
    "face-tongue": "Happy",
    "face-affection": "Love",
    "face-concerned": "Sad",
    "face-negative": "Angry",
    "face-unwell": "Sick",
    "face-hand": "Gestures",
    "person-gesture": "Gestures",
    "face-costume": "Monsters",
    "person-fantasy": "Monsters",
    "cat-face": "Animals",
    "monkey-face": "Animals",
    "person": "People",
}

# Single faces that read better elsewhere than their subgroup says, and the
# few faces taken from subgroups that are otherwise left out.
HEXCODE_CATEGORY = {
    # shock and fear out of "face-concerned", plus a few more wide-eyed faces
    "1F62E": "Surprised",  # face with open mouth
    "1F62F": "Surprised",  # hushed face
    "1F632": "Surprised",  # astonished face
    "1F633": "Surprised",  # flushed face
    "1FAEA": "Surprised",  # distorted face
    "1F631": "Surprised",  # face screaming in fear
    "1F628": "Surprised",  # fearful face
    "1F627": "Surprised",  # anguished face
    "1F626": "Surprised",  # frowning face with open mouth
    "1F92F": "Surprised",  # exploding head
    "1FAE8": "Surprised",  # shaking face
    "1FAE2": "Surprised",  # face with open eyes and hand over mouth
    "E281": "Surprised",   # incredulous face
    # OpenMoji's own extra faces
    "E280": "Normal",      # exhausted face
    "E283": "Normal",      # annoyed face with tongue
    "E282": "Sad",         # dejected face
    # skulls are monsters, not anger
    "1F480": "Monsters",   # skull
    "2620": "Monsters",    # skull and crossbones
    # people who frown or pout belong with the angry faces
    "1F64D": "Angry",
    "1F64D-200D-2642-FE0F": "Angry",
    "1F64D-200D-2640-FE0F": "Angry",
    "1F64E": "Angry",
    "1F64E-200D-2642-FE0F": "Angry",
    "1F64E-200D-2640-FE0F": "Angry",
    # two faces kissing, two faces with a heart
    "1F48F": "Love",       # kiss
    "1F491": "Love",       # couple with heart
    # faces in pain from OpenMoji's healthcare extras
    "E31C": "Sick",        # eye pain
    "E31D": "Sick",        # headache
    "E31E": "Sick",        # earache
}

# Left out on purpose.
EXCLUDED = {
    "E183",  # depicts a real, named person
    "E188",  # depicts a real, named person
    "1FAC8",  # hairy creature: OpenMoji tags it after a film character
    "1F43D",  # pig nose: a snout, not a face
    "1F428",  # koala: the whole animal, not its face
    "1F9DA",  # fairy: a whole figure with wings
    "1F9DC",  # merperson: a whole figure with a tail
    "1F9D1-200D-1F384",  # Mx Claus: a third Claus besides Santa and Mrs. Claus
}

# Fantasy figures come in a neutral, a man's and a woman's drawing; the
# neutral one is enough there. Elsewhere (gestures, frowning) all three stay.
NEUTRAL_ONLY_SUBGROUPS = {"person-fantasy"}
GENDER_SIGNS = ("-2640-", "-2642-")  # female and male sign in a ZWJ sequence

# Mammals only when OpenMoji draws (and tags) their face, not the whole animal.
ANIMAL_FACE_SUBGROUP = "animal-mammal"

FULL_SIZE = 256
THUMB_SIZE = 80
WORK_SIZE = 512          # fill and crop at twice the full size
RENDER_SIZE = 1024       # rsvg-convert output for the 72-unit artwork
MARGIN = 0.04            # of the drawing's longer side, on each side
WALL_ALPHA = 96          # pixels at least this opaque stop the outside fill
BBOX_ALPHA = 16          # pixels at least this opaque count as drawing
CLOSE_RADIUS = 16        # openings in an outline up to about twice this are closed
WIDE_CLOSE_RADIUS = 32   # the same for open animal heads and leaky outlines
LEAK_RATIO = 0.7         # narrow fill below this share of the wide one: leaked


def is_base_entry(entry):
    """True unless the entry is a skin-tone variant of another entry."""
    if entry.get("skintone"):
        return False
    base = entry.get("skintone_base_hexcode") or ""
    return base == "" or base == entry["hexcode"]


def words(field):
    return [w.strip().lower() for w in (field or "").split(",") if w.strip()]


def category_for(entry):
    hexcode = entry["hexcode"]
    if hexcode in EXCLUDED or entry["group"] in ("flags", "extras-unicode"):
        return None
    if not is_base_entry(entry):
        return None
    if hexcode in HEXCODE_CATEGORY:
        return HEXCODE_CATEGORY[hexcode]
    subgroup = entry["subgroups"]
    if subgroup in NEUTRAL_ONLY_SUBGROUPS and any(s in hexcode + "-" for s in GENDER_SIGNS):
        return None
    if entry["group"] == "animals-nature" and subgroup == ANIMAL_FACE_SUBGROUP:
        return "Animals" if "face" in words(entry["tags"]) else None
    if entry["group"] in ("smileys-emotion", "people-body"):
        return SUBGROUP_CATEGORY.get(subgroup)
    return None


def file_stem(annotation):
    """'person: blond hair' -> 'person-blond-hair'."""
    text = annotation.lower().replace("’", "").replace("'", "")
    text = re.sub(r"[^a-z0-9]+", "-", text).strip("-")
    return text or "face"


def keywords_for(entry, category):
    seen = OrderedDict()
    for w in [entry["annotation"].lower()] + words(entry["tags"]) \
            + words(entry["openmoji_tags"]) + [category.lower()]:
        seen.setdefault(w, None)
    return ", ".join(seen)


def render(svg_path):
    png = subprocess.run(
        ["rsvg-convert", "--format", "png", "--width", str(RENDER_SIZE),
         "--height", str(RENDER_SIZE), svg_path],
        check=True, stdout=subprocess.PIPE).stdout
    return Image.open(BytesIO(png)).convert("RGBA")


def crop_square(image):
    """Square crop around the drawing with MARGIN, scaled to WORK_SIZE."""
    alpha = image.getchannel("A").point(lambda a: 255 if a >= BBOX_ALPHA else 0)
    box = alpha.getbbox()
    if box is None:
        raise ValueError("empty drawing")
    left, top, right, bottom = box
    side = max(right - left, bottom - top)
    side += 2 * max(2, round(side * MARGIN))
    x0 = (left + right - side) // 2
    y0 = (top + bottom - side) // 2
    # Crop outside the render pads with transparency.
    square = image.crop((x0, y0, x0 + side, y0 + side))
    return square.resize((WORK_SIZE, WORK_SIZE), Image.LANCZOS)


def dilate(mask, radius):
    """Grows a 0/255 mask by about radius pixels, evenly in every direction."""
    blurred = mask.filter(ImageFilter.GaussianBlur(radius / 2.0))
    return blurred.point(lambda v: 255 if v >= 6 else 0)


def outside_region(walls):
    """0/255 mask of the pixels reachable from the border without crossing a wall."""
    size = walls.width
    wall = walls.tobytes()
    outside = bytearray(size * size)
    last = size * size
    stack = list(range(size)) + list(range(last - size, last)) \
        + list(range(0, last, size)) + list(range(size - 1, last, size))
    while stack:
        i = stack.pop()
        if outside[i] or wall[i]:
            continue
        # Fill the run on this row, then queue the rows above and below.
        row = i - i % size
        lo = i
        while lo > row and not outside[lo - 1] and not wall[lo - 1]:
            lo -= 1
        hi = i
        while hi < row + size - 1 and not outside[hi + 1] and not wall[hi + 1]:
            hi += 1
        outside[lo:hi + 1] = b"\xff" * (hi + 1 - lo)
        for j in range(lo, hi + 1):
            if j >= size and not outside[j - size] and not wall[j - size]:
                stack.append(j - size)
            if j + size < last and not outside[j + size] and not wall[j + size]:
                stack.append(j + size)
    return Image.frombytes("L", (size, size), bytes(outside))


def white_mask(image, radius):
    """0/255 mask of where the drawing needs white behind it.

    Many outlines have openings (dashes, a hand over the face, whiskers or
    motion strokes across the outline). The lines are thickened by radius
    before the outside is filled from the border, so such openings count as
    closed; the outside is then grown back by the same amount to reach the
    lines again."""
    lines = image.getchannel("A").point(lambda a: 255 if a >= WALL_ALPHA else 0)
    # A border wider than the thickening keeps the outside connected all round.
    pad = radius * 2
    walls = dilate(ImageOps.expand(lines, pad, 0), radius)
    outside = dilate(outside_region(walls), radius)
    outside = outside.crop((pad, pad, pad + image.width, pad + image.height))
    not_outside = ImageChops.invert(outside)
    # Let the white reach under the inner half of the lines, so that no light
    # seam stays along their anti-aliased inner edge; never into the outside.
    inside = ImageChops.subtract(not_outside, lines).filter(ImageFilter.MaxFilter(5))
    return ImageChops.darker(inside, not_outside)


def fill_inside(image, wide):
    """Composes the drawing over white wherever its lines enclose it.

    The narrow closing keeps concave shapes (between ears, fingers, arms)
    clear. It is widened when asked (animal heads, drawn with open cheeks and
    chins) or when the wide closing finds much more inside than the narrow one:
    then the narrow one has leaked through a gap in the outline."""
    mask = white_mask(image, WIDE_CLOSE_RADIUS)
    if not wide:
        narrow = white_mask(image, CLOSE_RADIUS)
        if narrow.histogram()[255] >= LEAK_RATIO * mask.histogram()[255]:
            mask = narrow
    white = Image.new("RGBA", image.size, (255, 255, 255, 0))
    white.putalpha(mask)
    return Image.alpha_composite(white, image)


def levels(count):
    return [round(i * 255 / (count - 1)) for i in range(count)]


def nearest_level(value, count):
    return round(round(value * (count - 1) / 255) * 255 / (count - 1))


# The palette of every stored face, as (grey, alpha): black at LEVELS alpha
# levels (the lines' outer edges), opaque greys (their edges over the white)
# and white at fewer alpha levels (the edge of the fill where an outline was
# closed). Exact black, white and transparency stay exact.
LEVELS = 16
PALETTE = [(0, a) for a in levels(LEVELS)] \
    + [(v, 255) for v in levels(LEVELS)[1:-1]] \
    + [(255, a) for a in levels(LEVELS // 2)[1:]]
PALETTE_INDEX = {colour: i for i, colour in enumerate(PALETTE)}


def palette_colour(grey, alpha):
    if alpha >= 255 - 255 // (2 * (LEVELS - 1)):
        v = nearest_level(grey, LEVELS)
        return (v, 255)
    if grey < 128:
        return (0, nearest_level(alpha, LEVELS))
    a = nearest_level(alpha, LEVELS // 2)
    return (255, a) if a else (0, 0)


def to_palette(image, size):
    """The face at size x size as an 8-bit palette image with transparency."""
    small = image.resize((size, size), Image.LANCZOS)
    # Black lines over white: red, green and blue are equal.
    grey, alpha = small.getchannel("R").tobytes(), small.getchannel("A").tobytes()
    cache = {}
    indices = bytearray(len(grey))
    for i, key in enumerate(zip(grey, alpha)):
        index = cache.get(key)
        if index is None:
            index = cache[key] = PALETTE_INDEX[palette_colour(*key)]
        indices[i] = index
    out = Image.frombytes("P", (size, size), bytes(indices))
    out.putpalette([c for grey, _ in PALETTE for c in (grey, grey, grey)])
    out.info["transparency"] = bytes(alpha for _, alpha in PALETTE)
    return out


def save_png(image, path):
    image.save(path, format="PNG", optimize=True)


def select(entries):
    faces = []
    used = {c: set() for c in CATEGORIES}
    # OpenMoji's own order puts related faces together; its extras have none
    # and follow the standard emoji.
    def order(entry):
        rank = entry.get("order")
        return (0, rank, entry["hexcode"]) if isinstance(rank, int) else (1, 0, entry["hexcode"])

    for entry in sorted(entries, key=order):
        category = category_for(entry)
        if category is None:
            continue
        stem = file_stem(entry["annotation"])
        name, n = stem, 2
        while name in used[category]:
            name, n = "%s-%d" % (stem, n), n + 1
        used[category].add(name)
        faces.append({
            "entry": entry,
            "category": category,
            "name": name + ".png",
            "keywords": keywords_for(entry, category),
        })
    faces.sort(key=lambda f: CATEGORIES.index(f["category"]))  # stable
    return faces


def write_database(path, faces):
    if os.path.exists(path):
        os.remove(path)
    db = sqlite3.connect(path)
    db.execute("PRAGMA journal_mode=DELETE")
    db.execute("CREATE TABLE search(id INTEGER PRIMARY KEY, filename TEXT, keywords TEXT)")
    db.executemany(
        "INSERT INTO search(id, filename, keywords) VALUES (?, ?, ?)",
        [(i + 1, "%s/%s" % (f["category"], f["name"]), f["keywords"])
         for i, f in enumerate(faces)])
    db.commit()
    db.execute("VACUUM")
    db.close()


ATTRIBUTION = """\
# Face library: credit and licence

The face images in `RageFaces/` and their keywords in `app_db.sqlite` are
derived from OpenMoji {version} (the black line-art set, `black/svg`, and the
annotations and tags of `data/openmoji.json`).

> All emojis designed by [OpenMoji](https://openmoji.org/) – the open-source
> emoji and icon project. License: [CC BY-SA 4.0](https://creativecommons.org/licenses/by-sa/4.0/#)

- Artwork: OpenMoji – the open-source emoji and icon project, https://openmoji.org/
  (the designer of each emoji is named in OpenMoji's data/openmoji.json).
- Licence: Creative Commons Attribution-ShareAlike 4.0 International
  (CC BY-SA 4.0), https://creativecommons.org/licenses/by-sa/4.0/
  The full licence text is in `RageFaces-LICENSE.txt` beside this file.

## Changes made

The images were changed: each SVG was rendered to PNG, cropped square to its
drawing, its enclosed inside filled white (the outside made transparent),
rescaled to 256 × 256 pixels and to 80 × 80 pixel thumbnails, stored as
greyscale images with transparency, renamed after its OpenMoji annotation and
regrouped into the category folders of this application. The keywords were
taken from the annotations and tags, lower-cased, with the category name added.

These adapted images are licensed under the same licence, CC BY-SA 4.0.

## No endorsement

OpenMoji and its contributors do not endorse this application or its makers.
Their names are given here only as the licence requires. The material is
provided as-is, without warranties of any kind, as set out in the licence.

## Faces

{count} faces, generated by `tools/faces/generate.sh` from the npm package
`openmoji@{version}`.

| file | OpenMoji | annotation | designer |
|---|---|---|---|
{rows}
"""


def write_attribution(path, faces, version):
    rows = "\n".join(
        "| %s/%s | %s | %s | %s |" % (
            f["category"], f["name"], f["entry"]["hexcode"],
            f["entry"]["annotation"], f["entry"]["openmoji_author"])
        for f in faces)
    with open(path, "w", encoding="utf-8") as out:
        out.write(ATTRIBUTION.format(version=version, count=len(faces), rows=rows))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--source", required=True, help="node_modules/openmoji")
    parser.add_argument("--out", required=True, help="resources folder")
    args = parser.parse_args()

    with open(os.path.join(args.source, "package.json"), encoding="utf-8") as f:
        version = json.load(f)["version"]
    with open(os.path.join(args.source, "data", "openmoji.json"), encoding="utf-8") as f:
        entries = json.load(f)
    faces = select(entries)

    staging = tempfile.mkdtemp(prefix="faces-", dir=args.out)
    try:
        library = os.path.join(staging, "RageFaces")
        for category in CATEGORIES:
            os.makedirs(os.path.join(library, category, "thumb"))
        for n, face in enumerate(faces, 1):
            svg = os.path.join(args.source, "black", "svg", face["entry"]["hexcode"] + ".svg")
            work = fill_inside(crop_square(render(svg)), face["category"] == "Animals")
            folder = os.path.join(library, face["category"])
            save_png(to_palette(work, FULL_SIZE), os.path.join(folder, face["name"]))
            save_png(to_palette(work, THUMB_SIZE), os.path.join(folder, "thumb", face["name"]))
            if n % 25 == 0 or n == len(faces):
                print("%d/%d faces" % (n, len(faces)), file=sys.stderr, flush=True)
        write_database(os.path.join(staging, "app_db.sqlite"), faces)
        write_attribution(os.path.join(staging, "RageFaces-ATTRIBUTION.md"), faces, version)
        shutil.copyfile(os.path.join(args.source, "LICENSE.txt"),
                        os.path.join(staging, "RageFaces-LICENSE.txt"))

        # Replace the previous output only once everything was made.
        for name in ("RageFaces", "app_db.sqlite", "RageFaces-ATTRIBUTION.md",
                     "RageFaces-LICENSE.txt"):
            target = os.path.join(args.out, name)
            if os.path.isdir(target):
                shutil.rmtree(target)
            elif os.path.exists(target):
                os.remove(target)
            os.rename(os.path.join(staging, name), target)
    finally:
        shutil.rmtree(staging, ignore_errors=True)

    counts = OrderedDict((c, 0) for c in CATEGORIES)
    for face in faces:
        counts[face["category"]] += 1
    for category, count in counts.items():
        print("%-10s %3d" % (category, count))
    print("%-10s %3d" % ("total", len(faces)))


if __name__ == "__main__":
    main()
