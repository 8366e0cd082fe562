// What the window writes by the locale it runs under: the result's groups of
// three apart by the locale's separator, a point for the decimals whatever
// the locale's own sign, and the footer's year in four digits. This suite is
// registered under C.UTF-8, ru_RU, en_US and de_DE; every other window suite
// runs under C.UTF-8 alone.
#include "orderwindow.h"
#include "windowfixture.h"

#include <QDate>
#include <QRegularExpression>
#include <QtTest>

namespace {

const QString kError = QStringLiteral("Ошибка  ");

class Window : public Calculator {
public:
    // Clicks into the field of the row, removes what it holds and types.
    void fill(int r, const QString &text) const { replaceText(row(r), text); }
    // Whether the result is drawn in that colour on screen.
    bool resultDrawnIn(QRgb colour) const { return HasPixel(grab(), result()->geometry(), colour); }
};

// The locale the run was registered with, without its encoding ("ru_RU").
QString PinnedLocale() { return QString::fromLocal8Bit(qgetenv("LC_ALL")).section(u'.', 0, 0); }

}  // namespace

class LocaleFormatsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void rangeLimit();
    void groupedResultsUseTheLocaleSeparator();
    void groupedWorkedResults_data();
    void groupedWorkedResults();
    void pointIsTheDecimalSeparatorInEveryLocale();
    void footerShowsTheYear();
    void theListGroupsAsTheResultDoes();

private:
    // The groups of a number joined by the locale's separator.
    QString grouped(const QStringList &groups) const { return groups.join(separator_); }

    QString separator_;
};

void LocaleFormatsTest::initTestCase()
{
    separator_ = ExpectedGroupSeparator();
    QVERIFY2(!separator_.isEmpty(), ("run under a locale this test knows, not " + qgetenv("LC_ALL")).constData());
    // The locale the window reads is the one the run was registered with.
    QCOMPARE(QLocale::system().groupSeparator(), separator_);
}

void LocaleFormatsTest::rangeLimit()
{
    Window calc;
    auto *result = calc.result();
    calc.selectKind(6);
    calc.selectMode(false);
    // 99999 × 99999 mm is 9999.800001 m² a sheet.
    calc.fill(1, QStringLiteral("99999"));
    calc.fill(2, QStringLiteral("99999"));

    // A thousand sheets stay below the limit.
    calc.fill(4, QStringLiteral("1000"));
    QCOMPARE(result->caption(), grouped({"9", "999", "800.0 м2  "}));
    QCOMPARE(result->fontColor(), QColor(0, 0, 0));

    // One more sheet is 10009799.8 m²: the error text, red, no unit.
    calc.key(Qt::Key_Backspace);
    calc.type(QStringLiteral("1"));
    QCOMPARE(calc.row(4)->text(), QStringLiteral("1001"));
    QCOMPARE(result->caption(), kError);
    QCOMPARE(result->fontColor(), QColor(255, 0, 0));
    QVERIFY(calc.resultDrawnIn(qRgb(255, 0, 0)));
    QVERIFY(!calc.resultDrawnIn(qRgb(0, 0, 0)));

    // Far beyond it as well.
    calc.fill(4, QStringLiteral("99999"));
    QCOMPARE(result->caption(), kError);
    QCOMPARE(result->fontColor(), QColor(255, 0, 0));

    // The next result in range is black again, with its unit.
    calc.fill(4, QStringLiteral("2"));
    QCOMPARE(result->caption(), grouped({"19", "999.6 м2  "}));
    QCOMPARE(result->fontColor(), QColor(0, 0, 0));
    QVERIFY(calc.resultDrawnIn(qRgb(0, 0, 0)));
    QVERIFY(!calc.resultDrawnIn(qRgb(255, 0, 0)));
}

void LocaleFormatsTest::groupedResultsUseTheLocaleSeparator()
{
    Window calc;
    auto *result = calc.result();
    // 225 sheets of 1000 × 2000 × 2 mm: 4 dm³ of steel each, 31.6 kg.
    calc.selectKind(6);
    calc.fill(1, QStringLiteral("1000"));
    calc.fill(2, QStringLiteral("2000"));
    calc.fill(3, QStringLiteral("2"));
    calc.fill(4, QStringLiteral("225"));
    QCOMPARE(result->caption(), grouped({"7", "110.0 кг  "}));

    // Below a thousand no separator is shown.
    calc.fill(4, QStringLiteral("31"));
    QCOMPARE(result->caption(), QStringLiteral("979.6 кг  "));

    // Two separators: 200 sheets of 99999 × 99999 mm are 1999960.0002 m².
    calc.selectMode(false);
    calc.fill(1, QStringLiteral("99999"));
    calc.fill(2, QStringLiteral("99999"));
    calc.fill(4, QStringLiteral("200"));
    QCOMPARE(result->caption(), grouped({"1", "999", "960.0 м2  "}));
}

void LocaleFormatsTest::groupedWorkedResults_data()
{
    QTest::addColumn<int>("row");  // of the worked results
    for (std::size_t i = 0; i < std::size(worked::kResults); ++i)
        if (QString::fromUtf8(worked::kResults[i].shown).contains(QChar(0x00A0)))
            QTest::newRow(worked::kResults[i].name) << static_cast<int>(i);
}

