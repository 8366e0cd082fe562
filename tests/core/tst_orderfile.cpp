// The order's file: what it writes is what a spreadsheet reads as numbers,
// it reads back to positions with the same figures, and a broken file gives
// one message naming its line and no order.
#include "orderfile.h"

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>
#include <vector>

using namespace metal;

namespace {

constexpr bool kMass = true;
constexpr bool kLength = false;

struct PositionRow {
    ProfileKind kind;
    bool massMode;
    const char *standard;  // "" for the kind's formula
    const char *designation;
    FieldTexts fields;  // one piece as the window takes it
    std::int64_t pieces;
    const char *price;
};

// Every kind, by its formula and by each of its standards, in both modes.
// The materials and price units are dealt out over these in turn.
const PositionRow kPositions[] = {
    {pkPipe, kMass, "ГОСТ 10704-91", "57×3.5", {"0", "57", "3.5", "12", "0"}, 1, "120"},
    {pkPipe, kLength, "ГОСТ 8732-78", "57×3.5", {"0", "57", "3.5", "10", "0"}, 2, "95.50"},
    {pkPipe, kMass, "", "", {"0", "57", "3.5", "0.5", "0"}, 7, "0.01"},
    {pkProfilePipe, kMass, "ГОСТ 30245-2003", "50×25×2.5", {"0", "50", "25", "2.5", "6"}, 3, "1"},
    {pkProfilePipe, kLength, "", "", {"0", "40", "20", "2", "6"}, 1, "99999.99"},
    {pkSquare, kMass, "ГОСТ 2591-88", "20", {"0", "20", "2", "0", "0"}, 1, "450"},
    {pkSquare, kLength, "", "", {"0", "10", "1.58", "0", "0"}, 3, "0"},
    {pkRound, kMass, "", "", {"0", "20", "4.5", "0", "0"}, 2, "70000"},
    {pkRound, kLength, "", "", {"0", "20.5", "10", "0", "0"}, 2, "3.1"},
    {pkAngle, kMass, "ГОСТ 8509-93", "50×50×5", {"0", "50", "50", "5", "4"}, 4, "81000"},
    {pkAngle, kMass, "ГОСТ 8510-86", "63×40×5", {"0", "63", "40", "5", "6"}, 2, "82000"},
    {pkAngle, kLength, "", "", {"0", "50", "50", "5", "15"}, 1, "80000"},
    {pkSheet, kMass, "ГОСТ 19903-74", "2.0", {"0", "1250", "2500", "2", "3"}, 3, "90000"},
    {pkSheet, kLength, "", "", {"0", "1000", "2000", "1.5", "2"}, 2, "0.5"},
    {pkStrip, kMass, "", "", {"0", "40", "4", "6", "0"}, 5, "65000"},
    {pkStrip, kLength, "", "", {"0", "40", "4", "7.5", "0"}, 1, "65000"},
    {pkHexagon, kMass, "ГОСТ 2879-88", "24", {"0", "24", "3", "0", "0"}, 1, "77000"},
    {pkHexagon, kLength, "", "", {"0", "24", "8", "0", "0"}, 6, "77000"},
    {pkChannel, kMass, "ГОСТ 8240-97", "10У", {"0", "100", "46", "4.5", "6"}, 2, "79000"},
    {pkChannel, kLength, "", "", {"0", "100", "46", "4.5", "50"}, 1, "79000"},
    {pkBeam, kMass, "ГОСТ 26020-83", "20Б1", {"200", "100", "5.6", "8.5", "6"}, 4, "85000"},
    {pkBeam, kLength, "ГОСТ 8239-89", "20", {"200", "100", "5.2", "8.4", "100"}, 1, "85000"},
    {pkBeam, kMass, "", "", {"200", "100", "5.6", "8.5", "12"}, 1, "85000.5"},
};

Order EveryKindMaterialAndUnit()
{
    Order order;
    std::size_t material = 0, unit = 0;
    for (const PositionRow &row : kPositions) {
        Choices choices{row.kind, kMaterials[material++ % kMaterials.size()].id, row.massMode, {}};
        if (*row.standard)
            choices.size = FindSize(row.kind, row.standard, row.designation);
        EXPECT_TRUE(!*row.standard || choices.size) << row.standard << " " << row.designation;
        Position position = PositionFrom(choices, row.fields);
        if (row.kind != pkSheet)
            position.pieces = row.pieces;
        position.price = *Decimal::Parse(row.price, kPriceDecimals);
        do
            position.unit = kPriceUnits[unit++ % kPriceUnits.size()];
        while (!PriceUnitFits(row.kind, position.unit));
        order.Append(position);
    }
    return order;
}

TEST(OrderFile, ReadsBackEveryKindSizeMaterialAndPriceUnit)
{
    const Order order = EveryKindMaterialAndUnit();
    ASSERT_EQ(order.size(), std::size(kPositions));
    std::set<PriceUnit> units;
    std::set<MaterialId> materials;
    for (std::size_t row = 0; row < order.size(); ++row) {
        units.insert(order.position(row).unit);
        materials.insert(order.position(row).choices.material);
    }
    ASSERT_EQ(units.size(), kPriceUnits.size());
    ASSERT_EQ(materials.size(), kMaterials.size());
    const std::string text = WriteOrderFile(order);
    const Order back = ReadOrderFile(text);
    ASSERT_EQ(back.size(), order.size());
    for (std::size_t row = 0; row < order.size(); ++row) {
        SCOPED_TRACE(PositionName(order.position(row)));
        const Position &was = order.position(row), &is = back.position(row);
        EXPECT_EQ(is.choices.kind, was.choices.kind);
        EXPECT_EQ(is.choices.material, was.choices.material);
        EXPECT_EQ(is.choices.massMode, was.choices.massMode);
        EXPECT_EQ(is.choices.size, was.choices.size);
        const KindInfo &kind = Kind(was.choices.kind);
        for (int r = kind.firstRow; r < kind.quantityRow; ++r)
            EXPECT_EQ(is.fields[static_cast<std::size_t>(r)], was.fields[static_cast<std::size_t>(r)]);
        EXPECT_EQ(is.pieces, was.pieces);
        EXPECT_EQ(is.perPiece.text(), was.perPiece.text());
        EXPECT_EQ(is.price.text(), was.price.text());
        EXPECT_EQ(is.unit, was.unit);
        EXPECT_EQ(PositionName(is), PositionName(was));
        EXPECT_EQ(back.figures(row).massTenths, order.figures(row).massTenths);
        EXPECT_EQ(back.figures(row).pieceLength, order.figures(row).pieceLength);
        EXPECT_EQ(back.figures(row).cost, order.figures(row).cost);
    }
    EXPECT_EQ(back.totals().cost, order.totals().cost);
    EXPECT_EQ(back.totals().massTenths, order.totals().massTenths);
    EXPECT_EQ(WriteOrderFile(back), text);
    EXPECT_FALSE(back.canUndo());
}

// The line a spreadsheet reads: 537.6 kg = 0.5376 t × 85 000 ₽ = 45 696 ₽.
const std::string kHeader = "\xEF\xBB\xBF№;Наименование;Вид;Материал;Стандарт;Типоразмер;Размер 1, мм;Размер 2, "
                            "мм;Размер 3, мм;Размер 4, мм;Кол-во, шт;Длина штуки, м;Масса штуки, кг;Масса, "
                            "кг;Цена, ₽;Единица цены;Стоимость, ₽\r\n";
const std::string kBeamLine = "1;Балка 20Б1, ГОСТ 26020-83;Балка;Углеродная сталь;ГОСТ "
                              "26020-83;20Б1;200;100;5,6;8,5;4;6;;537,6;85000;₽/т;"
                              "45696,00\r\n";
// 57×3.5 by ГОСТ 10704-91, 4.61786 kg/m: 10 kg make 2.2 m; two pieces 20 kg at 120 ₽/м × 4.4 m.
const std::string kPipeLine = "2;Труба 57×3.5, ГОСТ 10704-91;Труба;Углеродная сталь;ГОСТ 10704-91;57×3,5;57;3,5;;;2;;"
                              "10;20,0;120;₽/м;528,00\r\n";

TEST(OrderFile, WritesNumbersWithADecimalCommaBetweenSemicolons)
{
    Order order;
    Position beam = PositionFrom({pkBeam, mtCarbonSteel, kMass, FindSize(pkBeam, "ГОСТ 26020-83", "20Б1")},
                                 {"200", "100", "5.6", "8.5", "6"});
    beam.pieces = 4;
    beam.price = Decimal::Whole(85000);
    order.Append(beam);
    Position pipe = PositionFrom({pkPipe, mtCarbonSteel, kLength, FindSize(pkPipe, "ГОСТ 10704-91", "57×3.5")},
                                 {"0", "57", "3.5", "10", "0"});
    pipe.pieces = 2;
    pipe.price = Decimal::Whole(120);
    pipe.unit = PriceUnit::PerMetre;
    order.Append(pipe);
    EXPECT_EQ(WriteOrderFile(order), kHeader + kBeamLine + kPipeLine);
    EXPECT_EQ(WriteOrderFile(Order{}), kHeader);
}

// Files as a spreadsheet or an editor may save them again.
TEST(OrderFile, ReadsWhatSpreadsheetsWriteBack)
{
    const std::string noBom = kHeader.substr(3);
    const std::string quoted = "1;\"Балка 20Б1, ГОСТ 26020-83\";\"Балка\";Углеродная сталь;ГОСТ 26020-83;20Б1;200;100;"
                               "\"5,6\";8,5;4;6;;537,6;85000;₽/т;45696,00\n";
    const std::string points =
        "1;;Балка;Углеродная сталь;ГОСТ 26020-83;20Б1;200;100;5.6;8.5;4;6;;;85000;₽/т;\r\n";
    for (const std::string &text : {noBom + kBeamLine, kHeader + quoted, kHeader + ";;;;;;;;;;;;;;;;\r\n" + points,
                                    kHeader + "\r\n" + kBeamLine + "\r\n"}) {
        SCOPED_TRACE(text);
        const Order order = ReadOrderFile(text);
        ASSERT_EQ(order.size(), 1u);
        EXPECT_EQ(MoneyText(order.totals().cost, ""), "45696.00");
        EXPECT_EQ(WriteOrderFile(order), kHeader + kBeamLine);
    }
}

struct BrokenFile {
    const char *name;
    std::string text;
    const char *message;
};
void PrintTo(const BrokenFile &row, std::ostream *os) { *os << row.name; }

// The beam's line with fields replaced.
std::string BeamWith(std::initializer_list<std::pair<std::size_t, std::string>> changes)
{
    std::vector<std::string> fields(1);
    for (const char c : kBeamLine.substr(0, kBeamLine.size() - 2))
        if (c == ';')
            fields.emplace_back();
        else
            fields.back().push_back(c);
    for (const auto &[column, value] : changes)
        fields.at(column) = value;
    std::string line;
    for (const std::string &field : fields)
        line += (line.empty() ? "" : ";") + field;
    return kHeader + line + "\r\n";
}

const BrokenFile kBrokenFiles[] = {
    {"Empty", "", "Файл пуст."},
    {"OnlyTheMarkAndBreaks", "\xEF\xBB\xBF\r\n\r\n", "Файл пуст."},
    {"Utf16", "\xFF\xFE\x16\x04", "Файл в кодировке UTF-16, а список хранится в UTF-8."},
    {"Picture", std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16), "Это не текстовый файл."},
    {"ForeignCsv", "Дата;Сумма\r\n01.01.2026;100\r\n",
     "Это не список металлопроката: в первой строке нет названий его столбцов."},
    {"HeaderOnALongLine", kHeader.substr(0, kHeader.size() - 2) + std::string(1000, ';'),
     "Это не список металлопроката: в первой строке нет названий его столбцов."},
    // "№;Наименование" in Windows-1251.
    {"Windows1251", "\xB9;\xCD\xE0\xE8\xEC\xE5\xED\xEE\xE2\xE0\xED\xE8\xE5\r\n",
     "Строка 1: текст не в кодировке UTF-8 (возможно, файл сохранён в Windows-1251)."},
    {"Windows1251Line", BeamWith({{3, "\xD1\xF2\xE0\xEB\xFC"}}),
     "Строка 2: текст не в кодировке UTF-8 (возможно, файл сохранён в Windows-1251)."},
    {"OverlongUtf8", BeamWith({{3, "\xC0\xAF"}}),
     "Строка 2: текст не в кодировке UTF-8 (возможно, файл сохранён в Windows-1251)."},
    {"LongLine", kHeader + std::string(1001, '1') + "\r\n", "Строка 2: длиннее 1000 байт."},
    {"TooLarge", std::string(kMaxOrderFileBytes + 1, ' '), "Файл больше 16 МБ — это не список металлопроката."},
    {"FewerFields", kHeader + "1;Балка;Балка\r\n", "Строка 2: полей 3, а нужно 17."},
    {"OpenQuote", BeamWith({{1, "\"Балка 20Б1"}}), "Строка 2: кавычка не закрыта."},
    {"TextAfterQuote", BeamWith({{1, "\"Балка\" 20Б1"}}), "Строка 2: после закрывающей кавычки текст до «;»."},
    {"UnknownKind", BeamWith({{2, "Рельс"}}), "Строка 2, столбец «Вид»: неизвестный вид проката «Рельс»."},
    {"UnknownMaterial", BeamWith({{3, "Сталь 3"}}), "Строка 2, столбец «Материал»: неизвестный материал «Сталь 3»."},
    {"LongValueCutShort", BeamWith({{3, std::string(30, 'x') + "ЖЖЖЖЖЖЖЖ"}}),
     "Строка 2, столбец «Материал»: неизвестный материал «xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxЖЖЖЖЖ…»."},
    {"ControlCharacter", BeamWith({{3, "Сталь\t3"}}), "Строка 2, столбец «Материал»: неизвестный материал «Сталь?3»."},
    {"StandardOfAnotherKind", BeamWith({{4, "ГОСТ 8509-93"}}),
     "Строка 2, столбец «Стандарт»: у вида «Балка» нет размеров по «ГОСТ 8509-93»."},
    {"SizeNotInTheTables", BeamWith({{5, "20Б9"}}),
     "Строка 2, столбец «Типоразмер»: в ГОСТ 26020-83 нет типоразмера «20Б9»."},
    {"SizeWithoutStandard", BeamWith({{4, ""}}), "Строка 2, столбец «Стандарт»: типоразмер без стандарта."},
    {"NoDimension", BeamWith({{9, ""}}), "Строка 2, столбец «Размер 4, мм»: нет размера."},
    {"BadDimension", BeamWith({{8, "5,6мм"}}), "Строка 2, столбец «Размер 3, мм»: «5,6мм» — не размер в миллиметрах."},
    {"ExtraDimension", BeamWith({{2, "Труба"}, {4, ""}, {5, ""}}),
     "Строка 2, столбец «Размер 3, мм»: лишний размер: у вида «Труба» их 2."},
    {"PiecesNotANumber", BeamWith({{10, "четыре"}}), "Строка 2, столбец «Кол-во, шт»: «четыре» — не число."},
    {"PartOfAPiece", BeamWith({{10, "2,5"}}), "Строка 2, столбец «Кол-во, шт»: «2,5» — не целое число."},
    {"NoPieces", BeamWith({{10, "0"}}), "Строка 2, столбец «Кол-во, шт»: нет ни одной штуки."},
    {"NoLength", BeamWith({{11, ""}}), "Строка 2: задаётся либо длина штуки, либо её масса, одно из двух."},
    {"LengthAndMass", BeamWith({{12, "10"}}), "Строка 2: задаётся либо длина штуки, либо её масса, одно из двух."},
    {"PriceBelowZero", BeamWith({{14, "-85000"}}),
     "Строка 2, столбец «Цена, ₽»: число меньше нуля."},
    {"PriceBelowAKopeck", BeamWith({{14, "0,005"}}),
     "Строка 2, столбец «Цена, ₽»: «0,005» — больше 2 знаков после "
     "запятой."},
    {"NoPrice", BeamWith({{14, ""}}), "Строка 2, столбец «Цена, ₽»: нет числа."},
    {"UnknownUnit", BeamWith({{15, "₽/л"}}),
     "Строка 2, столбец «Единица цены»: неизвестная единица цены "
     "«₽/л»."},
    {"UnitNotOfTheKind", BeamWith({{15, "₽/м²"}}), "Строка 2: такой цены у этого профиля нет."},
    {"MassOutOfRange", BeamWith({{10, "999999999"}}), "Строка 2: слишком большое число."},
    {"ThirdLine", BeamWith({{0, "1"}}) + kPipeLine.substr(0, 10) + "\r\n", "Строка 3: полей 2, а нужно 17."},
};

class Rejects : public testing::TestWithParam<BrokenFile> {};

TEST_P(Rejects, WithOneMessageNamingTheLine)
{
    const BrokenFile &row = GetParam();
    try {
        const Order order = ReadOrderFile(row.text);
        FAIL() << "read " << order.size() << " positions";
    } catch (const OrderFileError &error) {
        EXPECT_EQ(std::string(error.what()), row.message);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, Rejects, testing::ValuesIn(kBrokenFiles),
                         [](const testing::TestParamInfo<BrokenFile> &info) { return std::string(info.param.name); });

TEST(OrderFile, RefusesALargeFileBeforeReadingIt)
{
    EXPECT_NO_THROW(CheckOrderFileSize(kMaxOrderFileBytes));
    EXPECT_THROW(CheckOrderFileSize(100u << 20), OrderFileError);
}

}  // namespace
