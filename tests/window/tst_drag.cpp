// Dragging the window by its background, which stands in for the missing
// title bar: the window follows the pointer while the left button is down,
// and no other press starts a drag.
#include "windowfixture.h"

#include <QtTest>

namespace {

// The pointer on the desktop: it moves by desktop coordinates, and the
// window receives it where it lies over the window at that moment.
class Pointer {
public:
    explicit Pointer(const Calculator &calc) : calc_(calc) {}
    QPoint toWindow(QPoint onDesktop) const { return onDesktop - calc_.form().geometry().topLeft(); }
    QPoint onDesktop(QPoint inWindow) const { return inWindow + calc_.form().geometry().topLeft(); }

    void press(QPoint inWindow, Qt::MouseButton button = Qt::LeftButton)
    {
        at_ = onDesktop(inWindow);
        QTest::mousePress(calc_.form().windowHandle(), button, Qt::NoModifier, inWindow);
    }
    void moveBy(QPoint delta)
    {
        at_ += delta;
        QTest::mouseMove(calc_.form().windowHandle(), toWindow(at_));
    }
    void release(Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseRelease(calc_.form().windowHandle(), button, Qt::NoModifier, toWindow(at_));
    }
    QPoint inWindow() const { return toWindow(at_); }

private:
    const Calculator &calc_;
    QPoint at_;
};

}  // namespace

class DragTest : public QObject {
    Q_OBJECT

private slots:
    void init() { catcher_.urls.clear(); }

    void leftDragMovesTheWindowWithThePointer_data();
    void leftDragMovesTheWindowWithThePointer();
    void otherButtonsStartNoDrag_data();
    void otherButtonsStartNoDrag();
    void anyReleaseEndsTheDrag_data();
    void anyReleaseEndsTheDrag();
    void pressOnAControlStartsNoDrag_data();
    void pressOnAControlStartsNoDrag();
    void dragOrClickOnTheBackgroundClosesTheList_data();
    void dragOrClickOnTheBackgroundClosesTheList();

private:
    UrlCatcher catcher_;  // no browser is started by these tests
};

void DragTest::leftDragMovesTheWindowWithThePointer_data()
{
    QTest::addColumn<QList<QPoint>>("moves");
    QTest::newRow("one move") << QList<QPoint>{{30, 20}};
    QTest::newRow("back and forth") << QList<QPoint>{{30, 20}, {-50, 5}, {7, -13}, {0, 1}};
    // The pointer runs far outside the window in one step; the window
    // still follows.
    QTest::newRow("fast, out of the window") << QList<QPoint>{{600, 500}};
    QTest::newRow("partly off the desktop") << QList<QPoint>{{-400, -300}, {-300, -200}};
}

void DragTest::leftDragMovesTheWindowWithThePointer()
{
    QFETCH(QList<QPoint>, moves);
    Calculator calc;
    TForm1 &form = calc.form();
    Pointer pointer(calc);
    const QPoint start = form.pos();
    pointer.press(kBackground);
    QPoint total;
    for (const QPoint &delta : moves) {
        pointer.moveBy(delta);
        total += delta;
        QCOMPARE(form.pos(), start + total);
        // The point pressed stays under the pointer.
        QCOMPARE(pointer.inWindow(), kBackground);
    }
    pointer.release();
    QCOMPARE(form.pos(), start + total);

    // After the release the pointer moves on its own.
    pointer.moveBy({15, 10});
    pointer.moveBy({-40, 25});
    QCOMPARE(form.pos(), start + total);
}

void DragTest::otherButtonsStartNoDrag_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::newRow("right") << Qt::RightButton;
    QTest::newRow("middle") << Qt::MiddleButton;
}

void DragTest::otherButtonsStartNoDrag()
{
    QFETCH(Qt::MouseButton, button);
    Calculator calc;
    Pointer pointer(calc);
    const QPoint start = calc.form().pos();
    pointer.press(kBackground, button);
    pointer.moveBy({30, 20});
    pointer.moveBy({-10, 40});
    QCOMPARE(calc.form().pos(), start);
    pointer.release(button);
    pointer.moveBy({5, 5});
    QCOMPARE(calc.form().pos(), start);
}

