// Every control of the window where it was designed, as the window stands
// at start: its type, parent, place, size, font and colour, its text and
// pointer, the order in which controls lie over each other, and which one
// shows where they overlap.
#include "choices.h"
#include "windowfixture.h"

#include <QDate>
#include <QFontInfo>
#include <QtTest>

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

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void designedLayout_data();
    void designedLayout();
    void textsAndPointers_data();
    void textsAndPointers();
    void stackingOrder();
    void overlappingControlsShowTheUpperOne();
};

void LayoutTest::designedLayout_data()
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

void LayoutTest::designedLayout()
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

void LayoutTest::textsAndPointers_data()
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

void LayoutTest::textsAndPointers()
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

void LayoutTest::stackingOrder()
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

void LayoutTest::overlappingControlsShowTheUpperOne()
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

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
