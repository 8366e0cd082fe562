// The mode toggle at the window's top right, clicked as a person clicks it:
// what happens to the quantity field, its caption, the focus and the result,
// and which parts of the toggle react at all.
#include "windowfixture.h"

#include <QtTest>

#include <array>

namespace {

// A kind with a worked result in carbon steel: the fields of rows 0 .. 4
// (empty: not used), the result in mass mode, and what 10 kg of it measure
// in length mode (10 ÷ the mass per metre of the same section; the sheet's
// area mode counts sheets instead: 3 sheets of 1 × 2 m are 6 m²).
struct Worked {
    const char *name;
    int itemTop;  // the menu item's top inside the menu panel
    int quantityRow;
    std::array<const char *, 5> fields;
    const char *mass;
    const char *lengthQuantity;
    const char *length;
};
// Mass per metre: pipe 3.5 × 53.5 × π × 7.9 ÷ 1000 = 4.64728; profile pipe
// 2 × (16 × 2 + 80) × 0.0079 = 1.7696; square 0.79; round 2.48186; angle
// 3.7525; strip 0.316; hexagon 25 × 2√3 × 0.0079 = 0.68416; channel 7.505;
// beam (5.2 × 183.2 + 100 × 16.8) × 0.0079 = 20.79786.
const std::array<Worked, 10> kWorked{{
    {"Труба", 0, 3, {"", "57", "3.5", "1", ""}, "4.6 кг  ", "10", "2.2 м  "},
    {"Труба профильная", 34, 4, {"", "40", "20", "2", "1"}, "1.8 кг  ", "10", "5.7 м  "},
    {"Квадрат", 67, 2, {"", "10", "2", "", ""}, "1.6 кг  ", "10", "12.7 м  "},
    {"Круг / Пруток", 100, 2, {"", "20", "1", "", ""}, "2.5 кг  ", "10", "4.0 м  "},
    {"Уголок", 133, 4, {"", "50", "50", "5", "1"}, "3.8 кг  ", "10", "2.7 м  "},
    {"Лист", 166, 4, {"", "1000", "2000", "2", "3"}, "94.8 кг  ", "3", "6.0 м2  "},
    {"Лента", 199, 3, {"", "20", "2", "10", ""}, "3.2 кг  ", "10", "31.6 м  "},
    {"Шестигранник", 232, 2, {"", "10", "1", "", ""}, "0.7 кг  ", "10", "14.6 м  "},
    {"Швеллер", 265, 4, {"", "50", "100", "5", "1"}, "7.5 кг  ", "10", "1.3 м  "},
    {"Балка", 298, 4, {"200", "100", "5.2", "8.4", "1"}, "20.8 кг  ", "10", "0.5 м  "},
}};
constexpr int kPipe = 1, kSheet = 6, kBeam = 10;
const Worked &KindOf(int kind) { return kWorked[static_cast<std::size_t>(kind) - 1]; }

constexpr std::array<const char *, 5> kFields{"Edit6", "Edit1", "Edit2", "Edit3", "Edit5"};
constexpr std::array<const char *, 5> kCaptions{"Label20", "Label14", "Label15", "Label16", "Label19"};

QPoint OnItem(int kind) { return {16 + 2 + 40, 154 + KindOf(kind).itemTop + 16}; }

ui::Edit *Field(const Calculator &calc, int row) { return calc.find<ui::Edit>(kFields[std::size_t(row)]); }
ui::Label *Caption(const Calculator &calc, int row) { return calc.find<ui::Label>(kCaptions[std::size_t(row)]); }
ui::Edit *Quantity(const Calculator &calc, int kind) { return Field(calc, KindOf(kind).quantityRow); }
QString Result(const Calculator &calc) { return calc.find<ui::Label>("Label32")->caption(); }

// Selects the kind and types its worked fields, the quantity last, so that
// the quantity field keeps the focus. The quantity is that of mass mode
// unless another is given.
void TypeWorked(const Calculator &calc, int kind, const char *quantity = nullptr)
{
    const Worked &w = KindOf(kind);
    calc.click(OnItem(kind));
    for (int row = 0; row < 5; ++row)
        if (row != w.quantityRow && *w.fields[std::size_t(row)])
            calc.typeInto(Field(calc, row), QString::fromLatin1(w.fields[std::size_t(row)]));
    calc.typeInto(Field(calc, w.quantityRow),
                  QString::fromLatin1(quantity ? quantity : w.fields[std::size_t(w.quantityRow)]));
}

// The dimension fields of the kind still hold their worked texts.
bool DimensionsKept(const Calculator &calc, int kind)
{
    const Worked &w = KindOf(kind);
    for (int row = 0; row < 5; ++row)
        if (row != w.quantityRow && *w.fields[std::size_t(row)] &&
            Field(calc, row)->text() != QLatin1String(w.fields[std::size_t(row)]))
            return false;
    return true;
}

QString QuantityCaption(int kind, bool mass)
{
    if (kind == kSheet)
        return QStringLiteral("Количество листов, шт");
    return mass ? QStringLiteral("Длина, м") : QStringLiteral("Масса, кг");
}

QString ResetResult(int kind, bool mass)
{
    return mass             ? QStringLiteral("0.00 кг  ")
           : kind == kSheet ? QStringLiteral("0.00 м2  ")
                            : QStringLiteral("0.00 м  ");
}

// The first dimension field of the kind: row 0 for the beam, row 1 else.
ui::Edit *FirstDimension(const Calculator &calc, int kind) { return Field(calc, kind == kBeam ? 0 : 1); }

enum class Leave { ByClick, ByTab, ByPointingAtTheMenu };
enum class Zone { None, Length, Mass };

}  // namespace

