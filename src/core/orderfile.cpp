#include "orderfile.h"

#include <algorithm>
#include <array>
#include <vector>

namespace metal {

namespace {

enum Column : std::size_t {
    cNumber,
    cName,
    cKind,
    cMaterial,
    cStandard,
    cSize,
    cFirstDimension,
    cPieces = cFirstDimension + 4,
    cPieceLength,
    cPieceMass,
    cMass,
    cPrice,
    cUnit,
    cCost,
    kColumnCount
};
// The beam has the most dimension rows: four.
constexpr std::array<std::string_view, kColumnCount> kColumns{"№",
                                                              "Наименование",
                                                              "Вид",
                                                              "Материал",
                                                              "Стандарт",
                                                              "Типоразмер",
                                                              "Размер 1, мм",
                                                              "Размер 2, мм",
                                                              "Размер 3, мм",
                                                              "Размер 4, мм",
                                                              "Кол-во, шт",
                                                              "Длина штуки, м",
                                                              "Масса штуки, кг",
                                                              "Масса, кг",
                                                              "Цена, ₽",
                                                              "Единица цены",
                                                              "Стоимость, ₽"};

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnd = "\r\n";
constexpr char kSeparator = ';';
constexpr char kQuote = '"';
constexpr const char *kNotAList = "Это не список металлопроката: в первой строке нет названий его столбцов";
// What a value from the file may take of a message.
constexpr std::size_t kQuotedBytes = 40;

// The rows of a kind that hold its dimensions, top to bottom.
struct DimensionRows {
    std::size_t first, count;
};
DimensionRows DimensionsOf(ProfileKind kind)
{
    const KindInfo &info = Kind(kind);
    return {static_cast<std::size_t>(info.firstRow), static_cast<std::size_t>(info.quantityRow - info.firstRow)};
}

// Numbers and designations go to the file with a decimal comma and come
// back with the point that the fields and the tables use.
std::string Swapped(std::string_view text, char from, char to)
{
    std::string swapped(text);
    std::replace(swapped.begin(), swapped.end(), from, to);
    return swapped;
}
std::string WithComma(std::string_view text) { return Swapped(text, '.', ','); }
std::string WithPoint(std::string_view text) { return Swapped(text, ',', '.'); }

// ---------------------------------------------------------------------------
// Reading

[[noreturn]] void Fail(std::string what) { throw OrderFileError(what + "."); }
[[noreturn]] void Fail(std::size_t line, std::string_view what)
{
    Fail("Строка " + std::to_string(line) + ": " + std::string(what));
}
[[noreturn]] void Fail(std::size_t line, Column column, std::string_view what)
{
    Fail("Строка " + std::to_string(line) + ", столбец «" + std::string(kColumns[column]) + "»: " + std::string(what));
}

// A value from the file as a message shows it: in guillemets, cut short
// at a whole character, control characters as '?'. The line is UTF-8.
std::string Quoted(std::string_view value)
{
    std::string shown = "«";
    std::size_t size = value.size();
    if (size > kQuotedBytes) {
        size = kQuotedBytes;
        while (size > 0 && (static_cast<unsigned char>(value[size]) & 0xC0) == 0x80)
            --size;
    }
    for (const char c : value.substr(0, size))
        shown.push_back(static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? '?' : c);
    if (size < value.size())
        shown.append("…");
    return shown + "»";
}

// Well-formed UTF-8: no stray or missing continuation bytes, no overlong
// form, no surrogate, nothing above U+10FFFF.
bool IsUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
        const unsigned char lead = byte(i);
        std::size_t length = 0;
        unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
        if (lead < 0x80) {
            ++i;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (text.size() - i < length || byte(i + 1) < low || byte(i + 1) > high)
            return false;
        for (std::size_t k = 2; k < length; ++k)
            if ((byte(i + k) & 0xC0) != 0x80)
                return false;
        i += length;
    }
    return true;
}

// The fields of a line split at ';'. A field may be quoted, as spreadsheets
// write one that holds a separator or a quote: "…", a quote inside doubled.
std::vector<std::string> Split(std::string_view line, std::size_t lineNumber)
{
    std::vector<std::string> fields(1);
    enum class State { Start, Plain, Quoted, Closed } state = State::Start;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (state == State::Quoted) {
            if (c != kQuote)
                fields.back().push_back(c);
            else if (i + 1 < line.size() && line[i + 1] == kQuote)
                fields.back().push_back(line[++i]);
            else
                state = State::Closed;
        } else if (c == kSeparator) {
            fields.emplace_back();
            state = State::Start;
        } else if (state == State::Closed) {
            Fail(lineNumber, "после закрывающей кавычки текст до «;»");
        } else if (c == kQuote && state == State::Start) {
            state = State::Quoted;
        } else {
            fields.back().push_back(c);
            state = State::Plain;
        }
    }
    if (state == State::Quoted)
        Fail(lineNumber, "кавычка не закрыта");
    return fields;
}

