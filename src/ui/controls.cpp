#include "controls.h"

#include "accessibility.h"
#include "pictures.h"

#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace ui {

Control::Control(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);  // moves are reported with no button held, too
}

void Control::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        leftPressed_ = true;
    emit mousePressed(event->button(), event->position().toPoint());
}

void Control::mouseMoveEvent(QMouseEvent *event) { emit mouseMoved(event->position().toPoint()); }

void Control::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    emit mouseReleased(event->button(), pos);
    if (event->button() == Qt::LeftButton && leftPressed_) {
        leftPressed_ = false;
        if (rect().contains(pos))
            emit clicked();
    }
}

// A double click is a second press: it must not be lost to the parent.
void Control::mouseDoubleClickEvent(QMouseEvent *event) { mousePressEvent(event); }

void Control::contextMenuEvent(QContextMenuEvent *event)
{
    if (!hasMenu_) {
        event->ignore();
        return;
    }
    emit menuRequested(event->globalPos());
}

void Control::enterEvent(QEnterEvent *) { emit mouseEntered(); }

void Control::setSpokenName(const QString &name)
{
    if (name == spokenName_)
        return;
    spokenName_ = name;
    NotifyNameChanged(this);
}

QString Control::spokenName() const { return spokenName_.isEmpty() ? toolTip() : spokenName_; }

void Control::setSpokenDescription(const QString &description)
{
    if (description == spokenDescription_)
        return;
    spokenDescription_ = description;
    NotifyDescriptionChanged(this);
}

void Control::leaveEvent(QEvent *) { emit mouseLeft(); }

Label::Label(QWidget *parent) : Control(parent) { setAccessibleRole(QAccessible::StaticText); }

void Label::setCaption(const QString &caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    // Qt reads '\r' as a space; the caption keeps it, the display breaks there.
    shown_ = caption;
    shown_.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    adjustToCaption();
    update();
    NotifyCaptionChanged(this);
}

void Label::setBuddy(QWidget *buddy)
{
    buddy_ = buddy;
    if (auto *edit = qobject_cast<Edit *>(buddy))
        edit->labelledBy_ = this;
    else if (auto *control = qobject_cast<Control *>(buddy))
        control->labelledBy_ = this;
}

void Label::setFontColor(QColor color)
{
    if (color == fontColor_)
        return;
    fontColor_ = color;
    update();
}

void Label::setTransparent(bool transparent)
{
    if (transparent == transparent_)
        return;
    transparent_ = transparent;
    update();
}

void Label::setBackgroundColor(QColor color)
{
    if (color == background_)
        return;
    background_ = color;
    if (!transparent_)
        update();
}

void Label::setJustify(Justify justify)
{
    justify_ = justify;
    update();
}

void Label::setLayout(Layout layout)
{
    layout_ = layout;
    update();
}

void Label::setAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    adjustToCaption();
}

namespace {

int TextFlags(Label::Justify justify, Label::Layout layout)
{
    int flags = Qt::TextIncludeTrailingSpaces;
    flags |= justify == Label::Justify::Left    ? Qt::AlignLeft
             : justify == Label::Justify::Right ? Qt::AlignRight
                                                : Qt::AlignHCenter;
    flags |= layout == Label::Layout::Top ? Qt::AlignTop : Qt::AlignVCenter;
    return flags;
}

}  // namespace

QSize Label::captionSize() const
{
    const QFontMetrics metrics(font());
    if (shown_.isEmpty())
        return {0, metrics.height()};
    return metrics.boundingRect(QRect(), TextFlags(justify_, Layout::Top), shown_).size();
}

void Label::adjustToCaption()
{
    if (!autoSize_)
        return;
    const QSize size = captionSize();
    const int left = justify_ == Justify::Right ? geometry().right() + 1 - size.width() : x();
    setGeometry(left, y(), size.width(), size.height());
}

void Label::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        adjustToCaption();
    Control::changeEvent(event);
}

void Label::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!transparent_)
        painter.fillRect(rect(), background_);
    if (shown_.isEmpty())
        return;
    painter.setPen(fontColor_);
    painter.drawText(rect(), TextFlags(justify_, layout_), shown_);
}

Image::Image(QWidget *parent) : Control(parent) {}

void Image::setPicture(const QPixmap &picture)
{
    pending_.clear();
    picture_ = picture;
    update();
}

void Image::setPictureName(const QString &name)
{
    picture_ = QPixmap();
    pending_ = name;
    update();
}

const QPixmap &Image::picture() const
{
    if (!pending_.isEmpty()) {
        picture_ = Picture(pending_, devicePixelRatioF());
        pending_.clear();
    }
    return picture_;
}

void Image::setCenter(bool center)
{
    center_ = center;
    update();
}

void Image::setFillParent(bool fill)
{
    if (fill == fillParent_ || !parentWidget())
        return;
    fillParent_ = fill;
    if (fill) {
        parentWidget()->installEventFilter(this);
        setGeometry(parentWidget()->rect());
    } else {
        parentWidget()->removeEventFilter(this);
    }
}