void DragTest::anyReleaseEndsTheDrag_data()
{
    QTest::addColumn<Qt::MouseButton>("released");
    QTest::newRow("left released") << Qt::LeftButton;
    QTest::newRow("right pressed and released during the drag") << Qt::RightButton;
    QTest::newRow("middle pressed and released during the drag") << Qt::MiddleButton;
}

void DragTest::anyReleaseEndsTheDrag()
{
    QFETCH(Qt::MouseButton, released);
    Calculator calc;
    Pointer pointer(calc);
    const QPoint start = calc.form().pos();
    pointer.press(kBackground);
    pointer.moveBy({20, 10});
    QCOMPARE(calc.form().pos(), start + QPoint(20, 10));
    if (released != Qt::LeftButton)
        pointer.press(pointer.inWindow(), released);
    pointer.release(released);
    // Moves, with the left button still down where it was not released,
    // move nothing any more.
    pointer.moveBy({25, 35});
    pointer.moveBy({-60, 5});
    QCOMPARE(calc.form().pos(), start + QPoint(20, 10));
    if (released != Qt::LeftButton)
        pointer.release(Qt::LeftButton);
    pointer.moveBy({5, 5});
    QCOMPARE(calc.form().pos(), start + QPoint(20, 10));
}

void DragTest::pressOnAControlStartsNoDrag_data()
{
    QTest::addColumn<QString>("control");
    for (const char *name :
         {"Label17", "Image6", "Image7", "Label32", "Label18", "Image2", "Label1", "Image5", "Label12", "Label14",
          "Label34", "Image9", "Image13", "Image8", "Image10", "Edit1", "Label2", "Label11"})
        QTest::newRow(name) << QString::fromLatin1(name);
    QTest::newRow("menu panel below the items") << QStringLiteral("Panel2");
}

void DragTest::pressOnAControlStartsNoDrag()
{
    QFETCH(QString, control);
    Calculator calc;
    Pointer pointer(calc);
    QWidget *widget = calc.find(qPrintable(control));
    QPoint at = calc.centreOf(widget);
    if (control == QLatin1String("Panel2"))
        at = widget->mapTo(&calc.form(), QPoint(100, 340));  // below the last item
    else if (control == QLatin1String("Image2"))
        at = widget->mapTo(&calc.form(), QPoint(160, 17));  // the box's arrow, beside its text
    QCOMPARE(calc.form().childAt(at), widget);
    const QPoint start = calc.form().pos();
    pointer.press(at);
    pointer.moveBy({40, 30});
    pointer.moveBy({-15, 20});
    QCOMPARE(calc.form().pos(), start);
    pointer.release();
    QCOMPARE(calc.form().pos(), start);
    // The press and the release were apart: no link was followed.
    QVERIFY(catcher_.urls.isEmpty());
}

void DragTest::dragOrClickOnTheBackgroundClosesTheList_data()
{
    QTest::addColumn<QPoint>("drag");
    QTest::newRow("click") << QPoint();
    QTest::newRow("drag") << QPoint(25, 15);
}

void DragTest::dragOrClickOnTheBackgroundClosesTheList()
{
    QFETCH(QPoint, drag);
    Calculator calc;
    calc.click(calc.find("Label1"));
    QWidget *list = calc.find("Panel1");
    QVERIFY(list->isVisible());
    const QPoint start = calc.form().pos();
    Pointer pointer(calc);
    pointer.press(kBackground);
    if (!drag.isNull())
        pointer.moveBy(drag);
    pointer.release();
    QVERIFY(!list->isVisible());
    QCOMPARE(calc.form().pos(), start + drag);
}

QTEST_MAIN(DragTest)
#include "tst_drag.moc"
