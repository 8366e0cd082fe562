#!/usr/bin/env python3
"""Writes the calculator's standard size tables (src/core/standards/*.inc)
from the checked CSV transcriptions of the standards.

    tools/standards/import.py [FOLDER]

FOLDER holds the CSV files, SOURCES.md and FINDINGS.md (by default
../shared/standards beside the project). Each CSV becomes one .inc file: a
comment naming the standard, its edition and where its values come from,
then one row per size in the standard's order. A value that the standard
misprints is replaced by the value its own geometry gives (CORRECTIONS
below), and the row says so. The result is committed; run this again only
when a table changes, then run the core's standards test.
"""
import csv
import os
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
OUT = os.path.join(ROOT, 'src', 'core', 'standards')

# csv file, output name, heading lines, row kind, columns of the geometry.
TABLES = [
    ('gost_8239_89_ibeam.csv', 'gost_8239_89', [
        'ГОСТ 8239-89 «Двутавры стальные горячекатаные. Сортамент», Table 1.',
        'Values from the 2001 reprint scanned; the same in three data copies and the 1990 printing.',
        'Geometry: h, b, s, t, R (fillet), r (toe); flanges sloped 12 %.'],
     'flanged', ['h_mm', 'b_mm', 's_mm', 't_mm', 'R_mm', 'r_mm']),
    ('gost_26020_83_ibeam_B.csv', 'gost_26020_83_b', [
        'ГОСТ 26020-83 «Двутавры стальные горячекатаные с параллельными гранями полок», series Б.',
        'h, b, s, t, r, A from a structural program\'s tables, mass from a sortament workbook;',
        'every row read against the 1998 reissue scanned. Geometry: h, b, s, t, R (fillet), 0.'],
     'flanged26020', ['h_mm', 'b_mm', 's_mm', 't_mm', 'r_mm']),
    ('gost_26020_83_ibeam_Sh.csv', 'gost_26020_83_sh', [
        'ГОСТ 26020-83, series Ш; sources as for series Б.'],
     'flanged26020', ['h_mm', 'b_mm', 's_mm', 't_mm', 'r_mm']),
    ('gost_26020_83_ibeam_K.csv', 'gost_26020_83_k', [
        'ГОСТ 26020-83, series К; sources as for series Б.'],
     'flanged26020', ['h_mm', 'b_mm', 's_mm', 't_mm', 'r_mm']),
    ('gost_26020_83_ibeam_D.csv', 'gost_26020_83_d', [
        'ГОСТ 26020-83, the additional series (ДБ, ДШ); sources as for series Б.'],
     'flanged26020', ['h_mm', 'b_mm', 's_mm', 't_mm', 'r_mm']),
    ('gost_8240_97_channel_U.csv', 'gost_8240_97_u', [
        'ГОСТ 8240-97 «Швеллеры стальные горячекатаные. Сортамент», series У (sloped flanges, 10 %).',
        'Values from the scanned standard; the same in the 8240-89 text and four data copies.',
        'Geometry: h, b, s, t, R (fillet), r (toe).'],
     'flanged', ['h_mm', 'b_mm', 's_mm', 't_mm', 'R_mm', 'r_mm']),
    ('gost_8240_97_channel_P.csv', 'gost_8240_97_p', [
        'ГОСТ 8240-97, series П (parallel flanges); sources as for series У.'],
     'flanged', ['h_mm', 'b_mm', 's_mm', 't_mm', 'R_mm', 'r_mm']),
    ('gost_8240_97_channel_E.csv', 'gost_8240_97_e', [
        'ГОСТ 8240-97, series Э (economical, parallel flanges); from the scanned standard alone.'],
     'flanged', ['h_mm', 'b_mm', 's_mm', 't_mm', 'R_mm', 'r_mm']),
    ('gost_8509_93_angle_equal.csv', 'gost_8509_93', [
        'ГОСТ 8509-93 «Уголки стальные горячекатаные равнополочные. Сортамент», Table 1.',
        'Values from the standard\'s own text; the same in two data copies.',
        'Geometry: b, b, t, R (fillet), r (toe).'],
     'equalangle', ['b_mm', 'b_mm', 't_mm', 'R_mm', 'r_mm']),
    ('gost_8510_86_angle_unequal.csv', 'gost_8510_86', [
        'ГОСТ 8510-86 «Уголки стальные горячекатаные неравнополочные. Сортамент».',
        'B, b, t, R, r from a structural program\'s tables; A and mass from a retyped copy of the',
        'official text; compared with two more copies. Geometry: B, b, t, R (fillet), r (toe).'],
     'angle', ['B_mm', 'b_mm', 't_mm', 'R_mm', 'r_mm']),
    ('gost_30245_2003_hollow_square.csv', 'gost_30245_2003_square', [
        'ГОСТ 30245-2003 «Профили стальные гнутые замкнутые сварные квадратные и прямоугольные',
        'для строительных конструкций», square sections. H, B, t, the corner radii and A from a',
        'structural program\'s tables; mass = A × 0.785, as the standard defines it.',
        'Geometry: H, B, t, R (outer corner), r (inner corner).'],
     'hollow', ['H_mm', 'B_mm', 't_mm', 'R_out_mm', 'r_in_mm']),
    ('gost_30245_2003_hollow_rect.csv', 'gost_30245_2003_rect', [
        'ГОСТ 30245-2003, rectangular sections; sources as for the square ones.'],
     'hollow', ['H_mm', 'B_mm', 't_mm', 'R_out_mm', 'r_in_mm']),
    ('gost_10704_91_welded_pipe_sizes.csv', 'gost_10704_91', [
        'ГОСТ 10704-91 «Трубы стальные электросварные прямошовные. Сортамент», Table 1: the',
        'diameter × wall sizes, from a structural program\'s tables, the first page checked',
        'against the scanned standard. The mass is the standard\'s formula 0.0246615·t·(D−t),',
        'not its printed table: the printed row for D 18 is shifted by one wall.'],
     'pipe', ['D_mm', 'wall_mm']),
    ('gost_8732_78_seamless_pipe_sizes.csv', 'gost_8732_78', [
        'ГОСТ 8732-78 «Трубы стальные бесшовные горячедеформированные. Сортамент»: the',
        'diameter × wall sizes, from a structural program\'s tables (one source). The mass is the',
        'standard\'s formula 0.0246615·t·(D−t).'],
     'pipe', ['D_mm', 'wall_mm']),
    ('gost_2591_88_square_bar.csv', 'gost_2591_88', [
        'ГОСТ 2591-88 «Прокат стальной горячекатаный квадратный. Сортамент», Table 1, from the',
        'scanned standard. Geometry: a.'],
     'bar', ['a_mm']),
    ('gost_2879_88_hex_bar.csv', 'gost_2879_88', [
        'ГОСТ 2879-88 «Прокат стальной горячекатаный шестигранный. Сортамент», Table 1, from the',
        'scanned standard. Geometry: s (across flats).'],
     'bar', ['s_mm']),
    ('gost_19903_74_sheet_thickness.csv', 'gost_19903_74', [
        'ГОСТ 19903-74 «Прокат листовой горячекатаный. Сортамент», Table 1: the thicknesses,',
        'with the mass of a square metre at 7.85 g/cm³, from the scanned standard.'],
     'sheet', ['t_mm']),
]

