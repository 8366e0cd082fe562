// Choosing a standard size in the window: the size box and its list, what
// a choice writes into the fields, the standard's mass as the result and
// the line that names it, and what leaves the size again.
#include "menus.h"
#include "windowfixture.h"

#include <QAccessible>
#include <QListView>
#include <QtTest>

using namespace metal;

namespace {

QString Shown(const ui::Label *label) { return label->isVisible() ? label->caption() : QString(); }

}  // namespace

class SizePickerTest : public QObject {
    Q_OBJECT

private:
    // Opens the size list with its key and types the search, then Enter.
    static void chooseByKeys(const Calculator &calc, const QString &search)
    {
        calc.typeScript(QStringLiteral("{F3}"));
        QVERIFY(calc.sizeList()->isVisible());
        calc.type(search);
        calc.typeScript(QStringLiteral("{Return}"));
        QVERIFY(!calc.sizeList()->isVisible());
    }

private slots:
    void choiceGivesTheStandardsMass_data();
    void choiceGivesTheStandardsMass();
    void choiceFromAFieldKeepsTheSize_data();
    void choiceFromAFieldKeepsTheSize();
    void editingAFieldLeavesTheSize();
    void materialAndModeKeepTheSize();
    void sheetThicknessOnlyFillsItsField();
    void boxFollowsTheKind();
    void escapeClosesWithoutAChoice();
    void screenReaderChoosesByTheItemsName();
    void listRanksUnderItsHeadingsAndMarksBrackets();
    void oneDesignationOfTwoStandardsIsNamed_data();
    void oneDesignationOfTwoStandardsIsNamed();
};

void SizePickerTest::choiceGivesTheStandardsMass_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("material");
    QTest::addColumn<bool>("mass");
    QTest::addColumn<QString>("search");      // typed into the list
    QTest::addColumn<QStringList>("fields");  // the kind's rows above the quantity
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("rule");
    // 22.4 kg/m printed; the beam's formula at 7.9 would give 22.9.
    QTest::newRow("beam 20Б1") << int(pkBeam) << 1 << true << "20б1" << QStringList{"200", "100", "5.6", "8.5"} << "1"
                               << "22.4 кг  "
                               << "ГОСТ 26020-83 · 22.4 кг/м";
    // The flange b, the height h and the web s; 10.40 × 2.6989 / 7.85.
    QTest::newRow("channel 12П in aluminium")
        << int(pkChannel) << 3 << true << "12п" << QStringList{"52", "120", "4.8"} << "2"
        << "7.2 кг  "
        << "ГОСТ 8240-97 · 3.58 кг/м";
    QTest::newRow("angle 50×50×5, length of 10 kg")
        << int(pkAngle) << 1 << false << "50x50x5" << QStringList{"50", "50", "5"} << "10"
        << "2.7 м  "
        << "ГОСТ 8509-93 · 3.77 кг/м";
    // The pipe standards' formula: 0.0246615 × 3.5 × 53.5.
    QTest::newRow("pipe 57×3.5") << int(pkPipe) << 1 << true << "57х3,5" << QStringList{"57", "3.5"} << "3"
                                 << "13.9 кг  "
                                 << "ГОСТ 10704-91 · 4.618 кг/м";
    // One choice of each standard the second tables brought, and the
    // 30245 mass of the unrounded area (21.38 from the rounded one).
    QTest::newRow("tube 100×100×8, 10 m")
        << int(pkProfilePipe) << 1 << true << "100x100x8" << QStringList{"100", "100", "8"} << "10"
        << "213.9 кг  "
        << "ГОСТ 30245-2003 · 21.39 кг/м";
    // Printed 1.66 kg/m; the pipe's formula would give 1.657.
    QTest::newRow("water-gas pipe Ду 20 ordinary, 10 m")
        << int(pkPipe) << 1 << true << "ду20x2,8" << QStringList{"26.8", "2.8"} << "10"
        << "16.6 кг  "
        << "ГОСТ 3262-75 · 1.66 кг/м";
    // Marked * in GOST 8732-78 only: 0.0246615 × 3.2 × 30.5.
    QTest::newRow("starred pipe 33.7×3.2, 10 m")
        << int(pkPipe) << 1 << true << "33.7x3.2" << QStringList{"33.7", "3.2"} << "10"
        << "24.1 кг  "
        << "ГОСТ 8732-78 · 2.407 кг/м";
    // π × 20² / 4 mm² at 7.85 g/cm³.
    QTest::newRow("round bar 20, 10 m") << int(pkRound) << 1 << true << "20" << QStringList{"20"} << "10"
                                        << "24.7 кг  "
                                        << "ГОСТ 2590-2006 · 2.466 кг/м";
    QTest::newRow("square tube 20×20×2 of 8639")
        << int(pkProfilePipe) << 1 << true << "20x20x2" << QStringList{"20", "20", "2"} << "1"
        << "1.1 кг  "
        << "ГОСТ 8639-82 · 1.075 кг/м";
    QTest::newRow("rectangular tube 40×20×2 of 8645")
        << int(pkProfilePipe) << 1 << true << "40x20x2" << QStringList{"40", "20", "2"} << "2"
        << "3.4 кг  "
        << "ГОСТ 8645-68 · 1.70 кг/м";
    QTest::newRow("beam 100Ш1 of СТО АСЧМ 20-93")
        << int(pkBeam) << 1 << true << "100ш1" << QStringList{"990", "320", "16", "21"} << "1"
        << "230.6 кг  "
        << "СТО АСЧМ 20-93 · 230.6 кг/м";
}

