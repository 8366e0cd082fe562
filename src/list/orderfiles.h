// The list's files: saving and opening the list, and the question before a
// list with unsaved changes is left.
//
// Nothing is written that a person did not ask for: only the file chosen,
// through QSaveFile, so that a failed save leaves the file that was there
// whole; the list stays as it was and a message says why in plain words.
// Qt's file dialog keeps its history in the user's settings when it
// closes; the program keeps none, so those settings go nowhere (NoSettings).
// Every file opened is read by the core's hostile reader: a broken file
// changes nothing and is named in one message.
#pragma once

#include "order.h"

#include <QObject>
#include <QString>

#include <functional>

class QWidget;

namespace ui {

class OrderFiles : public QObject {
    Q_OBJECT
public:
    // The list as it is, and the list that replaces it when a file is
    // opened; the window that the dialogs belong to.
    struct Hooks {
        std::function<const metal::Order &()> order;
        std::function<void(metal::Order)> replace;
    };
    OrderFiles(QWidget *window, Hooks hooks);

    // "Сохранить": to the list's file, or to one asked for. False when the
    // list was not saved (the dialog cancelled, the writing failed).
    bool Save();
    // "Сохранить как…".
    bool SaveAs();
    // "Открыть…": asks first when the list has unsaved changes.
    void Open();
    // Before the list is left (the program closed, another list opened):
    // with unsaved changes, asks Сохранить / Не сохранять / Отмена. True
    // when the list may be left.
    bool MayLeave();

    // Each change of the list calls this.
    void Changed();
    bool modified() const { return modified_; }
    // The list's file; empty until it is saved or opened.
    const QString &path() const { return path_; }

    // What the dialogs lead to, for a path chosen.
    bool SaveTo(const QString &path);
    bool OpenFrom(const QString &path);

signals:
    // The file or the modified state changed: the title follows.
    void stateChanged();

private:
    void SetState(const QString &path, bool modified);

    QWidget *window_;
    Hooks hooks_;
    QString path_;
    bool modified_ = false;
};

namespace files {

// Makes the settings that Qt's dialogs keep for the user unreadable and
// unwritable for the rest of the run. Called before the first dialog.
void NoSettings();

// A file written whole or not at all, through QSaveFile: false, with the
// message shown over the window, when it could not be written. What the
// message calls the file: "список", "таблицу", "PDF".
bool WriteWhole(QWidget *window, const QString &path, const QByteArray &bytes, const QString &what);

// Qt's own texts in Russian from the first dialog on, where the system
// has Qt's translation.
void RussianDialogs();

// Qt's file dialog over the window, its labels in Russian, asking before a
// file is replaced: a path to save to (start: a folder or
// the file suggested) or an existing file to open; empty when cancelled.
QString AskPath(QWidget *window, bool save, const QString &title, const QString &filter, const QString &suffix,
                const QString &start);

// The path a save dialog suggests: beside the list's file and named as it,
// or "Список" in the documents folder, with the suffix.
QString Suggested(const QString &listPath, const QString &suffix);

// A warning over the window, read out as an alert: its title, its text,
// and the details under it.
void Warn(QWidget *window, const QString &title, const QString &text, const QString &details);

// The file's name as messages show it, in guillemets.
QString Named(const QString &path);

}  // namespace files

}  // namespace ui
