// The window's keys. They work wherever the focus is in the window, an
// input field or the off-window field, and screen readers hear each as the
// key binding of the control whose click it does:
//
//   Ctrl+PgDn, Ctrl+Tab        the next profile kind (after the beam, the pipe)
//   Ctrl+PgUp, Ctrl+Shift+Tab  the previous one
//   Ctrl+1 .. Ctrl+9, Ctrl+0   the kind of that place in the menu
//   F4, Alt+Down               the material list: Up and Down move the
//                              highlight, Enter chooses, Esc closes
//   F3                         the size list of the kind
//   Alt+1, Alt+2               length (for the sheet area) and mass mode,
//                              as the calculator's modes are numbered
//   Ctrl+C                     with no selection in the field: copies the result
//   Menu, Shift+F10            the result's menu: copy it, or the calculation,
//                              or add it to the list
//   Insert                     adds the calculation to the list
//   Ctrl+L                     opens the list
//   Alt+Space                  the window's menu: stay on top
//
// The keys that type into a field keep their meaning there.
#include "mainunit.h"
#include "materiallist.h"
#include "menus.h"

#include <QApplication>
#include <QKeyEvent>
#include <QShortcut>

using namespace metal;

namespace {

// Takes the keys that belong to the window before the field under the
// focus sees them: the material list's while it is open, and copying.
class FieldKeys : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        if (Form1->Panel1->isVisible() && key->modifiers() == Qt::NoModifier) {
            switch (key->key()) {
            case Qt::Key_Up:
                MoveMaterialHighlight(-1);
                return true;
            case Qt::Key_Down:
                MoveMaterialHighlight(1);
                return true;
            case Qt::Key_Return:
            case Qt::Key_Enter:
                ChooseHighlightedMaterial();
                return true;
            case Qt::Key_Escape:
                CloseDropDowns();
                return true;
            default:
                break;
            }
        }
        // Without a selection, Ctrl+C copies the result; over a selection
        // it stays the character that the field's key filter refuses. The
        // off-window field shows nothing to select.
        auto *field = static_cast<ui::Edit *>(watched);
        if (key->matches(QKeySequence::Copy) && (field == Form1->Edit4 || !field->hasSelectedText())) {
            CopyResult();
            return true;
        }
        return false;
    }
};

QShortcut *Key(TForm1 *form, const QKeySequence &sequence, std::function<void()> action)
{
    auto *shortcut = new QShortcut(sequence, form);
    QObject::connect(shortcut, &QShortcut::activated, form, std::move(action));
    return shortcut;
}

QString KeyText(const QKeySequence &sequence) { return sequence.toString(QKeySequence::NativeText); }

}  // namespace

void TForm1::InstallKeys()
{
    auto *fieldKeys = new FieldKeys(this);
    for (ui::Edit *field : findChildren<ui::Edit *>())
        field->installEventFilter(fieldKeys);

    const auto stepKind = [this](int step) {
        SetKind(static_cast<ProfileKind>((CurrentKind - 1 + step + kKindCount) % kKindCount + 1));
    };
    for (const QKeySequence &next : {QKeySequence(Qt::CTRL | Qt::Key_PageDown), QKeySequence(Qt::CTRL | Qt::Key_Tab)})
        Key(this, next, [stepKind] { stepKind(1); });
    for (const QKeySequence &previous :
         {QKeySequence(Qt::CTRL | Qt::Key_PageUp), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
          QKeySequence(Qt::CTRL | Qt::Key_Backtab)})
        Key(this, previous, [stepKind] { stepKind(-1); });
    for (int kind = pkPipe; kind <= pkBeam; ++kind) {
        const QKeySequence sequence(Qt::CTRL | (kind == pkBeam ? Qt::Key_0 : Qt::Key(Qt::Key_0 + kind)));
        Key(this, sequence, [this, kind] { SetKind(static_cast<ProfileKind>(kind)); });
        MenuItems()[static_cast<std::size_t>(kind) - 1]->setKeyBinding(KeyText(sequence));
    }

    const QKeySequence materials(Qt::Key_F4);
    Key(this, materials, [] { OpenMaterialListByKey(); });
    Key(this, QKeySequence(Qt::ALT | Qt::Key_Down), [] { OpenMaterialListByKey(); });
    Image2->setKeyBinding(KeyText(materials));
    Label1->setKeyBinding(KeyText(materials));

    const QKeySequence sizes(Qt::Key_F3);
    Key(this, sizes, [this] {
        if (Image14->isVisible())
            SizeBoxClick(Image14);
    });
    Image14->setKeyBinding(KeyText(sizes));
    Label35->setKeyBinding(KeyText(sizes));

    const QKeySequence length(Qt::ALT | Qt::Key_1), mass(Qt::ALT | Qt::Key_2);
    Key(this, length, [this] { SetMassMode(false); });
    Key(this, mass, [this] { SetMassMode(true); });
    Label12->setKeyBinding(KeyText(length));
    Label13->setKeyBinding(KeyText(mass));

    const QKeySequence add(Qt::Key_Insert), list(Qt::CTRL | Qt::Key_L);
    Key(this, add, [this] { AddToList(); });
    Key(this, list, [this] { OpenList(); });
    Label38->setKeyBinding(KeyText(add));
    Label39->setKeyBinding(KeyText(list));

    for (const QKeySequence &menu : {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)})
        Key(this, menu, [this] { Label32->askForMenu(Label32->mapToGlobal(Label32->rect().bottomLeft())); });
    Key(this, QKeySequence(Qt::ALT | Qt::Key_Space), [this] { Image1->askForMenu(mapToGlobal(QPoint(10, 10))); });
}
