#include "accessibleplaces.h"
#include "controls.h"

#include <QAccessibleWidget>
#include <QFontMetrics>

namespace ui {

namespace {

// An input field, named by the caption of its row. The field that holds the
// focus outside the window, when no row should, shows nothing: it stands for
// the window itself and takes its title. Offers no way to write into the
// field other than typing, which passes the field's key filter.
class FieldInterface : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit FieldInterface(Edit *edit) : QAccessibleWidget(edit, QAccessible::EditableText) {}
    Edit *edit() const { return static_cast<Edit *>(object()); }

    QRect rect() const override { return ScreenPlace(edit()); }

    bool outsideWindow() const
    {
        const QWidget *window = edit()->window();
        return !window->rect().intersects(QRect(edit()->mapTo(window, QPoint()), edit()->size()));
    }
    QString shown() const { return outsideWindow() ? QString() : edit()->text(); }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return shown();
        if (t == QAccessible::Name && edit()->labelledBy())
            return edit()->labelledBy()->shownText();
        if (t == QAccessible::Name && outsideWindow())
            return edit()->window()->windowTitle();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        state.selectableText = true;
        return state;
    }

    Relations relations(QAccessible::Relation match) const override
    {
        return CaptionRelation(edit()->labelledBy(), match);
    }

    // The text, as the field shows it.
    QString text(int startOffset, int endOffset) const override
    {
        if (startOffset > endOffset)
            return {};
        return shown().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(shown().size()); }
    int cursorPosition() const override { return outsideWindow() ? 0 : edit()->cursorPosition(); }
    void setCursorPosition(int position) override { edit()->setCursorPosition(position); }
    int selectionCount() const override { return edit()->hasSelectedText() && !outsideWindow() ? 1 : 0; }
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (selectionIndex != 0 || selectionCount() == 0)
            return;
        *startOffset = edit()->selectionStart();
        *endOffset = *startOffset + int(edit()->selectedText().size());
    }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int) override { edit()->deselect(); }
    void setSelection(int, int startOffset, int endOffset) override
    {
        edit()->setSelection(startOffset, endOffset - startOffset);
    }
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return {};
    }
    // The fields hold five characters at most, left aligned: they never
    // scroll.
    QRect characterRect(int offset) const override
    {
        const QString ch = text(offset, offset + 1);
        if (ch.isEmpty())
            return {};
        const QFontMetrics metrics(edit()->font());
        const QRect inside = edit()->contentsRect().marginsRemoved(edit()->textMargins());
        const QRect box(inside.left() + 2 + metrics.horizontalAdvance(shown().left(offset)),
                        inside.top() + (inside.height() - metrics.height()) / 2, metrics.horizontalAdvance(ch),
                        metrics.height());
        return ToScreen(edit(), box);
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return outsideWindow() ? -1 : edit()->cursorPositionAt(FromScreen(edit(), point));
    }
    void scrollToSubstring(int, int) override {}
};

}  // namespace

QAccessibleInterface *NewFieldInterface(Edit *edit) { return new FieldInterface(edit); }

}  // namespace ui
