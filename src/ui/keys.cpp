// The window's keys: their table (keys.h says how to read it), the
// shortcuts and key bindings made from it, and the filter through which the
// fields hand the window its keys before they see them. The keys that type
// into a field keep their meaning there.
#include "keys.h"
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

void StepKind(TForm1 &form, int step)
{
    form.SetKind(static_cast<ProfileKind>((CurrentKind - 1 + step + kKindCount) % kKindCount + 1));
}

}  // namespace

const std::vector<keys::KeySpec> &keys::Table()
{
    static const std::vector<KeySpec> rows{
        // From field to field, as the layout table orders them.
        {.keys = {Qt::Key_Tab, Qt::SHIFT | Qt::Key_Backtab}},
        {.keys = {Qt::CTRL | Qt::Key_PageDown, Qt::CTRL | Qt::Key_Tab},
         .press = [](TForm1 &form, std::size_t) { StepKind(form, 1); }},
        // Some keyboards report Ctrl+Shift+Tab without its Shift.
        {.keys = {Qt::CTRL | Qt::Key_PageUp, Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, Qt::CTRL | Qt::Key_Backtab},
         .press = [](TForm1 &form, std::size_t) { StepKind(form, -1); }},
        // The kind at that place in the menu: the tenth is 0.
        {.keys = {Qt::CTRL | Qt::Key_1, Qt::CTRL | Qt::Key_2, Qt::CTRL | Qt::Key_3, Qt::CTRL | Qt::Key_4,
                  Qt::CTRL | Qt::Key_5, Qt::CTRL | Qt::Key_6, Qt::CTRL | Qt::Key_7, Qt::CTRL | Qt::Key_8,
                  Qt::CTRL | Qt::Key_9, Qt::CTRL | Qt::Key_0},
         .press = [](TForm1 &form, std::size_t k) { form.SetKind(static_cast<ProfileKind>(k + 1)); },
         .clicks = [](const TForm1 &form, std::size_t k) -> std::vector<ui::Control *> {
             return {form.MenuItems().at(k)};
         }},
        {.keys = {Qt::Key_F4, Qt::ALT | Qt::Key_Down},
         .press = [](TForm1 &, std::size_t) { OpenMaterialListByKey(); },
         .clicks = [](const TForm1 &form, std::size_t) -> std::vector<ui::Control *> {
             return {form.Image2, form.Label1};
         }},
        {.keys = {Qt::Key_F3},
         .press =
             [](TForm1 &form, std::size_t) {
                 if (form.Image14->isVisible())
                     form.SizeBoxClick(form.Image14);
             },
         .clicks = [](const TForm1 &form, std::size_t) -> std::vector<ui::Control *> {
             return {form.Image14, form.Label35};
         }},
        // Length (for the sheet area), then mass, as the calculator's modes
        // are numbered.
        {.keys = {Qt::ALT | Qt::Key_1, Qt::ALT | Qt::Key_2},
         .press = [](TForm1 &form, std::size_t k) { form.SetMassMode(k == 1); },
         .clicks = [](const TForm1 &form, std::size_t k) -> std::vector<ui::Control *> {
             return {k == 1 ? form.Label13 : form.Label12};
         }},
        // Copying the result: FieldKeys above.
        {.keys = {Qt::CTRL | Qt::Key_C}},
        {.keys = {Qt::Key_Menu, Qt::SHIFT | Qt::Key_F10},
         .press =
             [](TForm1 &form, std::size_t) {
                 form.Label32->askForMenu(form.Label32->mapToGlobal(form.Label32->rect().bottomLeft()));
             }},
        {.keys = {Qt::Key_Insert},
         .press = [](TForm1 &form, std::size_t) { form.AddToList(); },
         .clicks = [](const TForm1 &form, std::size_t) -> std::vector<ui::Control *> { return {form.Label38}; }},
        {.keys = {Qt::CTRL | Qt::Key_L},
         .press = [](TForm1 &form, std::size_t) { form.OpenList(); },
         .clicks = [](const TForm1 &form, std::size_t) -> std::vector<ui::Control *> { return {form.Label39}; }},
        {.keys = {Qt::ALT | Qt::Key_Space},
         .press = [](TForm1 &form, std::size_t) { form.Image1->askForMenu(form.mapToGlobal(QPoint(10, 10))); }},
    };
    return rows;
}

void TForm1::InstallKeys()
{
    auto *fieldKeys = new FieldKeys(this);
    for (ui::Edit *field : findChildren<ui::Edit *>())
        field->installEventFilter(fieldKeys);

    for (const keys::KeySpec &row : keys::Table())
        for (std::size_t k = 0; k < row.keys.size(); ++k) {
            if (row.press) {
                auto *shortcut = new QShortcut(QKeySequence(row.keys[k]), this);
                connect(shortcut, &QShortcut::activated, this, [this, press = row.press, k] { press(*this, k); });
            }
            if (row.clicks)
                for (ui::Control *control : row.clicks(*this, k))
                    if (control->keyBinding().isEmpty())
                        control->setKeyBinding(QKeySequence(row.keys[k]).toString(QKeySequence::NativeText));
        }
}
