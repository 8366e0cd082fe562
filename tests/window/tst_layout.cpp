// Every control of the window where it was designed, as the window stands
// at start: its type, parent, place, size, font and colour as its row of the
// layout table (layout::Table()) gives them, with the rules the window adds
// (a picture that fills its parent, a label as wide as its caption, the
// selected menu item); its text and pointer; the order in which controls
// lie over each other, the table's; and which one shows where they overlap.
// The places that the pictures were drawn for are written out once more, as
// numbers of their own, so that a place mistyped in the table fails here.
#include "choices.h"
#include "controlspec.h"
#include "windowfixture.h"

#include <QDate>
#include <QFontInfo>
#include <QRawFont>
#include <QtTest>

namespace {

// The faces that may stand for a face the layout names: the face itself, or
// a free substitute with the same metrics where one exists.
QStringList FacesFor(const QString &face)
{
    if (face == QLatin1String("Tahoma"))
        return {QStringLiteral("Tahoma")};
    // Liberation Sans, installed or shipped cut down as Metalcalc Sans.
    const QStringList arial{QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                            QStringLiteral("Metalcalc Sans")};
    if (face == QLatin1String("Arial"))
        return arial;
    // No free clone has the metrics of these two: the Arial substitute.
    return QStringList{face} + arial;
}

// The row of the layout table that names the control.
const layout::ControlSpec &RowOf(const QString &name)
{
    for (const layout::ControlSpec &spec : layout::Table())
        if (name == QLatin1String(spec.name))
            return spec;
    qFatal("no control %s in the layout", qPrintable(name));
}

// The name of a row's parent panel; empty for the window.
QString ParentName(const layout::ControlSpec &spec)
{
    if (!spec.parent)
        return {};
    for (const layout::ControlSpec &row : layout::Table())
        if (const auto *panel = std::get_if<layout::Member<ui::Panel>>(&row.control); panel && *panel == spec.parent)
            return QLatin1String(row.name);
    qFatal("the parent of %s is no panel of the layout", spec.name);
}

template <class T> bool Is(const layout::ControlSpec &spec)
{
    return std::holds_alternative<layout::Member<T>>(spec.control);
}

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void designedLayout_data();
    void designedLayout();
    void placesThePicturesWereDrawnFor_data();
    void placesThePicturesWereDrawnFor();
    void textsAndPointers_data();
    void textsAndPointers();
    void stackingOrder();
    void overlappingControlsShowTheUpperOne();
};

void LayoutTest::designedLayout_data()
{
    QTest::addColumn<QString>("name");
    for (const layout::ControlSpec &spec : layout::Table())
        QTest::newRow(spec.name) << QString::fromLatin1(spec.name);
}

