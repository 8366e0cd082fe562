// The window right after start, as a person sees it: its shape and title,
// every control of the designed layout where it was designed, the pipe's
// rows, the result, the material box, the focus held out of sight, and the
// background picture showing wherever no control covers it.
#include "choices.h"
#include "pictures.h"
#include "windowfixture.h"

#include <QDate>
#include <QFontInfo>
#include <QScreen>
#include <QtTest>

#include <array>

namespace {

// The faces that may stand for a face the layout names: the face itself, or
// a free substitute with the same metrics where one exists.
QStringList FacesFor(const QString &face)
{
    if (face == QLatin1String("Tahoma"))
        return {QStringLiteral("Tahoma")};
    if (face == QLatin1String("Arial"))
        return {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")};
    // No free clone has the metrics of these two: the Arial substitute.
    return {face, QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")};
}

enum class Type { Image, Label, Edit, Panel };

// Sizes that depend on the caption and its font.
constexpr int kCaptionWidth = -1;  // an auto-sized label: the width of its caption
constexpr int kRightEdge366 = -2;  // a row caption: auto-sized, its right edge at x 366
constexpr int kTallEnough = -3;    // the list: tall enough for its bottom row (checked by the list's tests)

}  // namespace

Q_DECLARE_METATYPE(Type)

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void theWindow();
    void pipeRows();
    void resultAndTotal();
    void materialBoxAndHiddenPanels();
    void menuItemColours();
    void focusIsOutOfSight();
    void designedLayout_data();
    void designedLayout();
    void textsAndPointers_data();
    void textsAndPointers();
    void stackingOrder();
    void overlappingControlsShowTheUpperOne();
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

void StartupTest::designedLayout_data()
{
    QTest::addColumn<Type>("type");
    QTest::addColumn<QString>("parent");  // empty: the window
    QTest::addColumn<QRect>("place");     // width < 0: see the constants above
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("face");  // empty: no font of its own is checked
    QTest::addColumn<int>("pixels");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<QColor>("colour");  // labels and fields: the text; panels: the fill

    const QColor black(0, 0, 0);
    const QColor none;
    const QString tahoma = QStringLiteral("Tahoma");
    const QString arial = QStringLiteral("Arial");
    const auto picture = [&](const char *name, QRect place, bool shown = true, const char *parent = "") {
        QTest::newRow(name) << Type::Image << QString::fromLatin1(parent) << place << shown << QString() << 0 << false
                            << false << none;
    };
    const auto label = [&](const char *name, QRect place, bool shown, const QString &face, int pixels, bool bold,
                           bool italic, QColor colour, const char *parent = "") {
        QTest::newRow(name) << Type::Label << QString::fromLatin1(parent) << place << shown << face << pixels << bold
                            << italic << colour;
    };
    const auto zone = [&](const char *name, QRect place) {
        QTest::newRow(name) << Type::Label << QString() << place << true << QString() << 0 << false << false << none;
    };
    const auto field = [&](const char *name, int top, bool shown) {
        QTest::newRow(name) << Type::Edit << QString() << QRect(384, top, 97, 26) << shown << tahoma << 15 << false
                            << false << black;
    };

    // The background fills the client area, which is the picture's size.
    picture("Image1", {0, 0, 708, 581});
    QTest::newRow("Edit4") << Type::Edit << QString() << QRect(800, 287, 49, 21) << true << tahoma << 11 << false
                           << false << black;
    picture("Image8", {680, 6, 25, 25});
    picture("Image10", {660, 8, 20, 25});
    picture("Image9", {110, 548, 83, 17});
    picture("Image13", {568, 535, 112, 35});
    label("Label34", {44, 546, kCaptionWidth, 18}, true, QStringLiteral("Trebuchet MS"), 13, false, false,
          QColor(115, 115, 115));
    QTest::newRow("Panel2") << Type::Panel << QString() << QRect(16, 154, 193, 353) << true << QString() << 0 << false
                            << false << QColor(ui::kButtonFace);
    picture("Image4", {0, 0, 193, 33}, true, "Panel2");
    for (int kind = 1; kind <= 10; ++kind)
        label(kMenuItemNames[static_cast<std::size_t>(kind) - 1], {2, KindShownAs(kind).itemTop, 177, 33}, true, tahoma,
              15, false, false, kind == 1 ? QColor(255, 255, 255) : QColor(82, 82, 82), "Panel2");
    label("Label17", {520, 175, 180, 79}, true, arial, 21, true, false, black);
    picture("Image6", {296, 154, 209, 199});
    QTest::newRow("Panel3") << Type::Panel << QString() << QRect(264, 136, 120, 120) << false << QString() << 0 << false
                            << false << QColor(255, 255, 255);
    picture("Image12", {0, 0, 120, 120}, true, "Panel3");
    picture("Image11", {531, 121, 8, 14}, false);
    picture("Image2", {112, 64, 177, 35});
    label("Label1", {112, 63, 145, 35}, true, QStringLiteral("Arial Black"), 12, true, false, QColor(255, 255, 255));
    QTest::newRow("Panel1") << Type::Panel << QString() << QRect(-240, 96, 177, kTallEnough) << false << QString() << 0
                            << false << false << none;
    picture("Image3", {0, 0, 177, kTallEnough}, true, "Panel1");
    for (std::size_t i = 0; i < kListItemNames.size(); ++i)
        label(kListItemNames[i], {1, 4 + 16 * static_cast<int>(i), 172, 14}, true, tahoma, 12, true, false,
              QColor(98, 85, 122), "Panel1");
    field("Edit6", 344, false);
    field("Edit1", 378, true);
    field("Edit2", 412, true);
    field("Edit3", 450, true);
    field("Edit5", 484, false);
    label("Label20", {kRightEdge366, 344, 0, 17}, false, arial, 15, false, false, black);
    label("Label14", {kRightEdge366, 380, 0, 17}, true, arial, 15, false, false, black);
    label("Label15", {kRightEdge366, 416, 0, 17}, true, arial, 15, false, false, black);
    label("Label16", {kRightEdge366, 452, 0, 17}, true, arial, 15, false, false, black);
    label("Label19", {kRightEdge366, 488, 0, 17}, false, arial, 15, false, false, black);
    picture("Image5", {568, 62, 123, 36});
    zone("Label12", {568, 62, 57, 35});
    zone("Label13", {631, 62, 60, 35});
    picture("Image7", {511, 378, 174, 151});
    label("Label18", {532, 399, 130, 22}, true, arial, 19, true, false, QColor(165, 42, 42));
    label("Label32", {536, 430, 129, 23}, true, tahoma, 19, false, true, black);
}

void StartupTest::designedLayout()
{
    QFETCH(Type, type);
    QFETCH(QString, parent);
    QFETCH(QRect, place);
    QFETCH(bool, shown);
    QFETCH(QString, face);
    QFETCH(int, pixels);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    QFETCH(QColor, colour);

    Calculator calc;
    const QByteArray name = QTest::currentDataTag();
    QWidget *control = calc.find(name.constData());
    QCOMPARE(control->objectName(), QString::fromLatin1(name));

    switch (type) {
    case Type::Image:
        QVERIFY(qobject_cast<ui::Image *>(control));
        break;
    case Type::Label:
        QVERIFY(qobject_cast<ui::Label *>(control));
        break;
    case Type::Edit:
        QVERIFY(qobject_cast<ui::Edit *>(control));
        break;
    case Type::Panel:
        QVERIFY(qobject_cast<ui::Panel *>(control));
        break;
    }
    QWidget *expectedParent = parent.isEmpty() ? &calc.form() : calc.find(qPrintable(parent));
    QCOMPARE(control->parentWidget(), expectedParent);

    // Place and size.
    const QRect at = control->geometry();
    if (place.x() == kRightEdge366) {
        QCOMPARE(at.right(), 365);
        QCOMPARE(at.y(), place.y());
        QVERIFY2(qAbs(at.height() - place.height()) <= 1, "the height of one line");
    } else {
        QCOMPARE(at.topLeft(), place.topLeft());
        if (place.width() == kCaptionWidth) {
            // As wide as its caption, so it grows to the right.
            auto *label = static_cast<ui::Label *>(control);
            const int advance = label->fontMetrics().horizontalAdvance(label->caption());
            QVERIFY2(at.width() >= advance - 1 && at.width() <= advance + 2, qPrintable(QString::number(at.width())));
            QCOMPARE(at.height(), label->fontMetrics().height());
        } else {
            QCOMPARE(at.width(), place.width());
        }
        if (place.height() == kTallEnough)
            QVERIFY2(at.height() >= 4 + 16 * 10 + 14, "the bottom row fits");
        else if (place.width() != kCaptionWidth)
            QCOMPARE(at.height(), place.height());
    }
    QCOMPARE(!control->isHidden(), shown);

    // Labels and pictures never take the focus; the fields do.
    QCOMPARE(control->focusPolicy() != Qt::NoFocus, type == Type::Edit);

    if (!face.isEmpty()) {
        const QFontInfo used(control->font());
        QVERIFY2(FacesFor(face).contains(used.family()),
                 qPrintable(QStringLiteral("%1 stands for %2").arg(used.family(), face)));
        QCOMPARE(control->font().pixelSize(), pixels);
        QCOMPARE(used.bold(), bold);
        QCOMPARE(used.italic(), italic);
    }
    if (colour.isValid()) {
        switch (type) {
        case Type::Label:
            QCOMPARE(static_cast<ui::Label *>(control)->fontColor(), colour);
            break;
        case Type::Edit:
            QCOMPARE(control->palette().color(QPalette::Text), colour);
            break;
        case Type::Panel:
            QCOMPARE(static_cast<ui::Panel *>(control)->color(), colour);
            break;
        case Type::Image:
            break;
        }
    }
    // A visible label with a caption shows its colour on screen.
    if (type == Type::Label && control->isVisible() && colour.isValid()) {
        auto *label = static_cast<ui::Label *>(control);
        if (!label->caption().trimmed().isEmpty())
            QVERIFY2(HasPixel(calc.grab(), calc.placeOf(control), colour.rgb()), "drawn in its colour");
    }
}

void StartupTest::textsAndPointers_data()
{
    QTest::addColumn<QString>("text");  // a label's caption, a field's text; null: no text
    QTest::addColumn<Qt::CursorShape>("pointer");
    const Qt::CursorShape hand = Qt::PointingHandCursor;
    const Qt::CursorShape arrow = Qt::ArrowCursor;
    const QString none;

    QTest::newRow("Image1") << none << arrow;
    QTest::newRow("Image2") << none << hand;
    QTest::newRow("Label1") << QStringLiteral("  Углеродная сталь") << hand;
    QTest::newRow("Image5") << none << hand;
    QTest::newRow("Label12") << QString("") << hand;
    QTest::newRow("Label13") << QString("") << hand;
    QTest::newRow("Label14") << QStringLiteral("Внешний диаметр, мм") << arrow;
    QTest::newRow("Label15") << QStringLiteral("Толщина стенки, мм") << arrow;
    QTest::newRow("Label16") << QStringLiteral("Длина, м") << arrow;
    QTest::newRow("Label19") << QStringLiteral("Длина, мм") << arrow;
    QTest::newRow("Label20") << QStringLiteral("Внешний диаметр, мм") << arrow;
    QTest::newRow("Label17") << QStringLiteral("Труба") << arrow;
    QTest::newRow("Label18") << QStringLiteral("Итого вес:") << arrow;
    QTest::newRow("Label32") << QStringLiteral("0.00 кг  ") << arrow;
    QTest::newRow("Label34") << QStringLiteral("2009-%1").arg(QDate::currentDate().year()) << arrow;
    QTest::newRow("Image8") << none << hand;
    QTest::newRow("Image9") << none << hand;
    QTest::newRow("Image10") << none << hand;
    QTest::newRow("Image13") << none << hand;
    // The menu's captions lead with four spaces, the list's with one.
    for (int kind = 1; kind <= 10; ++kind)
        QTest::newRow(kMenuItemNames[static_cast<std::size_t>(kind) - 1])
            << QStringLiteral("    ") + QString::fromUtf8(KindShownAs(kind).name) << hand;
    for (std::size_t i = 0; i < kListItemNames.size(); ++i)
        QTest::newRow(kListItemNames[i]) << QStringLiteral(" ") + QString::fromUtf8(kMaterialNames[i]) << arrow;
    for (const char *name : {"Edit1", "Edit2", "Edit3", "Edit5", "Edit6"})
        QTest::newRow(name) << QStringLiteral("0") << Qt::IBeamCursor;
    QTest::newRow("Edit4") << QStringLiteral("Edit4") << Qt::IBeamCursor;
}

void StartupTest::textsAndPointers()
{
    QFETCH(QString, text);
    QFETCH(Qt::CursorShape, pointer);
    Calculator calc;
    QWidget *control = calc.find(QTest::currentDataTag());
    if (auto *label = qobject_cast<ui::Label *>(control))
        QCOMPARE(label->caption(), text);
    else if (auto *field = qobject_cast<ui::Edit *>(control))
        QCOMPARE(field->text(), text);
    else
        QVERIFY(text.isNull());
    QCOMPARE(control->cursor().shape(), pointer);
}

void StartupTest::stackingOrder()
{
    Calculator calc;
    // Siblings lie in the order of the parent's children, the lowest first.
    const auto order = [&](QWidget *parent, const QStringList &names) {
        QStringList stack;
        for (QObject *child : parent->children())
            if (child->isWidgetType() && names.contains(child->objectName()))
                stack.append(child->objectName());
        return stack;
    };
    const QStringList window{"Image1", "Image2", "Label1", "Image5", "Label12", "Label13", "Label14", "Label15",
                             "Label16", "Image6", "Label17", "Image7", "Label18", "Label19", "Label20", "Image8",
                             "Image9", "Image10", "Label32", "Image11", "Image13", "Label34",
                             // Panels and fields over every picture and label.
                             "Panel1", "Panel2", "Edit1", "Edit2", "Edit3", "Edit5", "Edit6", "Edit4", "Panel3"};
    QCOMPARE(order(&calc.form(), window), window);
    const QStringList list{"Image3",  "Label21", "Label22", "Label23", "Label24", "Label25",
                           "Label26", "Label27", "Label28", "Label29", "Label30", "Label31"};
    QCOMPARE(order(calc.find("Panel1"), list), list);
    const QStringList menu{"Image4", "Label2", "Label3", "Label4",  "Label5", "Label6",
                           "Label7", "Label8", "Label9", "Label10", "Label11"};
    QCOMPARE(order(calc.find("Panel2"), menu), menu);
    QCOMPARE(order(calc.find("Panel3"), {"Image12"}), QStringList{"Image12"});
}

void StartupTest::overlappingControlsShowTheUpperOne()
{
    Calculator calc;
    TForm1 &form = calc.form();
    const auto at = [&](int x, int y) {
        QWidget *top = form.childAt(x, y);
        return top ? top->objectName() : QString();
    };
    // The material box: its text over the bar, the arrow uncovered.
    QCOMPARE(at(150, 80), QStringLiteral("Label1"));
    QCOMPARE(at(270, 80), QStringLiteral("Image2"));
    QCOMPARE(at(200, 98), QStringLiteral("Image2"));  // the bar's last row, below the text
    // The toggle: two zones over the picture, the gap between them.
    QCOMPARE(at(590, 80), QStringLiteral("Label12"));
    QCOMPARE(at(628, 80), QStringLiteral("Image5"));
    QCOMPARE(at(660, 80), QStringLiteral("Label13"));
    QCOMPARE(at(600, 97), QStringLiteral("Image5"));  // its last row lies below both zones
    // The result block: caption and result over the box.
    QCOMPARE(at(597, 410), QStringLiteral("Label18"));
    QCOMPARE(at(600, 441), QStringLiteral("Label32"));
    QCOMPARE(at(520, 500), QStringLiteral("Image7"));
    // The menu: the items over the highlight and the panel.
    QCOMPARE(at(100, 170), QStringLiteral("Label2"));
    QCOMPARE(at(200, 170), QStringLiteral("Image4"));
    QCOMPARE(at(200, 300), QStringLiteral("Panel2"));
    // Fields over the background, the background elsewhere.
    QCOMPARE(at(430, 390), QStringLiteral("Edit1"));
    QCOMPARE(at(300, 120), QStringLiteral("Image1"));
    QCOMPARE(at(400, 250), QStringLiteral("Image6"));

    // What is drawn agrees: the box's white text on its blue, the result's
    // black inside the white value box.
    const QImage shot = calc.grab();
    QVERIFY(HasPixel(shot, QRect(112, 63, 145, 35), qRgb(255, 255, 255)));
    QVERIFY(HasPixel(shot, QRect(536, 430, 129, 23), qRgb(0, 0, 0)));
    QVERIFY(HasPixel(shot, QRect(536, 430, 129, 23), qRgb(255, 255, 255)));
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