Q_DECLARE_METATYPE(Leave)
Q_DECLARE_METATYPE(Zone)

class ModeToggleTest : public QObject {
    Q_OBJECT

private slots:
    void switchingWithTheQuantityFocused_data();
    void switchingWithTheQuantityFocused();
    void leavingTheEmptiedQuantityWritesZero_data();
    void leavingTheEmptiedQuantityWritesZero();
    void switchingWithAnotherFieldFocused_data();
    void switchingWithAnotherFieldFocused();
    void clickOnTheActiveSegmentStillResets_data();
    void clickOnTheActiveSegmentStillResets();
    void whereTheToggleReacts_data();
    void whereTheToggleReacts();
    void resetInputsAfterAResultComputesNothing();
};

void ModeToggleTest::switchingWithTheQuantityFocused_data()
{
    QTest::addColumn<int>("kind");
    for (int kind = 1; kind <= 10; ++kind)
        QTest::newRow(KindOf(kind).name) << kind;
}

void ModeToggleTest::switchingWithTheQuantityFocused()
{
    QFETCH(int, kind);
    const Worked &w = KindOf(kind);
    Calculator calc;
    TypeWorked(calc, kind);
    ui::Edit *quantity = Quantity(calc, kind);
    QVERIFY(quantity->hasFocus());
    QCOMPARE(Result(calc), QString::fromUtf8(w.mass));

    // To length mode: the field is emptied and keeps the focus.
    calc.click(calc.find("Label12"));
    QCOMPARE(quantity->text(), QString());
    QVERIFY(quantity->hasFocus());
    QCOMPARE(calc.focus(), quantity);
    QCOMPARE(Result(calc), ResetResult(kind, false));
    QCOMPARE(Caption(calc, w.quantityRow)->caption(), QuantityCaption(kind, false));
    QVERIFY(DimensionsKept(calc, kind));

    // Typing goes on there, in the new mode.
    calc.type(QString::fromLatin1(w.lengthQuantity));
    QCOMPARE(quantity->text(), QString::fromLatin1(w.lengthQuantity));
    QCOMPARE(Result(calc), QString::fromUtf8(w.length));

    // Back to mass mode, still in the field.
    calc.click(calc.find("Label13"));
    QCOMPARE(quantity->text(), QString());
    QVERIFY(quantity->hasFocus());
    QCOMPARE(Result(calc), ResetResult(kind, true));
    QCOMPARE(Caption(calc, w.quantityRow)->caption(), QuantityCaption(kind, true));
    calc.type(QString::fromLatin1(w.fields[std::size_t(w.quantityRow)]));
    QCOMPARE(Result(calc), QString::fromUtf8(w.mass));
    QVERIFY(DimensionsKept(calc, kind));
}

void ModeToggleTest::leavingTheEmptiedQuantityWritesZero_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<Leave>("leave");
    for (int kind : {kPipe, kSheet, kBeam}) {
        QTest::addRow("%s, a click into another field", KindOf(kind).name) << kind << Leave::ByClick;
        QTest::addRow("%s, Tab", KindOf(kind).name) << kind << Leave::ByTab;
        QTest::addRow("%s, pointing at the menu", KindOf(kind).name) << kind << Leave::ByPointingAtTheMenu;
    }
}

