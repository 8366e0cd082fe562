// The list for others: an .xlsx workbook for a spreadsheet, a PDF, a
// printed list. The workbook and the printing are the export
// module's (exports.h), loaded the first time either is asked for; the
// printed pages are drawn here, the same for the PDF and the
// printer, in black and white.
#pragma once

#include "exports.h"
#include "ordermodel.h"

class QPagedPaintDevice;
class QWidget;

namespace ui::exporting {

// "Сохранить XLSX", "Сохранить PDF", "Печать…": each asks where, writes or
// prints, and says in a message over the window what failed. listPath is
// the list's file, whose folder and name the dialogs suggest.
void SaveXlsx(QWidget *window, const OrderModel &model, const QString &listPath);
void SavePdf(QWidget *window, const OrderModel &model, const QString &listPath);
void Print(QWidget *window, const OrderModel &model);

// The list as the workbook holds it: the columns with their units and
// number formats, the numbers as numbers, the totals under the mass and
// the cost.
exports::Table TableOf(const OrderModel &model);

// The printed list: its title and date, the table with its header on
// every page, the totals, and the pages numbered when there are more than
// one.
void DrawPrintedList(const OrderModel &model, QPagedPaintDevice &device);

// The printed list as a PDF document.
QByteArray PrintedListPdf(const OrderModel &model);

// The list as an .xlsx workbook, through the export module; empty, with
// why in error, when it could not be made.
QByteArray XlsxOf(const OrderModel &model, QString *error);

}  // namespace ui::exporting
