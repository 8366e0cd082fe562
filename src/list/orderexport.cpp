#include "orderexport.h"

#include "fonts.h"
#include "modules.h"
#include "orderfiles.h"

#include <QBuffer>
#include <QDate>
#include <QFile>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <algorithm>
#include <string_view>
#include <vector>

namespace ui::exporting {

namespace {

const QString kTitle = QStringLiteral("Спецификация");

// The export module's function; none, with why, when it is missing. The
// Windows program has the export code linked in.
QFunctionPointer Resolved(const char *name, [[maybe_unused]] QString *error)
{
#ifdef METALCALC_EXPORTS_LINKED
    return std::string_view(name) == exports::kPrint ? reinterpret_cast<QFunctionPointer>(&metalcalc_print)
                                                     : reinterpret_cast<QFunctionPointer>(&metalcalc_write_xlsx);
#else
    const QFunctionPointer function = ModuleFunction(QStringLiteral("metalcalc-export"), name);
    if (!function)
        *error = QStringLiteral("Нет модуля экспорта программы (metalcalc-export): переустановите программу.");
    return function;
#endif
}

// Number formats of the spreadsheet, by the column's decimals.
std::string FormatOf(int column)
{
    switch (column) {
    case OrderModel::Number:
    case OrderModel::Pieces:
        return "0";
    case OrderModel::Mass:
        return "0.0";
    case OrderModel::Price:
    case OrderModel::Cost:
        return "#,##0.00";
    case OrderModel::Length:
        return "0.0##";
    default:
        return {};
    }
}

exports::Cell CellOf(int column, const QString &text)
{
    exports::Cell cell{text.toStdString()};
    bool number = false;
    // The list writes its numbers with '.', ungrouped, in this role.
    const double value = text.toDouble(&number);
    if (OrderModel::HoldsNumbers(column) && number) {
        cell.number = true;
        cell.value = value;
    }
    return cell;
}

// The texts of the printed table as the list shows them.
struct Texts {
    QStringList header;
    std::vector<QStringList> rows;
    QStringList totals;
};

Texts TextsOf(const OrderModel &model, int role, std::string_view groupSeparator)
{
    Texts texts{model.HeaderRow(), {}, {}};
    texts.rows.reserve(static_cast<std::size_t>(model.rowCount()));
    for (int row = 0; row < model.rowCount(); ++row)
        texts.rows.push_back(model.RowTexts(row, role));
    texts.totals = model.TotalRow(groupSeparator);
    return texts;
}

}  // namespace

exports::Table TableOf(const OrderModel &model)
{
    const Texts texts = TextsOf(model, Qt::EditRole, "");
    exports::Table table;
    table.sheet = "Список";
    for (int column = 0; column < OrderModel::ColumnCount; ++column)
        table.columns.push_back({texts.header[column].toStdString(), FormatOf(column),
                                 column == OrderModel::Mass || column == OrderModel::Cost});
    for (const QStringList &cells : texts.rows) {
        std::vector<exports::Cell> &row = table.rows.emplace_back();
        for (int column = 0; column < OrderModel::ColumnCount; ++column)
            row.push_back(CellOf(column, cells[column]));
    }
    for (int column = 0; column < OrderModel::ColumnCount; ++column)
        table.totals.push_back(CellOf(column, texts.totals[column]));
    return table;
}

QByteArray XlsxOf(const OrderModel &model, QString *error)
{
    const auto write = reinterpret_cast<exports::WriteXlsx>(Resolved(exports::kWriteXlsx, error));
    QTemporaryDir scratch;
    if (!write || !scratch.isValid()) {
        if (write)
            *error = QStringLiteral("Нет места для временных файлов: %1.").arg(scratch.errorString());
        return {};
    }
    const QString path = scratch.filePath(QStringLiteral("list.xlsx"));
    std::string why;
    if (!write(TableOf(model), QFile::encodeName(path).constData(), QFile::encodeName(scratch.path()).constData(),
               &why)) {
        *error = QStringLiteral("Таблица не составлена: %1.").arg(QString::fromStdString(why));
        return {};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return {};
    }
    return file.readAll();
}

void DrawPrintedList(const OrderModel &model, QPagedPaintDevice &device)
{
    const Texts texts = TextsOf(model, Qt::DisplayRole, model.groupSeparator());
    QPainter painter(&device);
    const QRectF page(QPointF(0, 0), device.pageLayout().paintRectPixels(device.logicalDpiX()).size());
    QFont font(FontFamily("Arial"));
    font.setPointSizeF(9);
    QFont bold = font;
    bold.setBold(true);
    QFont title = bold;
    title.setPointSizeF(14);
    const QFontMetricsF metrics(font, &device), boldMetrics(bold, &device), titleMetrics(title, &device);
    const qreal pad = metrics.averageCharWidth(), rowHeight = metrics.height() * 1.6;

    // Each column as wide as its widest text; the name takes what is left,
    // or gives up what the page lacks and is cut short.
    std::vector<qreal> widths(OrderModel::ColumnCount);
    for (int column = 0; column < OrderModel::ColumnCount; ++column) {
        qreal width = boldMetrics.horizontalAdvance(texts.header[column]);
        for (const QStringList &cells : texts.rows)
            width = std::max(width, metrics.horizontalAdvance(cells[column]));
        widths[column] = std::max(width, boldMetrics.horizontalAdvance(texts.totals[column])) + 2 * pad;
    }
    qreal others = 0;
    for (int column = 0; column < OrderModel::ColumnCount; ++column)
        others += column == OrderModel::Name ? 0 : widths[column];
    widths[OrderModel::Name] = std::max(page.width() - others, 8 * pad);

    const auto drawRow = [&](qreal top, const QStringList &cells, const QFont &face) {
        painter.setFont(face);
        qreal left = 0;
        for (int column = 0; column < OrderModel::ColumnCount; ++column) {
            const QRectF cell(left + pad, top, widths[column] - 2 * pad, rowHeight);
            const QString text = QFontMetricsF(face, &device).elidedText(cells[column], Qt::ElideRight, cell.width());
            painter.drawText(
                cell, (OrderModel::HoldsNumbers(column) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, text);
            left += widths[column];
        }
    };
    const QPen rule(Qt::black, device.logicalDpiX() / 150.0), thin(Qt::darkGray, device.logicalDpiX() / 300.0);

    // The pages: a title block on the first, the header on each, the rows,
    // then the totals row and the totals line together.
    const qreal titleBlock = titleMetrics.height() + metrics.height() * 2.5;
    const qreal footer = metrics.height() * 2;
    const qreal closing = rowHeight * 2.5;
    std::vector<std::pair<std::size_t, std::size_t>> pages;  // rows [first, end)
    {
        std::size_t row = 0;
        qreal top = titleBlock + rowHeight;
        std::size_t first = 0;
        while (true) {
            const bool last = row == texts.rows.size();
            if (last ? top + closing <= page.height() - footer : top + rowHeight <= page.height() - footer) {
                if (last) {
                    pages.emplace_back(first, row);
                    break;
                }
                top += rowHeight;
                ++row;
            } else {
                pages.emplace_back(first, row);
                first = row;
                top = rowHeight;
            }
        }
    }

    const QString date = QLocale(QLocale::Russian).toString(QDate::currentDate(), QStringLiteral("dd.MM.yyyy"));
    for (std::size_t number = 0; number < pages.size(); ++number) {
        if (number > 0)
            device.newPage();
        painter.setPen(Qt::black);
        qreal top = 0;
        if (number == 0) {
            painter.setFont(title);
            painter.drawText(QRectF(0, 0, page.width(), titleMetrics.height()), Qt::AlignLeft, kTitle);
            painter.setFont(font);
            painter.drawText(QRectF(0, titleMetrics.height() + metrics.height() * 0.5, page.width(), metrics.height()),
                             Qt::AlignLeft, QStringLiteral("Дата: %1").arg(date));
            top = titleBlock;
        }
        drawRow(top, texts.header, bold);
        top += rowHeight;
        painter.setPen(rule);
        painter.drawLine(QPointF(0, top), QPointF(page.width(), top));
        for (std::size_t row = pages[number].first; row < pages[number].second; ++row) {
            painter.setPen(Qt::black);
            drawRow(top, texts.rows[row], font);
            top += rowHeight;
            painter.setPen(thin);
            painter.drawLine(QPointF(0, top), QPointF(page.width(), top));
        }
        if (number + 1 == pages.size()) {
            painter.setPen(rule);
            painter.drawLine(QPointF(0, top), QPointF(page.width(), top));
            painter.setPen(Qt::black);
            drawRow(top, texts.totals, bold);
            painter.setFont(font);
            painter.drawText(QRectF(0, top + rowHeight * 1.2, page.width(), rowHeight),
                             Qt::AlignLeft | Qt::AlignVCenter, model.TotalsText());
        }
        if (pages.size() > 1) {
            painter.setPen(Qt::black);
            painter.setFont(font);
            painter.drawText(QRectF(0, page.height() - metrics.height(), page.width(), metrics.height()),
                             Qt::AlignRight, QStringLiteral("Страница %1 из %2").arg(number + 1).arg(pages.size()));
        }
    }
}

QByteArray PrintedListPdf(const OrderModel &model)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(kTitle);
        pdf.setCreator(QStringLiteral("Калькулятор металлопроката"));
        // Across the page: the table's nine columns and the names in full.
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(15, 15, 15, 15),
                                      QPageLayout::Millimeter));
        pdf.setResolution(300);
        DrawPrintedList(model, pdf);
    }
    return bytes;
}

