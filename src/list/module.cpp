// The list window as a module (metalcalc-list): its one entry, and the
// calculator's announcements and fonts, which the module asks the program
// for (orderlist.h's ListServices) where a linked build calls them directly.
#include "accessibility.h"
#include "fonts.h"
#include "orderwindow.h"

namespace {

ui::ListServices gServices{};

}  // namespace

namespace ui {

void Announce(QObject *owner, const QString &text) { gServices.announce(owner, text); }

QString FontFamily(const char *face) { return gServices.fontFamily(face); }

}  // namespace ui

extern "C" Q_DECL_EXPORT ui::OrderList *metalcalc_make_order_list(const std::string &groupSeparator, QWidget *beside,
                                                                  std::function<void()> changed,
                                                                  const ui::ListServices &services)
{
    gServices = services;
    return ui::MakeList(groupSeparator, beside, std::move(changed));
}

// The entry has the maker's type, checked here rather than at the cast.
[[maybe_unused]] static constexpr ui::MakeOrderList kEntry = &metalcalc_make_order_list;
