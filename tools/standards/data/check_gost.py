#!/usr/bin/env python3
"""Self-consistency and cross-source checks for the GOST size tables in this folder.

For every row of every table:
  (a) area from the dimensions by the section's geometry, compared with the tabulated area;
  (b) mass from the tabulated area (x 0.785 kg/m per cm2, i.e. 7850 kg/m3), compared with
      the tabulated mass, allowing for the rounding of both printed numbers.
Then every table is compared, cell by cell, with the per-source extracts in sources/.

Usage:  python3 check_gost.py            (summary + flagged rows)
        python3 check_gost.py --rows     (also every row's computed values)
Exit status is 0; the output is the report.  Standard library only.
"""
import csv
import glob
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
RHO = 0.785           # kg/m per cm2 of section (7.85 g/cm3)
K90 = 1 - math.pi / 4  # area between a 90-degree corner and its fillet, per r^2
AREA_LIMIT = 0.01     # a computed area off by more than 1 % is a suspected typo
EXACT_LIMIT = 0.003   # ... or by more than 0.3 % where the drawing fixes the geometry exactly
EXACT = ('26020', '8509', '8510', '30245', '8732', '10704', '3262', '2591', '2879', '8639', '8645', 'sto_aschm',
         '2590')


def fillet(alpha):
    """Area per r^2 between two straight edges and a tangent arc, where the edges meet at
    90 deg + alpha (flange slope alpha).  alpha = 0 gives 1 - pi/4."""
    phi = math.pi / 2 + alpha
    return 1 / math.tan(phi / 2) - (math.pi - phi) / 2


# Area in mm2 from a row's dimensions (mm).  Each returns (area, formula text).
def ibeam_sloped(r, slope):
    a = math.atan(slope)
    h, b, s, t, R, rr = (r[k] for k in ('h_mm', 'b_mm', 's_mm', 't_mm', 'R_mm', 'r_mm'))
    # t is the flange thickness at (b - s)/4 from the flange tip, i.e. the mean of the
    # tapered outstand, so each outstand is exactly t * (b - s)/2.
    return h * s + 2 * t * (b - s) + 4 * fillet(a) * (R * R - rr * rr)


def channel_sloped(r, slope):
    a = math.atan(slope)
    h, b, s, t, R, rr = (r[k] for k in ('h_mm', 'b_mm', 's_mm', 't_mm', 'R_mm', 'r_mm'))
    # t is measured at (b - s)/2 from the flange tip: the mean of the tapered flange.
    return h * s + 2 * t * (b - s) + 2 * fillet(a) * (R * R - rr * rr)


def channel_parallel(r):
    return channel_sloped(r, 0.0)


def ibeam_parallel(r):
    h, b, s, t, rr = (r[k] for k in ('h_mm', 'b_mm', 's_mm', 't_mm', 'r_mm'))
    return 2 * b * t + (h - 2 * t) * s + 4 * K90 * rr * rr


def angle_equal(r):
    b, t, R, rr = (r[k] for k in ('b_mm', 't_mm', 'R_mm', 'r_mm'))
    return t * (2 * b - t) + K90 * (R * R - 2 * rr * rr)


def angle_unequal(r):
    B, b, t, R, rr = (r[k] for k in ('B_mm', 'b_mm', 't_mm', 'R_mm', 'r_mm'))
    return t * (B + b - t) + K90 * (R * R - 2 * rr * rr)


def hollow_rect(r):
    H, B, t, R, rr = (r[k] for k in ('H_mm', 'B_mm', 't_mm', 'R_out_mm', 'r_in_mm'))
    return 2 * t * (H + B - 2 * t) - (4 - math.pi) * (R * R - rr * rr)


def pipe(r):
    D, t = r.get('D_mm'), r['wall_mm']
    return None if D is None else math.pi * t * (D - t)


def round_bar(r):
    return math.pi * r['d_mm'] ** 2 / 4


def square_bar(r):
    return r['a_mm'] ** 2


def hex_bar(r):
    return math.sqrt(3) / 2 * r['s_mm'] ** 2