// The text of a dimension row as the window's fields take it: digits and
// at most one point, as long as a decimal can be.
bool IsFieldText(std::string_view text)
{
    return !text.empty() && text.size() <= 16 && std::count(text.begin(), text.end(), '.') <= 1 &&
           std::all_of(text.begin(), text.end(), [](char c) { return (c >= '0' && c <= '9') || c == '.'; });
}

class LineReader {
public:
    LineReader(const std::vector<std::string> &fields, std::size_t line) : fields_(fields), line_(line) {}

    const std::string &operator[](Column column) const { return fields_[column]; }
    [[noreturn]] void Fail(Column column, std::string_view what) const { metal::Fail(line_, column, what); }

    Decimal ReadNumber(Column column, int maxScale) const
    {
        const std::string &text = fields_[column];
        if (text.empty())
            Fail(column, "нет числа");
        if (const auto value = Decimal::Parse(WithPoint(text), maxScale))
            return *value;
        if (text.front() == '-' && Decimal::Parse(WithPoint(text.substr(1))))
            Fail(column, "число меньше нуля");
        if (Decimal::Parse(WithPoint(text)))
            Fail(column,
                 Quoted(text) + (maxScale == 0 ? " — не целое число"
                                               : " — больше " + std::to_string(maxScale) + " знаков после запятой"));
        Fail(column, Quoted(text) + " — не число");
    }

    ProfileKind ReadKind() const
    {
        for (const KindInfo &kind : kKinds)
            if (KindName(kind.id) == fields_[cKind])
                return kind.id;
        Fail(cKind, "неизвестный вид проката " + Quoted(fields_[cKind]));
    }

    MaterialId ReadMaterial() const
    {
        for (const MaterialInfo &material : kMaterials)
            if (MaterialName(material.id) == fields_[cMaterial])
                return material.id;
        Fail(cMaterial, "неизвестный материал " + Quoted(fields_[cMaterial]));
    }

    ChosenSize ReadSize(ProfileKind kind) const
    {
        const std::string &standard = fields_[cStandard], &designation = fields_[cSize];
        if (standard.empty() != designation.empty())
            Fail(standard.empty() ? cStandard : cSize,
                 standard.empty() ? "типоразмер без стандарта" : "стандарт без типоразмера");
        if (standard.empty())
            return {};
        const auto &standards = StandardsOf(kind);
        if (std::none_of(standards.begin(), standards.end(), [&](const Standard &s) { return s.number == standard; }))
            Fail(cStandard, "у вида «" + std::string(KindName(kind)) + "» нет размеров по " + Quoted(standard));
        const ChosenSize size = FindSize(kind, standard, WithPoint(designation));
        if (!size)
            Fail(cSize, "в " + standard + " нет типоразмера " + Quoted(designation));
        return size;
    }

    PriceUnit ReadUnit() const
    {
        for (const PriceUnit unit : kPriceUnits)
            if (PriceUnitText(unit) == fields_[cUnit])
                return unit;
        Fail(cUnit, "неизвестная единица цены " + Quoted(fields_[cUnit]));
    }

    Position Read() const
    {
        Position position;
        Choices &choices = position.choices;
        choices.kind = ReadKind();
        choices.material = ReadMaterial();
        choices.size = ReadSize(choices.kind);

        const DimensionRows rows = DimensionsOf(choices.kind);
        for (std::size_t i = 0; i < cPieces - cFirstDimension; ++i) {
            const auto column = static_cast<Column>(cFirstDimension + i);
            const std::string &text = fields_[column];
            if (i >= rows.count) {
                if (!text.empty())
                    Fail(column, "лишний размер: у вида «" + std::string(KindName(choices.kind)) + "» их " +
                                     std::to_string(rows.count));
            } else if (text.empty()) {
                Fail(column, "нет размера");
            } else if (!IsFieldText(WithPoint(text))) {
                Fail(column, Quoted(text) + " — не размер в миллиметрах");
            } else {
                position.fields[rows.first + i] = WithPoint(text);
            }
        }

        const Decimal pieces = ReadNumber(cPieces, 0);
        if (pieces.isZero())
            Fail(cPieces, "нет ни одной штуки");
        position.pieces = pieces.units;

        const bool byLength = !fields_[cPieceLength].empty(), byMass = !fields_[cPieceMass].empty();
        if (choices.kind == pkSheet) {
            if (byLength || byMass)
                Fail(byLength ? cPieceLength : cPieceMass, "у листа задаётся только число листов");
        } else if (byLength == byMass) {
            metal::Fail(line_, "задаётся либо длина штуки, либо её масса, одно из двух");
        } else {
            choices.massMode = byLength;
            position.perPiece = ReadNumber(byLength ? cPieceLength : cPieceMass, 6);
        }

        position.price = ReadNumber(cPrice, kPriceDecimals);
        position.unit = ReadUnit();
        return position;
    }

private:
    const std::vector<std::string> &fields_;
    std::size_t line_;
};

}  // namespace

