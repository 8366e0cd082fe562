#!/usr/bin/env python3
"""Writes the calculator's standard size tables from the checked CSV
transcriptions of the standards in tools/standards/data/.

    tools/standards/import.py           write src/core/standards/*.inc
    tools/standards/import.py --check   write them into a temporary folder and
                                        fail if any differs from the committed one

KINDS below is the one description of the tables: for each kind of the
calculator its standards (number and edition, the section their drawing
shows, the tolerance of the printed area), each standard's series and each
series' transcription. From it come one .inc per series (a comment naming
the standard, its edition and where its values come from, then one row per
size in the standard's order) and index.inc, which declares the series,
the standards and which kinds they belong to. The section names are the
core's `Section` names. A value that the standard misprints is replaced by
the value its own geometry gives (CORRECTIONS below), and the row says so.
The result is committed; after changing a transcription or KINDS, run this,
then the core's standards test.
"""
import csv
import filecmp
import os
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
DATA = os.path.join(HERE, 'data')
OUT = os.path.join(ROOT, 'src', 'core', 'standards')


class Table:
    """One series' transcription: the CSV, the .inc it becomes, its heading
    lines, the CSV columns of the geometry in the section's order, and:
    mass    'printed' (the CSV's), or 'formula' (the standard's formula for
            the section, evaluated by the core's helper; the pipes' and the
            round bar's standards define the mass so);
    keep    which CSV rows are the standard's (default: all);
    bracketed  the CSV column saying that the standard puts the size in
            brackets (not for new designs)."""

    def __init__(self, csv_name, name, heading, geometry, mass='printed', keep=None, bracketed=None,
                 designation=None):
        self.csv_name, self.name, self.heading, self.geometry = csv_name, name, heading, geometry
        self.mass, self.keep, self.bracketed, self.designation = mass, keep, bracketed, designation


def Standard(number, section, tolerance, series):
    # tolerance: 'Loose' (1 %) where the drawing leaves a flange slope open,
    # 'Exact' (0.3 %) where it fixes the geometry.
    return {'number': number, 'section': section, 'tolerance': tolerance, 'series': series}


FLANGED = ['h_mm', 'b_mm', 's_mm', 't_mm', 'R_mm', 'r_mm']
FLANGED_PARALLEL = ['h_mm', 'b_mm', 's_mm', 't_mm', 'r_mm']
HOLLOW = ['H_mm', 'B_mm', 't_mm', 'R_out_mm', 'r_in_mm']
PIPE = ['D_mm', 'wall_mm']

SOURCES_LINE = 'Transcribed and cross-checked as tools/standards/data/SOURCES.md, FINDINGS.md and ADDITIONS.md'


def special(row):
    return row.get('special_size') == 'yes'


def two_sources(row):
    return row['status'].startswith('two sources')


def nominal_bore(row):
    # Buyers name a water-gas pipe by its nominal bore and wall, the outer
    # diameter after them: "Ду 20×2.8 (26.8)".
    return 'Ду %s×%s (%s)' % (row['DN'], row['wall_mm'], number(row['D_mm']))


