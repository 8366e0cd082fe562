#include "ordermodel.h"

#include <algorithm>

using namespace metal;

namespace ui {

namespace {

constexpr const char *kHeaders[OrderModel::ColumnCount] = {
    "№",          "Наименование", "Материал",
    "Кол-во, шт", "Длина, м",     "Масса, кг",
    "Цена",       "Ед. цены",     "Стоимость, ₽",
};

// Decimals a typed number may have: whole pieces, lengths to the
// micrometre, prices in kopecks.
constexpr int kLengthDecimals = 6;

// A number as a person types it into a cell: spaces and the locale's group
// separators between the digits; a comma is the point, as in the
// calculator's fields, unless the locale groups digits by it. The point is
// always the point, whatever the locale groups by.
std::optional<Decimal> ParseTyped(QString text, const std::string &groupSeparator, int maxScale)
{
    const QString group = FromCore(groupSeparator);
    if (group != QStringLiteral("."))
        text.remove(group);
    text.remove(u' ').remove(QChar(0x00A0)).remove(QChar(0x202F));
    text.replace(u',', u'.');
    return Decimal::Parse(text.toStdString(), maxScale);
}

}  // namespace

OrderModel::OrderModel(std::string groupSeparator, QObject *parent)
    : QAbstractTableModel(parent), groupSeparator_(std::move(groupSeparator))
{
}

int OrderModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(order_.size());
}

int OrderModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : ColumnCount; }

QString OrderModel::Text(const Position &position, const PositionFigures &figures, int column,
                         std::string_view separator) const
{
    switch (column) {
    case Name:
        return FromCore(PositionName(position));
    case MaterialColumn:
        return FromCore(MaterialName(position.choices.material));
    case Pieces:
        return FromCore(GroupedText(position.pieces, 0, separator));
    case Length:
        return figures.pieceLength
                   ? FromCore(GroupedText(figures.pieceLength->units, figures.pieceLength->scale, separator))
                   : QString();
    case Mass:
        return FromCore(MassText(figures.massTenths, separator));
    case Price:
        return FromCore(MoneyText({*position.price.RoundedTo(kPriceDecimals)}, separator));
    case Unit:
        return FromCore(PriceUnitText(position.unit));
    case Cost:
        return FromCore(MoneyText(figures.cost, separator));
    default:
        return {};
    }
}

QVariant OrderModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const int column = index.column();
    const auto text = [this, &index, column](std::string_view separator) {
        const auto row = static_cast<std::size_t>(index.row());
        return column == Number ? QString::number(index.row() + 1)
                                : Text(order_.position(row), order_.figures(row), column, separator);
    };
    switch (role) {
    case Qt::DisplayRole:
        return text(groupSeparator_);
    case Qt::EditRole:
        // The editor and the clipboard take the number without its groups.
        return text("");
    case Qt::AccessibleTextRole: {
        // A screen reader moving along a row hears which column it is in.
        const QString shown = text(groupSeparator_);
        return FromCore(kHeaders[column]) + QStringLiteral(": ") + (shown.isEmpty() ? QStringLiteral("нет") : shown);
    }
    case Qt::TextAlignmentRole:
        return HoldsNumbers(column) ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                    : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant OrderModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return FromCore(kHeaders[section]);
    return {};
}

