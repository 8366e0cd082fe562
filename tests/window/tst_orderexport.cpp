// The list for others: the .xlsx workbook as an independent reader
// (openpyxl) finds it, numbers as numbers and the totals as formulas; the
// printed list as a PDF reader finds it, with its title, date, table and
// totals, and its pages numbered when there are more than one.
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

// What a program prints of a file written to a scratch folder: it runs in
// the folder, and its arguments name the file as "%1", by its name alone:
// under Wine (the Windows build's tests) the readers are Linux programs,
// which know no Windows path.
QString Run(const QString &program, QStringList arguments, const QByteArray &file, const QString &name)
{
    QTemporaryDir folder;
    QFile out(folder.filePath(name));
    if (!out.open(QIODevice::WriteOnly) || out.write(file) != file.size())
        return QStringLiteral("not written");
    out.close();
    QProcess process;
    process.setWorkingDirectory(folder.path());
    arguments.replaceInStrings(QStringLiteral("%1"), name);
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QStringLiteral("%1 failed: %2").arg(program, QString::fromUtf8(process.readAllStandardError()));
    return QString::fromUtf8(process.readAllStandardOutput());
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
    // The groups' no-break spaces read as spaces.
    QVERIFY2(lines.value(3).simplified().startsWith(QStringLiteral("1 Балка 20Б1, ГОСТ 26020-83 Углеродная сталь 4 6 "
                                                                   "537.6 85 000.00 ₽/т 45 696.00")),
             qPrintable(lines.value(3)));
    QCOMPARE(text.simplified().count(QStringLiteral("№ Наименование")), pages);  // the header on every page
    QVERIFY(text.simplified().contains(model->TotalsText().simplified()));
    QCOMPARE(text.count(QStringLiteral("Страница ")), pages > 1 ? pages : 0);
    for (int page = 1; pages > 1 && page <= pages; ++page)
        QVERIFY(text.contains(QStringLiteral("Страница %1 из %2").arg(page).arg(pages)));
}

QTEST_MAIN(OrderExportTest)
#include "tst_orderexport.moc"
