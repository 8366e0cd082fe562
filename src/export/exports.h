// What the export module does for the list window: a table in, an .xlsx
// workbook or printed pages out. It is a module of its own, loaded the first
// time a person asks for either, because the libraries it links (the .xlsx
// writer with its zip and crypto libraries, Qt's print support) cost
// start-up time and memory that a calculator whose list is never exported
// must not pay (README, Benchmarks). The program and the module are built
// together, so plain C++ types cross between them. The Windows program, one
// static executable with no modules, has the export code linked in
// (METALCALC_EXPORTS_LINKED) and calls its functions directly.
#pragma once

#include <QtGlobal>

#include <functional>
#include <string>
#include <vector>

class QPagedPaintDevice;
class QString;
class QWidget;

namespace exports {

struct Column {
    std::string title;   // with its unit: "Масса, кг"
    std::string format;  // the spreadsheet's number format; empty for text
    bool total = false;  // summed under the table by a formula
};

// A cell: a number, written as its text shows it, or a text.
struct Cell {
    std::string text;
    bool number = false;
    double value = 0;
};

struct Table {
    std::string sheet;  // the sheet's name
    std::vector<Column> columns;
    std::vector<std::vector<Cell>> rows;
    // The row under them: its label, and in each column with a total the
    // total as the list shows it.
    std::vector<Cell> totals;
};

// What print draws on the printer's pages.
using Render = std::function<void(QPagedPaintDevice &device)>;

}  // namespace exports

#ifdef METALCALC_EXPORTS_LINKED
#define METALCALC_EXPORT extern "C"
#else
#define METALCALC_EXPORT extern "C" Q_DECL_EXPORT
#endif

// Writes the table as an .xlsx workbook to path, its scratch files in
// scratchFolder; on failure false, with the writer's reason in error.
METALCALC_EXPORT bool metalcalc_write_xlsx(const exports::Table &table, const char *path, const char *scratchFolder,
                                           std::string *error);

// Asks in Qt's print dialog over parent where and how to print, then prints
// what render draws; false when the person cancels.
METALCALC_EXPORT bool metalcalc_print(QWidget *parent, const QString &title, const exports::Render &render);

// The module's functions as the program finds them, by their names.
namespace exports {

using WriteXlsx = decltype(&metalcalc_write_xlsx);
inline constexpr const char *kWriteXlsx = "metalcalc_write_xlsx";
using Print = decltype(&metalcalc_print);
inline constexpr const char *kPrint = "metalcalc_print";

}  // namespace exports