# table file -> (geometry, formula as printed in the report, source-extract prefix)
TABLES = {
    'gost_8239_89_ibeam.csv': (lambda r: ibeam_sloped(r, 0.12),
        'A = h*s + 2t(b-s) + 4k(a)(R^2 - r^2), slope 12 %', '8239-89'),
    'gost_8240_97_channel_U.csv': (lambda r: channel_sloped(r, 0.10),
        'A = h*s + 2t(b-s) + 2k(a)(R^2 - r^2), slope 10 %', '8240-97U'),
    'gost_8240_97_channel_P.csv': (channel_parallel,
        'A = h*s + 2t(b-s) + 2(1-pi/4)(R^2 - r^2)', '8240-97P'),
    'gost_8240_97_channel_E.csv': (channel_parallel,
        'A = h*s + 2t(b-s) + 2(1-pi/4)(R^2 - r^2)', '8240-97E'),
    'gost_26020_83_ibeam_B.csv': (ibeam_parallel, 'A = 2bt + (h-2t)s + 4(1-pi/4)r^2', '26020-83B'),
    'gost_26020_83_ibeam_Sh.csv': (ibeam_parallel, 'A = 2bt + (h-2t)s + 4(1-pi/4)r^2', '26020-83Sh'),
    'gost_26020_83_ibeam_K.csv': (ibeam_parallel, 'A = 2bt + (h-2t)s + 4(1-pi/4)r^2', '26020-83K'),
    'gost_26020_83_ibeam_D.csv': (ibeam_parallel, 'A = 2bt + (h-2t)s + 4(1-pi/4)r^2', '26020-83D'),
    'gost_8509_93_angle_equal.csv': (angle_equal, 'A = t(2b-t) + (1-pi/4)(R^2 - 2r^2)', '8509-93'),
    'gost_8510_86_angle_unequal.csv': (angle_unequal, 'A = t(B+b-t) + (1-pi/4)(R^2 - 2r^2)', '8510-86'),
    'gost_30245_2003_hollow_square.csv': (hollow_rect,
        'A = 2t(H+B-2t) - (4-pi)(R^2 - r^2), R = outer, r = inner corner radius', '30245-2003K'),
    'gost_30245_2003_hollow_rect.csv': (hollow_rect,
        'A = 2t(H+B-2t) - (4-pi)(R^2 - r^2), R = outer, r = inner corner radius', '30245-2003PR'),
    'gost_8732_78_seamless_pipe_sizes.csv': (pipe, 'A = pi t (D - t)', '8732-78'),
    'gost_10704_91_welded_pipe_sizes.csv': (pipe, 'A = pi t (D - t)', '10704-91'),
    'gost_8732_78_additions.csv': (pipe, 'A = pi t (D - t)', '8732-78'),
    'gost_3262_75_water_gas_pipe.csv': (pipe, 'm = 0.785 * pi t (D - t) / 100', '3262-75'),
    'gost_8639_82_square_tube.csv': (hollow_rect,
        'A = 2t(H+B-2t) - (4-pi)(R^2 - r^2), R = 1.5 t, r = 0.5 t', '8639-82'),
    'gost_8645_68_rect_tube.csv': (hollow_rect,
        'A = 2t(H+B-2t) - (4-pi)(R^2 - r^2), R = 1.5 t, r = 0.5 t', '8645-68'),
    'gost_sto_aschm_20_93_ibeam.csv': (ibeam_parallel, 'A = 2bt + (h-2t)s + 4(1-pi/4)r^2', 'sto_aschm_20-93'),
    'candidate_gost_2590_round_bar.csv': (round_bar, 'A = pi d^2 / 4', '2590-2006'),
    'gost_2591_88_square_bar.csv': (square_bar, 'A = a^2', '2591-88'),
    'gost_2879_88_hex_bar.csv': (hex_bar, 'A = (sqrt 3 / 2) s^2 (s across flats)', '2879-88'),
}


def decimals(text):
    return len(text.split('.')[1]) if '.' in text else 0


def read(path):
    with open(path, encoding='utf-8') as f:
        return list(csv.DictReader(f))


def numeric(row):
    out = {}
    for k, v in row.items():
        try:
            out[k] = float(v)
        except (TypeError, ValueError):
            pass
    return out


def check_table(name, geom, show_rows, area_limit=AREA_LIMIT):
    """Returns rows, worst area diff, worst mass diff, suspects (> 1 %), minor (rounding-level)."""
    rows = read(os.path.join(HERE, name))
    has_area = 'A_cm2' in rows[0]
    worst_a = worst_m = (0.0, '')
    suspects, minor = [], []
    for raw in rows:
        r = numeric(raw)
        des = raw.get('designation') or raw.get('size')
        a = geom(r)
        if a is None:            # a row the geometry cannot be computed for (missing dimension)
            continue
        a_geo = a / 100.0        # cm2
        a_tab = r['A_cm2'] if has_area else a_geo
        line = '%-14s A_geom=%9.3f' % (des, a_geo)
        if has_area:
            da = (a_geo - a_tab) / a_tab
            line += ' A_tab=%9.3f dA=%+7.3f%%' % (a_tab, 100 * da)
            if abs(da) > abs(worst_a[0]):
                worst_a = (da, des)
            if abs(da) > area_limit:
                suspects.append('%s: area from dimensions %.2f cm2, table %s cm2 (%+.2f %%)'
                                % (des, a_geo, raw['A_cm2'], 100 * da))
        # the round bar's candidate list carries its first source's mass
        mcol = 'm_kg_per_m' if 'm_kg_per_m' in raw else 'm_kg_per_m_S1'
        if mcol in raw and raw[mcol] != '':
            m_tab = r[mcol]
            m_from_a = RHO * a_tab
            # both printed numbers are rounded: allow half a unit of each last digit
            tol = 0.5 * 10 ** -decimals(raw[mcol])
            if has_area:
                tol += RHO * 0.5 * 10 ** -decimals(raw['A_cm2'])
            dm = (m_tab - m_from_a) / m_from_a
            line += ' m_from_A=%8.3f m_tab=%8.3f dm=%+7.3f%%' % (m_from_a, m_tab, 100 * dm)
            if abs(dm) > abs(worst_m[0]):
                worst_m = (dm, des)
            if abs(m_tab - m_from_a) > tol + 1e-9:
                text = ('%s: mass %s kg/m, but %s cm2 x 0.785 = %.3f kg/m (%+.2f %%)'
                        % (des, raw[mcol], raw.get('A_cm2', '%.3f' % a_tab), m_from_a, 100 * dm))
                (suspects if abs(dm) > AREA_LIMIT else minor).append(text)
        if show_rows:
            print('   ', line)
    return rows, worst_a, worst_m, suspects, minor


