#include "orderwindow.h"

#include "accessibility.h"
#include "orderexport.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStaticText>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

using namespace metal;

namespace ui {

namespace {

constexpr QSize kFirstSize(820, 360);
// Narrower than this beside the calculator, the list lies over it instead.
constexpr int kNarrowest = 560;
// Between the calculator and the list, as a desktop leaves between windows.
constexpr int kGap = 8;

// Draws each cell as the style does, but its text from a cache of laid-out
// texts: the style lays out every visible cell's text again at each
// repaint, which with a scrolled list of a thousand takes milliseconds.
class CellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return Named(QStyledItemDelegate::createEditor(parent, option, index), index);
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem cell = option;
        initStyleOption(&cell, index);
        const QString text = cell.text;
        cell.text.clear();
        const QWidget *view = cell.widget;
        QStyle *style = view ? view->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, view);

        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
        const QRect area = cell.rect.adjusted(margin, 0, -margin, 0);
        const bool selected = cell.state.testFlag(QStyle::State_Selected);
        const QPalette::ColorGroup group =
            cell.state.testFlag(QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
        painter->save();
        painter->setFont(cell.font);
        painter->setPen(cell.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        // Each text laid out once for its column's width, elided there as
        // the style elides it when it is too long.
        if (texts_.size() > kCachedTexts)
            texts_.clear();
        QStaticText &laid = texts_[QString::number(area.width()) + u'\n' + text];
        if (laid.text().isEmpty() && !text.isEmpty()) {
            laid.setText(cell.fontMetrics.elidedText(text, Qt::ElideRight, area.width()));
            laid.setTextFormat(Qt::PlainText);
            laid.prepare(QTransform(), cell.font);
        }
        const QSizeF size = laid.size();
        const qreal x = cell.displayAlignment.testFlag(Qt::AlignRight) ? area.right() + 1 - size.width() : area.left();
        painter->drawStaticText(QPointF(x, area.top() + (area.height() - size.height()) / 2), laid);
        painter->restore();
    }

protected:
    // An editor is named by its column, as its cell is, for screen readers.
    static QWidget *Named(QWidget *editor, const QModelIndex &index)
    {
        if (editor)
            editor->setAccessibleName(
                index.model()->headerData(index.column(), Qt::Horizontal, Qt::DisplayRole).toString());
        return editor;
    }

private:
    static constexpr qsizetype kCachedTexts = 8192;
    mutable QHash<QString, QStaticText> texts_;
};

// The units' drop-down list keeps its own keys while it is edited: Alt+Down
// opens it, as every such list, rather than moving the position.
class UnitBox : public QComboBox {
public:
    using QComboBox::QComboBox;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::ShortcutOverride) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (key->modifiers() == Qt::AltModifier && (key->key() == Qt::Key_Down || key->key() == Qt::Key_Up)) {
                event->accept();
                return true;
            }
        }
        return QComboBox::event(event);
    }
};

// The price's unit is chosen from those that fit the position's kind.
class UnitDelegate : public CellDelegate {
public:
    using CellDelegate::CellDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const override
    {
        const auto *model = static_cast<const OrderModel *>(index.model());
        auto *box = new UnitBox(parent);
        box->addItems(
            OrderModel::UnitTexts(model->order().position(static_cast<std::size_t>(index.row())).choices.kind));
        return Named(box, index);
    }
    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        static_cast<QComboBox *>(editor)->setCurrentText(index.data(Qt::EditRole).toString());
    }
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        model->setData(index, static_cast<QComboBox *>(editor)->currentText(), Qt::EditRole);
    }
};

// A row of the HTML table; a number carries its value as LibreOffice's own
// tables do (sdval, in the language that writes it with a point: sdnum),
// and as Excel's do (x:num), so that a spreadsheet under any locale, a
// Russian one with its decimal comma too, takes a number.
QString HtmlRow(const QStringList &cells, const char *tag, bool numbers)
{
    QString html = QStringLiteral("<tr>");
    for (int column = 0; column < cells.size(); ++column) {
        const QString cell = cells[column].toHtmlEscaped();
        if (numbers && OrderModel::HoldsNumbers(column) && !cell.isEmpty())
            html +=
                QStringLiteral("<%1 sdval=\"%2\" sdnum=\"1033;\" x:num=\"%2\">%2</%1>").arg(QLatin1String(tag), cell);
        else
            html += QStringLiteral("<%1>%2</%1>").arg(QLatin1String(tag), cell);
    }
    return html + QStringLiteral("</tr>");
}

