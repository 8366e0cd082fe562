// The list window from the keyboard: editing a position in place recomputes
// it and the totals, Delete removes, Ctrl+Z undoes, Alt+Up and Alt+Down
// move, Ctrl+C copies in the two forms a spreadsheet takes; a screen reader
// hears each cell with its column and the totals as they change.
#include "listening.h"
#include "orderwindow.h"
#include "windowfixture.h"

#include "design.h"

#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTimer>
#include <QtTest>

using namespace metal;

namespace {

// The positions of the tests, as the window's calculation gives them.
Position Beam20B1()  // 4 × 6 m, 22.4 kg/m: 537.6 kg; at 85 000 ₽/т 45 696.00 ₽
{
    Position position = PositionFrom({pkBeam, mtCarbonSteel, true, FindSize(pkBeam, "ГОСТ 26020-83", "20Б1")},
                                     {"200", "100", "5.6", "8.5", "6"});
    position.pieces = 4;
    position.price = *Decimal::Parse("85000");
    return position;
}

Position Pipe57()  // 12 m of ГОСТ 10704-91: 55.4 kg; at 120 ₽/м 1 440.00 ₽
{
    Position position = PositionFrom({pkPipe, mtCarbonSteel, true, FindSize(pkPipe, "ГОСТ 10704-91", "57×3.5")},
                                     {"0", "57", "3.5", "12", "0"});
    position.price = *Decimal::Parse("120");
    position.unit = PriceUnit::PerMetre;
    return position;
}

Position Sheet2()  // 3 sheets 2 × 1250 × 2500: 148.1 kg; at 90 000 ₽/т 13 329.00 ₽
{
    Position position = PositionFrom({pkSheet, mtCarbonSteel, true, {}}, {"0", "1250", "2500", "2", "3"});
    position.price = *Decimal::Parse("90000");
    return position;
}

// The list groups digits as a Russian desktop does, by a no-break space.
const std::string kSeparator = NBSP;
QString Grouped(const char *text)
{
    return QString::fromUtf8(text).replace(QRegularExpression(QStringLiteral("(?<=\\d) (?=\\d{3})")),
                                           QStringLiteral(NBSP));
}

// The calculator with its list, holding the positions, shown and active.
class List {
public:
    explicit List(std::initializer_list<Position> positions) : window(kSeparator, &calc.form())
    {
        for (const Position &position : positions)
            window.Add(position);
        window.ShowBeside(true);
        if (!QTest::qWaitForWindowActive(&window))
            qFatal("the list window is not active");
    }

    QString cell(int row, int column) const { return window.model().index(row, column).data().toString(); }
    QStringList names() const
    {
        QStringList names;
        for (int row = 0; row < window.model().rowCount(); ++row)
            names.append(cell(row, ui::OrderModel::Name));
        return names;
    }
    QString totals() const { return window.findChild<QLabel *>(QStringLiteral("OrderTotals"))->text(); }
    QString message() const { return window.findChild<QLabel *>(QStringLiteral("OrderMessage"))->text(); }
    // A key at whatever holds the focus; what it set going is done (the
    // table commits an edit once the key is handled).
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        QCoreApplication::processEvents();
    }
    // The cell current and its row alone selected, as a click on it does.
    void select(int row, int column) const
    {
        window.table()->setFocus();
        window.table()->selectionModel()->setCurrentIndex(
            window.model().index(row, column), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    // Types into the cell and commits with Enter, as a person edits it.
    void edit(int row, int column, const QString &keys) const
    {
        select(row, column);
        key(Qt::Key_F2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), keys);
        key(Qt::Key_Return);
    }

    Calculator calc;
    ui::OrderWindow window;
};

// The calculator's list window, once it is made.
ui::OrderWindow *ListWindow()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *list = qobject_cast<ui::OrderWindow *>(window))
            return list;
    return nullptr;
}

// Answers the question that the calculator asks before it closes, as soon
// as it is asked: with its button of that text.
void AnswerCloseQuestion(const QString &answer, QString *asked)
{
    auto *timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, answer, asked] {
        auto *question = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!question)
            return;
        timer->deleteLater();
        timer->stop();
        *asked = question->text();
        for (QAbstractButton *button : question->buttons())
            if (button->text().remove(u'&') == answer)
                button->click();
    });
    timer->start(5);
}

}  // namespace