void ModeToggleTest::leavingTheEmptiedQuantityWritesZero()
{
    QFETCH(int, kind);
    QFETCH(Leave, leave);
    Calculator calc;
    TypeWorked(calc, kind);
    ui::Edit *quantity = Quantity(calc, kind);
    calc.click(calc.find("Label12"));
    QCOMPARE(quantity->text(), QString());

    switch (leave) {
    case Leave::ByClick:
        calc.click(FirstDimension(calc, kind));
        break;
    case Leave::ByTab:
        calc.key(Qt::Key_Tab);
        break;
    case Leave::ByPointingAtTheMenu:
        // An unselected item takes the focus away from the fields.
        calc.pointAt(OnItem(kind == kPipe ? 2 : 1));
        QCOMPARE(calc.focus(), calc.find("Edit4"));
        break;
    }
    QVERIFY(!quantity->hasFocus());
    QCOMPARE(quantity->text(), QStringLiteral("0"));
    // "0" computes nothing.
    QCOMPARE(Result(calc), ResetResult(kind, false));
    QVERIFY(DimensionsKept(calc, kind));
}

void ModeToggleTest::switchingWithAnotherFieldFocused_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("dimensionFocused");  // else no visible field has the focus
    for (int kind = 1; kind <= 10; ++kind) {
        QTest::addRow("%s, a dimension focused", KindOf(kind).name) << kind << true;
        QTest::addRow("%s, no field focused", KindOf(kind).name) << kind << false;
    }
}

void ModeToggleTest::switchingWithAnotherFieldFocused()
{
    QFETCH(int, kind);
    QFETCH(bool, dimensionFocused);
    const Worked &w = KindOf(kind);
    Calculator calc;
    TypeWorked(calc, kind);
    QWidget *focused = nullptr;
    if (dimensionFocused) {
        focused = FirstDimension(calc, kind);
        calc.click(focused);
    } else {
        calc.pointAt(OnItem(kind == kPipe ? 2 : 1));
        focused = calc.find("Edit4");
    }
    QCOMPARE(calc.focus(), focused);
    ui::Edit *quantity = Quantity(calc, kind);

    for (bool mass : {false, true}) {
        calc.click(calc.find(mass ? "Label13" : "Label12"));
        QCOMPARE(quantity->text(), QStringLiteral("0"));
        QCOMPARE(calc.focus(), focused);
        QCOMPARE(Result(calc), ResetResult(kind, mass));
        QCOMPARE(Caption(calc, w.quantityRow)->caption(), QuantityCaption(kind, mass));
        QVERIFY(DimensionsKept(calc, kind));
    }
    if (dimensionFocused) {
        // With the quantity at "0" a changed dimension computes nothing.
        calc.type(QStringLiteral("1"));
        QVERIFY(!DimensionsKept(calc, kind));
        QCOMPARE(Result(calc), ResetResult(kind, true));
    }
}

void ModeToggleTest::clickOnTheActiveSegmentStillResets_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("mass");
    for (int kind : {kPipe, kSheet, kBeam})
        for (bool mass : {true, false})
            QTest::addRow("%s, %s mode", KindOf(kind).name, mass ? "mass" : "length") << kind << mass;
}

void ModeToggleTest::clickOnTheActiveSegmentStillResets()
{
    QFETCH(int, kind);
    QFETCH(bool, mass);
    const Worked &w = KindOf(kind);
    Calculator calc;
    const char *zone = mass ? "Label13" : "Label12";
    calc.click(calc.find(zone));
    TypeWorked(calc, kind, mass ? nullptr : w.lengthQuantity);
    QCOMPARE(Result(calc), QString::fromUtf8(mass ? w.mass : w.length));
    calc.click(FirstDimension(calc, kind));
    calc.click(calc.find("Label1"));
    auto *list = calc.find("Panel1");
    QVERIFY(list->isVisible());
    auto *toggle = calc.find<ui::Image>("Image5");
    auto *total = calc.find<ui::Label>("Label18");
    const QImage togglePicture = toggle->picture().toImage();
    const QString totalCaption = total->caption();

    calc.click(calc.find(zone));
    QVERIFY(!list->isVisible());
    QCOMPARE(Quantity(calc, kind)->text(), QStringLiteral("0"));
    QCOMPARE(Result(calc), ResetResult(kind, mass));
    QVERIFY(DimensionsKept(calc, kind));
    // The mode stays.
    QCOMPARE(toggle->picture().toImage(), togglePicture);
    QCOMPARE(total->caption(), totalCaption);
}