# Misprints (FINDINGS.md): the value each row ships, and why.
CORRECTIONS = {
    ('gost_8509_93', '160x160x14'): ('43.27', '33.97', 'the standard prints 43.57 cm² and 34.20 kg/m; '
                                     't(2b−t) + (1−π/4)(R²−2r²) and its own I/i² give 43.27'),
    ('gost_8510_86', '40x30x4'): (None, '2.10', 'every copy prints 2.26 kg/m; its area 2.67 cm² × 0.785 gives 2.10'),
    ('gost_8510_86', '40x30x5'): (None, '2.57', 'every copy prints 2.46 kg/m; its area 3.28 cm² × 0.785 gives 2.57'),
    ('gost_8510_86', '50x32x4'): (None, '2.49', 'copies print 2.4 kg/m; its area 3.17 cm² × 0.785 gives 2.49'),
    ('gost_8510_86', '80x50x5'): (None, '4.99', 'copies print 4.49 kg/m; its area 6.36 cm² × 0.785 gives 4.99'),
    ('gost_2591_88', '38'): ('14.44', '11.34', 'the standard prints 14.14 cm² and 11.24 kg/m; 38² gives 14.44'),
    ('gost_2879_88', '47'): ('19.13', '15.02', 'the standard prints 19.040 cm² and 14.95 kg/m; 0.866·47² gives 19.13'),
}
# Rows whose CSV value already mends the scan; the .inc says so beside them.
MENDED = {
    ('gost_26020_83_k', '30К2'): 'the 1998 scan prints h 304 here and 300 for 30К3: swapped; A and W = 2I/h give 300',
    ('gost_26020_83_k', '30К3'): 'the 1998 scan prints h 300 here; A and W = 2I/h give 304',
    ('gost_26020_83_b', '90Б1'): 'the scan\'s glyph reads h 898; A and W = 2I/h give 893',
}