def source_key(name):
    return name.replace('*', '').replace('a', 'а').strip()


FIELD_MAP = {'h': 'h_mm', 'b': 'b_mm', 's': 's_mm', 't': 't_mm', 'R': 'R_mm', 'r': 'r_mm',
             'B': 'B_mm', 'A_cm2': 'A_cm2', 'm_kg_m': 'm_kg_per_m'}


def compare_sources(rows, prefix):
    """Cell-by-cell comparison of a table with each per-source extract in sources/.
    Two values agree when they differ by no more than the rounding of both printed numbers."""
    files = sorted(glob.glob(os.path.join(HERE, 'sources', prefix + '__*.csv')))
    mine = {}
    for r in rows:
        mine[source_key(r.get('designation') or r.get('size'))] = r
    names, diffs = [], []
    for fn in files:
        src = os.path.basename(fn)[:-4].split('__')[1]
        srows = read(fn)
        matched = 0
        for sr in srows:
            # the second round's extracts name their columns as the tables do
            k = source_key(sr.get('name') or sr['designation'])
            if k not in mine:
                continue
            matched += 1
            for f, mf in FIELD_MAP.items():
                if mf == 'm_kg_per_m' and mf not in mine[k]:
                    mf = 'm_kg_per_m_from_A'
                a, b = sr.get(f, sr.get(mf, '')), mine[k].get(mf, '')
                if a in ('', None) or b in ('', None):
                    continue
                # the extracts lose trailing zeros (19.0 -> 19), so a source is read to at
                # least the table's precision
                tol = 0.5 * 10 ** -decimals(b) + 0.5 * 10 ** -max(decimals(a), decimals(b))
                if abs(float(a) - float(b)) > tol + 1e-9:
                    diffs.append('%s %s: table %s, %s %s' % (k, mf, b, src, a))
        names.append('%s (%d rows, %d matched)' % (src, len(srows), matched))
    return names, diffs


def main():
    show_rows = '--rows' in sys.argv
    for name, (geom, formula, prefix) in TABLES.items():
        if not os.path.exists(os.path.join(HERE, name)):
            continue
        print('== %s   [%s]' % (name, formula))
        limit = EXACT_LIMIT if prefix.startswith(EXACT) else AREA_LIMIT
        rows, wa, wm, suspects, minor = check_table(name, geom, show_rows, limit)
        fmt = lambda w: ('%+.3f %% (%s)' % (100 * w[0], w[1])) if w[1] else 'n/a'
        print('   rows: %d; worst area diff: %s; worst mass-vs-area diff: %s' % (len(rows), fmt(wa), fmt(wm)))
        for f in suspects:
            print('   SUSPECT', f)
        for f in minor:
            print('   minor  ', f)
        srcs, diffs = compare_sources(rows, prefix)
        if srcs:
            print('   sources compared: ' + '; '.join(srcs))
            print('   cells that disagree: %d' % len(diffs))
            per_source = {}
            for d in diffs:
                src = d.split(', ')[-1].split(' ')[0]
                per_source.setdefault(src, []).append(d)
            for src, ds in per_source.items():
                shown = ds if show_rows else ds[:12]
                for d in shown:
                    print('   DIFF', d)
                if len(ds) > len(shown):
                    print('   DIFF ... and %d more against %s (--rows shows all)' % (len(ds) - len(shown), src))
    print('\nSUSPECT: mass off its printed area by more than 1 %, or area off the geometry by more than 1 % '
          '(0.3 % for tables whose drawing fixes the geometry exactly: parallel flanges, angles, tubes, bars). '
          'minor: mass differs from the printed area by more than the rounding of both printed numbers, '
          'but by less than 1 %.')
    print('k(a) = cot(45 deg + a/2) - (90 deg - a)/2 [rad]: area per R^2 of one fillet where a web meets '
          'a flange sloped by a = atan(slope); k(0) = 1 - pi/4 = 0.2146.')


if __name__ == '__main__':
    main()