KINDS = [
    ('pkPipe', [
        Standard('ГОСТ 10704-91', 'Pipe', 'Exact', [('электросварные', Table(
            'gost_10704_91_welded_pipe_sizes.csv', 'gost_10704_91', [
                'ГОСТ 10704-91 «Трубы стальные электросварные прямошовные. Сортамент», Table 1: the',
                'diameter × wall sizes, from a structural program\'s tables, the first page checked',
                'against the scanned standard. The mass is the standard\'s formula 0.0246615·t·(D−t),',
                'not its printed table: the printed row for D 18 is shifted by one wall.'],
            PIPE, mass='formula'))]),
        Standard('ГОСТ 8732-78', 'Pipe', 'Exact', [('бесшовные горячедеформированные', Table(
            'gost_8732_78_seamless_pipe_sizes.csv', 'gost_8732_78', [
                'ГОСТ 8732-78 «Трубы стальные бесшовные горячедеформированные. Сортамент»: the',
                'diameter × wall sizes, from a structural program\'s tables (one source). The mass is the',
                'standard\'s formula 0.0246615·t·(D−t).'],
            PIPE, mass='formula'))]),
    ]),
    ('pkProfilePipe', [
        Standard('ГОСТ 30245-2003', 'HollowSection', 'Exact', [
            ('квадратные', Table(
                'gost_30245_2003_hollow_square.csv', 'gost_30245_2003_square', [
                    'ГОСТ 30245-2003 «Профили стальные гнутые замкнутые сварные квадратные и прямоугольные',
                    'для строительных конструкций», square sections. H, B, t, the corner radii and A from a',
                    'structural program\'s tables; every row read on the scanned standard, whose mass is',
                    '0.785 × the unrounded area, rounded as printed (one decimal from 100 kg/m).',
                    'Geometry: H, B, t, R (outer corner), r (inner corner).'],
                HOLLOW)),
            ('прямоугольные', Table(
                'gost_30245_2003_hollow_rect.csv', 'gost_30245_2003_rect', [
                    'ГОСТ 30245-2003, rectangular sections; sources as for the square ones.'],
                HOLLOW)),
        ]),
    ]),
    ('pkSquare', [
        Standard('ГОСТ 2591-88', 'SquareBar', 'Exact', [('квадрат', Table(
            'gost_2591_88_square_bar.csv', 'gost_2591_88', [
                'ГОСТ 2591-88 «Прокат стальной горячекатаный квадратный. Сортамент», Table 1, from the',
                'scanned standard. Geometry: a.'],
            ['a_mm']))]),
    ]),
    ('pkAngle', [
        Standard('ГОСТ 8509-93', 'Angle', 'Exact', [('равнополочные', Table(
            'gost_8509_93_angle_equal.csv', 'gost_8509_93', [
                'ГОСТ 8509-93 «Уголки стальные горячекатаные равнополочные. Сортамент», Table 1.',
                'Values from the standard\'s own text; the same in two data copies.',
                'Geometry: b, b, t, R (fillet), r (toe).'],
            ['b_mm', 'b_mm', 't_mm', 'R_mm', 'r_mm']))]),
        Standard('ГОСТ 8510-86', 'Angle', 'Exact', [('неравнополочные', Table(
            'gost_8510_86_angle_unequal.csv', 'gost_8510_86', [
                'ГОСТ 8510-86 «Уголки стальные горячекатаные неравнополочные. Сортамент».',
                'B, b, t, R, r from a structural program\'s tables; A and mass from a retyped copy of the',
                'official text; compared with two more copies. Geometry: B, b, t, R (fillet), r (toe).'],
            ['B_mm', 'b_mm', 't_mm', 'R_mm', 'r_mm']))]),
    ]),
    ('pkSheet', [
        Standard('ГОСТ 19903-74', 'SheetThickness', 'Exact', [('толщина листа', Table(
            'gost_19903_74_sheet_thickness.csv', 'gost_19903_74', [
                'ГОСТ 19903-74 «Прокат листовой горячекатаный. Сортамент», Table 1: the thicknesses,',
                'with the mass of a square metre at 7.85 g/cm³, from the scanned standard.'],
            ['t_mm']))]),
    ]),
    ('pkHexagon', [
        Standard('ГОСТ 2879-88', 'HexagonBar', 'Exact', [('шестигранник', Table(
            'gost_2879_88_hex_bar.csv', 'gost_2879_88', [
                'ГОСТ 2879-88 «Прокат стальной горячекатаный шестигранный. Сортамент», Table 1, from the',
                'scanned standard. Geometry: s (across flats).'],
            ['s_mm']))]),
    ]),
    # Series У has sloped flanges and П, Э parallel ones: two sections of one
    # standard.
    ('pkChannel', [
        Standard('ГОСТ 8240-97', 'SlopedChannel', 'Loose', [('У — с уклоном граней полок', Table(
            'gost_8240_97_channel_U.csv', 'gost_8240_97_u', [
                'ГОСТ 8240-97 «Швеллеры стальные горячекатаные. Сортамент», series У (sloped flanges, 10 %).',
                'Values from the scanned standard; the same in the 8240-89 text and four data copies.',
                'Geometry: h, b, s, t, R (fillet), r (toe).'],
            FLANGED))]),
        Standard('ГОСТ 8240-97', 'ParallelChannel', 'Loose', [
            ('П — с параллельными гранями полок', Table(
                'gost_8240_97_channel_P.csv', 'gost_8240_97_p', [
                    'ГОСТ 8240-97, series П (parallel flanges); sources as for series У.'],
                FLANGED)),
            ('Э — экономичные', Table(
                'gost_8240_97_channel_E.csv', 'gost_8240_97_e', [
                    'ГОСТ 8240-97, series Э (economical, parallel flanges); from the scanned standard alone.'],
                FLANGED)),
        ]),
    ]),
    ('pkBeam', [
        Standard('ГОСТ 8239-89', 'SlopedIBeam', 'Loose', [('с уклоном граней полок', Table(
            'gost_8239_89_ibeam.csv', 'gost_8239_89', [
                'ГОСТ 8239-89 «Двутавры стальные горячекатаные. Сортамент», Table 1.',
                'Values from the 2001 reprint scanned; the same in three data copies and the 1990 printing.',
                'Geometry: h, b, s, t, R (fillet), r (toe); flanges sloped 12 %.'],
            FLANGED))]),
        Standard('ГОСТ 26020-83', 'ParallelIBeam', 'Exact', [
            ('Б — нормальные', Table(
                'gost_26020_83_ibeam_B.csv', 'gost_26020_83_b', [
                    'ГОСТ 26020-83 «Двутавры стальные горячекатаные с параллельными гранями полок», series Б.',
                    'h, b, s, t, r, A from a structural program\'s tables, mass from a sortament workbook;',
                    'every row read against the 1998 reissue scanned. Geometry: h, b, s, t, R (fillet).'],
                FLANGED_PARALLEL)),
            ('Ш — широкополочные', Table(
                'gost_26020_83_ibeam_Sh.csv', 'gost_26020_83_sh', ['ГОСТ 26020-83, series Ш; sources as for series Б.'],
                FLANGED_PARALLEL)),
            ('К — колонные', Table(
                'gost_26020_83_ibeam_K.csv', 'gost_26020_83_k', ['ГОСТ 26020-83, series К; sources as for series Б.'],
                FLANGED_PARALLEL)),
            ('Д — дополнительные', Table(
                'gost_26020_83_ibeam_D.csv', 'gost_26020_83_d', [
                    'ГОСТ 26020-83, the additional series (ДБ, ДШ); sources as for series Б.'],
                FLANGED_PARALLEL)),
        ]),
    ]),
]