void SizePickerTest::choiceGivesTheStandardsMass()
{
    QFETCH(int, kind);
    QFETCH(int, material);
    QFETCH(bool, mass);
    QFETCH(QString, search);
    QFETCH(QStringList, fields);
    QFETCH(QString, quantity);
    QFETCH(QString, result);
    QFETCH(QString, rule);

    Calculator calc;
    if (kind != pkPipe)
        calc.selectKind(kind);
    if (material != mtCarbonSteel)
        calc.chooseMaterial(material);
    if (!mass)
        calc.selectMode(false);
    chooseByKeys(calc, search);
    const KindInfo &info = Kind(ProfileKind(kind));
    for (int row = info.firstRow; row < info.quantityRow; ++row)
        QCOMPARE(calc.row(row)->text(), fields.at(row - info.firstRow));
    // The quantity is typed next, where the choice left the focus.
    QCOMPARE(calc.focus(), calc.row(info.quantityRow));
    calc.type(quantity);
    QCOMPARE(calc.result()->caption(), result);
    QCOMPARE(Shown(calc.sizeRule()), rule);
}

// The focus in the kind's first field, emptied as it is entered or holding
// a typed value, while the size is chosen by the keys or by the pointer:
// the fields take the size, the box and the line name it and the result is
// the standard's mass.
void SizePickerTest::choiceFromAFieldKeepsTheSize_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("typed");  // into the first field, after entering it
    QTest::addColumn<bool>("byClick");   // the box and the item clicked, or F3 and Enter
    QTest::addColumn<QString>("search");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("rule");
    // The beam's formula would give 20.8 kg for No. 20 and the tube's 8.9
    // kg for 60×40×3.
    struct Case {
        const char *name;
        ProfileKind kind;
        const char *search, *size, *quantity, *result, *rule;
    };
    static constexpr Case kCases[] = {
        {"beam No. 20", pkBeam, "20", "20", "1", "21.0 кг  ", "ГОСТ 8239-89 · 21.00 кг/м"},
        {"tube 60×40×3", pkProfilePipe, "60x40x3", "60×40×3", "2", "8.5 кг  ", "ГОСТ 30245-2003 · 4.25 кг/м"},
    };
    for (const Case &c : kCases)
        for (const bool byClick : {false, true})
            for (const char *typed : {"", "150"})
                QTest::addRow("%s, %s, %s", c.name, byClick ? "clicked" : "Enter",
                              *typed ? "value typed" : "field emptied")
                    << int(c.kind) << QString::fromLatin1(typed) << byClick << QString::fromUtf8(c.search)
                    << QString::fromUtf8(c.size) << QString::fromUtf8(c.quantity) << QString::fromUtf8(c.result)
                    << QString::fromUtf8(c.rule);
}

