// The real window on the offscreen platform: how long a typed digit takes to
// reach the result label, and how long the two windows take to be created
// and the main one to be shown; the list window with 1,000 positions; the
// list's files and exports.
#include "application.h"
#include "mainunit.h"
#include "orderexport.h"
#include "orderpositions.h"
#include "orderwindow.h"
#include "picunit.h"
#include "windowfixture.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

struct Windows {
    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TForm2> form2;

    // As the program does it: the main window first, then the picture store,
    // then the main window is shown. Returns once the window is on screen.
    void create()
    {
        form1 = std::make_unique<TForm1>();
        form2 = std::make_unique<TForm2>();
        form1->show();
        while (!form1->windowHandle()->isExposed())
            QCoreApplication::processEvents();
    }
    void destroy()
    {
        form2.reset();
        form1.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
};

// Both windows created and the main one shown, then destroyed.
void CreateAndShow(benchmark::State &state)
{
    for (auto _ : state) {
        Windows windows;
        windows.create();
        state.PauseTiming();
        if (!windows.form1->isVisible())
            state.SkipWithError("the main window is not shown");
        windows.destroy();
        state.ResumeTiming();
    }
}

// The first windows of the process, as at start-up: nothing of them has
// been created or drawn before. Run once, before anything else.
void FirstCreateAndShowWindows(benchmark::State &state) { CreateAndShow(state); }
BENCHMARK(FirstCreateAndShowWindows)->Iterations(1)->Repetitions(1)->Unit(benchmark::kMillisecond);

// The windows created and shown, and the pipe's worked example, 57 × 3.5 mm
// and 1 m long, typed in as a person replaces the fields' texts; returns its
// quantity field.
ui::Edit *ShowWithPipe(Windows &windows)
{
    windows.create();
    const worked::Result &pipe = worked::Example(metal::pkPipe, true);
    ui::Edit *quantity = nullptr;
    for (int row = 0; row < metal::kRowCount; ++row)
        if (const std::string_view text = pipe.fields[static_cast<std::size_t>(row)]; text != "0") {
            quantity = InputEdit(row);
            ReplaceText(quantity, ToQString(text));
        }
    QCoreApplication::processEvents();
    return quantity;
}

// The pipe 57 × 3.5 mm: a digit typed after the length of 1 m makes it 12 m,
// a backspace makes it 1 m again; each keystroke computes a new result.
void TypedDigitToResult(benchmark::State &state)
{
    Windows windows;
    ui::Edit *quantity = ShowWithPipe(windows);
    TForm1 &form = *windows.form1;

    const QString one = form.Label32->caption();
    QTest::keyClick(quantity, Qt::Key_2);
    const QString twelve = form.Label32->caption();
    QTest::keyClick(quantity, Qt::Key_Backspace);
    if (one == twelve || form.Label32->caption() != one) {
        state.SkipWithError("typing does not change the result");
        return;
    }

    bool typed = false;
    for (auto _ : state) {
        if (typed)
            QTest::keyClick(quantity, Qt::Key_Backspace);
        else
            QTest::keyClick(quantity, Qt::Key_2);
        typed = !typed;
        if (form.Label32->caption() != (typed ? twelve : one)) {
            state.SkipWithError("the result did not follow the keystroke");
            break;
        }
        // Paint events and the like are left for outside the measured time.
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.SetLabel((one + QStringLiteral(" / ") + twelve).toStdString());
    windows.destroy();
}
BENCHMARK(TypedDigitToResult)->Unit(benchmark::kMicrosecond);

// The same keystroke until the window has painted the new result.
void TypedDigitToPaintedResult(benchmark::State &state)
{
    Windows windows;
    ui::Edit *quantity = ShowWithPipe(windows);
    TForm1 &form = *windows.form1;

    const QString one = form.Label32->caption();
    bool typed = false;
    for (auto _ : state) {
        QTest::keyClick(quantity, typed ? Qt::Key_Backspace : Qt::Key_2);
        typed = !typed;
        form.Label32->repaint();
        if ((form.Label32->caption() == one) == typed) {
            state.SkipWithError("the result did not follow the keystroke");
            break;
        }
    }
    windows.destroy();
}
BENCHMARK(TypedDigitToPaintedResult)->Unit(benchmark::kMicrosecond);

// A standard size chosen from the keyboard until the window has painted its
// result: the beam 1 m long, the list opened with F3, the start of a size
// typed and Enter; No. 20 and No. 22 of GOST 8239-89 in turn.
void ChosenSizeToPaintedResult(benchmark::State &state)
{
    Windows windows;
    windows.create();
    TForm1 &form = *windows.form1;
    form.Label11->click();
    ReplaceText(InputEdit(metal::Kind(metal::pkBeam).quantityRow), QStringLiteral("1"));
    QCoreApplication::processEvents();
    bool twenty = true;
    for (auto _ : state) {
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus, Qt::Key_F3);
        QTest::keyClicks(QApplication::focusWidget(), twenty ? QStringLiteral("20") : QStringLiteral("22"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        form.Label32->repaint();
        if (form.Label32->caption() != (twenty ? QStringLiteral("21.0 кг  ") : QStringLiteral("24.0 кг  "))) {
            state.SkipWithError("the result is not the standard's mass");
            break;
        }
        twenty = !twenty;
    }
    windows.destroy();
}
BENCHMARK(ChosenSizeToPaintedResult)->Unit(benchmark::kMicrosecond);

// Both windows created and the main one shown, each time afresh.
void CreateAndShowWindows(benchmark::State &state) { CreateAndShow(state); }
BENCHMARK(CreateAndShowWindows)->Unit(benchmark::kMillisecond);

// The list window with 1,000 positions: adding one more until the table,
// scrolled to it, and the totals under it are painted, and editing a price in place until the table
// and the totals are painted.
constexpr int kPositions = 1000;

// The beam 20Б1, 4 pieces of 6 m, at 85 000 ₽/т.
metal::Position Beam()
{
    using namespace metal;
    Position position = PositionFrom({pkBeam, mtCarbonSteel, true, FindSize(pkBeam, "ГОСТ 26020-83", "20Б1")},
                                     {"200", "100", "5.6", "8.5", "6"});
    position.pieces = 4;
    position.price = *Decimal::Parse("85000");
    return position;
}

// A shown list of 1,000 positions, its last one current.
std::unique_ptr<ui::OrderWindow> ThousandPositions()
{
    auto window = std::make_unique<ui::OrderWindow>("\u00A0", nullptr);
    const metal::Position beam = Beam();
    for (int i = 0; i < kPositions; ++i)
        window->Add(beam);
    window->ShowBeside(true);
    QCoreApplication::processEvents();
    return window;
}

QLabel *Totals(const ui::OrderWindow &window) { return window.findChild<QLabel *>(QStringLiteral("OrderTotals")); }

void AddToThousandUntilTotalsPainted(benchmark::State &state)
{
    const auto window = ThousandPositions();
    const metal::Position beam = Beam();
    const std::size_t last[] = {kPositions};
    for (auto _ : state) {
        window->Add(beam);
        window->table()->viewport()->repaint();
        Totals(*window)->repaint();
        state.PauseTiming();
        if (window->model().rowCount() != kPositions + 1) {
            state.SkipWithError("the position was not added");
            break;
        }
        window->model().Remove(last);
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(AddToThousandUntilTotalsPainted)->Unit(benchmark::kMicrosecond);

void EditPriceInThousandUntilPainted(benchmark::State &state)
{
    const auto window = ThousandPositions();
    ui::OrderModel &model = window->model();
    const QModelIndex price = model.index(kPositions - 1, ui::OrderModel::Price);
    bool raised = false;
    for (auto _ : state) {
        raised = !raised;
        if (!model.setData(price, raised ? QStringLiteral("90000") : QStringLiteral("85000"), Qt::EditRole)) {
            state.SkipWithError("the price was refused");
            break;
        }
        window->table()->viewport()->repaint();
        Totals(*window)->repaint();
    }
}
BENCHMARK(EditPriceInThousandUntilPainted)->Unit(benchmark::kMicrosecond);

// The list's files: saving and opening 10,000 positions (the file written
// whole and read back, the table reset), the .xlsx workbook of 10,000 (the
// export module loaded before the timing) and the PDF of 1,000.
std::unique_ptr<ui::OrderWindow> ListOf(int positions)
{
    auto window = std::make_unique<ui::OrderWindow>("\u00A0", nullptr);
    const std::vector<metal::Position> four = FourPositions();
    for (int i = 0; i < positions; ++i)
        window->model().Append(four[static_cast<std::size_t>(i) % four.size()]);
    return window;
}

void SaveTenThousand(benchmark::State &state)
{
    const auto window = ListOf(10000);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("список.csv"));
    for (auto _ : state)
        if (!window->files().SaveTo(path)) {
            state.SkipWithError("not saved");
            break;
        }
    state.SetLabel(QString::number(QFileInfo(path).size() / 1024).toStdString() + " KiB");
}
BENCHMARK(SaveTenThousand)->Unit(benchmark::kMillisecond);

void OpenTenThousand(benchmark::State &state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("список.csv"));
    ListOf(10000)->files().SaveTo(path);
    const auto window = ListOf(0);
    for (auto _ : state)
        if (!window->files().OpenFrom(path) || window->model().rowCount() != 10000) {
            state.SkipWithError("not opened");
            break;
        }
}
BENCHMARK(OpenTenThousand)->Unit(benchmark::kMillisecond);

void XlsxOfTenThousand(benchmark::State &state)
{
    const auto window = ListOf(10000);
    QString error;
    ui::exporting::XlsxOf(ListOf(1)->model(), &error);  // loads the module
    QByteArray xlsx;
    for (auto _ : state)
        xlsx = ui::exporting::XlsxOf(window->model(), &error);
    if (xlsx.isEmpty())
        state.SkipWithError(error.toStdString().c_str());
    state.SetLabel(std::to_string(xlsx.size() / 1024) + " KiB");
}
BENCHMARK(XlsxOfTenThousand)->Unit(benchmark::kMillisecond);

void PdfOfThousand(benchmark::State &state)
{
    const auto window = ListOf(1000);
    QByteArray pdf;
    for (auto _ : state)
        pdf = ui::exporting::PrintedListPdf(window->model());
    state.SetLabel(std::to_string(pdf.size() / 1024) + " KiB");
}
BENCHMARK(PdfOfThousand)->Unit(benchmark::kMillisecond);

// The offscreen platform cannot shape the window and says so each time a
// window is created; nothing else is kept from the output.
QtMessageHandler gPreviousHandler = nullptr;

void QuietAboutWindowMasks(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("does not support setting window masks")))
        return;
    if (gPreviousHandler)
        gPreviousHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    gPreviousHandler = qInstallMessageHandler(QuietAboutWindowMasks);
    ui::PrepareApplication();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