# Misprints (FINDINGS.md, ADDITIONS.md): the area and mass each row ships, and why.
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
# Rows whose CSV value already mends the print; the .inc says so beside them.
MENDED = {
    ('gost_26020_83_k', '30К2'): 'the 1998 scan prints h 304 here and 300 for 30К3: swapped; A and W = 2I/h give 300',
    ('gost_26020_83_k', '30К3'): 'the 1998 scan prints h 300 here; A and W = 2I/h give 304',
    ('gost_26020_83_b', '90Б1'): 'the scan\'s glyph reads h 898; A and W = 2I/h give 893',
    ('gost_30245_2003_rect', '60x30x2'): 'the standard prints 60×40×2\'s 3.74 cm² and 2.93 kg/m here; its correction '
                                         'sheet (Поправка к ГОСТ 30245-2003) gives 3.34 cm² and 2.62 kg/m',
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


def cpp(text):
    return '"' + text.replace('\\', '\\\\').replace('"', '\\"') + '"'


def table_lines(table, section):
    lines = ['// ' + line for line in table.heading]
    lines.append('// ' + SOURCES_LINE)
    lines.append('// (' + table.csv_name + '); written by tools/standards/import.py.')
    if table.mass == 'formula':
        lines.append('// Row: designation, geometry in mm, area in cm² (0 where none is printed), the standard\'s')
        lines.append('// formula giving the mass; true where the standard brackets the size (not for new designs).')
    else:
        lines.append('// Row: designation, {geometry in mm}, area in cm² (0 where none is printed), mass in kg/m,')
        lines.append('// decimals of the mass; true where the standard brackets the size (not for new designs).')
    rows = rows_of(os.path.join(DATA, table.csv_name))
    if table.keep:
        rows = [r for r in rows if table.keep(r)]
    if section == 'Pipe':
        # The pipe standards list each diameter's walls from the thinnest;
        # the transcriptions have a few out of place.
        rows.sort(key=lambda r: (float(r['D_mm']), float(r['wall_mm'])))
    for row in rows:
        key = row.get('designation') or row.get('size') or row.get('t_mm')
        dims = [number(row[c]) for c in table.geometry]
        area = number(row['A_cm2']) if row.get('A_cm2') else '0'
        if section == 'SheetThickness':
            mass = number(row['m_kg_per_m2_at_7850'])
        elif table.mass == 'printed':
            mass = number(row.get('m_kg_per_m') or row.get('m_kg_per_m_from_A'))
        note = None
        if (table.name, key) in CORRECTIONS:
            new_area, new_mass, why = CORRECTIONS[(table.name, key)]
            area = new_area or area
            mass = new_mass or mass
            note = 'corrected: ' + why
        elif (table.name, key) in MENDED:
            note = 'mended: ' + MENDED[(table.name, key)]
        label = table.designation(row) if table.designation else designation(key)
        flag = 'true' if table.bracketed and row[table.bracketed] == 'yes' else 'false'
        if table.mass == 'formula':
            text = '%s(%s, %s, %s, %s),' % (section, cpp(label), ', '.join(dims), area, flag)
        else:
            text = '{%s, {%s}, %s, %s, %d, %s},' % (cpp(label), ', '.join(dims), area, mass, decimals(mass), flag)
        if note:
            lines.append('// ' + label + ': ' + note)
        lines.append(text)
    return lines


def identifier(name):
    return 'k' + ''.join(part.capitalize() for part in name.split('_'))


def index_lines():
    lines = ['// The index of the standard size tables: each series\' sizes, the series of each',
             '// standard, the standards of each kind in the order the list shows them.',
             '// Written by tools/standards/import.py from its description of the tables.']
    kinds = []
    for kind, standards in KINDS:
        for s, standard in enumerate(standards):
            series = []
            for series_name, table in standard['series']:
                array = identifier(table.name)
                lines.append('constexpr StandardSize %s[] = {' % array)
                lines.append('#include "standards/%s.inc"' % table.name)
                lines.append('};')
                series.append('{%s, %s}' % (cpp(series_name), array))
            standard['array'] = '%sSeries%d' % (identifier(kind[2:].lower()), s)
            lines.append('constexpr SizeSeries %s[] = {%s};' % (standard['array'], ', '.join(series)))
        array = identifier(kind[2:].lower()) + 'Standards'
        lines.append('constexpr Standard %s[] = {' % array)
        for standard in standards:
            lines.append('    {%s, Section::%s, k%s, %s},' % (cpp(standard['number']), standard['section'],
                                                              standard['tolerance'], standard['array']))
        lines.append('};')
        kinds.append('{%s, %s}' % (kind, array))
    lines.append('constexpr KindStandards kStandardsOfKinds[] = {')
    lines.extend('    %s,' % k for k in kinds)
    lines.append('};')
    return lines


def write(folder):
    files = {'index.inc': index_lines()}
    for kind, standards in KINDS:
        for standard in standards:
            for _, table in standard['series']:
                files[table.name + '.inc'] = table_lines(table, standard['section'])
    for name, lines in files.items():
        with open(os.path.join(folder, name), 'w', encoding='utf-8') as f:
            f.write('\n'.join(lines) + '\n')
    return sorted(files)


def main():
    if sys.argv[1:] == ['--check']:
        with tempfile.TemporaryDirectory() as folder:
            names = write(folder)
            committed = sorted(n for n in os.listdir(OUT) if n.endswith('.inc'))
            _, differ, missing = filecmp.cmpfiles(folder, OUT, names, shallow=False)
            stale = sorted(set(committed) - set(names))
            for name in differ + missing:
                print('src/core/standards/%s differs from what tools/standards/import.py writes' % name)
            for name in stale:
                print('src/core/standards/%s is written by nothing in tools/standards/import.py' % name)
            if differ or missing or stale:
                print('run tools/standards/import.py (never edit a table by hand) and commit the result')
                return 1
            print('standard size tables: %d files as the importer writes them' % len(names))
            return 0
    if sys.argv[1:]:
        print(__doc__)
        return 2
    os.makedirs(OUT, exist_ok=True)
    for name in write(OUT):
        print(name, 'written')
    return 0


if __name__ == '__main__':
    sys.exit(main())
