#include "windowfixture.h"

#include "application.h"
#include "controlspec.h"

#include <QApplication>
#include <QDesktopServices>
#include <QWindow>

#include <algorithm>
#include <array>

namespace {

const NamedKey kNamedKeys[] = {
    {".", Qt::Key_Period, Qt::NoModifier, u"."},
    {",", Qt::Key_Comma, Qt::NoModifier, u","},
    // The keypad's decimal key types ',' as it does under a Russian layout.
    {"KeypadDecimal", Qt::Key_Comma, Qt::KeypadModifier, u","},
    {"-", Qt::Key_Minus, Qt::NoModifier, u"-"},
    {"+", Qt::Key_Plus, Qt::NoModifier, u"+"},
    {"e", Qt::Key_E, Qt::NoModifier, u"e"},
    {"E", Qt::Key_E, Qt::ShiftModifier, u"E"},
    {"x", Qt::Key_X, Qt::NoModifier, u"x"},
    {"Space", Qt::Key_Space, Qt::NoModifier, u" "},
    {"Arabic-Indic three", Qt::Key_unknown, Qt::NoModifier, u"\u0663"},
    {"full-width five", Qt::Key_unknown, Qt::NoModifier, u"\uFF15"},
    {"Home", Qt::Key_Home, Qt::NoModifier, u""},
    {"End", Qt::Key_End, Qt::NoModifier, u""},
    {"Left", Qt::Key_Left, Qt::NoModifier, u""},
    {"Right", Qt::Key_Right, Qt::NoModifier, u""},
    {"Delete", Qt::Key_Delete, Qt::NoModifier, u"\x7f"},
    {"Backspace", Qt::Key_Backspace, Qt::NoModifier, u"\b"},
    {"Tab", Qt::Key_Tab, Qt::NoModifier, u"\t"},
    {"Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier, u""},
    {"Return", Qt::Key_Return, Qt::NoModifier, u"\r"},
    {"Escape", Qt::Key_Escape, Qt::NoModifier, u"\x1b"},
    {"Shift+Home", Qt::Key_Home, Qt::ShiftModifier, u""},
    {"Shift+Left", Qt::Key_Left, Qt::ShiftModifier, u""},
    {"Shift+End", Qt::Key_End, Qt::ShiftModifier, u""},
    {"Shift+Insert", Qt::Key_Insert, Qt::ShiftModifier, u""},
    {"Ctrl+A", Qt::Key_A, Qt::ControlModifier, u"\x01"},
    {"Ctrl+C", Qt::Key_C, Qt::ControlModifier, u"\x03"},
    {"Ctrl+H", Qt::Key_H, Qt::ControlModifier, u"\x08"},
    {"Ctrl+V", Qt::Key_V, Qt::ControlModifier, u"\x16"},
    {"Ctrl+X", Qt::Key_X, Qt::ControlModifier, u"\x18"},
    {"Ctrl+Y", Qt::Key_Y, Qt::ControlModifier, u"\x19"},
    {"Ctrl+Z", Qt::Key_Z, Qt::ControlModifier, u"\x1a"},
    {"Ctrl+Backspace", Qt::Key_Backspace, Qt::ControlModifier, u"\b"},
    {"Alt+2", Qt::Key_2, Qt::AltModifier, u"2"},
};

// The window's keys that the tests press by name besides those; the monkey
// keeps to the list above, so that its seeds replay as they did.
const NamedKey kWindowKeys[] = {
    {"Ctrl+PgDn", Qt::Key_PageDown, Qt::ControlModifier, u""},
    {"Ctrl+PgUp", Qt::Key_PageUp, Qt::ControlModifier, u""},
    {"Ctrl+Tab", Qt::Key_Tab, Qt::ControlModifier, u""},
    {"Ctrl+Shift+Tab", Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, u""},
    {"Ctrl+0", Qt::Key_0, Qt::ControlModifier, u"0"},
    {"Ctrl+3", Qt::Key_3, Qt::ControlModifier, u"3"},
    {"Ctrl+5", Qt::Key_5, Qt::ControlModifier, u"5"},
    {"Ctrl+6", Qt::Key_6, Qt::ControlModifier, u"6"},
    {"F3", Qt::Key_F3, Qt::NoModifier, u""},
    {"F4", Qt::Key_F4, Qt::NoModifier, u""},
    {"Alt+Down", Qt::Key_Down, Qt::AltModifier, u""},
    {"Up", Qt::Key_Up, Qt::NoModifier, u""},
    {"Down", Qt::Key_Down, Qt::NoModifier, u""},
    {"Alt+1", Qt::Key_1, Qt::AltModifier, u"1"},
    {"Alt+Space", Qt::Key_Space, Qt::AltModifier, u" "},
    {"Shift+F10", Qt::Key_F10, Qt::ShiftModifier, u""},
};

// The controls that the tests speak of by their roles, read off the layout
// table once.
struct ControlsByRole {
    std::array<const char *, metal::kRowCount> fields{};
    std::array<const char *, metal::kRowCount> captions{};
    std::array<const char *, metal::kKindCount> menuItems{};
    std::array<const char *, metal::kMaterialCount> listItems{};
};

template <class T> bool Is(const layout::ControlSpec &spec)
{
    return std::holds_alternative<layout::Member<T>>(spec.control);
}

ControlsByRole ReadTable()
{
    ControlsByRole found;
    std::vector<const layout::ControlSpec *> fields;
    for (const layout::ControlSpec &spec : layout::Table()) {
        if (Is<ui::Edit>(spec) && spec.change)
            fields.push_back(&spec);
        if (spec.role == QAccessible::MenuItem)
            found.menuItems.at(static_cast<std::size_t>(spec.hint.toInt() - 1)) = spec.name;
        if (spec.role == QAccessible::ListItem)
            found.listItems.at(static_cast<std::size_t>(spec.tag - 1)) = spec.name;
    }
    if (fields.size() != found.fields.size())
        qFatal("the layout has %d input fields", static_cast<int>(fields.size()));
    std::ranges::sort(fields, {}, [](const layout::ControlSpec *spec) { return spec->place.top(); });
    for (std::size_t r = 0; r < fields.size(); ++r) {
        found.fields[r] = fields[r]->name;
        // The caption: the nearest label at the field's left whose line
        // overlaps the field's.
        const QRect field = fields[r]->place;
        const layout::ControlSpec *caption = nullptr;
        for (const layout::ControlSpec &spec : layout::Table())
            if (Is<ui::Label>(spec) && !spec.parent && spec.place.right() < field.left() &&
                spec.place.top() <= field.bottom() && spec.place.bottom() >= field.top() &&
                (!caption || spec.place.right() > caption->place.right()))
                caption = &spec;
        if (!caption)
            qFatal("no caption at the left of %s", fields[r]->name);
        found.captions[r] = caption->name;
    }
    for (const auto &names :
         {std::span<const char *const>(found.menuItems), std::span<const char *const>(found.listItems)})
        if (std::ranges::find(names, nullptr) != names.end())
            qFatal("the layout lacks a menu or a list item");
    return found;
}

const ControlsByRole &ByRole()
{
    static const ControlsByRole found = ReadTable();
    return found;
}

template <std::size_t N> const char *Entry(const std::array<const char *, N> &names, int index, const char *what)
{
    if (index < 0 || index >= static_cast<int>(N))
        qFatal("no %s %d", what, index);
    return names[static_cast<std::size_t>(index)];
}

}  // namespace

std::span<const NamedKey> NamedKeys() { return kNamedKeys; }

const NamedKey &NamedKeyCalled(QStringView name)
{
    for (const auto &keys : {std::span<const NamedKey>(kNamedKeys), std::span<const NamedKey>(kWindowKeys)})
        for (const NamedKey &key : keys)
            if (name == QLatin1String(key.name))
                return key;
    qFatal("no key called %s", qPrintable(name.toString()));
}

void SendKey(QWidget *target, const NamedKey &key)
{
    QTest::sendKeyEvent(QTest::Click, target, key.key, QString::fromUtf16(key.text), key.modifiers);
    // What the key posted runs before a person sees the window again, as
    // the event loop runs it: a field that the key moved into finishes its
    // entry, for one.
    QCoreApplication::sendPostedEvents();
}

void ClickOn(const QWidget *control)
{
    QWidget *window = control->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      control->mapTo(window, control->rect().center()));
}

