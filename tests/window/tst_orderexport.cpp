// The list for others: the .xlsx workbook as an independent reader
// (openpyxl) finds it, numbers as numbers and the totals as formulas; the
// printed list as a PDF reader finds it, with its title, date, table and
// totals, and its pages numbered when there are more than one.
#include "fonts.h"
#include "orderexport.h"
#include "orderpositions.h"
#include "windowfixture.h"

#include <QDate>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

ui::OrderModel *FourPositionsModel(QObject *parent, int copies = 1)
{
    auto *model = new ui::OrderModel(NBSP, parent);
    for (int copy = 0; copy < copies; ++copy)
        for (const Position &position : FourPositions())
            model->Append(position);
    return model;
}

// Writes the content to path; false when it could not.
bool Written(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.flush();
}

// What a program prints of a file written to a scratch folder: it runs in
// the folder, and its arguments name the file as "%1", by its name alone.
// The Windows build's tests run under Wine, where the readers are Linux
// programs: they know no Windows path, and Wine gives such a program no
// process to wait for. So a shell runs the program, detached, and leaves
// what it printed in the folder, its exit status last.
QString Run(const QString &program, QStringList arguments, const QByteArray &file, const QString &name)
{
    QTemporaryDir folder;
    if (!Written(folder.filePath(name), file) ||
        !Written(folder.filePath(QStringLiteral("run.sh")),
                 "\"$@\" >output 2>errors\necho $? >status.new && mv status.new status\n"))
        return QStringLiteral("not written");
    arguments.replaceInStrings(QStringLiteral("%1"), name);
    arguments.prepend(program);
    arguments.prepend(QStringLiteral("run.sh"));
    if (!QProcess::startDetached(QStringLiteral("/bin/sh"), arguments, folder.path()))
        return QStringLiteral("%1 not started").arg(program);
    const auto read = [&folder](const char *output) {
        QFile file(folder.filePath(QLatin1String(output)));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    };
    if (!QTest::qWaitFor([&folder] { return QFile::exists(folder.filePath(QStringLiteral("status"))); }, 60000))
        return QStringLiteral("%1 did not finish").arg(program);
    if (read("status") != QStringLiteral("0\n"))
        return QStringLiteral("%1 failed: %2").arg(program, read("errors"));
    return read("output");
}

}  // namespace

class OrderExportTest : public QObject {
    Q_OBJECT

private slots:
    void workbookAsASpreadsheetReadsIt();
    void printedListAsAReaderSeesIt_data();
    void printedListAsAReaderSeesIt();
};

void OrderExportTest::workbookAsASpreadsheetReadsIt()
{
    QString error;
    const QByteArray xlsx = ui::exporting::XlsxOf(*FourPositionsModel(this), &error);
    QVERIFY2(!xlsx.isEmpty(), qPrintable(error));
    const QStringList lines = Run(QStringLiteral(READ_XLSX), {QStringLiteral("%1")}, xlsx, QStringLiteral("list.xlsx"))
                                  .split(u'\n', Qt::SkipEmptyParts);
    // By hand: 537.6 + 55.4 + 148.1 + 6.4 = 747.5 kg; 45 696 + 1 440 + 13 329
    // + 2 880 = 63 345 ₽. Numbers are "n", the totals formulas over the rows.
    const QStringList expected{
        "sheet Список",
        "A1 s №",
        "B1 s Наименование",
        "C1 s Материал",
        "D1 s Кол-во, шт",
        "E1 s Длина, м",
        "F1 s Масса, кг",
        "G1 s Цена",
        "H1 s Ед. цены",
        "I1 s Стоимость, ₽",
        "A2 n 1",
        "B2 s Балка 20Б1, ГОСТ 26020-83",
        "C2 s Углеродная сталь",
        "D2 n 4",
        "E2 n 6",
        "F2 n 537.6",
        "G2 n 85000",
        "H2 s ₽/т",
        "I2 n 45696",
        "A3 n 2",
        "B3 s Труба 57×3.5, ГОСТ 10704-91",
        "C3 s Углеродная сталь",
        "D3 n 1",
        "E3 n 12",
        "F3 n 55.4",
        "G3 n 120",
        "H3 s ₽/м",
        "I3 n 1440",
        "A4 n 3",
        "B4 s Лист 2×1250×2500",
        "C4 s Углеродная сталь",
        "D4 n 3",
        "F4 n 148.1",
        "G4 n 90000",
        "H4 s ₽/т",
        "I4 n 13329",
        "A5 n 4",
        "B5 s Квадрат 20, ГОСТ 2591-88",
        "C5 s Нержавеющая сталь",
        "D5 n 1",
        "E5 n 2",
        "F5 n 6.4",
        "G5 n 450",
        "H5 s ₽/кг",
        "I5 n 2880",
        "B6 s Итого",
        "F6 f =SUM(F2:F5) 747.5",
        "I6 f =SUM(I2:I5) 63345",
    };
    QCOMPARE(lines.mid(0, expected.size()), expected);
    // Each column as wide as its widest text and a little more: the name
    // column fits "Труба 57×3.5, ГОСТ 10704-91" (27 characters), the number
    // column its header.
    const QStringList widths = lines.mid(expected.size());
    QCOMPARE(widths.size(), 9);
    const auto width = [&widths](const char *column) {
        const QString line = widths.filter(QStringLiteral("width %1 ").arg(QLatin1String(column))).value(0);
        return line.section(u' ', 2).toInt();
    };
    QVERIFY2(width("B") >= 28 && width("B") <= 31, qPrintable(widths.join(u',')));
    QVERIFY2(width("A") >= 1 && width("A") <= 5, qPrintable(widths.join(u',')));
}