std::string WriteOrderFile(const Order &order)
{
    std::string text(kBom);
    text.reserve(order.size() * 192 + 256);
    const auto writeLine = [&text](const auto &fields) {
        // No value holds a separator, a quote or a line break: names and
        // units are the program's own, the rest digits and commas.
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (i > 0)
                text.push_back(kSeparator);
            text.append(fields[i]);
        }
        text.append(kLineEnd);
    };
    writeLine(kColumns);

    std::array<std::string, kColumnCount> fields;
    for (std::size_t row = 0; row < order.size(); ++row) {
        const Position &position = order.position(row);
        const PositionFigures &figures = order.figures(row);
        const Choices &choices = position.choices;
        fields.fill({});
        fields[cNumber] = std::to_string(row + 1);
        fields[cName] = PositionName(position);
        fields[cKind] = KindName(choices.kind);
        fields[cMaterial] = MaterialName(choices.material);
        if (choices.size) {
            fields[cStandard] = choices.size.standard->number;
            fields[cSize] = WithComma(choices.size.size->designation());
        }
        const DimensionRows rows = DimensionsOf(choices.kind);
        for (std::size_t i = 0; i < rows.count; ++i)
            fields[cFirstDimension + i] = WithComma(position.fields[rows.first + i]);
        fields[cPieces] = std::to_string(position.pieces);
        if (choices.kind != pkSheet)
            fields[choices.massMode ? cPieceLength : cPieceMass] = WithComma(position.perPiece.text());
        fields[cMass] = WithComma(MassText(figures.massTenths, ""));
        fields[cPrice] = WithComma(position.price.text());
        fields[cUnit] = PriceUnitText(position.unit);
        fields[cCost] = WithComma(MoneyText(figures.cost, ""));
        writeLine(fields);
    }
    return text;
}

void CheckOrderFileSize(std::uint64_t bytes)
{
    if (bytes > kMaxOrderFileBytes)
        Fail("Файл больше " + std::to_string(kMaxOrderFileBytes >> 20) + " МБ — это не список металлопроката");
}

Order ReadOrderFile(std::string_view text)
{
    CheckOrderFileSize(text.size());
    if (text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF"))
        Fail("Файл в кодировке UTF-16, а список хранится в UTF-8");
    if (text.starts_with(kBom))
        text.remove_prefix(kBom.size());
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos)
        Fail("Файл пуст");

    // No text has a zero byte; pictures, archives and documents have some
    // near their start.
    if (text.substr(0, kMaxOrderFileLine).find('\0') != std::string_view::npos)
        Fail("Это не текстовый файл");

    Order order;
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        // Only as far as a line may reach: a file without line breaks is
        // not scanned to its end.
        const std::size_t end = text.substr(0, kMaxOrderFileLine + 2).find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);

        const bool header = lineNumber == 1;
        if (line.size() > kMaxOrderFileLine) {
            if (header)
                Fail(kNotAList);
            Fail(lineNumber, "длиннее " + std::to_string(kMaxOrderFileLine) + " байт");
        }
        if (!IsUtf8(line))
            Fail(lineNumber, "текст не в кодировке UTF-8 (возможно, файл сохранён в Windows-1251)");

        if (header) {
            std::vector<std::string> fields;
            try {
                fields = Split(line, lineNumber);
            } catch (const OrderFileError &) {
            }
            if (!std::equal(fields.begin(), fields.end(), kColumns.begin(), kColumns.end()))
                Fail(kNotAList);
            continue;
        }
        const std::vector<std::string> fields = Split(line, lineNumber);
        // A spreadsheet may leave empty rows; they hold no position.
        if (std::all_of(fields.begin(), fields.end(), [](const std::string &f) { return f.empty(); }))
            continue;
        if (fields.size() != kColumnCount)
            Fail(lineNumber, "полей " + std::to_string(fields.size()) + ", а нужно " + std::to_string(kColumnCount));
        if (order.size() == kMaxFilePositions)
            Fail("В файле больше " + GroupedText(kMaxFilePositions, 0, " ") + " позиций");
        try {
            order.Append(LineReader(fields, lineNumber).Read());
        } catch (const OrderError &error) {
            Fail(lineNumber, error.what());
        }
    }
    return order;
}

}  // namespace metal
