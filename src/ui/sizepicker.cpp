// The standard sizes of the kind: the size box under the kind's title, its
// drop-down list, and the line under the box that names the rule of the
// result. Choosing a size writes its dimensions into the kind's fields and
// makes the result the standard's theoretical mass; the user's editing a
// field the size wrote, or choosing another kind, returns to the kind's
// formula.
#include "sizepicker.h"

#include "accessibility.h"
#include "design.h"
#include "mainunit.h"
#include "materiallist.h"
#include "sizesearch.h"

#include <QAbstractListModel>
#include <QKeyEvent>
#include <QListView>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include <bitset>
#include <vector>

using namespace metal;

ChosenSize CurrentSize;

namespace {

// The rows the user has edited since the chosen size wrote them.
std::bitset<kRowCount> EditedRows;

// Whether the chosen size wrote the row: one of the kind's dimensions that
// its standard gives.
bool SizeWrote(int row)
{
    const KindInfo &kind = Kind(CurrentKind);
    return CurrentSize && row >= kind.firstRow && row < kind.quantityRow &&
           GeometryOfRow(CurrentSize.standard->section, row) >= 0;
}

// What the user types to find a size, as the designations write it: the
// multiplication sign for any x, the Russian х or *, the point for a comma.
QString SearchKey(const QString &typed)
{
    QString key;
    for (QChar c : typed) {
        if (c == u'x' || c == u'X' || c == u'х' || c == u'Х' || c == u'*')
            c = u'×';
        else if (c == u',')
            c = u'.';
        if (!c.isSpace())
            key.append(c);
    }
    return key;
}

// The sizes of the kind that answer the search, best first (FindSizes),
// under the heading of their standard and series, repeated where a later
// rank comes back to a series.
class SizeModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    static constexpr int kNotForNewDesignsRole = Qt::UserRole;

    struct Entry {
        const Standard *standard;
        const SizeSeries *series;
        const StandardSize *size;  // nullptr for the series' heading
    };

    void fill(ProfileKind kind, const QString &search)
    {
        beginResetModel();
        entries_.clear();
        const SizeSeries *headed = nullptr;
        for (const SizeHit &hit : FindSizes(kind, search.toStdString())) {
            if (hit.series != headed)
                entries_.push_back({hit.standard, hit.series, nullptr});
            headed = hit.series;
            entries_.push_back({hit.standard, hit.series, hit.size});
        }
        endResetModel();
    }

    const Entry &entry(const QModelIndex &index) const { return entries_[static_cast<std::size_t>(index.row())]; }

    int rowCount(const QModelIndex &parent) const override { return parent.isValid() ? 0 : int(entries_.size()); }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid())
            return {};
        const Entry &e = entry(index);
        // A size the standard puts in brackets is marked so (the delegate)
        // and said so.
        if (role == kNotForNewDesignsRole)
            return e.size && e.size->notForNewDesigns;
        if (role == Qt::AccessibleDescriptionRole && e.size && e.size->notForNewDesigns)
            return design::NotForNewDesignsText();
        if (role != Qt::DisplayRole)
            return {};
        if (e.size)
            return QString::fromUtf8(e.size->designation());
        return design::StandardAnd(QString::fromUtf8(e.standard->number), QString::fromUtf8(e.series->name));
    }

    // A heading can be neither chosen nor stepped onto.
    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        if (!index.isValid() || !entry(index).size)
            return Qt::NoItemFlags;
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    }

private:
    std::vector<Entry> entries_;
};

// Rows in the material list's look: the sizes bold in its blue-grey, the
// headings smaller and grey, the current row on the list's hover colour.
class SizeDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const bool heading = !(index.flags() & Qt::ItemIsSelectable);
        const auto *view = static_cast<const QAbstractItemView *>(parent());
        if (!heading && view->currentIndex() == index)
            painter->fillRect(option.rect, QColor(design::kListHover));
        const design::SizeRowLook &look = heading ? design::kSizeHeading : design::kSizeItem;
        QFont font = option.font;
        font.setBold(look.bold);
        font.setPixelSize(look.pixels);
        painter->setFont(font);
        painter->setPen(QColor(look.colour));
        const QRect text = option.rect.adjusted(look.indent, 0, -design::kSizeTextEnd, 0);
        // As the standard prints a size not for new designs: in brackets.
        QString shown = index.data().toString();
        if (index.data(SizeModel::kNotForNewDesignsRole).toBool()) {
            painter->setPen(QColor(design::kNotForNewDesigns));
            shown = u'(' + shown + u')';
        }
        painter->drawText(text, Qt::AlignVCenter | Qt::AlignLeft,
                          option.fontMetrics.elidedText(shown, Qt::ElideRight, text.width()));
    }

    QSize sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        return {0, design::kSizeRowHeight};
    }
};

