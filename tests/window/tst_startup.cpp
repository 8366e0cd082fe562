// The window right after start, as a person sees it: its shape and title,
// the pipe's rows, the result, the material box, the focus held out of
// sight, the pictures shown, and the background picture showing wherever no
// control covers it. Where each control was designed to lie is tst_layout's.
#include "pictures.h"
#include "windowfixture.h"

#include <QScreen>
#include <QtTest>

#include <array>

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void theWindow();
    void pipeRows();
    void resultAndTotal();
    void materialBoxAndHiddenPanels();
    void menuItemColours();
    void focusIsOutOfSight();
    void tabGoesToTheFirstRow();
    void typingAfterStartChangesNothingVisible();
    void backgroundShowsWhereNothingCoversIt();
    void fixedPictures_data();
    void fixedPictures();
    void backgroundAndIcon();
};

void StartupTest::theWindow()
{
    Calculator calc;
    TForm1 &form = calc.form();
    QVERIFY(form.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(form.size(), QSize(708, 581));
    QCOMPARE(form.windowTitle(), QStringLiteral("Калькулятор металлопроката"));
    QVERIFY(form.isVisible());

    // Centred on the desktop by its final size.
    const QRect desktop = form.screen()->availableGeometry();
    QVERIFY2(qAbs(form.geometry().center().x() - desktop.center().x()) <= 1, "centred across");
    QVERIFY2(qAbs(form.geometry().center().y() - desktop.center().y()) <= 1, "centred down");

    // Rounded: the very corners are cut away, the edges between them are in.
    const QRegion shape = form.mask();
    for (QPoint corner : {QPoint(0, 0), QPoint(1, 1), QPoint(707, 0), QPoint(706, 1), QPoint(0, 580), QPoint(1, 579),
                          QPoint(707, 580), QPoint(706, 579)})
        QVERIFY2(!shape.contains(corner), qPrintable(QStringLiteral("corner %1,%2").arg(corner.x()).arg(corner.y())));
    for (QPoint inside : {QPoint(354, 0), QPoint(0, 290), QPoint(707, 290), QPoint(354, 580), QPoint(6, 6),
                          QPoint(701, 6), QPoint(6, 574), QPoint(701, 574), QPoint(354, 290)})
        QVERIFY2(shape.contains(inside), qPrintable(QStringLiteral("point %1,%2").arg(inside.x()).arg(inside.y())));
}

void StartupTest::pipeRows()
{
    Calculator calc;
    struct Row {
        const char *field;
        const char *caption;
        int top;         // of the field
        int captionTop;  // of its caption
        const char *text;
    };
    const std::array<Row, 3> shown{{{"Edit1", "Label14", 378, 380, "Внешний диаметр, мм"},
                                    {"Edit2", "Label15", 412, 416, "Толщина стенки, мм"},
                                    {"Edit3", "Label16", 450, 452, "Длина, м"}}};
    for (const Row &row : shown) {
        auto *field = calc.find<ui::Edit>(row.field);
        auto *caption = calc.find<ui::Label>(row.caption);
        QVERIFY2(field->isVisible(), row.field);
        QCOMPARE(field->geometry(), QRect(384, row.top, 97, 26));
        QCOMPARE(field->text(), QStringLiteral("0"));
        QVERIFY2(caption->isVisible(), row.caption);
        QCOMPARE(caption->caption(), QString::fromUtf8(row.text));
        // Right-justified and sized to the caption: 18 px left of the fields.
        QCOMPARE(caption->geometry().right(), 365);
        QCOMPARE(caption->y(), row.captionTop);
        QVERIFY2(caption->width() >= caption->fontMetrics().horizontalAdvance(caption->caption()) - 1,
                 "the whole caption fits");
    }
    // The longer caption reaches further left.
    QVERIFY(calc.find("Label14")->x() < calc.find("Label15")->x());
    QVERIFY(calc.find("Label15")->x() < calc.find("Label16")->x());

    // Rows 0 and 4 are not shown.
    for (const char *name : {"Edit6", "Label20", "Edit5", "Label19"})
        QVERIFY2(!calc.find(name)->isVisible(), name);
    QCOMPARE(calc.find<ui::Edit>("Edit6")->text(), QStringLiteral("0"));
    QCOMPARE(calc.find<ui::Edit>("Edit5")->text(), QStringLiteral("0"));
}

void StartupTest::resultAndTotal()
{
    Calculator calc;
    auto *result = calc.find<ui::Label>("Label32");
    QCOMPARE(result->caption(), QStringLiteral("0.00 кг  "));
    QCOMPARE(result->fontColor(), QColor(0, 0, 0));
    const QImage shot = calc.grab();
    QVERIFY2(HasPixel(shot, result->geometry(), qRgb(0, 0, 0)), "the result is drawn in black");
    QVERIFY2(!HasPixel(shot, result->geometry(), qRgb(255, 0, 0)), "nothing of it is red");

    auto *total = calc.find<ui::Label>("Label18");
    QCOMPARE(total->caption(), QStringLiteral("Итого вес:"));
    QVERIFY2(HasPixel(shot, total->geometry(), qRgb(165, 42, 42)), "the total caption is drawn in its brown");
    QCOMPARE(calc.find<ui::Label>("Label17")->caption(), QStringLiteral("Труба"));
}

void StartupTest::materialBoxAndHiddenPanels()
{
    Calculator calc;
    auto *box = calc.find<ui::Label>("Label1");
    QCOMPARE(box->caption(), QStringLiteral("  Углеродная сталь"));
    QVERIFY2(HasPixel(calc.grab(), box->geometry(), qRgb(255, 255, 255)), "the name is written in white");
    // The list lies outside the window until it is first opened.
    QVERIFY(!calc.find("Panel1")->isVisible());
    QCOMPARE(calc.find("Panel1")->pos(), QPoint(-240, 96));
    QVERIFY(!calc.find("Panel3")->isVisible());
    QVERIFY(!calc.find("Image11")->isVisible());
}

void StartupTest::menuItemColours()
{
    Calculator calc;
    const QImage shot = calc.grab();
    for (int kind = 1; kind <= 10; ++kind) {
        auto *item = calc.menuItem(kind);
        const QColor expected = kind == 1 ? QColor(255, 255, 255) : QColor(82, 82, 82);
        QCOMPARE(item->fontColor(), expected);
        QVERIFY2(item->isTransparent(), qPrintable(item->objectName()));
        QVERIFY2(HasPixel(shot, calc.placeOf(item), expected.rgb()), qPrintable(item->objectName()));
    }
    // Only the first item's white is drawn in the menu: the others' white
    // would stand out on the grey panel.
    const QRect below = calc.placeOf(calc.menuItem(2)).united(calc.placeOf(calc.menuItem(10)));
    QVERIFY(!HasPixel(shot, below, qRgb(255, 255, 255)));
}

void StartupTest::focusIsOutOfSight()
{
    Calculator calc;
    auto *hidden = calc.find<ui::Edit>("Edit4");
    QCOMPARE(calc.focus(), hidden);
    QVERIFY(hidden->Focused());
    // It lies right of the window, so neither it nor a caret is seen.
    QVERIFY(!calc.form().rect().intersects(hidden->geometry()));
    // What is typed there stays there, and nothing of it is kept to undo.
    calc.type(QStringLiteral("12.5"));
    calc.key(Qt::Key_Backspace);
    QCoreApplication::processEvents();
    QCOMPARE(hidden->text(), QStringLiteral("Edit412."));
    QVERIFY(!hidden->isUndoAvailable());
    for (const char *name : {"Edit1", "Edit2", "Edit3"}) {
        auto *field = calc.find<ui::Edit>(name);
        QVERIFY2(!field->hasFocus() && !field->Focused(), name);
        // Not emptied by entering it.
        QCOMPARE(field->text(), QStringLiteral("0"));
    }
}

void StartupTest::tabGoesToTheFirstRow()
{
    Calculator calc;
    calc.key(Qt::Key_Tab);
    auto *first = calc.find<ui::Edit>("Edit1");
    QCOMPARE(calc.focus(), first);
    QVERIFY(first->Focused());
    // Entering a field that holds "0" empties it; the others keep theirs.
    QCOMPARE(first->text(), QString());
    QCOMPARE(calc.find<ui::Edit>("Edit2")->text(), QStringLiteral("0"));
    QCOMPARE(calc.find<ui::Edit>("Edit3")->text(), QStringLiteral("0"));
    QCOMPARE(calc.find<ui::Label>("Label32")->caption(), QStringLiteral("0.00 кг  "));
    calc.key(Qt::Key_Tab);
    QCOMPARE(calc.focus(), calc.find("Edit2"));
    QCOMPARE(first->text(), QStringLiteral("0"));
}

void StartupTest::typingAfterStartChangesNothingVisible()
{
    Calculator calc;
    const QImage before = calc.grab();
    calc.type(QStringLiteral("57.3"));
    calc.key(Qt::Key_Backspace);
    calc.type(QStringLiteral("1"));
    QCOMPARE(calc.grab(), before);
    for (const char *name : {"Edit1", "Edit2", "Edit3", "Edit5", "Edit6"})
        QCOMPARE(calc.find<ui::Edit>(name)->text(), QStringLiteral("0"));
    QCOMPARE(calc.find<ui::Label>("Label32")->caption(), QStringLiteral("0.00 кг  "));
    QCOMPARE(calc.focus(), calc.find("Edit4"));
}

void StartupTest::backgroundShowsWhereNothingCoversIt()
{
    Calculator calc;
    const QImage background = ui::PictureImage(u"background.png").convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(background.size(), QSize(708, 581));
    const QImage shot = calc.grab().convertToFormat(QImage::Format_ARGB32);

    // Everything but the background that is visible on the window.
    QRegion covered;
    for (QWidget *control : calc.form().findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (control->isVisible() && control->objectName() != QLatin1String("Image1"))
            covered += control->geometry();

    int compared = 0;
    int differing = 0;
    QString first;
    for (int y = 0; y < background.height(); ++y)
        for (int x = 0; x < background.width(); ++x) {
            const QRgb painted = background.pixel(x, y);
            if (qAlpha(painted) != 255 || covered.contains(QPoint(x, y)))
                continue;
            ++compared;
            if ((shot.pixel(x, y) & 0xFFFFFF) != (painted & 0xFFFFFF)) {
                if (!differing++)
                    first = QStringLiteral("%1,%2").arg(x).arg(y);
            }
        }
    // Most of the window is background: the title band, the rules, the
    // work area around the controls, the footer.
    QVERIFY2(compared > 200000, qPrintable(QString::number(compared)));
    QVERIFY2(differing == 0, qPrintable(QStringLiteral("%1 pixels differ, the first at %2").arg(differing).arg(first)));

    // A few places named by the picture's description, seen on screen.
    QCOMPARE(QColor(shot.pixel(300, 46)), QColor(187, 187, 187));   // the rule under the title band
    QCOMPARE(QColor(shot.pixel(300, 116)), QColor(219, 219, 219));  // the rule under the material band
    QCOMPARE(QColor(shot.pixel(300, 80)), QColor(255, 255, 255));   // the white band
}

void StartupTest::fixedPictures_data()
{
    QTest::addColumn<QSize>("size");  // of the picture shown at start
    QTest::addColumn<bool>("alpha");  // whether what lies beneath shows through
    // The window's own pictures.
    QTest::newRow("Image2") << QSize(175, 35) << true;
    QTest::newRow("Image4") << QSize(190, 35) << true;
    QTest::newRow("Image11") << QSize(8, 14) << true;
    // The store's pictures handed over at start: the mass toggle, the pipe's
    // drawing, the result box, close and minimise.
    QTest::newRow("Image5") << QSize(122, 35) << true;
    QTest::newRow("Image7") << QSize(169, 102) << true;
    QTest::newRow("Image8") << QSize(16, 16) << true;
    QTest::newRow("Image10") << QSize(8, 2) << true;
}

void StartupTest::fixedPictures()
{
    QFETCH(QSize, size);
    QFETCH(bool, alpha);
    Calculator calc;
    auto *control = calc.find<ui::Image>(QTest::currentDataTag());
    const QPixmap &picture = control->picture();
    QVERIFY(!picture.isNull());
    QCOMPARE(picture.deviceIndependentSize().toSize(), size);
    QCOMPARE(picture.hasAlphaChannel(), alpha);
}

void StartupTest::backgroundAndIcon()
{
    Calculator calc;
    // The list's picture, the drawing and the pictures the fixed controls
    // show; the link areas and the preview hold nothing at start.
    const QPixmap &list = calc.find<ui::Image>("Image3")->picture();
    QVERIFY(!list.isNull());
    QCOMPARE(list.width(), 175);
    QVERIFY2(list.height() >= 4 + 16 * 10 + 14, "the list's picture is as tall as its rows");
    QVERIFY(!calc.find<ui::Image>("Image6")->picture().isNull());
    for (const char *empty : {"Image9", "Image12", "Image13"})
        QVERIFY2(calc.find<ui::Image>(empty)->picture().isNull(), empty);

    // The background shown is the whole picture.
    QCOMPARE(calc.find<ui::Image>("Image1")->picture().deviceIndependentSize().toSize(), QSize(708, 581));
    const QImage background = ui::PictureImage(u"background.png");
    QCOMPARE(background.size(), QSize(708, 581));
    QVERIFY(background.hasAlphaChannel());
    // Outside the rounded corners the picture is transparent.
    QCOMPARE(qAlpha(background.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(background.pixel(707, 580)), 0);
    QCOMPARE(qAlpha(background.pixel(354, 290)), 255);

    const QImage icon = ui::PictureImage(u"icon.png");
    QCOMPARE(icon.size(), QSize(128, 128));
    QVERIFY(icon.hasAlphaChannel());
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
