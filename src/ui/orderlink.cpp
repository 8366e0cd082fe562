// The order from the calculator: the calculation shown added to the list
// (Insert, the result's menu, the words under the result), the line under
// them that tells what the list holds and opens it, and the question before
// the program closes with unsaved changes in the list. The list window is
// made the first time one of them needs it, from its module (orderlist.h):
// a calculator whose list is never used loads and builds none of it.
#include "accessibility.h"
#include "design.h"
#include "fonts.h"
#include "inputrows.h"
#include "mainunit.h"
#include "materiallist.h"
#include "modules.h"
#include "orderlist.h"

#include <QCloseEvent>

using namespace metal;

namespace ui {

MakeOrderList linkedOrderList = nullptr;

}  // namespace ui

namespace {

const QString kNoListModule = QStringLiteral("нет модуля списка программы (metalcalc-list): переустановите программу");

}  // namespace

ui::OrderList *TForm1::List()
{
    if (!orderList_) {
        ui::MakeOrderList make = ui::linkedOrderList;
        if (!make)
            make = reinterpret_cast<ui::MakeOrderList>(
                ui::ModuleFunction(QStringLiteral("metalcalc-list"), ui::kMakeOrderList));
        if (make)
            orderList_ = make(groupSeparator_, this, [this] { ShowListState(); }, {&ui::Announce, &ui::FontFamily});
    }
    return orderList_;
}

void TForm1::AddToList()
{
    CloseDropDowns();
    const WindowFieldTexts fields;
    try {
        // The position first: a calculation that adds nothing loads no list.
        Position position = PositionFrom(CurrentChoices(), fields.texts());
        ui::OrderList *list = List();
        const QString refusal = list ? list->AddPosition(std::move(position)) : kNoListModule;
        if (!refusal.isEmpty())
            ShowListState(refusal);
    } catch (const OrderError &error) {
        ShowListState(QString::fromUtf8(error.what()));
    }
}

void TForm1::OpenList()
{
    CloseDropDowns();
    if (ui::OrderList *list = List())
        list->ShowBeside(true);
    else
        ShowListState(kNoListModule, QStringLiteral("Не открыто"));
}

void TForm1::Label38Click(ui::Control *) { AddToList(); }

void TForm1::Label39Click(ui::Control *) { OpenList(); }

void TForm1::ShowListState(const QString &refusal, const QString &what)
{
    if (!refusal.isEmpty()) {
        // Said from the words that were pressed, on one line; shown on two.
        Label39->setFontColor(QColor(design::kResultError));
        Label39->setCaption(what + QStringLiteral(":\r") + refusal);
        ui::Announce(Label38, what + QStringLiteral(": ") + refusal);
    } else {
        // Under a tonne in kilograms, as the list shows its masses.
        const OrderTotals totals = orderList_ ? orderList_->Totals() : OrderTotals{};
        const bool tonnes = totals.massTenths >= 10000;
        Label39->setFontColor(QColor(design::kGreyText));
        Label39->setCaption(
            totals.count == 0
                ? QString()
                : QStringLiteral("В списке %1 · %2")
                      .arg(QString::fromStdString(
                               GroupedText(static_cast<std::int64_t>(totals.count), 0, groupSeparator_)),
                           QString::fromStdString(tonnes ? TonnesText(totals.massTenths, groupSeparator_) + " т"
                                                         : MassText(totals.massTenths, groupSeparator_) + " кг")));
    }
    Label39->setVisible(!Label39->caption().isEmpty());
}

bool TForm1::MayClose() { return !orderList_ || orderList_->MayLeave(); }

void TForm1::closeEvent(QCloseEvent *event)
{
    if (!MayClose()) {
        event->ignore();
        return;
    }
    // The list is a window of its own: it goes with the calculator.
    if (orderList_)
        orderList_->CloseWindow();
    QWidget::closeEvent(event);
}