// The worked results whose number has groups, typed into the window: their
// groups apart by the locale's separator.
void LocaleFormatsTest::groupedWorkedResults()
{
    if (PinnedLocale() == QLatin1String("C"))
        QSKIP("under C.UTF-8 tst_typedresults types every worked result");
    QFETCH(int, row);
    const worked::Result &worked = worked::kResults[static_cast<std::size_t>(row)];
    Window calc;
    calc.selectKind(worked.kind);
    if (worked.material != metal::mtCarbonSteel)
        calc.chooseMaterial(worked.material);
    calc.selectMode(worked.massMode);
    calc.typeFields(worked.fields);
    QCOMPARE(calc.result()->caption(), ShownCaption(worked, separator_));
}

void LocaleFormatsTest::pointIsTheDecimalSeparatorInEveryLocale()
{
    // Under ru_RU and de_DE the locale's own decimal separator is a comma.
    const QString locale = PinnedLocale();
    if (locale == QLatin1String("ru_RU") || locale == QLatin1String("de_DE"))
        QCOMPARE(QLocale::system().decimalPoint(), QStringLiteral(","));

    Window calc;
    auto *result = calc.result();
    calc.fill(1, QStringLiteral("57"));
    calc.fill(2, QStringLiteral("3.5"));
    calc.fill(3, QStringLiteral("1.5"));
    QCOMPARE(calc.row(2)->text(), QStringLiteral("3.5"));
    // One and a half metres of 4.647 kg.
    QCOMPARE(result->caption(), QStringLiteral("7.0 кг  "));
    // The decimal key of such a keyboard types ',', which enters the point.
    calc.fill(3, QStringLiteral("2,5"));
    QCOMPARE(calc.row(3)->text(), QStringLiteral("2.5"));
    QCOMPARE(result->caption(), QStringLiteral("11.6 кг  "));
}

void LocaleFormatsTest::footerShowsTheYear()
{
    Calculator calc;
    auto *label = calc.find<ui::Label>("Label34");
    const QString year = QString::number(QDate::currentDate().year());
    QCOMPARE(label->caption(), QStringLiteral("2009-") + year);
    QVERIFY(QRegularExpression(QStringLiteral("^2009-\\d{4}$")).match(label->caption()).hasMatch());

    // The test runs under the locale it was registered with; under en_US and
    // de_DE the short date ends in a two-digit year, which must not show.
    // Windows has no C locale (a run under it gets en_US) and shows
    // four-digit years in the short dates of both.
    const QString pinned = PinnedLocale();
#ifdef Q_OS_WIN
    QCOMPARE(QLocale::system().name(), pinned == QLatin1String("C") ? QStringLiteral("en_US") : pinned);
#else
    QCOMPARE(QLocale::system().name(), pinned == QLatin1String("C") ? QStringLiteral("C") : pinned);
    if (pinned == QLatin1String("en_US") || pinned == QLatin1String("de_DE"))
        QVERIFY(!QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).endsWith(year));
#endif

    // Grey text, from x 44, the label as wide as its text.
    QCOMPARE(label->geometry().topLeft(), QPoint(44, 546));
    QCOMPARE(label->fontColor(), QColor(115, 115, 115));
    const QFontMetrics metrics(label->font());
    QVERIFY(qAbs(label->width() - metrics.horizontalAdvance(label->caption())) <= 2);
    const QImage shot = calc.grab();
    QVERIFY2(HasPixel(shot, label->geometry(), QColor(115, 115, 115)), "the year is drawn in grey");
    QVERIFY(!HasPixel(shot, QRect(label->geometry().right() + 1, 546, 4, 18), QColor(115, 115, 115)));
}

// The list writes its numbers as the result does, and its line under the
// result too: the pipe 57 × 3.5, 1000 m, 4 647.3 kg, at 85 000 ₽/т.
void LocaleFormatsTest::theListGroupsAsTheResultDoes()
{
    Window calc;
    calc.fill(1, QStringLiteral("57"));
    calc.fill(2, QStringLiteral("3.5"));
    calc.fill(3, QStringLiteral("1000"));
    calc.key(Qt::Key_Insert);
    ui::OrderWindow *list = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *made = qobject_cast<ui::OrderWindow *>(window))
            list = made;
    QVERIFY(list);
    ui::OrderModel &model = list->model();
    QVERIFY(model.setData(model.index(0, ui::OrderModel::Price), QStringLiteral("85000"), Qt::EditRole));
    QCOMPARE(model.index(0, ui::OrderModel::Mass).data().toString(), grouped({"4", "647.3"}));
    QCOMPARE(model.index(0, ui::OrderModel::Price).data().toString(), grouped({"85", "000.00"}));
    // 4.6473 t × 85 000 = 395 020.50.
    QCOMPARE(model.index(0, ui::OrderModel::Cost).data().toString(), grouped({"395", "020.50"}));
    QCOMPARE(calc.find<ui::Label>("Label39")->caption(), QStringLiteral("В списке 1 · 4.65 т"));
}

QTEST_MAIN(LocaleFormatsTest)
#include "tst_localeformats.moc"