void ChooseSize(const SizeModel::Entry &entry);

// The list of sizes. It takes the keys while open: what can be typed into
// a designation searches, Backspace takes back, the arrows and page keys
// move the highlight, Enter chooses and Esc closes without a change. The
// pointer highlights the row under it and a click chooses. Screen readers
// choose a size by selecting it.
class SizeView : public QListView {
public:
    SizeView(QWidget *parent, ui::Label *searchLine) : QListView(parent), model_(this), searchLine_(searchLine)
    {
        setObjectName(QStringLiteral("SizeList"));
        setAccessibleName(design::SizeWord());
        setModel(&model_);
        setItemDelegate(new SizeDelegate(this));
        setUniformItemSizes(true);
        setFrameShape(QFrame::NoFrame);
        setEditTriggers(NoEditTriggers);
        setSelectionMode(SingleSelection);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        // The scroll bar's own menu speaks English and would be the one
        // text of the window that is not Russian.
        verticalScrollBar()->setContextMenuPolicy(Qt::NoContextMenu);
        setMouseTracking(true);
        QPalette colours = palette();
        colours.setColor(QPalette::Base, QColor(design::kSizeList));
        setPalette(colours);
        setGeometry(design::kSizeListPlace);
        connect(this, &QAbstractItemView::entered, this, &SizeView::highlight);
        connect(this, &QAbstractItemView::clicked, this, &SizeView::choose);
        connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this](const QItemSelection &now) {
            if (!now.indexes().isEmpty())
                choose(now.indexes().first());
        });
    }

    void open(ProfileKind kind)
    {
        kind_ = kind;
        search_.clear();
        refill();
        // The chosen size, if any, is where the highlight starts.
        for (int row = 0; row < model_.rowCount({}); ++row)
            if (CurrentSize.size && model_.entry(model_.index(row)).size == CurrentSize.size)
                highlight(model_.index(row));
        scrollTo(currentIndex(), PositionAtCenter);
    }

protected:
    // Selecting a size chooses it, which only a screen reader does by
    // selecting: the keys and the pointer move the highlight.
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &, const QEvent *) const override
    {
        return QItemSelectionModel::NoUpdate;
    }

    void keyPressEvent(QKeyEvent *event) override
    {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            choose(currentIndex());
            return;
        case Qt::Key_Escape:
            CloseSizeList();
            return;
        case Qt::Key_Backspace:
            search_.chop(1);
            refill();
            return;
        default:
            break;
        }
        const QString typed = SearchKey(event->text());
        if (!typed.isEmpty() && typed.at(0).isPrint() && !(event->modifiers() & Qt::ControlModifier)) {
            search_ += typed;
            refill();
            return;
        }
        QListView::keyPressEvent(event);
    }

    void focusOutEvent(QFocusEvent *event) override
    {
        QListView::focusOutEvent(event);
        // Tab, or a click into a field, leaves the list: it closes.
        if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
            CloseSizeList();
    }

private:
    void refill()
    {
        model_.fill(kind_, search_);
        searchLine_->setCaption(design::SearchLine(search_));
        for (int row = 0; row < model_.rowCount({}); ++row)
            if (model_.entry(model_.index(row)).size) {
                highlight(model_.index(row));
                break;
            }
    }

    void highlight(const QModelIndex &index)
    {
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
        scrollTo(index);
    }

    void choose(const QModelIndex &index)
    {
        if (index.isValid() && model_.entry(index).size)
            ChooseSize(model_.entry(index));
    }

    SizeModel model_;
    ui::Label *searchLine_;
    ProfileKind kind_ = pkPipe;
    QString search_;  // typed so far, as designations write it (SearchKey)
};

SizeView *List() { return Form1->Panel4->findChild<SizeView *>(); }

// Where the focus goes back to when the list closes without a choice.
QPointer<QWidget> FocusBeforeList;

