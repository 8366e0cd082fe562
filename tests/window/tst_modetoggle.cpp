// The mode toggle at the window's top right, clicked as a person clicks it:
// what happens to the quantity field, its caption, the focus and the result,
// and which parts of the toggle react at all.
#include "choices.h"
#include "inputrows.h"
#include "windowfixture.h"

#include <QtTest>

#include <array>

namespace {

constexpr int kPipe = metal::pkPipe, kSheet = metal::pkSheet, kBeam = metal::pkBeam;

// The kind's worked example in a mode: its dimensions are the same in both.
const worked::Result &Example(int kind, bool mass)
{
    return worked::Example(static_cast<metal::ProfileKind>(kind), mass);
}
int QuantityRow(int kind) { return KindShownAs(kind).quantityRow; }
// The quantity of the kind's example in a mode.
QString ExampleQuantity(int kind, bool mass)
{
    return ToQString(Example(kind, mass).fields[static_cast<std::size_t>(QuantityRow(kind))]);
}
QString ExampleResult(int kind, bool mass) { return QString::fromUtf8(Example(kind, mass).shown); }

ui::Edit *Quantity(const Calculator &calc, int kind) { return calc.row(QuantityRow(kind)); }
QString Result(const Calculator &calc) { return calc.result()->caption(); }

// Selects the kind and types the fields of its example in mass mode, the
// quantity last, so that the quantity field keeps the focus. The quantity is
// that of the example in the mode given.
void TypeWorked(const Calculator &calc, int kind, bool mass = true)
{
    calc.selectKind(kind);
    metal::FieldTexts fields = Example(kind, true).fields;
    fields[static_cast<std::size_t>(QuantityRow(kind))] =
        Example(kind, mass).fields[static_cast<std::size_t>(QuantityRow(kind))];
    calc.typeFields(fields);
}

// The dimension fields of the kind still hold the texts of its example.
bool DimensionsKept(const Calculator &calc, int kind)
{
    const metal::FieldTexts &fields = Example(kind, true).fields;
    for (int row = 0; row < QuantityRow(kind); ++row)
        if (fields[static_cast<std::size_t>(row)] != "0" &&
            calc.row(row)->text() != ToQString(fields[static_cast<std::size_t>(row)]))
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
ui::Edit *FirstDimension(const Calculator &calc, int kind) { return calc.row(kind == kBeam ? 0 : 1); }

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
        QTest::newRow(KindShownAs(kind).name) << kind;
}

void ModeToggleTest::switchingWithTheQuantityFocused()
{
    QFETCH(int, kind);
    Calculator calc;
    TypeWorked(calc, kind);
    ui::Edit *quantity = Quantity(calc, kind);
    QVERIFY(quantity->hasFocus());
    QCOMPARE(Result(calc), ExampleResult(kind, true));

    // To length mode: the field is emptied and keeps the focus.
    calc.click(calc.find("Label12"));
    QCOMPARE(quantity->text(), QString());
    QVERIFY(quantity->hasFocus());
    QCOMPARE(calc.focus(), quantity);
    QCOMPARE(Result(calc), ResetResult(kind, false));
    QCOMPARE(calc.rowCaption(QuantityRow(kind))->caption(), QuantityCaption(kind, false));
    QVERIFY(DimensionsKept(calc, kind));

    // Typing goes on there, in the new mode.
    calc.type(ExampleQuantity(kind, false));
    QCOMPARE(quantity->text(), ExampleQuantity(kind, false));
    QCOMPARE(Result(calc), ExampleResult(kind, false));

    // Back to mass mode, still in the field.
    calc.click(calc.find("Label13"));
    QCOMPARE(quantity->text(), QString());
    QVERIFY(quantity->hasFocus());
    QCOMPARE(Result(calc), ResetResult(kind, true));
    QCOMPARE(calc.rowCaption(QuantityRow(kind))->caption(), QuantityCaption(kind, true));
    calc.type(ExampleQuantity(kind, true));
    QCOMPARE(Result(calc), ExampleResult(kind, true));
    QVERIFY(DimensionsKept(calc, kind));
}

void ModeToggleTest::leavingTheEmptiedQuantityWritesZero_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<Leave>("leave");
    for (int kind : {kPipe, kSheet, kBeam}) {
        QTest::addRow("%s, a click into another field", KindShownAs(kind).name) << kind << Leave::ByClick;
        QTest::addRow("%s, Tab", KindShownAs(kind).name) << kind << Leave::ByTab;
        QTest::addRow("%s, pointing at the menu", KindShownAs(kind).name) << kind << Leave::ByPointingAtTheMenu;
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
        calc.pointAt(calc.centreOf(calc.menuItem(kind == kPipe ? 2 : 1)));
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
        QTest::addRow("%s, a dimension focused", KindShownAs(kind).name) << kind << true;
        QTest::addRow("%s, no field focused", KindShownAs(kind).name) << kind << false;
    }
}

void ModeToggleTest::switchingWithAnotherFieldFocused()
{
    QFETCH(int, kind);
    QFETCH(bool, dimensionFocused);
    Calculator calc;
    TypeWorked(calc, kind);
    QWidget *focused = nullptr;
    if (dimensionFocused) {
        focused = FirstDimension(calc, kind);
        calc.click(focused);
    } else {
        calc.pointAt(calc.centreOf(calc.menuItem(kind == kPipe ? 2 : 1)));
        focused = calc.find("Edit4");
    }
    QCOMPARE(calc.focus(), focused);
    ui::Edit *quantity = Quantity(calc, kind);

    for (bool mass : {false, true}) {
        calc.click(calc.find(mass ? "Label13" : "Label12"));
        QCOMPARE(quantity->text(), QStringLiteral("0"));
        QCOMPARE(calc.focus(), focused);
        QCOMPARE(Result(calc), ResetResult(kind, mass));
        QCOMPARE(calc.rowCaption(QuantityRow(kind))->caption(), QuantityCaption(kind, mass));
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
            QTest::addRow("%s, %s mode", KindShownAs(kind).name, mass ? "mass" : "length") << kind << mass;
}

void ModeToggleTest::clickOnTheActiveSegmentStillResets()
{
    QFETCH(int, kind);
    QFETCH(bool, mass);
    Calculator calc;
    const char *zone = mass ? "Label13" : "Label12";
    calc.click(calc.find(zone));
    TypeWorked(calc, kind, mass);
    QCOMPARE(Result(calc), ExampleResult(kind, mass));
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
        QCOMPARE(Result(calc), ExampleResult(kind, true));
        QCOMPARE(Quantity(calc, kind)->text(), ExampleQuantity(kind, true));
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
        QCOMPARE(calc.row(row)->text(), QStringLiteral("0"));
    QCOMPARE(Result(calc), QStringLiteral("20.8 кг  "));

    // Through the menu the result then reads "0.00" with its unit.
    TypeWorked(calc, kBeam);
    calc.selectKind(kBeam);
    for (int row = 0; row < 5; ++row)
        QCOMPARE(calc.row(row)->text(), QStringLiteral("0"));
    QCOMPARE(Result(calc), QStringLiteral("0.00 кг  "));
    QCOMPARE(calc.find<ui::Label>("Label32")->fontColor(), QColor(0, 0, 0));
}

QTEST_MAIN(ModeToggleTest)
#include "tst_modetoggle.moc"