class OrderWindowTest : public QObject {
    Q_OBJECT

private slots:
    void editingRecomputes_data();
    void editingRecomputes();
    void unitFromItsList();
    void removeUndoAndMove();
    void copiesBothForms();
    void screenReaderHearsCellsAndTotals();
    void tabReachesEveryControlAndEscCloses();
    void addingFromTheCalculator_data();
    void addingFromTheCalculator();
    void nothingAddedSaysWhy_data();
    void nothingAddedSaysWhy();
    void closingAsksWhileTheListHoldsPositions();
    void placedBesideTheCalculator_data();
    void placedBesideTheCalculator();
};

void OrderWindowTest::editingRecomputes_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("mass");
    QTest::addColumn<QString>("cost");
    QTest::addColumn<QString>("message");

    using M = ui::OrderModel;
    // 20Б1, 22.4 kg/m, 4 × 6 m at 85 000 ₽/т.
    QTest::newRow("pieces") << int(M::Pieces) << "5"
                            << "672.0"
                            << "57 120.00"
                            << "";
    QTest::newRow("length with a comma") << int(M::Length) << "4,5"
                                         << "403.2"
                                         << "34 272.00"
                                         << "";
    QTest::newRow("price grouped") << int(M::Price) << "90 000"
                                   << "537.6"
                                   << "48 384.00"
                                   << "";
    QTest::newRow("price in kopecks") << int(M::Price) << "85000.05"
                                      << "537.6"
                                      << "45 696.03"
                                      << "";
    QTest::newRow("part of a piece") << int(M::Pieces) << "2.5"
                                     << "537.6"
                                     << "45 696.00"
                                     << "Не изменено: нужно целое число";
    QTest::newRow("no pieces") << int(M::Pieces) << "0"
                               << "537.6"
                               << "45 696.00"
                               << "Не изменено: результат равен нулю";
    QTest::newRow("price in tenths of a kopeck") << int(M::Price) << "1.005"
                                                 << "537.6"
                                                 << "45 696.00"
                                                 << "Не изменено: нужна цена в рублях, до копеек";
}

void OrderWindowTest::editingRecomputes()
{
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, mass);
    QFETCH(QString, cost);
    QFETCH(QString, message);
    List list{Pipe57(), Beam20B1()};
    list.edit(1, column, typed);
    QCOMPARE(list.cell(1, ui::OrderModel::Mass), Grouped(mass.toUtf8()));
    QCOMPARE(list.cell(1, ui::OrderModel::Cost), Grouped(cost.toUtf8()));
    QCOMPARE(list.message(), message);
    // The totals add the pipe's 55.4 kg and 1 440.00 ₽ to the row as shown.
    const qint64 massTenths = QString(mass).remove(u'.').toLongLong() + 554;
    const qint64 kopecks = QString(cost).remove(u' ').remove(u'.').toLongLong() + 144000;
    QCOMPARE(list.totals(),
             QStringLiteral("Итого: 2 поз. · %1 кг (%2 т) · %3 ₽")
                 .arg(ui::FromCore(MassText(massTenths, kSeparator)), ui::FromCore(TonnesText(massTenths, kSeparator)),
                      ui::FromCore(MoneyText({kopecks}, kSeparator))));
}

void OrderWindowTest::unitFromItsList()
{
    List list{Beam20B1(), Sheet2()};
    // The beam's units: no ₽/м², which is a sheet's.
    list.select(0, ui::OrderModel::Unit);
    list.key(Qt::Key_F2);
    auto *box = qobject_cast<QComboBox *>(QApplication::focusWidget());
    QVERIFY(box);
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items.append(box->itemText(i));
    QCOMPARE(items, (QStringList{"₽/т", "₽/кг", "₽/м", "₽/шт"}));
    // Alt+Down opens the units, as in any drop-down list, and moves no position.
    list.key(Qt::Key_Down, Qt::AltModifier);
    QTRY_VERIFY(box->view()->isVisible());
    QCOMPARE(list.cell(0, ui::OrderModel::Name), QStringLiteral("Балка 20Б1, ГОСТ 26020-83"));
    list.key(Qt::Key_Escape);
    QTRY_VERIFY(!box->view()->isVisible());
    list.key(Qt::Key_Down);
    list.key(Qt::Key_Return);
    QCOMPARE(list.cell(0, ui::OrderModel::Unit), QStringLiteral("₽/кг"));
    // 537.6 kg × 85 000 ₽/кг.
    QCOMPARE(list.cell(0, ui::OrderModel::Cost), Grouped("45 696 000.00"));

    // The sheet is priced by its area, its length not edited.
    QVERIFY(!(list.window.model().flags(list.window.model().index(1, ui::OrderModel::Length)) & Qt::ItemIsEditable));
    QVERIFY(list.window.model().setData(list.window.model().index(1, ui::OrderModel::Unit), "₽/м²", Qt::EditRole));
    // 3 × 1.25 × 2.5 = 9.375 m² × 90 000.
    QCOMPARE(list.cell(1, ui::OrderModel::Cost), Grouped("843 750.00"));
}

