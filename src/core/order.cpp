#include "order.h"

#include <algorithm>

namespace metal {

namespace {

constexpr const char *kNoQuantity = "не задано количество";
constexpr const char *kCalcError = "ошибка в расчёте";
constexpr const char *kZero = "результат равен нулю";
constexpr const char *kPartSheet = "число листов не целое";
constexpr const char *kTooLarge = "слишком большое число";
constexpr const char *kNoSuchPrice = "такой цены у этого профиля нет";

std::size_t QuantityRow(ProfileKind kind) { return static_cast<std::size_t>(Kind(kind).quantityRow); }

template <typename T> T Checked(std::optional<T> value)
{
    if (!value)
        throw OrderError(kTooLarge);
    return *value;
}

// A value as the window shows it, in tenths: the same rounding and range.
std::int64_t ShownTenths(double value)
{
    const ResultText shown = FormatResult(value, "");
    if (shown.error)
        throw OrderError(kTooLarge);
    return Checked(Checked(Decimal::Parse(shown.text)).RoundedTo(1));
}

// The window's result for the position's choices in a mode, its quantity
// row holding the text.
double ResultFor(const Position &position, bool massMode, std::string_view quantity)
{
    FieldTexts fields;
    for (std::size_t row = 0; row < fields.size(); ++row)
        fields[row] = position.fields[row];
    fields[QuantityRow(position.choices.kind)] = quantity;
    Choices choices = position.choices;
    choices.massMode = massMode;
    try {
        return ResultValue(choices, fields);
    } catch (const CalcError &) {
        throw OrderError(kCalcError);
    }
}

// The quantity that a price's unit counts, as the list shows it.
Decimal PricedQuantity(const Position &position, const PositionFigures &figures)
{
    const Decimal pieces = Decimal::Whole(position.pieces);
    switch (position.unit) {
    case PriceUnit::PerTonne:
        return {figures.massTenths, 4};
    case PriceUnit::PerKilogram:
        return {figures.massTenths, 1};
    case PriceUnit::PerMetre:
        return Checked(pieces * *figures.pieceLength);
    case PriceUnit::PerPiece:
        return pieces;
    case PriceUnit::PerSquareMetre: {
        // Width × length of a sheet, from the millimetres its name shows.
        const auto width = Decimal::Parse(position.fields[1]), length = Decimal::Parse(position.fields[2]);
        if (!width || !length)
            throw OrderError(kCalcError);
        Decimal area = Checked(Checked(pieces * *width) * *length);
        area.scale += 6;
        return area;
    }
    }
    throw OrderError(kNoSuchPrice);
}

}  // namespace

std::string_view KindName(ProfileKind kind)
{
    std::string_view caption = Kind(kind).menuCaption;
    return caption.substr(caption.find_first_not_of(' '));
}

std::string_view PriceUnitText(PriceUnit unit)
{
    switch (unit) {
    case PriceUnit::PerTonne:
        return "₽/т";
    case PriceUnit::PerKilogram:
        return "₽/кг";
    case PriceUnit::PerMetre:
        return "₽/м";
    case PriceUnit::PerPiece:
        return "₽/шт";
    case PriceUnit::PerSquareMetre:
        return "₽/м²";
    }
    return {};
}

bool PriceUnitFits(ProfileKind kind, PriceUnit unit)
{
    if (unit == PriceUnit::PerSquareMetre)
        return kind == pkSheet;
    if (unit == PriceUnit::PerMetre)
        return kind != pkSheet;
    return true;
}

PositionFigures FiguresOf(const Position &position)
{
    const ProfileKind kind = position.choices.kind;
    if (position.pieces < 1 || (kind != pkSheet && position.perPiece.isZero()))
        throw OrderError(kZero);
    if (!PriceUnitFits(kind, position.unit))
        throw OrderError(kNoSuchPrice);

    PositionFigures figures;
    const Decimal pieces = Decimal::Whole(position.pieces);
    if (kind == pkSheet) {
        figures.massTenths = ShownTenths(ResultFor(position, true, std::to_string(position.pieces)));
    } else if (position.choices.massMode) {
        const std::string length = Checked(pieces * position.perPiece).text();
        figures.massTenths = ShownTenths(ResultFor(position, true, length));
        figures.pieceLength = position.perPiece;
    } else {
        const std::string mass = Checked(pieces * position.perPiece).text();
        figures.massTenths = ShownTenths(ParseNumber(mass));
        figures.pieceLength = Decimal{ShownTenths(ResultFor(position, false, position.perPiece.text())), 1};
    }
    figures.cost.kopecks = Checked(Checked(PricedQuantity(position, figures) * position.price).RoundedTo(2));
    return figures;
}

Position PositionFrom(const Choices &choices, const FieldTexts &fields)
{
    const std::string_view quantity = fields[QuantityRow(choices.kind)];
    if (!QuantityGiven(choices, fields))
        throw OrderError(kNoQuantity);
    double shown = 0;
    try {
        shown = ResultValue(choices, fields);
    } catch (const CalcError &) {
        throw OrderError(kCalcError);
    }
    if (FormatResult(shown, "").error)
        throw OrderError(kCalcError);
    if (ShownTenths(shown) == 0)
        throw OrderError(kZero);

    Position position;
    position.choices = choices;
    for (std::size_t row = 0; row < fields.size(); ++row)
        if (row != QuantityRow(choices.kind))
            position.fields[row] = fields[row];
    const auto typed = Decimal::Parse(quantity);
    if (!typed)
        throw OrderError(kCalcError);
    if (choices.kind == pkSheet) {
        const auto sheets = typed->RoundedTo(0);
        if (!sheets || !(Decimal::Whole(*sheets) == *typed))
            throw OrderError(kPartSheet);
        position.pieces = *sheets;
        position.choices.massMode = true;
    } else {
        position.perPiece = *typed;
    }
    if (FiguresOf(position).massTenths == 0)
        throw OrderError(kZero);
    return position;
}

std::string PositionName(const Position &position)
{
    const Choices &choices = position.choices;
    std::string name(KindName(choices.kind));
    if (UsesStandardMass(choices)) {
        name.append(" ").append(choices.size.size->designation()).append(", ").append(choices.size.standard->number);
        return name;
    }
    // A sheet is named by its thickness first.
    static constexpr std::array<int, 3> kSheetRows{3, 1, 2};
    const KindInfo &kind = Kind(choices.kind);
    std::vector<int> rows;
    if (choices.kind == pkSheet)
        rows.assign(kSheetRows.begin(), kSheetRows.end());
    else
        for (int row = kind.firstRow; row < kind.quantityRow; ++row)
            rows.push_back(row);
    const char *separator = " ";
    for (const int row : rows) {
        name.append(separator).append(position.fields[static_cast<std::size_t>(row)]);
        separator = "×";
    }
    return name;
}

std::string_view MaterialName(MaterialId material)
{
    std::string_view caption = Material(material).listCaption;
    return caption.substr(caption.find_first_not_of(' '));
}

ChosenSize FindSize(ProfileKind kind, std::string_view standardNumber, std::string_view designation)
{
    for (const Standard &standard : StandardsOf(kind)) {
        if (standard.number != standardNumber)
            continue;
        for (const SizeSeries &series : standard.series)
            for (const StandardSize &size : series.sizes)
                if (size.designation() == designation)
                    return {&standard, &size};
    }
    return {};
}

std::string MassText(std::int64_t massTenths, std::string_view groupSeparator)
{
    return GroupedText(massTenths, 1, groupSeparator);
}

std::string TonnesText(std::int64_t massTenths, std::string_view groupSeparator)
{
    return GroupedText(Checked(Decimal{massTenths, 4}.RoundedTo(2)), 2, groupSeparator);
}

void Order::Count(const PositionFigures &figures, int sign)
{
    totals_.massTenths += sign * figures.massTenths;
    totals_.cost.kopecks += sign * figures.cost.kopecks;
}

void Order::Append(Position position)
{
    PositionFigures figures = FiguresOf(position);
    Count(figures, 1);
    positions_.push_back({std::move(position), figures});
    totals_.count = positions_.size();
}

void Order::Replace(std::size_t row, Position position)
{
    PositionFigures figures = FiguresOf(position);
    Entry &entry = positions_[row];
    history_.push_back({Step::Kind::Edit, row, row, {{row, entry}}});
    Count(entry.figures, -1);
    Count(figures, 1);
    entry = {std::move(position), figures};
}

void Order::Remove(std::span<const std::size_t> rows)
{
    std::vector<std::size_t> sorted(rows.begin(), rows.end());
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    if (sorted.empty())
        return;
    Step step{Step::Kind::Removal, sorted.front(), sorted.front(), {}};
    for (const std::size_t row : sorted)
        step.before.emplace_back(row, positions_[row]);
    // From the bottom up, so the rows above keep their places.
    for (auto row = sorted.rbegin(); row != sorted.rend(); ++row) {
        Count(positions_[*row].figures, -1);
        positions_.erase(positions_.begin() + static_cast<std::ptrdiff_t>(*row));
    }
    totals_.count = positions_.size();
    history_.push_back(std::move(step));
}

bool Order::Move(std::size_t row, int step)
{
    const std::size_t to = row + static_cast<std::size_t>(step);
    if (row >= positions_.size() || to >= positions_.size())
        return false;
    std::swap(positions_[row], positions_[to]);
    history_.push_back({Step::Kind::Move, row, to, {}});
    return true;
}

std::optional<std::size_t> Order::Undo()
{
    if (history_.empty())
        return std::nullopt;
    Step step = std::move(history_.back());
    history_.pop_back();
    switch (step.kind) {
    case Step::Kind::Edit:
        Count(positions_[step.row].figures, -1);
        Count(step.before.front().second.figures, 1);
        positions_[step.row] = std::move(step.before.front().second);
        break;
    case Step::Kind::Removal:
        // From the top down, each back at the row it had.
        for (auto &[row, entry] : step.before) {
            Count(entry.figures, 1);
            positions_.insert(positions_.begin() + static_cast<std::ptrdiff_t>(row), std::move(entry));
        }
        totals_.count = positions_.size();
        break;
    case Step::Kind::Move:
        std::swap(positions_[step.row], positions_[step.other]);
        break;
    }
    return step.row;
}

}  // namespace metal
