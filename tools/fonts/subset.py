#!/usr/bin/env python3
"""Writes the fonts the program carries: Debian's Wine Tahoma and Liberation
Sans, cut down to the characters a Russian desktop program writes.

    subset.py <folder the two Debian packages are unpacked into> <out folder>

Every glyph, its hinting and its bitmaps are kept as they are, so what the
program draws is the same to the pixel; the rest of the 2 300 glyphs (Greek,
Hebrew, phonetic, box drawing...) only made the program larger and its start
slower, since a font's pages are read in with its neighbours'. A character
outside these ranges (a file name in another script, in the list's dialogs)
is drawn by the system's own fonts, as Qt does for any face.

Liberation Sans reserves its name for the unmodified font (SIL OFL 1.1, 3),
so the cut-down one is named Metalcalc Sans; Wine's Tahoma keeps its name
(LGPL 2.1 or later; its Bitstream Vera origin reserves only "Bitstream" and
"Vera"). The output is the same, byte for byte, on every run.
"""
import os
import sys

from fontTools import subset

# Basic Latin and Latin-1, Latin Extended-A (the Latin names of Central
# Europe), Cyrillic, the general punctuation (dashes, quotes, the ellipsis),
# the currency signs (₽), №, ™, arrows, and the mathematical signs the
# program or a price list may show (− ≈ ≠ ≤ ≥).
UNICODES = ('U+0020-007E,U+00A0-017F,U+0400-04FF,U+2010-2027,U+2030-203A,U+2044,U+20A0-20CF,'
            'U+2116,U+2122,U+2190-2193,U+2212,U+2248,U+2260,U+2264,U+2265')

FONTS = [
    # (the package's file, the file written, the family written or None)
    ('usr/share/wine/fonts/tahoma.ttf', 'tahoma.ttf', None),
    ('usr/share/wine/fonts/tahomabd.ttf', 'tahomabd.ttf', None),
    ('usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf', 'MetalcalcSans-Regular.ttf',
     'Metalcalc Sans'),
    ('usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf', 'MetalcalcSans-Bold.ttf', 'Metalcalc Sans'),
]

# The names that name the font, as opposed to its notices (copyright,
# trademark, description, licence), which stay as they are.
NAMING = {1, 3, 4, 6, 16, 17, 18, 21, 22}


def renamed(font, family):
    old = font['name'].getDebugName(1)
    for record in font['name'].names:
        if record.nameID in NAMING:
            text = record.toUnicode()
            text = text.replace(old, family).replace(old.replace(' ', ''), family.replace(' ', ''))
            if 'Liberation' in text or 'Arimo' in text:
                sys.exit(f'subset.py: name {record.nameID} still reads "{text}"')
            record.string = text


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    unpacked, out = sys.argv[1:]
    os.makedirs(out, exist_ok=True)
    options = subset.Options()
    options.layout_features = ['*']
    # The bitmaps that Wine's Tahoma draws at small sizes: without them it
    # would be drawn from its outlines there.
    options.drop_tables = [t for t in options.drop_tables if t not in ('EBDT', 'EBLC')]
    # The old kerning table beside the OpenType one, for whatever reads it.
    options.legacy_kern = True
    options.name_IDs = ['*']
    options.name_languages = ['*']
    options.notdef_outline = True
    options.recalc_timestamp = False
    unicodes = subset.parse_unicodes(UNICODES)
    for source, written, family in FONTS:
        font = subset.load_font(os.path.join(unpacked, source), options)
        subsetter = subset.Subsetter(options)
        subsetter.populate(unicodes=unicodes)
        subsetter.subset(font)
        if family:
            renamed(font, family)
        subset.save_font(font, os.path.join(out, written), options)
        print(f'subset.py: {written}: {len(font.getGlyphOrder())} glyphs, '
              f'{os.path.getsize(os.path.join(out, written))} bytes')


if __name__ == '__main__':
    main()