void OrderWindowTest::removeUndoAndMove()
{
    List list{Beam20B1(), Pipe57(), Sheet2()};
    const QString beam = QStringLiteral("Балка 20Б1, ГОСТ 26020-83"),
                  pipe = QStringLiteral("Труба 57×3.5, ГОСТ 10704-91"), sheet = QStringLiteral("Лист 2×1250×2500");
    QCOMPARE(list.names(), (QStringList{beam, pipe, sheet}));
    QCOMPARE(list.totals(), Grouped("Итого: 3 поз. · 741.1 кг (0.74 т) · 60 465.00 ₽"));

    list.select(1, ui::OrderModel::Name);
    list.key(Qt::Key_Delete);
    QTRY_COMPARE(list.names(), (QStringList{beam, sheet}));
    QCOMPARE(list.totals(), Grouped("Итого: 2 поз. · 685.7 кг (0.69 т) · 59 025.00 ₽"));

    list.key(Qt::Key_Z, Qt::ControlModifier);
    QTRY_COMPARE(list.names(), (QStringList{beam, pipe, sheet}));
    QCOMPARE(list.totals(), Grouped("Итого: 3 поз. · 741.1 кг (0.74 т) · 60 465.00 ₽"));

    list.select(0, ui::OrderModel::Name);
    list.key(Qt::Key_Down, Qt::AltModifier);
    QTRY_COMPARE(list.names(), (QStringList{pipe, beam, sheet}));
    // The numbers stay in order; the moved position stays current.
    QCOMPARE(list.cell(0, ui::OrderModel::Number), QStringLiteral("1"));
    QCOMPARE(list.window.table()->currentIndex().row(), 1);
    list.key(Qt::Key_Up, Qt::AltModifier);
    QTRY_COMPARE(list.names(), (QStringList{beam, pipe, sheet}));

    // An edit undoes as a whole, the position and the totals.
    list.edit(2, ui::OrderModel::Pieces, QStringLiteral("4"));
    QCOMPARE(list.cell(2, ui::OrderModel::Mass), QStringLiteral("197.5"));
    list.key(Qt::Key_Z, Qt::ControlModifier);
    QTRY_COMPARE(list.cell(2, ui::OrderModel::Mass), QStringLiteral("148.1"));
    QCOMPARE(list.totals(), Grouped("Итого: 3 поз. · 741.1 кг (0.74 т) · 60 465.00 ₽"));
}