// The widest text each column is made for, besides its heading; the name
// takes what the others leave. A list holds at most 100 000 positions.
constexpr const char *kWidestValues[OrderModel::ColumnCount] = {
    "100000", "", "Нержавеющая сталь", "1 000", "12.5", "99 999.9", "999 999.00", "₽/шт", "9 999 999.00",
};

}  // namespace

QRect PlaceBeside(const QRect &calculator, QSize wanted, const QRect &free)
{
    if (!free.isValid())
        return QRect(calculator.topRight() + QPoint(kGap + 1, 0), wanted);
    const int roomRight = free.right() - calculator.right() - kGap;
    const int roomLeft = calculator.left() - kGap - free.left();
    const bool right = roomRight >= roomLeft;
    const int room = std::max(roomRight, roomLeft);
    // Narrowed to fit beside it; too narrow, it keeps its width at the
    // screen's edge, over the calculator.
    const int width = room >= kNarrowest ? std::min(room, wanted.width()) : wanted.width();
    int x = right ? calculator.right() + kGap + 1 : calculator.left() - kGap - width;
    x = std::clamp(x, free.left(), std::max(free.left(), free.right() + 1 - width));
    const int y = std::clamp(calculator.top(), free.top(), std::max(free.top(), free.bottom() + 1 - wanted.height()));
    return QRect(x, y, width, wanted.height());
}

OrderWindow::OrderWindow(std::string groupSeparator, QWidget *beside)
    : QWidget(nullptr, Qt::Window), model_(new OrderModel(std::move(groupSeparator), this)),
      table_(new QTableView(this)), totals_(new QLabel(this)), message_(new QLabel(this)), buttons_(new QWidget(this)),
      files_(new OrderFiles(this, {[this]() -> const Order & { return model_->order(); },
                                   [this](Order order) { model_->Load(std::move(order)); }})),
      beside_(beside)
{
    setObjectName(QStringLiteral("OrderWindow"));
    // A window of its own, with its own place in the task bar, not one that
    // stays over the calculator; it goes with the calculator.
    if (beside)
        connect(beside, &QObject::destroyed, this, [this] { delete this; });
    ShowFileState();
    resize(kFirstSize);

    table_->setObjectName(QStringLiteral("OrderTable"));
    table_->setAccessibleName(QStringLiteral("Позиции"));
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    // Tab leaves the table for the buttons; the arrows move between cells.
    table_->setTabKeyNavigation(false);
    table_->verticalHeader()->hide();
    table_->setWordWrap(false);
    const QFontMetrics metrics(table_->font());
    for (int column = 0; column < OrderModel::ColumnCount; ++column) {
        const QString heading = model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        table_->horizontalHeader()->resizeSection(
            column, std::max(metrics.horizontalAdvance(heading),
                             metrics.horizontalAdvance(QString::fromUtf8(kWidestValues[column]))) +
                        2 * metrics.averageCharWidth());
    }
    table_->horizontalHeader()->setSectionResizeMode(OrderModel::Name, QHeaderView::Stretch);
    table_->setItemDelegate(new CellDelegate(table_));
    table_->setItemDelegateForColumn(OrderModel::Unit, new UnitDelegate(table_));

    totals_->setObjectName(QStringLiteral("OrderTotals"));
    totals_->setText(model_->TotalsText());
    message_->setObjectName(QStringLiteral("OrderMessage"));

    auto *row = new QHBoxLayout(buttons_);
    row->setContentsMargins(0, 0, 0, 0);
    AddButton(QStringLiteral("Вверх"), QKeySequence(Qt::ALT | Qt::Key_Up), &OrderWindow::MoveUp);
    AddButton(QStringLiteral("Вниз"), QKeySequence(Qt::ALT | Qt::Key_Down), &OrderWindow::MoveDown);
    AddButton(QStringLiteral("Удалить"), QKeySequence(QKeySequence::Delete), &OrderWindow::RemoveSelected);
    undo_ = AddButton(QStringLiteral("Отменить"), QKeySequence(QKeySequence::Undo), &OrderWindow::UndoLast);
    undo_->setEnabled(false);
    AddButton(QStringLiteral("Копировать"), QKeySequence(QKeySequence::Copy), &OrderWindow::CopySelected);
    row->addStretch();

    auto *layout = new QVBoxLayout(this);
    auto *bar = new QMenuBar(this);
    BuildFileMenu(bar);
    layout->setMenuBar(bar);
    layout->addWidget(table_, 1);
    layout->addWidget(totals_);
    layout->addWidget(message_);
    layout->addWidget(buttons_);

    connect(model_, &OrderModel::totalsChanged, this, [this] {
        totals_->setText(model_->TotalsText());
        message_->clear();
        if (!adding_)
            Announce(totals_, totals_->text());
    });
    // Every change of the list is one of the totals' or a move.
    connect(model_, &OrderModel::totalsChanged, files_, &OrderFiles::Changed);
    connect(model_, &QAbstractItemModel::rowsMoved, files_, &OrderFiles::Changed);
    const auto showUndo = [this] { undo_->setEnabled(model_->order().canUndo()); };
    connect(model_, &OrderModel::totalsChanged, this, showUndo);
    connect(model_, &QAbstractItemModel::rowsMoved, this, showUndo);
    connect(files_, &OrderFiles::stateChanged, this, &OrderWindow::ShowFileState);
    connect(model_, &OrderModel::refused, this,
            [this](const QString &why) { ShowMessage(QStringLiteral("Не изменено: ") + why); });
}

