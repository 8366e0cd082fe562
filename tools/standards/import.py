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
    designation  how a row's designation is written (default: the CSV's, with ×);
    mass    'printed' (the CSV's), or 'formula' (the standard's formula for
            the section, evaluated by the core's helper; the pipes' and the
            round bar's standards define the mass so);
    keep    which CSV rows are the standard's (default: all);
    bracketed  the CSV column saying that the standard puts the size in
            brackets (not for new designs)."""

    def __init__(self, csv_name, name, heading, geometry, mass='printed', keep=None, bracketed=None,
                 designation=None, mass_decimals=None, additions=None):
        self.csv_name, self.name, self.heading, self.geometry = csv_name, name, heading, geometry
        self.mass, self.keep, self.bracketed, self.designation = mass, keep, bracketed, designation
        # The decimals the standard prints its masses with, where the CSV
        # drops trailing zeros (0.4 for 0.40).
        self.mass_decimals = mass_decimals
        # A second CSV of cells read on the scan: rows to add (merge_action
        # "add") and shipped rows that it flags as bracketed.
        self.additions = additions


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
    return row['special_size'] == 'yes'


def listed(row):
    return row['special_size'] == 'no'


def special_once(row):
    # 8639 prints 40×40×2 in its list of sizes and again among the special ones.
    return special(row) and row['size'] != '40x40x2'


def water_gas_series(name):
    return lambda row: row['series'] == name


def aschm_series(name):
    return lambda row: row['series'] == name and row['status'].startswith('two sources')


def nominal_bore(row):
    # Buyers name a water-gas pipe by its nominal bore and wall, the outer
    # diameter after them: "Ду 20×2.8 (26.8)".
    return 'Ду %s×%s (%s)' % (row['DN'], shortest(row['wall_mm']), shortest(row['D_mm']))


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
                'ГОСТ 8732-78 «Трубы стальные бесшовные горячедеформированные. Сортамент» (edition with',
                'Amendment 2), Table 1: the diameter × wall sizes from a structural program\'s tables, every',
                'one found on the scanned standard, merged in the standard\'s order with the sizes it marks',
                '* (for international contracts: D 20 … 508, walls 2.6 and 3.2), read on the scan',
                '(gost_8732_78_additions.csv). The mass is the standard\'s formula 0.0246615·t·(D−t): its',
                'printed column has five misprints (21.3×2.8, 26.9×8, 165×14, 508×48, 508×50).'],
            PIPE, mass='formula', bracketed='bracketed', additions='gost_8732_78_additions.csv'))]),
        Standard('ГОСТ 3262-75', 'Pipe', 'Exact', [
            ('ВГП лёгкие', Table(
                'gost_3262_75_water_gas_pipe.csv', 'gost_3262_75_light', [
                    'ГОСТ 3262-75 «Трубы стальные водогазопроводные. Технические условия», Table 1, light',
                    'series: nominal bore, outer diameter, wall and mass as two independent copies print',
                    'them (a seller\'s table and a calculator\'s data), agreeing in 43 of 45 cells; the two',
                    'faults of the copies resolved by the geometry (ADDITIONS.md). Every mass is within',
                    'rounding of 0.0246615·t·(D−t). Geometry: D, t; the designation Ду × t (D).'],
                PIPE, keep=water_gas_series('лёгкая'), designation=nominal_bore, mass_decimals=2)),
            ('ВГП обыкновенные', Table(
                'gost_3262_75_water_gas_pipe.csv', 'gost_3262_75_ordinary', [
                    'ГОСТ 3262-75, ordinary series; sources as for the light one.'],
                PIPE, keep=water_gas_series('обыкновенная'), designation=nominal_bore, mass_decimals=2)),
            ('ВГП усиленные', Table(
                'gost_3262_75_water_gas_pipe.csv', 'gost_3262_75_reinforced', [
                    'ГОСТ 3262-75, reinforced series; sources as for the light one.'],
                PIPE, keep=water_gas_series('усиленная'), designation=nominal_bore, mass_decimals=2)),
        ]),
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
        Standard('ГОСТ 8639-82', 'HollowSection', 'Exact', [
            ('квадратные', Table(
                'gost_8639_82_square_tube.csv', 'gost_8639_82', [
                    'ГОСТ 8639-82 «Трубы стальные квадратные. Сортамент», Table 1, every value read on the',
                    'scanned standard. Its corners are R = 1.5 s outside, r = 0.5 s inside (not 30245\'s); it cuts',
                    'the last digit of area and mass rather than rounding it, and these are its printed values.',
                    'Geometry: H, B, t, R (outer corner), r (inner corner).'],
                HOLLOW, keep=listed, bracketed='bracketed')),
            ('специальные размеры', Table(
                'gost_8639_82_square_tube.csv', 'gost_8639_82_special', [
                    'ГОСТ 8639-82, the special sizes (by agreement); 40×40×2, printed here again, is listed once,',
                    'among the others. Sources as for the list of sizes.'],
                HOLLOW, keep=special_once, bracketed='bracketed')),
        ]),
        Standard('ГОСТ 8645-68', 'HollowSection', 'Exact', [
            ('прямоугольные', Table(
                'gost_8645_68_rect_tube.csv', 'gost_8645_68', [
                    'ГОСТ 8645-68 «Трубы стальные прямоугольные. Сортамент» (with Amendments 1–3), every',
                    'value read on the scanned standard; corners as in ГОСТ 8639-82 (R = 1.5 s, r = 0.5 s);',
                    'the sizes it brackets (42) are not for new designs. Geometry: H, B, t, R, r.'],
                HOLLOW, keep=listed, bracketed='bracketed')),
            ('специальные размеры', Table(
                'gost_8645_68_rect_tube.csv', 'gost_8645_68_special', [
                    'ГОСТ 8645-68, the special sizes (by agreement); sources as for the list of sizes.'],
                HOLLOW, keep=special, bracketed='bracketed')),
        ]),
    ]),
    ('pkSquare', [
        Standard('ГОСТ 2591-88', 'SquareBar', 'Exact', [('квадрат', Table(
            'gost_2591_88_square_bar.csv', 'gost_2591_88', [
                'ГОСТ 2591-88 «Прокат стальной горячекатаный квадратный. Сортамент», Table 1, from the',
                'scanned standard. Geometry: a.'],
            ['a_mm']))]),
    ]),
    ('pkRound', [
        Standard('ГОСТ 2590-2006', 'RoundBar', 'Exact', [('круг', Table(
            'candidate_gost_2590_round_bar.csv', 'gost_2590_2006', [
                'ГОСТ 2590-2006 «Прокат сортовой стальной горячекатаный круглый. Сортамент»: the diameters.',
                'No copy of the standard\'s own table was found: the list of diameters rests on one origin',
                '(a seller\'s table, copied by two more), 26 of them also in a second (a seller\'s handbook).',
                'The mass is the geometry at 7.85 g/cm³, π·d²/4 × 7.85, as the standard defines it; no area',
                'is printed. Geometry: d.'],
            ['d_mm'], mass='formula'))]),
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
        # The same designations as 26020's, other sections (30Ш1: 56.8 kg/m
        # here, 53.6 there): the list and the line under the box name the
        # standard.
        Standard('СТО АСЧМ 20-93', 'ParallelIBeam', 'Exact', [
            ('Б — нормальные', Table(
                'gost_sto_aschm_20_93_ibeam.csv', 'sto_aschm_20_93_b', [
                    'СТО АСЧМ 20-93 «Прокат стальной сортовой фасонного профиля. Двутавры горячекатаные с',
                    'параллельными гранями полок», series Б. No scan was found: the rows whose h, b, s, t and',
                    'mass two independent copies agree on (a structural program\'s catalogue, a seller\'s',
                    'table), r and A from the first, fitting the geometry; the one-source rows, the partial',
                    'ones and 70Б0 (its area fits another web) are left out. Geometry: h, b, s, t, R (fillet).'],
                FLANGED_PARALLEL, keep=aschm_series('Б'))),
            ('Ш — широкополочные', Table(
                'gost_sto_aschm_20_93_ibeam.csv', 'sto_aschm_20_93_sh', [
                    'СТО АСЧМ 20-93, series Ш: every value in two independent copies (a structural program\'s',
                    'catalogue; a sortament application or a seller\'s table); 80Ш2, whose h has one, is left out.'],
                FLANGED_PARALLEL, keep=aschm_series('Ш'))),
            ('К — колонные', Table(
                'gost_sto_aschm_20_93_ibeam.csv', 'sto_aschm_20_93_k', [
                    'СТО АСЧМ 20-93, series К; sources as for series Б.'],
                FLANGED_PARALLEL, keep=aschm_series('К'))),
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
    ('gost_8645_68', '25x10x2'): ('1.17', None, 'the standard prints 0.17 cm²; its geometry gives 1.171 cm², and its '
                                  'mass 0.919 kg/m ÷ 0.785 1.17'),
    ('gost_8645_68', '50x35x2.5'): (None, '3.06', 'the standard prints 3.09 kg/m; its area 3.89 cm² (geometry 3.893) '
                                    '× 0.785 gives 3.06'),
    ('gost_8645_68_special', '196x170x18'): (None, '88.89', 'the standard prints 88.99 kg/m; its area 113.24 cm² '
                                             '× 0.785 gives 88.89'),
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


def shortest(text):
    # As a designation writes a number: 2.0 as 2, 26.8 as it is.
    return number(text).rstrip('0').rstrip('.') if '.' in text else number(text)


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
    if table.additions:
        added = rows_of(os.path.join(DATA, table.additions))
        flagged = {r['size'] for r in added if r['merge_action'] == 'flag bracketed'}
        for r in rows:
            r['bracketed'] = 'yes' if r['size'] in flagged else 'no'
        rows += [r for r in added if r['merge_action'] == 'add']
        if len({r['size'] for r in rows}) != len(rows):
            sys.exit(table.additions + ' adds a size that is there already')
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
            places = table.mass_decimals if table.mass_decimals is not None else decimals(mass)
            text = '{%s, {%s}, %s, %s, %d, %s},' % (cpp(label), ', '.join(dims), area, mass, places, flag)
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