void OrderWindowTest::copiesBothForms()
{
    List list{Beam20B1(), Pipe57()};
    const QString header = QStringLiteral("№\tНаименование\tМатериал\tКол-во, шт\tДлина, м\tМасса, кг\tЦена\tЕд. "
                                          "цены\tСтоимость, ₽\n");
    const QString beam = QStringLiteral("1\tБалка 20Б1, ГОСТ 26020-83\tУглеродная "
                                        "сталь\t4\t6\t537.6\t85000.00\t₽/т\t45696.00\n");
    const QString pipe = QStringLiteral("2\tТруба 57×3.5, ГОСТ 10704-91\tУглеродная "
                                        "сталь\t1\t12\t55.4\t120.00\t₽/м\t1440.00\n");
    const QString totals = QStringLiteral("\tИтого\t\t\t\t593.0\t\t\t47136.00\n");

    list.select(1, ui::OrderModel::Name);
    list.key(Qt::Key_C, Qt::ControlModifier);
    QTRY_VERIFY2(QGuiApplication::clipboard()->text() == header + pipe + totals,
                 qPrintable(QGuiApplication::clipboard()->text()));
    const QString html = QGuiApplication::clipboard()->mimeData()->html();
    QVERIFY2(html.contains(QStringLiteral("<th>Масса, кг</th>")), qPrintable(html));
    // Numbers carry their values for a spreadsheet; texts stay texts.
    QVERIFY2(html.contains(QStringLiteral("<td sdval=\"55.4\" sdnum=\"1033;\" x:num=\"55.4\">55.4</td>")),
             qPrintable(html));
    QVERIFY2(html.contains(QStringLiteral("<td>Углеродная сталь</td>")), qPrintable(html));
    QVERIFY2(html.contains(QStringLiteral("<td sdval=\"47136.00\" sdnum=\"1033;\" x:num=\"47136.00\">47136.00</td>")),
             qPrintable(html));
    QCOMPARE(html.count(QStringLiteral("<tr>")), 3);

    // Nothing selected: every position.
    list.window.table()->clearSelection();
    QGuiApplication::clipboard()->clear();
    list.key(Qt::Key_C, Qt::ControlModifier);
    QTRY_COMPARE(QGuiApplication::clipboard()->text(), header + beam + pipe + totals);
}

void OrderWindowTest::screenReaderHearsCellsAndTotals()
{
    List list{Beam20B1()};
    const auto listening = Listen();
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(list.window.table());
    QVERIFY(table && table->tableInterface());
    QCOMPARE(table->text(QAccessible::Name), QStringLiteral("Позиции"));
    QCOMPARE(table->tableInterface()->cellAt(0, ui::OrderModel::Mass)->text(QAccessible::Name),
             QStringLiteral("Масса, кг: 537.6"));
    QCOMPARE(table->tableInterface()->cellAt(0, ui::OrderModel::Length)->text(QAccessible::Name),
             QStringLiteral("Длина, м: 6"));
    QCOMPARE(table->tableInterface()->columnDescription(ui::OrderModel::Cost),
             QStringLiteral("Стоимость, ₽"));
    // A cell's editor is named by its column too.
    list.select(0, ui::OrderModel::Price);
    list.key(Qt::Key_F2);
    QCOMPARE(QAccessible::queryAccessibleInterface(QApplication::focusWidget())->text(QAccessible::Name),
             QStringLiteral("Цена"));
    list.key(Qt::Key_Escape);

    list.edit(0, ui::OrderModel::Pieces, QStringLiteral("5"));
    QTRY_VERIFY(g_events.contains(
        std::pair{QAccessible::ObjectShow, Grouped("Итого: 1 поз. · 672.0 кг (0.67 т) · 57 120.00 ₽")}));
    list.edit(0, ui::OrderModel::Pieces, QStringLiteral("x"));
    QTRY_VERIFY(
        g_events.contains(std::pair{QAccessible::ObjectShow, QStringLiteral("Не изменено: нужно целое число")}));

    // Adding is said as what was added, not as the totals.
    g_events.clear();
    list.window.Add(Sheet2());
    QTRY_COMPARE(
        g_events.count(std::pair{QAccessible::ObjectShow, QStringLiteral("Добавлено: Лист 2×1250×2500, 148.1 кг")}), 1);
    for (const auto &[event, name] : g_events)
        QVERIFY2(event != QAccessible::ObjectShow || !name.startsWith(QStringLiteral("Итого")), qPrintable(name));
}

void OrderWindowTest::tabReachesEveryControlAndEscCloses()
{
    List list{Beam20B1()};
    const auto tabs = [&list](int count) {
        list.select(0, ui::OrderModel::Name);
        QStringList reached;
        for (int i = 0; i < count; ++i) {
            list.key(Qt::Key_Tab);
            QWidget *focus = QApplication::focusWidget();
            reached.append(focus == list.window.table() ? QStringLiteral("table") : focus->objectName());
        }
        return reached;
    };
    // "Отменить" is offered only while there is something to undo.
    QCOMPARE(tabs(5), (QStringList{"OrderВверх", "OrderВниз", "OrderУдалить", "OrderКопировать", "table"}));
    list.edit(0, ui::OrderModel::Pieces, QStringLiteral("2"));
    QCOMPARE(tabs(6),
             (QStringList{"OrderВверх", "OrderВниз", "OrderУдалить", "OrderОтменить", "OrderКопировать", "table"}));
    // Each button says its key.
    auto *remove = list.window.findChild<QPushButton *>(QStringLiteral("OrderУдалить"));
    QAccessibleInterface *button = QAccessible::queryAccessibleInterface(remove);
    QCOMPARE(button->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
             QStringList{QKeySequence(QKeySequence::Delete).toString()});

    // Esc closes the window; the list stays.
    list.key(Qt::Key_Escape);
    QVERIFY(!list.window.isVisible());
    QCOMPARE(list.window.model().rowCount(), 1);
}