void OpenSizeList()
{
    TForm1 &form = *Form1;
    form.Panel1->hide();
    SizeView *list = List();
    if (!list)
        list = new SizeView(form.Panel4, form.Label37);
    FocusBeforeList = form.focusWidget();
    form.Panel4->show();
    form.Panel4->raise();
    list->open(CurrentKind);
    list->setFocus(Qt::PopupFocusReason);
}

void ChooseSize(const SizeModel::Entry &entry)
{
    // The quantity is typed next. The focus goes there first, before the
    // size is chosen: a field it leaves may change on the way (one emptied
    // as it was entered takes its "0" back), which is no edit of the size.
    FocusBeforeList = InputEdit(Kind(CurrentKind).quantityRow);
    CloseSizeList();
    Form1->SetSize({entry.standard, entry.size});
}

}  // namespace

void CloseSizeList()
{
    TForm1 &form = *Form1;
    if (!form.Panel4->isVisible())
        return;
    // The focus leaves the list before it hides, for the field it came
    // from, or the one a choice leads to; Qt would pass it on to the next
    // control in the tab order.
    SizeView *list = List();
    if (list && list->hasFocus())
        (FocusBeforeList ? FocusBeforeList.data() : form.Edit4)->setFocus(Qt::OtherFocusReason);
    form.Panel4->hide();
}

void SetUpSizeBox(TForm1 *form)
{
    form->Image14->setSpokenDescription(design::NoSizeText());
    // An edit of the user's, not the window's own rewriting of a field
    // (entering one that holds "0", leaving one empty), takes a field from
    // the size it held. Qt tells of it before the change that computes.
    for (int row = 0; row < kRowCount; ++row)
        QObject::connect(InputEdit(row), &QLineEdit::textEdited, form, [row] {
            if (SizeWrote(row))
                EditedRows.set(std::size_t(row));
        });
}

void TForm1::SizeBoxClick(ui::Control *)
{
    if (Panel4->isVisible())
        CloseSizeList();
    else
        OpenSizeList();
}

void TForm1::ShowSizeBox(ProfileKind id)
{
    const bool sized = !StandardsOf(id).empty();
    Image14->setVisible(sized);
    Label35->setVisible(sized);
}

void TForm1::SetSize(ChosenSize size)
{
    CurrentSize = size;
    EditedRows.reset();
    const KindInfo &kind = Kind(CurrentKind);
    if (size) {
        // The fields take the size's dimensions with no calculation on the
        // way.
        RecalcEnabled = false;
        for (int row = kind.firstRow; row < kind.quantityRow; ++row)
            if (const int g = GeometryOfRow(size.standard->section, row); g >= 0)
                InputEdit(row)->setText(QString::fromStdString(DimensionText(size.size->geometry[std::size_t(g)])));
        RecalcEnabled = true;
    }
    const QString shown = size ? QString::fromUtf8(size.size->designation()) : design::NoSizeText();
    Label35->setCaption(design::SizeBoxText(shown));
    // One designation can name sections of two standards (30Ш1 of ГОСТ
    // 26020-83 and of СТО АСЧМ 20-93): the description says which.
    Image14->setSpokenDescription(size ? shown + QStringLiteral(", ") + QString::fromUtf8(size.standard->number)
                                       : shown);
    // A size chosen is heard before its result, though the focus has gone
    // on to the quantity.
    if (size)
        ui::Announce(Image14, Image14->spokenDescription());
    ShowSizeRule();
    // Then the result of the size; an empty one leaves the fields and the
    // result to what follows (an edit, another kind).
    if (size)
        Calculate();
}

bool EditLeavesSize(const ui::Edit *field)
{
    for (int row = 0; row < kRowCount; ++row)
        if (InputEdit(row) == field)
            return EditedRows[std::size_t(row)] && !field->text().isEmpty();
    return false;
}

void ShowSizeRule()
{
    ui::Label *rule = Form1->Label36;
    if (!CurrentSize) {
        rule->hide();
        rule->setCaption(QString());
        return;
    }
    const StandardSize &size = *CurrentSize.size;
    const QString standard = QString::fromUtf8(CurrentSize.standard->number);
    // A size whose standard gives no mass gives the thickness.
    if (UsesStandardMass(Form1->CurrentChoices()))
        rule->setCaption(design::StandardAnd(
            standard, design::MassPerMetreText(QString::fromStdString(StandardMassText(size, CurrentMaterial)))));
    else
        rule->setCaption(design::StandardAnd(standard, design::ThicknessText(QString::fromUtf8(size.designation()))));
    rule->show();
}