void LayoutTest::designedLayout()
{
    QFETCH(QString, name);
    const layout::ControlSpec &spec = RowOf(name);
    Calculator calc;
    QWidget *control = calc.find(spec.name);
    QCOMPARE(control->objectName(), name);

    const bool isLabel = Is<ui::Label>(spec), isEdit = Is<ui::Edit>(spec), isPanel = Is<ui::Panel>(spec);
    if (Is<ui::Image>(spec))
        QVERIFY(qobject_cast<ui::Image *>(control));
    QCOMPARE(qobject_cast<ui::Label *>(control) != nullptr, isLabel);
    QCOMPARE(qobject_cast<ui::Edit *>(control) != nullptr, isEdit);
    QCOMPARE(qobject_cast<ui::Panel *>(control) != nullptr, isPanel);
    const QString parent = ParentName(spec);
    QWidget *expectedParent = parent.isEmpty() ? &calc.form() : calc.find(qPrintable(parent));
    QCOMPARE(control->parentWidget(), expectedParent);

    // Place and size.
    const QRect at = control->geometry();
    const layout::Style *style = spec.style;
    if (spec.fillParent) {
        // A picture that fills its parent: the background fills the client
        // area, which is the background picture's size.
        QCOMPARE(at, expectedParent->rect());
        if (!spec.parent)
            QCOMPARE(at.size(), QSize(708, 581));
    } else if (isLabel && style && style->autoSize) {
        // As wide as its caption; a right-justified one (a row's caption)
        // keeps its right edge and grows to the left.
        auto *label = static_cast<ui::Label *>(control);
        const int advance = label->fontMetrics().horizontalAdvance(label->caption());
        if (style->justify == ui::Label::Justify::Right) {
            QCOMPARE(at.right(), spec.place.right());
            QCOMPARE(at.y(), spec.place.y());
            QVERIFY2(qAbs(at.height() - spec.place.height()) <= 1, "the height of one line");
        } else {
            QCOMPARE(at.topLeft(), spec.place.topLeft());
            QVERIFY2(at.width() >= advance - 1 && at.width() <= advance + 2, qPrintable(QString::number(at.width())));
            QCOMPARE(at.height(), label->fontMetrics().height());
        }
    } else {
        QCOMPARE(at, spec.place);
    }
    if (spec.role == QAccessible::List)  // the material list: its bottom row fits
        QVERIFY2(at.height() >= 4 + 16 * 10 + 14, "the bottom row fits");
    // As its row says; the background, made hidden, is shown once the window
    // has put its picture in.
    const bool background = spec.fillParent && !spec.parent;
    QCOMPARE(!control->isHidden(), spec.shown || background);

    // Labels and pictures never take the focus; the fields do.
    QCOMPARE(control->focusPolicy() != Qt::NoFocus, isEdit);

    const QFontInfo used(control->font());
    if (style && style->family) {
        QVERIFY2(FacesFor(QLatin1String(style->family)).contains(used.family()),
                 qPrintable(QStringLiteral("%1 stands for %2").arg(used.family(), style->family)));
        QCOMPARE(control->font().pixelSize(), style->pixels);
        QCOMPARE(used.bold(), style->bold);
        QCOMPARE(used.italic(), style->italic);
        // Each character of its text is the face's own, none borrowed from
        // another face: the shipped faces are cut down to what is written.
        const QString text = isLabel  ? static_cast<ui::Label *>(control)->caption()
                             : isEdit ? static_cast<ui::Edit *>(control)->text()
                                      : QString();
        const QRawFont face = QRawFont::fromFont(control->font());
        for (const char32_t character : text.toUcs4())
            QVERIFY2(character == u'\r' || face.supportsCharacter(character),
                     qPrintable(QStringLiteral("U+%1 of \"%2\" in %3")
                                    .arg(uint(character), 4, 16, QLatin1Char('0'))
                                    .arg(text, used.family())));
    } else {
        // No font of its own: the window's, 11 pixels of Tahoma.
        QCOMPARE(control->font(), calc.form().font());
        QVERIFY(FacesFor(QStringLiteral("Tahoma")).contains(used.family()));
        QCOMPARE(control->font().pixelSize(), 11);
    }

    // Labels and fields: the text's colour; panels: the fill. The selected
    // menu item is white, the others dark grey.
    QColor colour;
    if (isLabel) {
        colour = QColor(style ? style->color : ui::kWindowText);
        if (spec.role == QAccessible::MenuItem)
            colour = spec.tag == 1 ? QColor(255, 255, 255) : QColor(82, 82, 82);
        QCOMPARE(static_cast<ui::Label *>(control)->fontColor(), colour);
    } else if (isEdit) {
        colour = QColor(0, 0, 0);
        QCOMPARE(control->palette().color(QPalette::Text), colour);
    } else if (isPanel) {
        QCOMPARE(static_cast<ui::Panel *>(control)->color(), QColor(spec.background));
    }
    // A visible label with a caption shows its colour on screen.
    if (isLabel && control->isVisible()) {
        auto *label = static_cast<ui::Label *>(control);
        if (!label->caption().trimmed().isEmpty())
            QVERIFY2(HasPixel(calc.grab(), calc.placeOf(control), colour.rgb()), "drawn in its colour");
    }
}