void SizePickerTest::choiceFromAFieldKeepsTheSize()
{
    QFETCH(int, kind);
    QFETCH(QString, typed);
    QFETCH(bool, byClick);
    QFETCH(QString, search);
    QFETCH(QString, size);
    QFETCH(QString, quantity);
    QFETCH(QString, result);
    QFETCH(QString, rule);

    Calculator calc;
    calc.selectKind(kind);
    const KindInfo &info = Kind(ProfileKind(kind));
    ui::Edit *first = calc.row(info.firstRow);
    calc.click(first);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(calc.focus(), first);
    QCOMPARE(first->text(), QString());  // entering a field that holds "0" empties it
    calc.type(typed);
    if (byClick) {
        calc.click(calc.sizeBoxText());
        calc.type(search);
        auto *list = calc.sizeList()->findChild<QListView *>();
        QVERIFY(list && list->isVisible());
        QModelIndex item;
        for (int r = 0; r < list->model()->rowCount() && !item.isValid(); ++r)
            if (list->model()->index(r, 0).data().toString() == size)
                item = list->model()->index(r, 0);
        QVERIFY(item.isValid());
        calc.click(list->viewport()->mapTo(&calc.form(), list->visualRect(item).center()));
        QVERIFY(!calc.sizeList()->isVisible());
    } else {
        chooseByKeys(calc, search);
    }
    QCoreApplication::sendPostedEvents();
    QCOMPARE(calc.focus(), calc.row(info.quantityRow));
    calc.type(quantity);
    QCOMPARE(calc.sizeBoxText()->caption(), QStringLiteral("  ") + size);
    QCOMPARE(QAccessible::queryAccessibleInterface(calc.sizeBox())->text(QAccessible::Description),
             size + QStringLiteral(", ") + rule.section(QStringLiteral(" · "), 0, 0));
    QCOMPARE(Shown(calc.sizeRule()), rule);
    QCOMPARE(calc.result()->caption(), result);
}

void SizePickerTest::editingAFieldLeavesTheSize()
{
    Calculator calc;
    calc.selectKind(pkBeam);
    chooseByKeys(calc, QStringLiteral("20б1"));
    calc.type(QStringLiteral("1"));
    QCOMPARE(calc.sizeBoxText()->caption(), QStringLiteral("  20Б1"));
    // An emptied field is no value yet: the size stays until one is typed.
    calc.click(calc.row(2));
    calc.typeScript(QStringLiteral("{End}{Shift+Home}{Backspace}"));
    QCOMPARE(calc.row(2)->text(), QString());
    QCOMPARE(calc.sizeBoxText()->caption(), QStringLiteral("  20Б1"));
    QCOMPARE(calc.result()->caption(), QStringLiteral("22.4 кг  "));
    // The web of GOST 8239's No. 20 by the beam's formula at 7.9 g/cm³.
    calc.type(QStringLiteral("5.2"));
    QCOMPARE(calc.sizeBoxText()->caption(), QStringLiteral("  по размерам"));
    QCOMPARE(Shown(calc.sizeRule()), QString());
    QCOMPARE(calc.result()->caption(), QStringLiteral("20.9 кг  "));
}

void SizePickerTest::materialAndModeKeepTheSize()
{
    Calculator calc;
    calc.selectKind(pkBeam);
    chooseByKeys(calc, QStringLiteral("20б1"));
    calc.type(QStringLiteral("1"));
    calc.chooseMaterial(mtAluminium);
    QCOMPARE(Shown(calc.sizeRule()), QStringLiteral("ГОСТ 26020-83 · 7.7 кг/м"));
    QCOMPARE(calc.result()->caption(), QStringLiteral("7.7 кг  "));
    calc.selectMode(false);
    calc.typeInto(calc.row(4), QStringLiteral("77"));
    QCOMPARE(calc.sizeBoxText()->caption(), QStringLiteral("  20Б1"));
    QCOMPARE(calc.result()->caption(), QStringLiteral("10.0 м  "));
    // Another kind starts from its own formula.
    calc.selectKind(pkChannel);
    QCOMPARE(calc.sizeBoxText()->caption(), QStringLiteral("  по размерам"));
    QCOMPARE(Shown(calc.sizeRule()), QString());
}

