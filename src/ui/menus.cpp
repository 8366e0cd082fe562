// The two context menus: the result's, which copies the result or the
// whole calculation or adds it to the list, and the window's, on its title band, which keeps the
// window above the others. Made when first asked for: nothing of them is
// built at start.
#include "menus.h"

#include "design.h"
#include "mainunit.h"
#include "materiallist.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QWindow>

using namespace metal;

namespace {

// The background's title band, above its first line: where a right click
// opens the window's menu.
constexpr int kTitleBandHeight = 50;

// A caption as it reads inside a sentence: "Внешний диаметр, мм" gives the
// name "внешний диаметр" and the unit "мм".
QString LowerFirst(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toLower();
    return text;
}

// The result as the label shows it, without the label's padding.
QString ShownResultText() { return Form1->Label32->caption().simplified(); }

QMenu *ResultMenu()
{
    static QPointer<QMenu> menu;
    if (!menu) {
        menu = new QMenu(Form1);
        menu->setObjectName(QStringLiteral("ResultMenu"));
        menu->addAction(QStringLiteral("Копировать"), [] { CopyResult(); });
        menu->addAction(QStringLiteral("Копировать расчёт"),
                        [] { QGuiApplication::clipboard()->setText(CalculationText()); });
        menu->addAction(QStringLiteral("Добавить в список"), [] { Form1->AddToList(); });
    }
    return menu;
}

QMenu *WindowMenu()
{
    static QPointer<QMenu> menu;
    if (!menu) {
        menu = new QMenu(Form1);
        menu->setObjectName(QStringLiteral("WindowMenu"));
        QAction *onTop = menu->addAction(QStringLiteral("Поверх всех окон"));
        onTop->setCheckable(true);
        QObject::connect(onTop, &QAction::toggled, Form1, [](bool on) {
            // On the native window: the widget's flags would recreate it.
            if (QWindow *window = Form1->windowHandle())
                window->setFlag(Qt::WindowStaysOnTopHint, on);
        });
        QObject::connect(menu, &QMenu::aboutToShow, onTop, [onTop] {
            const QWindow *window = Form1->windowHandle();
            onTop->setChecked(window && window->flags().testFlag(Qt::WindowStaysOnTopHint));
        });
    }
    return menu;
}

}  // namespace

void CopyResult() { QGuiApplication::clipboard()->setText(ShownResultText()); }

QString CalculationText()
{
    const KindInfo &kind = Kind(CurrentKind);
    QString text = QString::fromUtf8(kind.menuCaption).trimmed();
    if (CurrentSize)
        text += u' ' + QString::fromUtf8(CurrentSize.size->designation()) + QStringLiteral(", ") +
                QString::fromUtf8(CurrentSize.standard->number);
    QStringList parts;
    for (int row = kind.firstRow; row <= kind.quantityRow; ++row) {
        const QString caption = QString::fromUtf8(FieldCaption(kind, row, MassMode));
        const qsizetype comma = caption.lastIndexOf(u',');
        const QString value = InputEdit(row)->text().isEmpty() ? QStringLiteral("0") : InputEdit(row)->text();
        parts.append(LowerFirst(caption.left(comma)) + u' ' + value + u' ' + caption.mid(comma + 1).trimmed());
    }
    parts.append(LowerFirst(QString::fromUtf8(Material(CurrentMaterial).listCaption).trimmed()));
    return text + QStringLiteral(": ") + parts.join(QStringLiteral(", ")) + QStringLiteral(" — ") + ShownResultText();
}

void TForm1::ResultMenuRequested(QPoint globalPos)
{
    CloseDropDowns();
    ResultMenu()->popup(globalPos);
}

void TForm1::WindowMenuRequested(QPoint globalPos)
{
    if (mapFromGlobal(globalPos).y() >= kTitleBandHeight)
        return;
    CloseDropDowns();
    WindowMenu()->popup(globalPos);
}
