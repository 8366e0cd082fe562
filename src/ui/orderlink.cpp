// The order from the calculator: the calculation shown added to the list
// (Insert, the result's menu, the words under the result), the line under
// them that tells what the list holds and opens it, and the question before
// the program closes with unsaved changes in the list (orderfiles.h). The list window is made
// the first time one of them needs it: a calculator whose list is never
// used builds none of it.
#include "accessibility.h"
#include "design.h"
#include "inputrows.h"
#include "mainunit.h"
#include "materiallist.h"
#include "orderwindow.h"

#include <QCloseEvent>

using namespace metal;

ui::OrderWindow &TForm1::List()
{
    if (!orderWindow_) {
        orderWindow_ = new ui::OrderWindow(groupSeparator_, this);
        connect(&orderWindow_->model(), &ui::OrderModel::totalsChanged, this, [this] { ShowListState(); });
    }
    return *orderWindow_;
}

void TForm1::AddToList()
{
    CloseDropDowns();
    const WindowFieldTexts fields;
    try {
        // The position first: a calculation that adds nothing makes no list.
        Position position = PositionFrom(CurrentChoices(), fields.texts());
        List().Add(std::move(position));
    } catch (const OrderError &error) {
        ShowListState(QString::fromUtf8(error.what()));
    }
}

void TForm1::OpenList()
{
    CloseDropDowns();
    List().ShowBeside(true);
}

void TForm1::Label38Click(ui::Control *) { AddToList(); }

void TForm1::Label39Click(ui::Control *) { OpenList(); }

void TForm1::ShowListState(const QString &refusal)
{
    if (!refusal.isEmpty()) {
        // Said from the words that were pressed, on one line; shown on two.
        Label39->setFontColor(QColor(design::kResultError));
        Label39->setCaption(QStringLiteral("Не добавлено:\r") + refusal);
        ui::Announce(Label38, QStringLiteral("Не добавлено: ") + refusal);
    } else {
        // Under a tonne in kilograms, as the list shows its masses.
        const OrderTotals &totals = List().model().order().totals();
        const bool tonnes = totals.massTenths >= 10000;
        Label39->setFontColor(QColor(design::kGreyText));
        Label39->setCaption(
            totals.count == 0 ? QString()
                              : QStringLiteral("В списке %1 · %2")
                                    .arg(totals.count)
                                    .arg(ui::FromCore(tonnes ? TonnesText(totals.massTenths, groupSeparator_) + " т"
                                                             : MassText(totals.massTenths, groupSeparator_) + " кг")));
    }
    Label39->setVisible(!Label39->caption().isEmpty());
}

bool TForm1::MayClose() { return !orderWindow_ || orderWindow_->files().MayLeave(); }

void TForm1::closeEvent(QCloseEvent *event)
{
    if (!MayClose()) {
        event->ignore();
        return;
    }
    // The list is a window of its own: it goes with the calculator.
    if (orderWindow_)
        orderWindow_->close();
    QWidget::closeEvent(event);
}
