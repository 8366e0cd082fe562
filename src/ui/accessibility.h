// What screen readers and other assistive technologies see of the window.
//
// Every label is read by the text it shows; every control that can be
// clicked says what it is (a button, a menu item, a list item, a link, a
// radio button) and offers one action, which does what a left click does;
// pictures that only decorate are left out. Input fields are named by the
// caption of their row. The result is announced as it changes, so someone
// typing a length hears the new mass without leaving the field.
//
// Nothing here runs while no assistive technology listens: Qt asks for the
// interfaces only when one connects, and the notifications below return at
// once.
#pragma once

class QObject;
class QString;
class QWidget;

namespace ui {

class Label;

// Makes the controls known to Qt's accessibility. Safe to call again.
void InstallAccessibility();

// Screen readers announce the label's text, with its own caption, as it
// changes (the result, the material in the box).
void MakeAnnounced(Label *label);
// Screen readers hear the text from the control now, wherever the focus
// is: what changes beside it where the focus is not (the material list's
// highlight, the totals of the list), what an action of it did
// ("Добавлено: Балка 20Б1, 134.4 кг"). An announced label says it as it
// says its own text.
void Announce(QObject *owner, const QString &text);

// The control's accessible name, or its description, has changed.
void NotifyNameChanged(QWidget *control);
void NotifyDescriptionChanged(QWidget *control);
// The label's caption has changed: its name, the name of the field it
// captions, and, for a label whose changes are announced, the announcement.
void NotifyCaptionChanged(Label *label);
// One of the window's choices (the kind, the material, the mode) may have
// changed: the controls that stand for them report their new state.
void NotifyChoicesChanged(QWidget *window);

}  // namespace ui