void ModeToggleTest::whereTheToggleReacts_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<Zone>("zone");
    // The zones lie at x 568 .. 624 and 631 .. 690, y 62 .. 96; the toggle
    // picture's last row and the gap between the zones react to nothing,
    // and so do the 20 px that the sheet's wider toggle adds at the left.
    const struct {
        int x, y;
        Zone zone;
    } narrow[] = {{568, 79, Zone::Length}, {596, 79, Zone::Length}, {624, 79, Zone::Length}, {625, 79, Zone::None},
                  {628, 79, Zone::None},   {630, 79, Zone::None},   {631, 79, Zone::Mass},   {660, 79, Zone::Mass},
                  {690, 79, Zone::Mass},   {596, 62, Zone::Length}, {596, 96, Zone::Length}, {596, 97, Zone::None},
                  {660, 97, Zone::None}},
      wide[] = {{548, 79, Zone::None}, {557, 79, Zone::None},   {567, 79, Zone::None},   {548, 62, Zone::None},
                {567, 97, Zone::None}, {568, 79, Zone::Length}, {624, 79, Zone::Length}, {625, 79, Zone::None},
                {630, 79, Zone::None}, {631, 79, Zone::Mass},   {690, 79, Zone::Mass},   {596, 97, Zone::None}};
    const char *names[] = {"nothing", "length", "mass"};
    for (const auto &p : narrow)
        QTest::addRow("Труба at %d,%d: %s", p.x, p.y, names[int(p.zone)]) << kPipe << QPoint(p.x, p.y) << p.zone;
    for (const auto &p : wide)
        QTest::addRow("Лист at %d,%d: %s", p.x, p.y, names[int(p.zone)]) << kSheet << QPoint(p.x, p.y) << p.zone;
}

void ModeToggleTest::whereTheToggleReacts()
{
    QFETCH(int, kind);
    QFETCH(QPoint, at);
    QFETCH(Zone, zone);
    const Worked &w = KindOf(kind);
    Calculator calc;
    TypeWorked(calc, kind);
    calc.click(FirstDimension(calc, kind));
    calc.click(calc.find("Label1"));
    auto *list = calc.find("Panel1");
    QVERIFY(list->isVisible());
    auto *toggle = calc.find<ui::Image>("Image5");
    QVERIFY(toggle->geometry().contains(at));
    const QImage before = calc.grab();

    calc.click(at);
    const QImage after = calc.grab();
    switch (zone) {
    case Zone::None:
        QVERIFY(list->isVisible());
        QCOMPARE(Result(calc), QString::fromUtf8(w.mass));
        QCOMPARE(Quantity(calc, kind)->text(), QString::fromLatin1(w.fields[std::size_t(w.quantityRow)]));
        QCOMPARE(after.copy(toggle->geometry()), before.copy(toggle->geometry()));
        break;
    case Zone::Length:
    case Zone::Mass: {
        const bool mass = zone == Zone::Mass;
        QVERIFY(!list->isVisible());
        QCOMPARE(Result(calc), ResetResult(kind, mass));
        QCOMPARE(Quantity(calc, kind)->text(), QStringLiteral("0"));
        // The toggle on screen changes only when the mode does.
        QCOMPARE(after.copy(toggle->geometry()) == before.copy(toggle->geometry()), mass);
        break;
    }
    }
}

void ModeToggleTest::resetInputsAfterAResultComputesNothing()
{
    // The beam's top row is reset first: were anything computed on the
    // way, the height of 0 with the length of 1 still in place would show
    // another mass.
    Calculator calc;
    TypeWorked(calc, kBeam);
    QCOMPARE(Result(calc), QStringLiteral("20.8 кг  "));
    ResetInputs();
    for (int row = 0; row < 5; ++row)
        QCOMPARE(Field(calc, row)->text(), QStringLiteral("0"));
    QCOMPARE(Result(calc), QStringLiteral("20.8 кг  "));

    // Through the menu the result then reads "0.00" with its unit.
    TypeWorked(calc, kBeam);
    calc.click(OnItem(kBeam));
    for (int row = 0; row < 5; ++row)
        QCOMPARE(Field(calc, row)->text(), QStringLiteral("0"));
    QCOMPARE(Result(calc), QStringLiteral("0.00 кг  "));
    QCOMPARE(calc.find<ui::Label>("Label32")->fontColor(), QColor(0, 0, 0));
}

QTEST_MAIN(ModeToggleTest)
#include "tst_modetoggle.moc"