void OrderWindowTest::addingFromTheCalculator_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("Insert in a field") << "Insert";
    QTest::newRow("Insert with the focus parked") << "Insert parked";
    QTest::newRow("the result's menu") << "menu";
    QTest::newRow("a click on the words") << "click";
    QTest::newRow("a screen reader's press") << "press";
}

void OrderWindowTest::addingFromTheCalculator()
{
    QFETCH(QString, way);
    Calculator calc;
    const auto listening = Listen();
    calc.typeFields(worked::Example(pkPipe, true).fields);  // 57 × 3.5, 1 m: 4.6 kg
    QVERIFY(!ListWindow());                                 // nothing of the list until it is used
    auto *add = calc.find<ui::Label>("Label38");
    QCOMPARE(add->keyBinding(), QKeySequence(Qt::Key_Insert).toString(QKeySequence::NativeText));
    if (way == QLatin1String("Insert")) {
        calc.key(Qt::Key_Insert);
    } else if (way == QLatin1String("Insert parked")) {
        calc.find<ui::Edit>("Edit4")->setFocus();
        calc.key(Qt::Key_Insert);
    } else if (way == QLatin1String("menu")) {
        calc.key(Qt::Key_Menu);
        auto *menu = calc.form().findChild<QMenu *>(QStringLiteral("ResultMenu"));
        QVERIFY(menu && menu->isVisible());
        menu->actions().last()->trigger();
        menu->hide();
    } else if (way == QLatin1String("click")) {
        calc.click(add);
    } else {
        QAccessible::queryAccessibleInterface(add)->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
    }
    ui::OrderWindow *list = ListWindow();
    QVERIFY(list && list->isVisible());
    QCOMPARE(list->model().rowCount(), 1);
    QCOMPARE(list->model().index(0, ui::OrderModel::Name).data().toString(), QStringLiteral("Труба 57×3.5"));
    QCOMPARE(list->model().index(0, ui::OrderModel::Length).data().toString(), QStringLiteral("1"));
    QCOMPARE(list->model().index(0, ui::OrderModel::Mass).data().toString(), QStringLiteral("4.6"));
    // The line tells of the list. (That the focus stays in the calculator
    // is the desktop's to honour: the offscreen platform activates every
    // window it shows.)
    auto *line = calc.find<ui::Label>("Label39");
    QVERIFY(line->isVisible());
    QCOMPARE(line->caption(), QStringLiteral("В списке 1 · 4.6 кг"));
    QTRY_VERIFY(
        g_events.contains(std::pair{QAccessible::ObjectShow, QStringLiteral("Добавлено: Труба 57×3.5, 4.6 кг")}));

    // The line opens the list, with the focus in it.
    calc.click(line);
    QTRY_COMPARE(QApplication::activeWindow(), list);
    QCOMPARE(QApplication::focusWidget(), list->table());
}

void OrderWindowTest::nothingAddedSaysWhy_data()
{
    QTest::addColumn<QString>("fields");  // typed into rows 1, 2, 3 of the pipe
    QTest::addColumn<QString>("why");
    QTest::newRow("no length") << "57 3.5 0"
                               << "не задано количество";
    QTest::newRow("a zero result") << "57 3.5 0.001"
                                   << "результат равен нулю";
    QTest::newRow("out of range") << "99999 99 99999"
                                  << "ошибка в расчёте";
}

