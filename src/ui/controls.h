// The small control classes the window is built from. They give Qt widgets
// the behaviour the window relies on: labels and pictures that never take the
// focus, notify clicks and pointer moves and lie transparently over what is
// beneath; edit fields with a per-character filter and enter/exit
// notifications that ignore the window's own activation; plain panels.
#pragma once

#include <QAccessible>
#include <QColor>
#include <QLineEdit>
#include <QPixmap>
#include <QWidget>

#include <functional>

namespace ui {

class Label;

// Colours are given as 0x00BBGGRR, so 255 is pure red.
constexpr QRgb Bgr(quint32 bgr) { return qRgb(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }
// The control background and text colours. Fixed rather than taken from the
// desktop theme: every control lies over a painted background picture.
inline constexpr QRgb kButtonFace = qRgb(240, 240, 240);
inline constexpr QRgb kWindowText = qRgb(0, 0, 0);

// A control without a window of its own: label, picture or panel. It takes
// no focus, swallows the pointer events over it (so the control beneath
// never sees them) and reports them. A left press captures the pointer until
// its release; a click is a left release inside after a left press.
class Control : public QWidget {
    Q_OBJECT
public:
    explicit Control(QWidget *parent);

    int Tag = 0;
    QString Hint;  // data only, never shown

    // For assistive technology (accessibility.h): what the control is; its
    // name when it shows no text of its own (else its tool tip); for a
    // choice, whether it is the current one. A control without a role only
    // decorates.
    void setAccessibleRole(QAccessible::Role role) { role_ = role; }
    QAccessible::Role accessibleRole() const { return role_; }
    void setSpokenName(const QString &name);
    QString spokenName() const;
    // What the control holds, for a control named by what it is (the size
    // box: the chosen designation); and the key that does what its click
    // does.
    void setSpokenDescription(const QString &description);
    QString spokenDescription() const { return spokenDescription_; }
    void setKeyBinding(const QString &key) { keyBinding_ = key; }
    QString keyBinding() const { return keyBinding_; }
    void setCurrentWhen(std::function<bool()> current) { current_ = std::move(current); }
    bool isChoice() const { return bool(current_); }
    bool isCurrent() const { return current_ && current_(); }
    // The label that captions the control, if any (Label::setBuddy).
    Label *labelledBy() const { return labelledBy_; }
    // What a left click on the control does.
    void click() { emit clicked(); }
    // The control has a context menu: a right click, the menu key or a
    // screen reader's ShowMenu asks for it at a point of the screen.
    void setHasMenu(bool hasMenu) { hasMenu_ = hasMenu; }
    bool hasMenu() const { return hasMenu_; }
    void askForMenu(QPoint globalPos) { emit menuRequested(globalPos); }

signals:
    void clicked();
    void mouseEntered();
    void mouseLeft();
    void mousePressed(Qt::MouseButton button, QPoint pos);
    void mouseMoved(QPoint pos);
    void mouseReleased(Qt::MouseButton button, QPoint pos);
    void menuRequested(QPoint globalPos);

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    friend class Label;
    bool leftPressed_ = false;
    QAccessible::Role role_ = QAccessible::NoRole;
    QString spokenName_;
    QString spokenDescription_;
    QString keyBinding_;
    bool hasMenu_ = false;
    std::function<bool()> current_;
    Label *labelledBy_ = nullptr;
};

class Label : public Control {
    Q_OBJECT
public:
    enum class Justify { Left, Right, Center };
    enum class Layout { Top, Center };

    explicit Label(QWidget *parent);

    // A carriage return in the caption starts a new line.
    void setCaption(const QString &caption);
    QString caption() const { return caption_; }
    // The caption with its line breaks as the label shows them.
    QString shownText() const { return shown_; }
    // The label captions another control: a field, or the result.
    void setBuddy(QWidget *buddy);
    QWidget *buddy() const { return buddy_; }
    void setFontColor(QColor color);
    QColor fontColor() const { return fontColor_; }
    // Opaque labels fill themselves with the background colour.
    void setTransparent(bool transparent);
    bool isTransparent() const { return transparent_; }
    void setBackgroundColor(QColor color);
    QColor backgroundColor() const { return background_; }
    void setJustify(Justify justify);
    void setLayout(Layout layout);
    // An auto-sized label takes the size of its caption; a right-justified
    // one keeps its right edge, every other one its left edge.
    void setAutoSize(bool autoSize);
    bool autoSize() const { return autoSize_; }
    QSize captionSize() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void adjustToCaption();

    QString caption_;
    QString shown_;  // the caption with its line breaks as Qt draws them
    QColor fontColor_ = QColor(kWindowText);
    QColor background_ = QColor(kButtonFace);
    bool transparent_ = true;
    bool autoSize_ = false;
    QWidget *buddy_ = nullptr;
    Justify justify_ = Justify::Left;
    Layout layout_ = Layout::Top;
};

class Image : public Control {
    Q_OBJECT
public:
    explicit Image(QWidget *parent);

    // The control keeps its own copy of the picture.
    void setPicture(const QPixmap &picture);
    // One of the program's pictures by name, decoded when first shown.
    void setPictureName(const QString &name);
    const QPixmap &picture() const;
    // Unscaled at the top-left corner unless centred.
    void setCenter(bool center);
    bool center() const { return center_; }
    // The control follows its parent's size.
    void setFillParent(bool fill);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    mutable QPixmap picture_;
    mutable QString pending_;  // a picture not yet needed
    bool center_ = false;
    bool fillParent_ = false;
};

class Panel : public Control {
    Q_OBJECT
public:
    explicit Panel(QWidget *parent);
    void setColor(QColor color);
    QColor color() const { return color_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor color_ = QColor(kButtonFace);
};

// A single-line edit field. Every typed character passes through keyPress,
// whose handler may replace it, or discard it by setting it to the null
// character. Keys that type no character (arrows, Home, End, Delete, Tab)
// work as in any field. entered and exited follow the focus moving between
// the window's controls, not the window's own activation or a context menu.
class Edit : public QLineEdit {
    Q_OBJECT
public:
    explicit Edit(QWidget *parent);

    // Whether the field holds the window's focus, also while the window is
    // in the background.
    bool Focused() const { return focused_; }
    // The caption of the field's row, if it has one (Label::setBuddy).
    Label *labelledBy() const { return labelledBy_; }

signals:
    void keyPress(QChar &key);
    void changed();
    void entered();
    void exited();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QString filter(const QString &typed);
    void setFocused(bool focused);
    void finishEntry();

    friend class Label;
    bool focused_ = false;
    bool entryPending_ = false;
    Label *labelledBy_ = nullptr;
};

}  // namespace ui