QPushButton *OrderWindow::AddButton(const QString &text, const QKeySequence &key, void (OrderWindow::*action)())
{
    auto *button = new QPushButton(text, buttons_);
    button->setObjectName(QStringLiteral("Order") + text);
    // The button's own shortcut, so that screen readers say it as its key.
    button->setShortcut(key);
    button->setToolTip(text + QStringLiteral(" (") + key.toString(QKeySequence::NativeText) + u')');
    connect(button, &QPushButton::clicked, this, action);
    buttons_->layout()->addWidget(button);
    return button;
}

void OrderWindow::BuildFileMenu(QMenuBar *bar)
{
    bar->setObjectName(QStringLiteral("OrderMenu"));
    QMenu *menu = bar->addMenu(QStringLiteral("&Файл"));
    menu->setObjectName(QStringLiteral("OrderFileMenu"));
    const auto add = [this, menu](const QString &text, const QKeySequence &key, auto action) {
        QAction *item = menu->addAction(text, this, action);
        item->setObjectName(QStringLiteral("Order") + text);
        item->setShortcut(key);
        // Also the window's own, so that the key works with the menu closed
        // wherever the focus is in the window.
        addAction(item);
    };
    add(QStringLiteral("Открыть…"), QKeySequence(Qt::CTRL | Qt::Key_O), [this] { files_->Open(); });
    add(QStringLiteral("Сохранить"), QKeySequence(Qt::CTRL | Qt::Key_S), [this] { files_->Save(); });
    add(QStringLiteral("Сохранить как…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [this] { files_->SaveAs(); });
    menu->addSeparator();
    add(QStringLiteral("Сохранить XLSX"), QKeySequence(),
        [this] { exporting::SaveXlsx(this, *model_, files_->path()); });
    add(QStringLiteral("Сохранить PDF"), QKeySequence(), [this] { exporting::SavePdf(this, *model_, files_->path()); });
    add(QStringLiteral("Печать…"), QKeySequence(Qt::CTRL | Qt::Key_P), [this] { exporting::Print(this, *model_); });
}

// "Список — заказ.csv", with the desktop's mark of unsaved changes.
void OrderWindow::ShowFileState()
{
    const QString &path = files_->path();
    setWindowTitle(path.isEmpty() ? QStringLiteral("Список[*]")
                                  : QStringLiteral("Список — %1[*]").arg(QFileInfo(path).fileName()));
    setWindowModified(files_->modified());
}

QString OrderWindow::AddPosition(Position position)
{
    // The calculator's size points into its own tables, and the list, a
    // module of its own, has its own copy of them: the size is found again by
    // what names it, as a file of the list names it.
    if (const ChosenSize chosen = position.choices.size)
        position.choices.size = FindSize(position.choices.kind, chosen.standard->number, chosen.size->designation());
    try {
        Add(std::move(position));
    } catch (const OrderError &error) {
        return FromCore(error.what());
    }
    return {};
}

void OrderWindow::Add(Position position)
{
    const QString name = FromCore(PositionName(position));
    adding_ = true;
    try {
        model_->Append(std::move(position));
    } catch (...) {
        adding_ = false;
        throw;
    }
    adding_ = false;
    const int row = model_->rowCount() - 1;
    table_->selectRow(row);
    table_->scrollTo(model_->index(row, 0));
    ShowBeside(false);
    Announce(totals_, QStringLiteral("Добавлено: ") + name + QStringLiteral(", ") +
                          model_->index(row, OrderModel::Mass).data().toString() + QStringLiteral(" кг"));
}

QList<int> OrderWindow::SelectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : table_->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void OrderWindow::RemoveSelected()
{
    const QList<int> rows = SelectedRows();
    if (rows.isEmpty())
        return;
    std::vector<std::size_t> removed(rows.begin(), rows.end());
    model_->Remove(removed);
    if (model_->rowCount() > 0)
        table_->selectRow(std::min(rows.front(), model_->rowCount() - 1));
}

void OrderWindow::UndoLast()
{
    const int row = model_->Undo();
    if (row >= 0)
        table_->selectRow(row);
}

void OrderWindow::MoveCurrent(int step)
{
    const QModelIndex current = table_->currentIndex();
    if (!current.isValid())
        return;
    const int to = model_->Move(current.row(), step);
    if (to >= 0)
        table_->setCurrentIndex(model_->index(to, current.column()));
}

void OrderWindow::MoveUp() { MoveCurrent(-1); }
void OrderWindow::MoveDown() { MoveCurrent(1); }

QMimeData *OrderWindow::RowsAsData(const QList<int> &rows) const
{
    // Each cell as the clipboard takes it: the number without its groups.
    QList<QStringList> lines{model_->HeaderRow()};
    for (const int row : rows)
        lines.append(model_->RowTexts(row, Qt::EditRole));
    lines.append(model_->TotalRow(""));

    QString text, html = QStringLiteral("<table>");
    for (qsizetype i = 0; i < lines.size(); ++i) {
        text += lines[i].join(u'\t') + u'\n';
        html += HtmlRow(lines[i], i == 0 ? "th" : "td", i > 0);
    }
    auto *data = new QMimeData;
    data->setText(text);
    data->setHtml(html + QStringLiteral("</table>"));
    return data;
}

void OrderWindow::CopySelected()
{
    QList<int> rows = SelectedRows();
    if (rows.isEmpty())
        for (int row = 0; row < model_->rowCount(); ++row)
            rows.append(row);
    QGuiApplication::clipboard()->setMimeData(RowsAsData(rows));
}

void OrderWindow::ShowBeside(bool activate)
{
    if (!placed_ && beside_) {
        placed_ = true;
        const QRect free = beside_->screen() ? beside_->screen()->availableGeometry() : QRect();
        setGeometry(PlaceBeside(beside_->frameGeometry(), size(), free));
    }
    // Adding from the calculator leaves the focus where the person types.
    setAttribute(Qt::WA_ShowWithoutActivating, !activate);
    show();
    raise();
    if (activate) {
        activateWindow();
        table_->setFocus();
    } else if (beside_ && geometry().intersects(beside_->frameGeometry())) {
        // Where there is no room beside it, the calculator, in which the
        // person goes on typing, stays whole over the list: its drop-down
        // lists too, which the list would hide.
        beside_->raise();
    }
}

void OrderWindow::ShowMessage(const QString &text)
{
    message_->setText(text);
    Announce(message_, text);
}

void OrderWindow::keyPressEvent(QKeyEvent *event)
{
    // What the table and its editors leave of Esc closes the window.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}

OrderList *MakeList(const std::string &groupSeparator, QWidget *beside, std::function<void()> changed)
{
    auto *window = new OrderWindow(groupSeparator, beside);
    QObject::connect(&window->model(), &OrderModel::totalsChanged, window, std::move(changed));
    return window;
}

}  // namespace ui