void OrderWindowTest::nothingAddedSaysWhy()
{
    QFETCH(QString, fields);
    QFETCH(QString, why);
    Calculator calc;
    const auto listening = Listen();
    const QStringList texts = fields.split(u' ');
    for (int row = 1; row <= 3; ++row)
        calc.replaceText(calc.row(row), texts[row - 1]);
    calc.key(Qt::Key_Insert);
    // No list is made for nothing.
    QVERIFY(!ListWindow());
    auto *line = calc.find<ui::Label>("Label39");
    QVERIFY(line->isVisible());
    QCOMPARE(line->caption(), QStringLiteral("Не добавлено:\r") + why);
    QCOMPARE(line->fontColor(), QColor(design::kResultError));
    QTRY_VERIFY(g_events.contains(std::pair{QAccessible::ObjectShow, QStringLiteral("Не добавлено: ") + why}));

    // The next position added puts the line right.
    calc.replaceText(calc.row(3), QStringLiteral("2"));
    calc.replaceText(calc.row(1), QStringLiteral("57"));
    calc.replaceText(calc.row(2), QStringLiteral("3.5"));
    calc.key(Qt::Key_Insert);
    QCOMPARE(line->caption(), QStringLiteral("В списке 1 · 9.3 кг"));
    QCOMPARE(line->fontColor(), QColor(design::kGreyText));
}

void OrderWindowTest::closingAsksWhileTheListHoldsPositions()
{
    Calculator calc;
    QString asked;
    // With nothing in the list the window closes without a question.
    QVERIFY(calc.form().MayClose());

    calc.typeFields(worked::Example(pkPipe, true).fields);
    calc.key(Qt::Key_Insert);
    calc.key(Qt::Key_Insert);
    AnswerCloseQuestion(QStringLiteral("Отмена"), &asked);
    QVERIFY(!calc.form().close());
    QCOMPARE(asked, QStringLiteral("Сохранить список?"));
    QVERIFY(calc.form().isVisible());
    QCOMPARE(ListWindow()->model().rowCount(), 2);

    // The close control asks too (it ends the program, which closes the
    // window); staying keeps the program running.
    asked.clear();
    AnswerCloseQuestion(QStringLiteral("Отмена"), &asked);
    QTimer::singleShot(0, &calc.form(), [&calc] { calc.click(calc.find("Image8")); });
    QTimer::singleShot(300, [] { QCoreApplication::exit(99); });
    QCOMPARE(QCoreApplication::exec(), 99);
    QVERIFY(!asked.isEmpty());
    QVERIFY(calc.form().isVisible());

    // Closing it closes the list with it.
    asked.clear();
    AnswerCloseQuestion(QStringLiteral("Не сохранять"), &asked);
    QVERIFY(calc.form().close());
    QVERIFY(!asked.isEmpty());
    QVERIFY(!ListWindow()->isVisible());
}

void OrderWindowTest::placedBesideTheCalculator_data()
{
    QTest::addColumn<QRect>("calculator");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("list");
    const QRect calculator(100, 50, 708, 591);
    QTest::newRow("room on the right") << calculator << QRect(0, 0, 1920, 1080) << QRect(816, 50, 820, 360);
    QTest::newRow("more room on the left")
        << calculator.translated(1000, 0) << QRect(0, 0, 1920, 1080) << QRect(1100 - 8 - 820, 50, 820, 360);
    // Centred on 1920: 606 on either side, the list narrowed to 598.
    QTest::newRow("narrowed to fit") << QRect(606, 244, 708, 591) << QRect(0, 0, 1920, 1080)
                                     << QRect(1322, 244, 598, 360);
    // Centred on 1280: 286 on either side, too narrow; over it at the edge.
    QTest::newRow("over it at the edge") << QRect(286, 104, 708, 591) << QRect(0, 0, 1280, 800)
                                         << QRect(1280 - 820, 104, 820, 360);
    QTest::newRow("kept on the screen") << QRect(100, 700, 708, 591) << QRect(0, 0, 1920, 1000)
                                        << QRect(816, 640, 820, 360);
}

void OrderWindowTest::placedBesideTheCalculator()
{
    QFETCH(QRect, calculator);
    QFETCH(QRect, screen);
    QFETCH(QRect, list);
    QCOMPARE(ui::PlaceBeside(calculator, QSize(820, 360), screen), list);
}

QTEST_MAIN(OrderWindowTest)
#include "tst_orderwindow.moc"