void LayoutTest::placesThePicturesWereDrawnFor_data()
{
    QTest::addColumn<QRect>("place");  // in the window, at start
    // The material band of the background runs from y 47 to 115, below the
    // title band's rule; its caption "Материал" ends at x 89. The material
    // box's picture (175 × 35) lies in it, the box's text over its bar, clear
    // of the arrow (x 155 to 164 of the picture).
    QTest::newRow("Image2") << QRect(112, 64, 177, 35);
    QTest::newRow("Label1") << QRect(112, 63, 145, 35);
    // The toggle's pictures (122 or, for the sheet, 141 × 35) at the band's
    // right end; a zone over each half of the length/mass picture.
    QTest::newRow("Image5") << QRect(568, 62, 123, 36);
    QTest::newRow("Label12") << QRect(568, 62, 57, 35);
    QTest::newRow("Label13") << QRect(631, 62, 60, 35);
    // The result box's pictures (169 wide) hold the caption on the yellow
    // panel, and the result inside the white value box, whose frame spans x
    // 21 to 147 and y 49 to 80 of the picture.
    QTest::newRow("Image7") << QRect(511, 378, 174, 151);
    QTest::newRow("Label18") << QRect(532, 399, 130, 22);
    QTest::newRow("Label32") << QRect(536, 430, 129, 23);
    // The size box: the material box's picture under the kind's title, its
    // text clear of the arrow; the background's smaller pipe runs below it.
    QTest::newRow("Image14") << QRect(509, 262, 177, 35);
    QTest::newRow("Label35") << QRect(509, 261, 145, 35);
    // The menu, its highlight 190 wide, left of the background's pipe that
    // runs down at x 252.
    QTest::newRow("Panel2") << QRect(16, 154, 193, 353);
    // The links over the seller's name and logo in the background's footer
    // (their ink: x 110 to 187, y 550 to 562; x 574 to 676, y 542 to 560).
    QTest::newRow("Image9") << QRect(110, 548, 83, 17);
    QTest::newRow("Image13") << QRect(568, 535, 112, 35);
    // The fields, from row 0 down, in the work area below the kind's
    // drawing, right of the rows' captions (which end at x 366), above the
    // footer's band at y 527.
    QTest::newRow("Edit6") << QRect(384, 344, 97, 26);
    QTest::newRow("Edit1") << QRect(384, 378, 97, 26);
    QTest::newRow("Edit2") << QRect(384, 412, 97, 26);
    QTest::newRow("Edit3") << QRect(384, 450, 97, 26);
    QTest::newRow("Edit5") << QRect(384, 484, 97, 26);
}

void LayoutTest::placesThePicturesWereDrawnFor()
{
    QFETCH(QRect, place);
    Calculator calc;
    QCOMPARE(calc.placeOf(calc.find(QTest::currentDataTag())), place);
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
    QTest::newRow("Label38") << QStringLiteral("Добавить в список") << hand;
    QTest::newRow("Label39") << QString("") << hand;  // until the list is used
    QTest::newRow("Image8") << none << hand;
    QTest::newRow("Image9") << none << hand;
    QTest::newRow("Image10") << none << hand;
    QTest::newRow("Image13") << none << hand;
    // The menu's captions lead with four spaces, the list's with one.
    for (int kind = 1; kind <= 10; ++kind)
        QTest::newRow(MenuItemName(kind)) << QStringLiteral("    ") + QString::fromUtf8(KindShownAs(kind).name) << hand;
    for (int material = 1; material <= metal::kMaterialCount; ++material)
        QTest::newRow(ListItemName(material))
            << QStringLiteral(" ") + QString::fromUtf8(kMaterialNames[static_cast<std::size_t>(material) - 1]) << arrow;
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
    // Siblings lie in the order of the parent's children, the lowest first:
    // the order of the layout table. Panels and fields lie over every
    // picture and label, as the table lists them after those.
    const auto order = [&](QWidget *parent) {
        QStringList stack;
        for (QObject *child : parent->children())
            if (child->isWidgetType() && !child->objectName().isEmpty())
                stack.append(child->objectName());
        return stack;
    };
    QHash<QString, QStringList> designed;
    for (const layout::ControlSpec &spec : layout::Table())
        designed[ParentName(spec)].append(QLatin1String(spec.name));
    QCOMPARE(designed.size(), 5);  // the window and its four panels
    for (auto it = designed.cbegin(); it != designed.cend(); ++it) {
        QWidget *parent = it.key().isEmpty() ? &calc.form() : calc.find(qPrintable(it.key()));
        QStringList stack = order(parent);
        stack.removeIf([&](const QString &name) { return !it.value().contains(name); });
        QCOMPARE(stack, it.value());
    }
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