void SaveXlsx(QWidget *window, const OrderModel &model, const QString &listPath)
{
    const QString path =
        files::AskPath(window, true, QStringLiteral("Сохранить таблицу"), QStringLiteral("Таблица Excel (*.xlsx)"),
                       QStringLiteral("xlsx"), files::Suggested(listPath, QStringLiteral("xlsx")));
    if (path.isEmpty())
        return;
    QString error;
    const QByteArray bytes = XlsxOf(model, &error);
    if (bytes.isEmpty())
        files::Warn(window, QStringLiteral("Не сохранено"),
                    QStringLiteral("Не удалось сохранить таблицу в %1.").arg(files::Named(path)), error);
    else
        files::WriteWhole(window, path, bytes, QStringLiteral("таблицу"));
}

void SavePdf(QWidget *window, const OrderModel &model, const QString &listPath)
{
    const QString path =
        files::AskPath(window, true, QStringLiteral("Сохранить PDF"), QStringLiteral("Документ PDF (*.pdf)"),
                       QStringLiteral("pdf"), files::Suggested(listPath, QStringLiteral("pdf")));
    if (!path.isEmpty())
        files::WriteWhole(window, path, PrintedListPdf(model), QStringLiteral("PDF"));
}

void Print(QWidget *window, const OrderModel &model)
{
    files::NoSettings();
    files::RussianDialogs();
    QString error;
    const auto print = reinterpret_cast<exports::Print>(Resolved(exports::kPrint, &error));
    if (!print) {
        files::Warn(window, QStringLiteral("Не напечатано"), QStringLiteral("Не удалось напечатать список."), error);
        return;
    }
    print(window, QStringLiteral("Печать"), [&model](QPagedPaintDevice &device) { DrawPrintedList(model, device); });
}

}  // namespace ui::exporting
