#include "mainunit.h"

#include "accessibility.h"
#include "design.h"
#include "fonts.h"
#include "frame.h"
#include "inputrows.h"
#include "picturelist.h"
#include "pictures.h"
#include "picunit.h"
#include "sizepicker.h"

#include <QDate>
#include <QLocale>
#include <QPainterPath>
#include <QScreen>

using namespace metal;

TForm1 *Form1 = nullptr;
std::array<QWidget *, 10> InputSlots{};
ProfileKind CurrentKind = pkPipe;
MaterialId CurrentMaterial = mtCarbonSteel;
bool MassMode = true;
bool RecalcEnabled = true;

ui::Edit *InputEdit(int row) { return static_cast<ui::Edit *>(InputSlots[static_cast<std::size_t>(row)]); }

ui::Label *InputCaption(int row) { return static_cast<ui::Label *>(InputSlots[static_cast<std::size_t>(row) + 5]); }

TForm1::TForm1() : QWidget(nullptr, Qt::Window)
{
    // The state of the run starts with its window.
    Form1 = this;
    CurrentKind = pkPipe;
    CurrentMaterial = mtCarbonSteel;
    MassMode = true;
    RecalcEnabled = true;
    CurrentSize = {};

    ui::InstallFonts();
    ui::InstallAccessibility();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Калькулятор металлопроката"));
    QFont windowFont(ui::FontFamily("Tahoma"));
    windowFont.setPixelSize(11);
    // At these pixel sizes hinting hardly changes a glyph and leaves every
    // advance as it is, but analysing the faces for it costs the first frame
    // several milliseconds: the window's text is drawn unhinted.
    windowFont.setHintingPreference(QFont::PreferNoHinting);
    setFont(windowFont);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(ui::kButtonFace));
    colours.setColor(QPalette::WindowText, QColor(ui::kWindowText));
    setPalette(colours);
    resize(DesignedPlace(&TForm1::Image1).size());

    BuildControls();
    FormCreate();
}

TForm1::~TForm1()
{
    if (Form1 == this)
        Form1 = nullptr;
    InputSlots = {};
}

void TForm1::FormCreate()
{
    // The footer's years run to this one.
    Label34->setCaption(QStringLiteral("2009-") + QString::number(QDate::currentDate().year()));
    // Numbers are parsed and shown with '.' whatever the locale says; only
    // the thousands separator is the user's, read here once.
    groupSeparator_ = QLocale::system().groupSeparator().toStdString();
    // The pipe shows as the selected kind.
    setcolorsfont();
    Label2->setFontColor(QColor(design::kSelectedItem));
    // The input rows; each caption names its field for screen readers.
    InputSlots = {Edit6, Edit1, Edit2, Edit3, Edit5, Label20, Label14, Label15, Label16, Label19};
    for (int row = 0; row < kRowCount; ++row)
        InputCaption(row)->setBuddy(InputEdit(row));
    // The window is the background picture: a borderless window can take
    // its size directly.
    Image1->show();
    setFixedSize(Image1->picture().deviceIndependentSize().toSize());
    setWindowFlag(Qt::FramelessWindowHint);
    // Only the rounded outline of the background, corner ellipses 20 × 20,
    // is the window: it takes no clicks outside. Where the desktop blends
    // windows, the background's own transparent corners show it through
    // smoothly; elsewhere the outline cuts the window to its shape.
    QPainterPath outline;
    outline.addRoundedRect(QRectF(rect()), 10, 10);
    setMask(QRegion(outline.toFillPolygon().toPolygon()));
    if (DesktopComposites()) {
        setAttribute(Qt::WA_TranslucentBackground);
        Image1->setPicture(
            ui::PictureWithAlpha(QString::fromLatin1(pictures::Listed("background.png")), devicePixelRatioF()));
    }
    // The result and the quantity of the pipe in mass mode.
    AppendResultUnit();
    InputCaption(3)->setCaption(QString::fromUtf8(QuantityCaption(MassMode)));
    // The total caption captions the result, and screen readers hear both
    // as the result changes.
    Label18->setBuddy(Label32);
    ui::MakeAnnounced(Label32);
    // The material in the box is heard as it is chosen, and the list's
    // highlight as the keys move it, though the focus stays in a field.
    ui::MakeAnnounced(Label1);
    SetUpSizeBox(this);
    // The result block and the title band have menus.
    for (ui::Control *result : {static_cast<ui::Control *>(Image7), static_cast<ui::Control *>(Label18),
                                static_cast<ui::Control *>(Label32)}) {
        result->setHasMenu(true);
        connect(result, &ui::Control::menuRequested, this, &TForm1::ResultMenuRequested);
    }
    Image1->setHasMenu(true);
    connect(Image1, &ui::Control::menuRequested, this, &TForm1::WindowMenuRequested);
    InstallKeys();
}

void TForm1::FormShow() { Edit4->setFocus(); }

void TForm1::setVisible(bool visible)
{
    // Placed before its native window exists, which is then created where
    // it belongs: moving a window once created races the window manager's
    // placement of it, and Qt can be left believing a position the window
    // is not at (every place it reports to screen readers is then off).
    if (visible && !shown_) {
        if (const QScreen *desktop = screen())
            move(PlaceOnScreen(size(), desktop->availableGeometry()));
    }
    QWidget::setVisible(visible);
}

void TForm1::showEvent(QShowEvent *event)
{
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
    QWidget::showEvent(event);
}

void TForm1::setcolorsfont()
{
    for (ui::Label *item : MenuItems())
        item->setFontColor(QColor(design::kMenuItem));
}

void TForm1::EditCalcChange(ui::Edit *Sender)
{
    if (Sender->text().isEmpty() || !RecalcEnabled)
        return;
    // The user's edit of a field the chosen size wrote leaves the size.
    if (EditLeavesSize(Sender))
        SetSize({});
    Calculate();
}

void TForm1::Calculate()
{
    const WindowFieldTexts fields;
    // Nothing while the quantity is not given, or when the fields make no
    // result: the label keeps what it showed.
    const std::optional<ResultText> shown = ShownResultOf(CurrentChoices(), fields.texts(), groupSeparator_);
    if (!shown)
        return;
    Label32->setFontColor(QColor(shown->error ? design::kResultError : design::kResultNumber));
    Label32->setCaption(QString::fromStdString(shown->text));
}

metal::Choices TForm1::CurrentChoices() const { return {CurrentKind, CurrentMaterial, MassMode, CurrentSize}; }
