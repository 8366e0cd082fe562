// The list window as the calculator uses it. The window (src/list/) is a
// module of its own, metalcalc-list, loaded the first time the list is used:
// linked into the program, its code and that of Qt's table, menus and
// dialogs would lie among the code of the first frame and be read in with it
// at every start (README, Benchmarks). The program and the module are built
// together, so plain C++ types cross between them.
//
// A build that links the list in (the Windows program, the tests, the
// benchmarks) says so by setting linkedOrderList before main runs; the
// program then loads no module.
#pragma once

#include "order.h"

#include <QString>

#include <functional>
#include <string>

class QObject;
class QWidget;

namespace ui {

class OrderList {
public:
    virtual ~OrderList() = default;

    // Adds the position at the end, selects it and shows the window; or,
    // adding nothing, returns why.
    virtual QString AddPosition(metal::Position position) = 0;
    // Shows the window beside the calculator and brings it forward, with the
    // focus in the table when activated.
    virtual void ShowBeside(bool activate) = 0;
    virtual metal::OrderTotals Totals() const = 0;
    // With unsaved changes asks Сохранить / Не сохранять / Отмена; true when
    // the list may be left.
    virtual bool MayLeave() = 0;
    virtual void CloseWindow() = 0;
};

// What the calculator lends the module: its announcements to screen readers
// and its fonts, whose state (the announcing labels, the fonts installed)
// is the program's.
struct ListServices {
    void (*announce)(QObject *owner, const QString &text);
    QString (*fontFamily)(const char *face);
};

// Makes the list window, going when beside goes; changed is called as the
// totals change.
using MakeOrderList = OrderList *(*)(const std::string &groupSeparator, QWidget *beside, std::function<void()> changed,
                                     const ListServices &services);
inline constexpr const char *kMakeOrderList = "metalcalc_make_order_list";

// The maker linked into the program, or none: then the module's.
extern MakeOrderList linkedOrderList;

}  // namespace ui