void SizePickerTest::sheetThicknessOnlyFillsItsField()
{
    Calculator calc;
    calc.selectKind(pkSheet);
    calc.typeInto(calc.row(1), QStringLiteral("1000"));
    chooseByKeys(calc, QStringLiteral("3.0"));
    QCOMPARE(calc.row(1)->text(), QStringLiteral("1000"));
    QCOMPARE(calc.row(3)->text(), QStringLiteral("3"));
    QCOMPARE(Shown(calc.sizeRule()), QStringLiteral("ГОСТ 19903-74 · толщина 3.0 мм"));
    // The width and length are the sheet's own: typing them keeps the size;
    // the result is the sheet's formula (1 × 2 m × 3 mm × 7.9).
    calc.typeInto(calc.row(2), QStringLiteral("2000"));
    calc.typeInto(calc.row(4), QStringLiteral("1"));
    QCOMPARE(calc.sizeBoxText()->caption(), QStringLiteral("  3.0"));
    QCOMPARE(calc.result()->caption(), QStringLiteral("47.4 кг  "));
}

void SizePickerTest::boxFollowsTheKind()
{
    Calculator calc;
    for (int kind = pkPipe; kind <= pkBeam; ++kind) {
        calc.selectKind(kind);
        const bool sized = !StandardsOf(ProfileKind(kind)).empty();
        QCOMPARE(calc.sizeBox()->isVisible(), sized);
        QCOMPARE(calc.sizeBoxText()->isVisible(), sized);
    }
    // The strip has no standard here.
    QVERIFY(StandardsOf(pkStrip).empty());
}

void SizePickerTest::escapeClosesWithoutAChoice()
{
    Calculator calc;
    calc.typeInto(calc.row(1), QStringLiteral("57"));
    calc.click(calc.sizeBoxText());
    QVERIFY(calc.sizeList()->isVisible());
    calc.type(QStringLiteral("76"));
    QCOMPARE(calc.sizeSearch()->caption(), QStringLiteral("Поиск: 76"));
    calc.typeScript(QStringLiteral("{Backspace}"));
    QCOMPARE(calc.sizeSearch()->caption(), QStringLiteral("Поиск: 7"));
    calc.typeScript(QStringLiteral("{Down}"));
    calc.typeScript(QStringLiteral("{Escape}"));
    QVERIFY(!calc.sizeList()->isVisible());
    QCOMPARE(calc.row(1)->text(), QStringLiteral("57"));
    QCOMPARE(calc.sizeBoxText()->caption(), QStringLiteral("  по размерам"));
    // The focus is back in the field it came from.
    QCOMPARE(calc.focus(), calc.row(1));
}

void SizePickerTest::screenReaderChoosesByTheItemsName()
{
    Calculator calc;
    calc.selectKind(pkChannel);
    QAccessibleInterface *box = QAccessible::queryAccessibleInterface(calc.sizeBox());
    QCOMPARE(box->text(QAccessible::Description), QStringLiteral("по размерам"));
    box->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    auto *list = calc.sizeList()->findChild<QListView *>();
    QVERIFY(list && list->isVisible());
    QAccessibleInterface *items = QAccessible::queryAccessibleInterface(list);
    QAccessibleInterface *item = nullptr;
    for (int i = 0; i < items->childCount() && !item; ++i)
        if (items->child(i)->text(QAccessible::Name) == QStringLiteral("12П"))
            item = items->child(i);
    QVERIFY(item);
    QVERIFY(item->actionInterface());
    item->actionInterface()->doAction(item->actionInterface()->actionNames().constFirst());
    QCOMPARE(calc.row(2)->text(), QStringLiteral("120"));
    QCOMPARE(box->text(QAccessible::Description), QStringLiteral("12П, ГОСТ 8240-97"));
}

