// The order as the list window's table shows it: one row a position, the
// columns below; the pieces, the length, the price and its unit edited in
// place. Every number is written as the calculator writes its result: '.'
// and the locale's group separator.
#pragma once

#include "order.h"

#include <QAbstractTableModel>

#include <span>
#include <string>

namespace ui {

class OrderModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Number, Name, MaterialColumn, Pieces, Length, Mass, Price, Unit, Cost, ColumnCount };

    explicit OrderModel(std::string groupSeparator, QObject *parent = nullptr);

    const metal::Order &order() const { return order_; }
    const std::string &groupSeparator() const { return groupSeparator_; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // Takes the text typed (a comma is the point, group separators are
    // left out) or, for the unit, the unit's index in metal::kPriceUnits.
    // A refused edit says why (refused) and changes nothing.
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

    void Append(metal::Position position);
    // Puts another order, as read from a file, in the list's place.
    void Load(metal::Order order);
    void Remove(std::span<const std::size_t> rows);
    // Returns the row the position went to, or -1 at an end.
    int Move(int row, int step);
    // Returns the first row the undo changed, or -1 when there was none.
    int Undo();

    // Whether the column holds numbers (right-aligned; numbers for a
    // spreadsheet) rather than words.
    static bool HoldsNumbers(int column);
    // The units a position's price can be given in, in kPriceUnits' order.
    static QStringList UnitTexts(metal::ProfileKind kind);
    // The headings of the columns; a row's cells in a role: as shown
    // (Qt::DisplayRole) or as edited and copied, numbers without their groups
    // (Qt::EditRole).
    QStringList HeaderRow() const;
    QStringList RowTexts(int row, int role) const;
    // The totals on a row of the table's columns: "Итого", and the mass and
    // the cost under theirs, grouped by the separator.
    QStringList TotalRow(std::string_view groupSeparator) const;
    // "Итого: 4 поз. · 747.5 кг (0.75 т) · 63 345.00 ₽".
    QString TotalsText() const;

signals:
    void totalsChanged();
    void refused(const QString &why);

private:
    // A cell's text, its digits grouped by the separator.
    QString Text(const metal::Position &position, const metal::PositionFigures &figures, int column,
                 std::string_view separator) const;

    metal::Order order_;
    std::string groupSeparator_;
};

// A text of the core as Qt holds it.
inline QString FromCore(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

}  // namespace ui
