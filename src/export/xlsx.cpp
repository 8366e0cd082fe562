// The table as an .xlsx workbook, by libxlsxwriter: numbers as numbers in
// the formats their columns give, the header bold and frozen, the totals
// as SUM formulas (with their values, for readers that do not compute),
// each column as wide as its widest text.
#include "exports.h"

#include <QtGlobal>

#include <xlsxwriter.h>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <locale.h>
#endif

namespace {

// libxlsxwriter writes numbers with the C library's printf, which follows
// the locale that Qt takes from the environment on Unix: under a locale with
// a decimal comma it would write 537,6, which no spreadsheet reads as a
// number. The writing thread keeps to the C locale meanwhile. (On Windows Qt
// leaves the C library in the C locale.)
class CLocale {
public:
#ifdef Q_OS_UNIX
    CLocale() : c_(newlocale(LC_ALL_MASK, "C", locale_t{})), before_(c_ ? uselocale(c_) : locale_t{}) {}
    ~CLocale()
    {
        if (c_) {
            uselocale(before_);
            freelocale(c_);
        }
    }
    CLocale(const CLocale &) = delete;
    CLocale &operator=(const CLocale &) = delete;

private:
    locale_t c_, before_;
#endif
};

// Characters, not bytes: the texts are UTF-8.
double Width(const std::string &text)
{
    return static_cast<double>(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// Excel's name of a column: A … Z, AA …
std::string ColumnName(std::size_t column)
{
    std::string name;
    for (++column; column > 0; column = (column - 1) / 26)
        name.insert(name.begin(), static_cast<char>('A' + (column - 1) % 26));
    return name;
}

}  // namespace

METALCALC_EXPORT bool metalcalc_write_xlsx(const exports::Table &table, const char *path, const char *scratchFolder,
                                           std::string *error)
{
    [[maybe_unused]] const CLocale cLocale;
    lxw_workbook_options options{};
    std::string scratch(scratchFolder);
    options.tmpdir = scratch.data();
    lxw_workbook *book = workbook_new_opt(path, &options);
    lxw_worksheet *sheet = book ? workbook_add_worksheet(book, table.sheet.c_str()) : nullptr;
    if (!sheet) {
        *error = "the workbook was not made";
        if (book)
            workbook_close(book);
        return false;
    }
    lxw_format *bold = workbook_add_format(book);
    format_set_bold(bold);
    format_set_text_wrap(bold);
    std::vector<lxw_format *> formats, totals;
    std::vector<double> widths;
    for (const exports::Column &column : table.columns) {
        lxw_format *format = workbook_add_format(book), *total = workbook_add_format(book);
        if (!column.format.empty()) {
            format_set_num_format(format, column.format.c_str());
            format_set_num_format(total, column.format.c_str());
        }
        format_set_bold(total);
        formats.push_back(format);
        totals.push_back(total);
        widths.push_back(Width(column.title));
    }

    const auto write = [&](lxw_row_t row, std::size_t column, const exports::Cell &cell, lxw_format *format) {
        const auto col = static_cast<lxw_col_t>(column);
        widths[column] = std::max(widths[column], Width(cell.text));
        if (cell.number)
            worksheet_write_number(sheet, row, col, cell.value, format);
        else if (!cell.text.empty())
            worksheet_write_string(sheet, row, col, cell.text.c_str(), format);
    };
    for (std::size_t column = 0; column < table.columns.size(); ++column)
        worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(column), table.columns[column].title.c_str(), bold);
    lxw_row_t row = 1;
    for (const std::vector<exports::Cell> &cells : table.rows) {
        for (std::size_t column = 0; column < cells.size() && column < table.columns.size(); ++column)
            write(row, column, cells[column], formats[column]);
        ++row;
    }

    // The totals: SUM over the rows above, with the total the list shows
    // as its value.
    for (std::size_t column = 0; column < table.totals.size() && column < table.columns.size(); ++column) {
        if (!table.columns[column].total) {
            write(row, column, table.totals[column], totals[column]);
            continue;
        }
        const std::string name = ColumnName(column);
        const std::string formula = "=SUM(" + name + "2:" + name + std::to_string(row) + ")";
        worksheet_write_formula_num(sheet, row, static_cast<lxw_col_t>(column), formula.c_str(), totals[column],
                                    table.totals[column].value);
        widths[column] = std::max(widths[column], Width(table.totals[column].text));
    }

    for (std::size_t column = 0; column < widths.size(); ++column)
        worksheet_set_column(sheet, static_cast<lxw_col_t>(column), static_cast<lxw_col_t>(column),
                             std::min(widths[column] + 2, 60.0), nullptr);
    worksheet_freeze_panes(sheet, 1, 0);

    const lxw_error status = workbook_close(book);
    if (status != LXW_NO_ERROR) {
        *error = lxw_strerror(status);
        return false;
    }
    return true;
}