// "20" in the pipe's list: D 20 of both standards and Ду 20 of 3262 before
// D 203, each under its standard and series; a size in brackets is marked
// for screen readers.
void SizePickerTest::listRanksUnderItsHeadingsAndMarksBrackets()
{
    Calculator calc;
    calc.key(Qt::Key_F3);
    calc.type(QStringLiteral("20"));
    auto *list = calc.sizeList()->findChild<QListView *>();
    QVERIFY(list && list->isVisible());
    const auto text = [list](int row) { return list->model()->index(row, 0).data().toString(); };
    const std::pair<int, const char *> rows[] = {
        {0, "ГОСТ 10704-91 · электросварные"},
        {1, "20×1"},
        {7, "20×2"},
        {8, "ГОСТ 8732-78 · бесшовные горячедеформированные"},
        {9, "20×2.5"},
        {16, "ГОСТ 3262-75 · ВГП лёгкие"},
        {17, "Ду 20×2.5 (26.8)"},
        {19, "Ду 20×2.8 (26.8)"},
        {21, "Ду 20×3.2 (26.8)"},
        {22, "ГОСТ 8732-78 · бесшовные горячедеформированные"},
        {23, "203×6"},
    };
    for (const auto &[row, expected] : rows)
        QCOMPARE(text(row), QString::fromUtf8(expected));
    QCOMPARE(list->currentIndex().row(), 1);
    calc.key(Qt::Key_Escape);

    calc.key(Qt::Key_F3);
    calc.type(QStringLiteral("25x6"));
    QAccessibleInterface *items = QAccessible::queryAccessibleInterface(list);
    QHash<QString, QString> described;
    for (int i = 0; i < items->childCount(); ++i)
        described.insert(items->child(i)->text(QAccessible::Name), items->child(i)->text(QAccessible::Description));
    // GOST 8732-78 brackets 25×6.5, not 25×6.
    QCOMPARE(described.value(QStringLiteral("25×6.5")), QStringLiteral("не для новых проектов"));
    QVERIFY(described.contains(QStringLiteral("25×6")));
    QCOMPARE(described.value(QStringLiteral("25×6")), QString());
}

// 30Ш1 of GOST 26020-83 first, that of СТО АСЧМ 20-93 one row down: the box's
// description, the line under it and the copied calculation name the one
// chosen.
void SizePickerTest::oneDesignationOfTwoStandardsIsNamed_data()
{
    QTest::addColumn<int>("downs");
    QTest::addColumn<QString>("standard");
    QTest::addColumn<QString>("result");
    QTest::newRow("ГОСТ 26020-83") << 0 << "ГОСТ 26020-83"
                                   << "53.6 кг  ";
    QTest::newRow("СТО АСЧМ 20-93") << 1 << "СТО АСЧМ 20-93"
                                    << "56.8 кг  ";
}

void SizePickerTest::oneDesignationOfTwoStandardsIsNamed()
{
    QFETCH(int, downs);
    QFETCH(QString, standard);
    QFETCH(QString, result);
    Calculator calc;
    calc.selectKind(pkBeam);
    calc.key(Qt::Key_F3);
    calc.type(QStringLiteral("30ш1"));
    for (int i = 0; i < downs; ++i)
        calc.key(Qt::Key_Down);
    calc.key(Qt::Key_Return);
    calc.type(QStringLiteral("1"));
    QCOMPARE(calc.sizeBoxText()->caption(), QStringLiteral("  30Ш1"));
    QCOMPARE(QAccessible::queryAccessibleInterface(calc.sizeBox())->text(QAccessible::Description),
             QStringLiteral("30Ш1, ") + standard);
    QVERIFY2(Shown(calc.sizeRule()).startsWith(standard + QStringLiteral(" · ")), qPrintable(Shown(calc.sizeRule())));
    QCOMPARE(calc.result()->caption(), result);
    QVERIFY2(CalculationText().startsWith(QStringLiteral("Балка 30Ш1, ") + standard + QStringLiteral(":")),
             qPrintable(CalculationText()));
}

QTEST_MAIN(SizePickerTest)
#include "tst_sizepicker.moc"
