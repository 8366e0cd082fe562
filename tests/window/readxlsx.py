#!/usr/bin/python3
"""Reads an .xlsx workbook as an independent reader (openpyxl) sees it and
prints, one line a cell, what a spreadsheet would hold: the sheet's name,
then each cell's address, its type (n: number, s: text, f: formula) and its
value, a formula with its stored result; then each column's width."""
import sys

import openpyxl

formulas = openpyxl.load_workbook(sys.argv[1])
values = openpyxl.load_workbook(sys.argv[1], data_only=True)
sheet, stored = formulas.worksheets[0], values.worksheets[0]
print("sheet", sheet.title)
for row in sheet.iter_rows():
    for cell in row:
        if cell.value is None:
            continue
        if cell.data_type == "f":
            print(cell.coordinate, "f", cell.value, stored[cell.coordinate].value)
        else:
            print(cell.coordinate, cell.data_type, cell.value)
for letter, dimension in sorted(sheet.column_dimensions.items()):
    print("width", letter, round(dimension.width))