def designation(text):
    # The standards write sizes as 50×50×5; the CSVs use a plain x.
    return text.replace('x', '×')


def decimals(text):
    return len(text.split('.')[1]) if '.' in text else 0


def number(text):
    text = text.strip()
    float(text)
    return text


def rows_of(path):
    with open(path, newline='', encoding='utf-8') as f:
        return list(csv.DictReader(f))


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(ROOT), 'shared', 'standards')
    os.makedirs(OUT, exist_ok=True)
    for csv_name, name, heading, kind, geometry in TABLES:
        lines = ['// ' + line for line in heading]
        lines.append('// Transcribed and cross-checked as the standards folder\'s SOURCES.md and')
        lines.append('// FINDINGS.md describe (' + csv_name + '); written by tools/standards/import.py.')
        lines.append('// Row: designation, {geometry in mm}, area in cm², mass in kg/m, decimals of the mass.')
        rows = rows_of(os.path.join(folder, csv_name))
        if kind == 'pipe':
            # The pipe standards list each diameter's walls from the thinnest;
            # the transcription has a few out of place.
            rows.sort(key=lambda r: (float(r['D_mm']), float(r['wall_mm'])))
        for row in rows:
            key = row.get('designation') or row.get('size') or row.get('t_mm')
            dims = [number(row[c]) for c in geometry]
            if kind == 'sheet':
                area, mass = '0', number(row['m_kg_per_m2_at_7850'])
            elif kind == 'pipe':
                area, mass = number(row['A_cm2']), None
            else:
                area = number(row['A_cm2'])
                mass = number(row.get('m_kg_per_m') or row.get('m_kg_per_m_from_A'))
            note = None
            if (name, key) in CORRECTIONS:
                new_area, new_mass, why = CORRECTIONS[(name, key)]
                area = new_area or area
                mass = new_mass or mass
                note = 'corrected: ' + why
            elif (name, key) in MENDED:
                note = 'mended: ' + MENDED[(name, key)]
            label = designation(key)
            if kind == 'pipe':
                text = 'Pipe("%s", %s, %s, %s),' % (label, dims[0], dims[1], area)
            else:
                text = '{"%s", {%s}, %s, %s, %d},' % (label, ', '.join(dims), area, mass, decimals(mass))
            if note:
                lines.append('// ' + label + ': ' + note)
            lines.append(text)
        with open(os.path.join(OUT, name + '.inc'), 'w', encoding='utf-8') as f:
            f.write('\n'.join(lines) + '\n')
        print(name, 'written')


if __name__ == '__main__':
    main()