void OrderExportTest::printedListAsAReaderSeesIt_data()
{
    QTest::addColumn<int>("copies");
    QTest::addColumn<int>("pages");

    QTest::newRow("one page") << 1 << 1;
    QTest::newRow("over pages") << 25 << 0;  // more than one
}

void OrderExportTest::printedListAsAReaderSeesIt()
{
    QFETCH(int, copies);
    QFETCH(int, pages);

    const ui::OrderModel *model = FourPositionsModel(this, copies);
    const QByteArray pdf = ui::exporting::PrintedListPdf(*model);
    QVERIFY(pdf.startsWith("%PDF"));
    const QString info = Run(QStringLiteral(PDFINFO), {QStringLiteral("%1")}, pdf, QStringLiteral("list.pdf"));
    const QRegularExpressionMatch counted = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)\\n")).match(info);
    QVERIFY2(counted.hasMatch(), qPrintable(info));
    if (pages == 0) {
        pages = counted.captured(1).toInt();
        QVERIFY(pages > 1);
    }
    QCOMPARE(counted.captured(1).toInt(), pages);
    const QString text =
        Run(QStringLiteral(PDFTOTEXT), {QStringLiteral("-layout"), QStringLiteral("%1"), QStringLiteral("-")}, pdf,
            QStringLiteral("list.pdf"))
            .replace(u'\f', u'\n');
    const QStringList lines = text.split(u"\n"[0], Qt::SkipEmptyParts);
    QCOMPARE(lines.value(0).trimmed(), QStringLiteral("Спецификация"));
    QCOMPARE(lines.value(1).trimmed(),
             QStringLiteral("Дата: ") + QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
    QVERIFY2(lines.value(2).simplified().startsWith(QStringLiteral("№ Наименование Материал Кол-во, шт")),
             qPrintable(lines.value(2)));
    // The ₽ where the printed face, or one Qt falls back to, has it: under
    // Wine there is no Arial, the Liberation Sans standing in for it has no
    // ₽ and Qt finds no face to fall back to, so the page shows a box.
    const QString rouble = QStringLiteral("₽");
    const QString printedRouble =
        QFontMetricsF(QFont(ui::FontFamily("Arial"))).inFontUcs4(rouble.toUcs4().at(0)) ? rouble : QString();
    // The groups' no-break spaces read as spaces.
    const QString firstRow =
        QStringLiteral("1 Балка 20Б1, ГОСТ 26020-83 Углеродная сталь 4 6 537.6 85 000.00 %1/т 45 696.00")
            .arg(printedRouble);
    QVERIFY2(lines.value(3).simplified().startsWith(firstRow), qPrintable(lines.value(3)));
    QCOMPARE(text.simplified().count(QStringLiteral("№ Наименование")), pages);  // the header on every page
    QVERIFY(text.simplified().contains(model->TotalsText().replace(rouble, printedRouble).simplified()));
    QCOMPARE(text.count(QStringLiteral("Страница ")), pages > 1 ? pages : 0);
    for (int page = 1; pages > 1 && page <= pages; ++page)
        QVERIFY(text.contains(QStringLiteral("Страница %1 из %2").arg(page).arg(pages)));
}

QTEST_MAIN(OrderExportTest)
#include "tst_orderexport.moc"