Qt::ItemFlags OrderModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    const bool sheet =
        index.isValid() && order_.position(static_cast<std::size_t>(index.row())).choices.kind == pkSheet;
    const int column = index.column();
    if (column == Pieces || column == Price || column == Unit || (column == Length && !sheet))
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool OrderModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const auto row = static_cast<std::size_t>(index.row());
    Position position = order_.position(row);
    const QString text = value.toString();
    const auto number = [&](int maxScale, const char *expected) {
        const auto parsed = ParseTyped(text, groupSeparator_, maxScale);
        if (!parsed)
            throw OrderError(expected);
        return *parsed;
    };
    try {
        switch (index.column()) {
        case Pieces: {
            const Decimal pieces = number(0, "нужно целое число");
            position.pieces = pieces.units;
            break;
        }
        case Length:
            // A position given by its mass is given by the length typed.
            position.choices.massMode = true;
            position.perPiece = number(kLengthDecimals, "нужна длина в метрах");
            break;
        case Price:
            position.price = number(kPriceDecimals, "нужна цена в рублях, до копеек");
            break;
        case Unit: {
            const auto unit = std::find_if(kPriceUnits.begin(), kPriceUnits.end(),
                                           [&text](PriceUnit u) { return FromCore(PriceUnitText(u)) == text; });
            if (unit == kPriceUnits.end())
                return false;
            position.unit = *unit;
            break;
        }
        default:
            return false;
        }
        order_.Replace(row, std::move(position));
    } catch (const OrderError &error) {
        emit refused(QString::fromUtf8(error.what()));
        return false;
    }
    emit dataChanged(this->index(index.row(), Pieces), this->index(index.row(), Cost));
    emit totalsChanged();
    return true;
}

void OrderModel::Append(Position position)
{
    const int row = rowCount();
    // A position without figures never reaches the view.
    FiguresOf(position);
    beginInsertRows({}, row, row);
    order_.Append(std::move(position));
    endInsertRows();
    emit totalsChanged();
}

void OrderModel::Load(Order order)
{
    beginResetModel();
    order_ = std::move(order);
    endResetModel();
    emit totalsChanged();
}

void OrderModel::Remove(std::span<const std::size_t> rows)
{
    if (rows.empty())
        return;
    beginResetModel();
    order_.Remove(rows);
    endResetModel();
    emit totalsChanged();
}

int OrderModel::Move(int row, int step)
{
    const int to = row + step;
    if (row < 0 || to < 0 || to >= rowCount())
        return -1;
    // Qt names the destination as the row before which the moved one lands.
    beginMoveRows({}, row, row, {}, step > 0 ? to + 1 : to);
    order_.Move(static_cast<std::size_t>(row), step);
    endMoveRows();
    emit dataChanged(index(std::min(row, to), Number), index(std::max(row, to), Number));
    return to;
}

int OrderModel::Undo()
{
    if (!order_.canUndo())
        return -1;
    beginResetModel();
    const std::optional<std::size_t> row = order_.Undo();
    endResetModel();
    emit totalsChanged();
    return static_cast<int>(*row);
}

bool OrderModel::HoldsNumbers(int column) { return column != Name && column != MaterialColumn && column != Unit; }

QStringList OrderModel::UnitTexts(ProfileKind kind)
{
    QStringList texts;
    for (const PriceUnit unit : kPriceUnits)
        if (PriceUnitFits(kind, unit))
            texts.append(FromCore(PriceUnitText(unit)));
    return texts;
}

QStringList OrderModel::HeaderRow() const
{
    QStringList cells;
    for (int column = 0; column < ColumnCount; ++column)
        cells.append(headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
    return cells;
}

QStringList OrderModel::RowTexts(int row, int role) const
{
    QStringList cells;
    for (int column = 0; column < ColumnCount; ++column)
        cells.append(index(row, column).data(role).toString());
    return cells;
}

QStringList OrderModel::TotalRow(std::string_view groupSeparator) const
{
    QStringList cells(ColumnCount);
    const OrderTotals &totals = order_.totals();
    cells[Name] = QStringLiteral("Итого");
    cells[Mass] = FromCore(MassText(totals.massTenths, groupSeparator));
    cells[Cost] = FromCore(MoneyText(totals.cost, groupSeparator));
    return cells;
}

QString OrderModel::TotalsText() const
{
    const OrderTotals &totals = order_.totals();
    return QStringLiteral("Итого: %1 поз. · %2 кг (%3 т) · %4 ₽")
        .arg(FromCore(GroupedText(static_cast<std::int64_t>(totals.count), 0, groupSeparator_)),
             FromCore(MassText(totals.massTenths, groupSeparator_)),
             FromCore(TonnesText(totals.massTenths, groupSeparator_)),
             FromCore(MoneyText(totals.cost, groupSeparator_)));
}

}  // namespace ui
