// The list window "Список": the order as a table of Qt's own, the totals
// under it and a row of buttons, each with its key:
//
//   F2, or typing a number    edits the cell (pieces, length, price; the
//                             unit from a list)
//   Delete                    removes the selected positions
//   Ctrl+Z                    undoes the last edit, removal or move
//   Alt+Up, Alt+Down          moves the current position up, down
//   Ctrl+C                    copies the selected positions (all, when none
//                             is selected) with the header and the totals
//   Esc                       closes the window; the list stays
//
// and a menu "Файл" over the table, for the list's files (orderfiles.h):
//
//   Ctrl+O                    "Открыть…"
//   Ctrl+S, Ctrl+Shift+S      "Сохранить", "Сохранить как…"
//   (none)                    "Сохранить XLSX", "Сохранить PDF" (orderexport.h)
//   Ctrl+P                    "Печать…"
//
// It is made the first time the order is used, so a calculator whose list
// is never used builds none of it; the program uses it as an OrderList, from
// the module it is loaded from (orderlist.h).
#pragma once

#include "orderfiles.h"
#include "orderlist.h"
#include "ordermodel.h"

#include <QWidget>

class QKeyEvent;
class QLabel;
class QMenuBar;
class QMimeData;
class QPushButton;
class QTableView;

namespace ui {

// Where the list goes beside the calculator, in the free area of the
// screen: on the side with more room, narrowed to fit it down to a width
// that still shows the table, else over the calculator at the screen's edge.
QRect PlaceBeside(const QRect &calculator, QSize wanted, const QRect &free);

class OrderWindow : public QWidget, public OrderList {
    Q_OBJECT
public:
    // The window lies beside `beside` when it is first shown, and goes when
    // it goes.
    OrderWindow(std::string groupSeparator, QWidget *beside);

    OrderModel &model() const { return *model_; }
    QTableView *table() const { return table_; }
    OrderFiles &files() const { return *files_; }

    // Adds the position at the end, selects it and shows the window.
    // Throws metal::OrderError, adding nothing.
    void Add(metal::Position position);
    void RemoveSelected();
    void UndoLast();
    // Moves the current position up (-1) or down (1).
    void MoveCurrent(int step);
    void MoveUp();
    void MoveDown();
    void CopySelected();

    // The rows as the clipboard takes them: tab-separated text and an HTML
    // table, each with the header and the totals; numbers without groups.
    QMimeData *RowsAsData(const QList<int> &rows) const;

    // Shows the window, placed beside the calculator the first time, and
    // brings it forward; with the focus in the table when activated, else
    // leaving the focus where it is.
    void ShowBeside(bool activate) override;

    // The list as the program uses it.
    QString AddPosition(metal::Position position) override;
    metal::OrderTotals Totals() const override { return model_->order().totals(); }
    bool MayLeave() override { return files_->MayLeave(); }
    void CloseWindow() override { close(); }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPushButton *AddButton(const QString &text, const QKeySequence &key, void (OrderWindow::*action)());
    void BuildFileMenu(QMenuBar *bar);
    void ShowFileState();
    void ShowMessage(const QString &text);
    QList<int> SelectedRows() const;

    OrderModel *model_;
    QTableView *table_;
    QLabel *totals_;
    QLabel *message_;
    QWidget *buttons_;
    QPushButton *undo_ = nullptr;  // enabled while there is something to undo
    OrderFiles *files_;
    QWidget *beside_;
    bool placed_ = false;
    bool adding_ = false;  // the addition is announced, not the totals it changes
};

// The list window beside the calculator, telling changed of each change of
// its totals.
OrderList *MakeList(const std::string &groupSeparator, QWidget *beside, std::function<void()> changed);

}  // namespace ui