void ReplaceText(ui::Edit *field, const QString &text)
{
    ClickOn(field);
    if (!field->hasFocus())
        qFatal("%s took no focus", qPrintable(field->objectName()));
    QTest::keyClick(field, Qt::Key_End);
    while (!field->text().isEmpty())
        QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

Calculator::Calculator()
{
    ui::PrepareApplication();
    form1_ = std::make_unique<TForm1>();
    form2_ = std::make_unique<TForm2>();
    form1_->show();
    if (!QTest::qWaitForWindowActive(form1_.get()))
        qFatal("the main window did not become active");
}

Calculator::~Calculator()
{
    form2_.reset();
    form1_.reset();
}

const char *RowFieldName(int r) { return Entry(ByRole().fields, r, "row"); }
const char *RowCaptionName(int r) { return Entry(ByRole().captions, r, "row"); }
const char *MenuItemName(int kind) { return Entry(ByRole().menuItems, kind - 1, "kind"); }
const char *ListItemName(int material) { return Entry(ByRole().listItems, material - 1, "material"); }

ui::Edit *Calculator::row(int r) const { return find<ui::Edit>(RowFieldName(r)); }

ui::Label *Calculator::rowCaption(int r) const { return find<ui::Label>(RowCaptionName(r)); }

ui::Label *Calculator::menuItem(int kind) const { return find<ui::Label>(MenuItemName(kind)); }

ui::Label *Calculator::materialItem(int material) const { return find<ui::Label>(ListItemName(material)); }

QImage Calculator::storePicture(const QString &file) const
{
    for (const StoreImage *image : form2_->images())
        if (image->name() == file)
            return image->picture().toImage();
    qFatal("the store holds no %s", qPrintable(file));
}

void Calculator::chooseMaterial(int material) const
{
    click(find("Label1"));
    click(materialItem(material));
}

void Calculator::click(QPoint at, Qt::MouseButton button) const
{
    QTest::mouseClick(form1_->windowHandle(), button, Qt::NoModifier, at);
}

void Calculator::press(QPoint at, Qt::MouseButton button) const
{
    QTest::mousePress(form1_->windowHandle(), button, Qt::NoModifier, at);
}

void Calculator::release(QPoint at, Qt::MouseButton button) const
{
    QTest::mouseRelease(form1_->windowHandle(), button, Qt::NoModifier, at);
}

void Calculator::pointAt(QPoint at) const { QTest::mouseMove(form1_->windowHandle(), at); }

QPoint Calculator::centreOf(const QWidget *control) const
{
    return control->mapTo(form1_.get(), control->rect().center());
}

QRect Calculator::placeOf(const QWidget *control) const
{
    return QRect(control->mapTo(form1_.get(), QPoint()), control->size());
}

void Calculator::enterWindow() const
{
    pointAt(kBackground + QPoint(1, 1));
    pointAt(kBackground);
}

void Calculator::typeInto(ui::Edit *field, const QString &keys) const
{
    click(field);
    if (!field->hasFocus())
        qFatal("%s did not take the focus", qPrintable(field->objectName()));
    type(keys);
}

void Calculator::typeFields(const metal::FieldTexts &fields) const
{
    for (int r = 0; r < metal::kRowCount; ++r) {
        const std::string_view text = fields[static_cast<std::size_t>(r)];
        if (text != "0")
            typeInto(row(r), ToQString(text));
    }
}

void Calculator::replaceText(ui::Edit *field, const QString &text) const { ReplaceText(field, text); }

void Calculator::type(const QString &keys) const
{
    QWidget *target = focus();
    if (!target)
        qFatal("nothing holds the focus");
    // A key a character; QTest's own typing knows ASCII only, the search
    // of the size list takes Cyrillic letters too.
    for (QChar c : keys) {
        if (c.unicode() < 0x80)
            QTest::keyClick(target, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void Calculator::typeScript(const QString &script) const
{
    for (qsizetype i = 0; i < script.size(); ++i) {
        QWidget *target = focus();
        if (!target)
            qFatal("nothing holds the focus");
        const QChar c = script[i];
        if (c == u'{') {
            const qsizetype end = script.indexOf(u'}', i);
            if (end < 0)
                qFatal("no end to the key name in %s", qPrintable(script));
            SendKey(target, NamedKeyCalled(QStringView(script).mid(i + 1, end - i - 1)));
            i = end;
        } else if (c.unicode() < 128) {
            QTest::keyClick(target, char(c.unicode()));
        } else {
            // A key of another layout: its key code is of no concern here.
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

void Calculator::key(Qt::Key key, Qt::KeyboardModifiers modifiers) const
{
    QWidget *target = focus();
    if (!target)
        qFatal("nothing holds the focus");
    QTest::keyClick(target, key, modifiers);
    QCoreApplication::sendPostedEvents();
}

QImage Calculator::grab() const { return form1_->grab().toImage(); }

QString ToQString(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QString ExpectedGroupSeparator()
{
    const QByteArray locale = qgetenv("LC_ALL");
    if (locale == "ru_RU.UTF-8")
        return QString(QChar(0x00A0));
    if (locale == "en_US.UTF-8")
        return QStringLiteral(",");
    if (locale == "de_DE.UTF-8")
        return QStringLiteral(".");
    if (locale == "C.UTF-8")  // Qt's C locale groups with ','
        return QStringLiteral(",");
    return {};
}

QString ShownCaption(const worked::Result &row, const QString &separator)
{
    return QString::fromUtf8(row.shown).replace(QChar(0x00A0), separator);
}

bool HasPixel(const QImage &shot, const QRect &area, QColor colour)
{
    const QRect inside = area & shot.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if ((shot.pixel(x, y) & 0xFFFFFF) == (colour.rgb() & 0xFFFFFF))
                return true;
    return false;
}

bool HasPixelNear(const QImage &shot, const QRect &area, QRgb colour)
{
    constexpr int kTolerance = 30;
    const int cast = qBlue(colour) - qGreen(colour);
    const QRect inside = area & shot.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QRgb p = shot.pixel(x, y);
            if (qAbs(qRed(p) - qRed(colour)) <= kTolerance && qAbs(qGreen(p) - qGreen(colour)) <= kTolerance &&
                qAbs(qBlue(p) - qBlue(colour)) <= kTolerance && qBlue(p) - qGreen(p) >= cast / 2)
                return true;
        }
    return false;
}

QString DescribePixel(QRgb pixel)
{
    return QStringLiteral("(%1, %2, %3, alpha %4)")
        .arg(qRed(pixel))
        .arg(qGreen(pixel))
        .arg(qBlue(pixel))
        .arg(qAlpha(pixel));
}

bool ShowsPicture(const QImage &shot, QPoint at, const QImage &picture, const QRect &within,
                  const QList<QRect> &leftOut, int atLeast)
{
    const QImage pic = picture.convertToFormat(QImage::Format_ARGB32);
    int compared = 0;
    for (int y = 0; y < pic.height(); ++y)
        for (int x = 0; x < pic.width(); ++x) {
            const QRgb p = pic.pixel(x, y);
            const QPoint s = at + QPoint(x, y);
            if (qAlpha(p) != 255 || !shot.rect().contains(s) || (within.isValid() && !within.contains(s)) ||
                std::any_of(leftOut.begin(), leftOut.end(), [&](const QRect &r) { return r.contains(s); }))
                continue;
            if ((shot.pixel(s) & 0xFFFFFF) != (p & 0xFFFFFF))
                return false;
            ++compared;
        }
    return compared >= atLeast;
}

QPoint CentredIn(const QRect &control, const QSize &picture)
{
    return control.topLeft() +
           QPoint((control.width() - picture.width()) / 2, (control.height() - picture.height()) / 2);
}

QImage DrawnAlone(QWidget *control)
{
    QImage image(control->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    control->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}

QRect InkBounds(const QImage &image, const QRect &area, QRgb ground)
{
    QRect ink;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != ground)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

UrlCatcher::UrlCatcher()
{
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open");
}

UrlCatcher::~UrlCatcher()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
}