bool Image::eventFilter(QObject *watched, QEvent *event)
{
    if (fillParent_ && watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return Control::eventFilter(watched, event);
}

void Image::paintEvent(QPaintEvent *)
{
    const QPixmap &shown = picture();
    if (shown.isNull())
        return;
    QPainter painter(this);
    // A twin drawn for ratio 2 on a screen of 1.25 or 1.5 is reduced
    // smoothly, never by dropping pixels.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, shown.devicePixelRatio() != devicePixelRatioF());
    // Integer halves as the picture is placed: a wider picture is cut
    // equally at both ends.
    const QSize size = shown.deviceIndependentSize().toSize();
    const QPoint at = center_ ? QPoint((width() - size.width()) / 2, (height() - size.height()) / 2) : QPoint();
    if (!shown.hasAlphaChannel() && shown.devicePixelRatio() == devicePixelRatioF()) {
        // An opaque picture is stored as RGB888 (picturepack), which Qt
        // draws onto the window by converting rows, and spreads over threads
        // of its own from about a hundred rows on: drawn in bands of fewer,
        // the background starts no thread, at the same speed.
        constexpr int kBand = 64;
        for (int y = 0; y < shown.height(); y += kBand)
            painter.drawPixmap(QPointF(at) + QPointF(0, y / shown.devicePixelRatio()), shown,
                               QRectF(0, y, shown.width(), std::min(kBand, shown.height() - y)));
        return;
    }
    painter.drawPixmap(at, shown);
}

Panel::Panel(QWidget *parent) : Control(parent) {}

void Panel::setColor(QColor color)
{
    color_ = color;
    update();
}

void Panel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), color_);
}

Edit::Edit(QWidget *parent) : QLineEdit(parent)
{
    setAcceptDrops(false);
    connect(this, &QLineEdit::textChanged, this, &Edit::changed);
}

QString Edit::filter(const QString &typed)
{
    QString passed;
    for (QChar key : typed) {
        emit keyPress(key);
        if (!key.isNull())
            passed.append(key);
    }
    return passed;
}

void Edit::keyPressEvent(QKeyEvent *event)
{
    finishEntry();
    const auto modifiers = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const int key = event->key();

    // The character the keys type: Backspace types 8, Ctrl with a letter the
    // control characters 1 .. 26 (Ctrl+V is 22, so pasting by keyboard is a
    // typed character like any other), Ctrl+Backspace 127. Delete types
    // nothing, though X11 gives it the text DEL.
    QString typed;
    if (key == Qt::Key_Backspace)
        typed = QChar(modifiers == Qt::ControlModifier ? 127 : 8);
    else if (modifiers == Qt::ControlModifier && key >= Qt::Key_A && key <= Qt::Key_Z)
        typed = QChar(key - Qt::Key_A + 1);
    else if (modifiers == Qt::NoModifier && key != Qt::Key_Delete)
        typed = event->text();
    else if (!event->text().isEmpty() && event->text().front().isPrint()) {
        event->accept();  // Alt or Meta with a character key types nothing
        return;
    }

    if (typed.isEmpty()) {  // arrows, Home, End, Delete, Tab...
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QString passed = filter(typed);
    if (passed.isEmpty()) {
        event->accept();
        return;
    }
    if (passed == typed && (modifiers == Qt::NoModifier || key == Qt::Key_Backspace)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // The filter changed the character, or let a control combination through
    // as the character it types: give the field that character instead.
    if (passed == QStringLiteral("\b")) {
        QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier, passed);
        QLineEdit::keyPressEvent(&backspace);
    } else {
        QKeyEvent replaced(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, passed);
        QLineEdit::keyPressEvent(&replaced);
    }
    event->accept();
}

void Edit::inputMethodEvent(QInputMethodEvent *event)
{
    finishEntry();
    if (event->commitString().isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(filter(event->commitString()), event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
}

void Edit::setFocused(bool focused)
{
    if (focused == focused_)
        return;
    focused_ = focused;
    if (focused) {
        // The entry waits until Qt has told screen readers of the focus,
        // which it does only once the focus-in is handled: a field that
        // changed its text first is taken as known and never named. It
        // runs once the event at hand is done, and at the latest before
        // the first key the field takes.
        entryPending_ = true;
        QMetaObject::invokeMethod(this, &Edit::finishEntry, Qt::QueuedConnection);
    } else {
        entryPending_ = false;
        emit exited();
    }
}

void Edit::finishEntry()
{
    if (!entryPending_)
        return;
    entryPending_ = false;
    emit entered();
}

void Edit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    // The focus may have moved while the window was in the background, when
    // Qt tells the fields nothing: the field that had it leaves now.
    for (Edit *other : window()->findChildren<Edit *>())
        if (other != this)
            other->setFocused(false);
    setFocused(true);
}

void Edit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        setFocused(false);
}

}  // namespace ui
