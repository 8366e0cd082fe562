// The calculator as a person meets it, for the window tests: both windows
// created as the program creates them, the main one shown and active, and
// ways to click, point and type through the real window; the controls by the
// roles the tests speak of (row r, the menu item of a kind); and ways to tell
// what a grab of the window shows.
#pragma once

#include "mainunit.h"
#include "picunit.h"
#include "workedresults.h"

#include <QTest>
#include <QUrl>

#include <array>
#include <memory>
#include <span>

// Takes the web addresses that the window asks the desktop to open, for as
// long as it lives, so that no browser is started.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    UrlCatcher();
    ~UrlCatcher() override;
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls.append(url); }
};

// The controls by their roles, named as the window's layout table
// (layout::Table()) names them: the field of input row r (0 .. 4, top to
// bottom: the fields that compute, by their places) and the caption on its
// line at its left; the profile menu's item of a kind (1 .. 10, the kind its
// Hint holds) and the material list's item of a material (1 .. 11, its Tag).
const char *RowFieldName(int r);
const char *RowCaptionName(int r);
const char *MenuItemName(int kind);
const char *ListItemName(int material);

// A point of the window's background that no control covers.
inline constexpr QPoint kBackground(300, 120);

// A key as a keyboard sends it: the key, its modifiers and the text it types
// (X11 gives Delete the DEL character, Ctrl with a letter the control
// character of the letter).
struct NamedKey {
    const char *name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char16_t *text;
};
// The keys besides the digits that the tests and the monkey press; and one
// of those or of the window's keys (F4, Ctrl+PgDn...) by its name
// ("Shift+Home"), as a key script names it.
std::span<const NamedKey> NamedKeys();
const NamedKey &NamedKeyCalled(QStringView name);
// A press and release of the key at the control.
void SendKey(QWidget *target, const NamedKey &key);

// A left click at the centre of a control, delivered through its window to
// whatever lies there, as a real pointer's would be.
void ClickOn(const QWidget *control);
// Clicks into the field, removes what it holds and types the text.
void ReplaceText(ui::Edit *field, const QString &text);

class Calculator {
public:
    Calculator();
    ~Calculator();
    Calculator(const Calculator &) = delete;
    Calculator &operator=(const Calculator &) = delete;

    TForm1 &form() const { return *form1_; }
    TForm2 &store() const { return *form2_; }

    // A control of the main window by its name ("Label32").
    template <class T = QWidget> T *find(const char *name) const
    {
        T *control = form1_->findChild<T *>(QLatin1String(name));
        if (!control)
            qFatal("no control %s", name);
        return control;
    }

    // The field of input row r (0 .. 4, top to bottom) and its caption.
    ui::Edit *row(int r) const;
    ui::Label *rowCaption(int r) const;
    // The profile menu's item of a kind (1 .. 10, as the menu lists them).
    ui::Label *menuItem(int kind) const;
    // The material list's item of a material (1 .. 11, as the list shows
    // them from the top).
    ui::Label *materialItem(int material) const;
    ui::Label *result() const { return find<ui::Label>("Label32"); }
    // The size box under the kind's title (the drop-down button that screen
    // readers call "Типоразмер"), its text (the chosen designation, "по
    // размерам" while there is none), the line under it that names the
    // rule, the list of sizes that it opens and the list's search line.
    ui::Image *sizeBox() const { return find<ui::Image>("Image14"); }
    ui::Label *sizeBoxText() const { return find<ui::Label>("Label35"); }
    ui::Label *sizeRule() const { return find<ui::Label>("Label36"); }
    ui::Panel *sizeList() const { return find<ui::Panel>("Panel4"); }
    ui::Label *sizeSearch() const { return find<ui::Label>("Label37"); }
    // The picture store's picture of a file ("kind-pipe.png").
    QImage storePicture(const QString &file) const;

    // Pointer actions at a place in the window, delivered to whatever control
    // lies there, as a real pointer's would be.
    void click(QPoint at, Qt::MouseButton button = Qt::LeftButton) const;
    void press(QPoint at, Qt::MouseButton button = Qt::LeftButton) const;
    void release(QPoint at, Qt::MouseButton button = Qt::LeftButton) const;
    void pointAt(QPoint at) const;
    // The centre of a control, in window coordinates.
    QPoint centreOf(const QWidget *control) const;
    void click(const QWidget *control) const { click(centreOf(control)); }
    // A control's rectangle in window coordinates.
    QRect placeOf(const QWidget *control) const;
    // The pointer comes into the window over its background. Two moves: a
    // move to where the pointer already is reports nothing, and the first
    // move into a window gives no control the pointer's entry.
    void enterWindow() const;

    // A person's choices: the kind by its menu item, the material by the box
    // and then its item in the list, the mode by its zone of the toggle (the
    // left one is length, for the sheet area, the right one mass).
    void selectKind(int kind) const { click(menuItem(kind)); }
    void chooseMaterial(int material) const;
    void selectMode(bool mass) const { click(find(mass ? "Label13" : "Label12")); }

    // Clicks into the field (the focus moves there) and types the keys.
    void typeInto(ui::Edit *field, const QString &keys) const;
    // Clicks into every row whose text is not "0", from the top down, and
    // types the text (entering a field that holds "0" empties it); the
    // quantity, the lowest row of a kind, comes last.
    void typeFields(const metal::FieldTexts &fields) const;
    // Clicks into the field, removes what it holds and types the text.
    void replaceText(ui::Edit *field, const QString &text) const;
    // Types into whatever holds the focus, any letters.
    void type(const QString &keys) const;
    // Types a key script into whatever holds the focus: every character is
    // one key typing it, a name in braces one named key ("12{Home}{Delete}").
    void typeScript(const QString &script) const;
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const;
    QWidget *focus() const { return QApplication::focusWidget(); }

    // What the window shows, as a picture.
    QImage grab() const;

private:
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TForm2> form2_;
};

// A text of the core as Qt holds it.
QString ToQString(std::string_view text);

// The thousands separator of the locale the test runs under (LC_ALL), by
// which the window groups its results; empty for a locale not known here.
QString ExpectedGroupSeparator();
// What the result label shows for a worked result, its groups of three apart
// by the separator.
QString ShownCaption(const worked::Result &row, const QString &separator);

// Whether some pixel inside the area of a grab has the colour.
bool HasPixel(const QImage &shot, const QRect &area, QColor colour);
// Whether some pixel inside the area comes close to the colour. Text is drawn
// smoothed: some of its pixels come close to its colour, not all reach it.
// Close means within 30 in every channel and with at least half the colour's
// cast of blue over green, which no grey has.
bool HasPixelNear(const QImage &shot, const QRect &area, QRgb colour);
// A pixel for a failure message: "(r, g, b, alpha a)".
QString DescribePixel(QRgb pixel);

// Whether the picture is on screen with its top-left corner at `at`: every
// fully opaque pixel of it that lies inside the grab, inside `within` (when
// given) and outside the rectangles left out (where other controls cover it)
// has its colour there, and at least `atLeast` of them lie there.
bool ShowsPicture(const QImage &shot, QPoint at, const QImage &picture, const QRect &within = QRect(),
                  const QList<QRect> &leftOut = {}, int atLeast = 1);
// Where a picture centred in a control lands (integer halves).
QPoint CentredIn(const QRect &control, const QSize &picture);

// A control as it draws itself over nothing: transparent wherever it draws
// no ink.
QImage DrawnAlone(QWidget *control);
// The bounding box of the pixels inside the area that differ from the ground.
QRect InkBounds(const QImage &image, const QRect &area, QRgb ground);
