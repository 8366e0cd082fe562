// Thousands of random events at the real window (monkey.h), and after every
// few of them what a person would check: one kind selected and named, its
// rows shown, short fields, a result that reads right for the fields on
// screen, a window of the same size, and only the seller's site asked for.
//
// Each run draws a new seed and prints it; METALCALC_MONKEY_SEED=<seed>
// replays a run, METALCALC_MONKEY_EVENTS=<n> sets how many events it makes.
#include "monkey.h"
#include "windowfixture.h"

#include <QLocale>
#include <QRegularExpression>
#include <QThreadPool>
#include <QtTest>

using namespace metal;

namespace {

quint32 FromEnvironment(const char *name, quint32 otherwise)
{
    bool ok = false;
    const quint32 value = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? value : otherwise;
}

// A caption as read: line breaks and runs of spaces are one space.
QString Read(const QString &caption)
{
    QString text = caption;
    return text.replace(u'\r', u' ').simplified();
}

const QColor kWhite(255, 255, 255), kBlack(0, 0, 0), kRed(255, 0, 0);

// What the checks met on the way, so that a run that never got anywhere
// (a window that stopped reacting to the monkey) does not pass unseen.
struct Met {
    QSet<int> kinds;
    QSet<QString> materials;
    QSet<bool> modes;
    int results = 0;  // results compared with the fields on screen
    int errors = 0;   // of which the error text
    int sizes = 0;    // of which by a standard size
};

// What the window shows, checked as a person would; an empty text when all
// is well, otherwise what is wrong.
QString Broken(const Calculator &calc, QSize size, Met &met)
{
    if (calc.form().size() != size)
        return QStringLiteral("the window is %1 × %2").arg(calc.form().width()).arg(calc.form().height());

    // One menu item is white, and the title names it.
    int kindIndex = -1;
    for (int i = 0; i < kKindCount; ++i) {
        if (calc.menuItem(i + 1)->fontColor() != kWhite)
            continue;
        if (kindIndex >= 0)
            return QStringLiteral("%1 and %2 are both selected")
                .arg(calc.menuItem(kindIndex + 1)->objectName(), calc.menuItem(i + 1)->objectName());
        kindIndex = i;
    }
    if (kindIndex < 0)
        return QStringLiteral("no menu item is selected");
    const auto kind = static_cast<ProfileKind>(kindIndex + 1);
    const QString item = Read(calc.menuItem(kindIndex + 1)->caption());
    const QString title = Read(calc.find<ui::Label>("Label17")->caption());
    if (title != item)
        return QStringLiteral("the title reads \"%1\" under the selected item \"%2\"").arg(title, item);

    // The mode, as the result block's caption says it.
    const QString total = calc.find<ui::Label>("Label18")->caption();
    const bool massMode = total == QString::fromUtf8(TotalCaption(true));
    const QString lengthCaption =
        kind == pkSheet ? QStringLiteral("    Итого\r   площадь:") : QString::fromUtf8(TotalCaption(false));
    if (!massMode && total != lengthCaption)
        return QStringLiteral("the result block's caption is \"%1\"").arg(total);
    met.kinds.insert(kind);
    met.modes.insert(massMode);

    // The kind's rows and no others, with their captions; short fields.
    const KindInfo &info = Kind(kind);
    FieldTexts texts;
    std::array<QByteArray, kRowCount> utf8;
    for (int row = 0; row < kRowCount; ++row) {
        const auto r = static_cast<std::size_t>(row);
        const auto *field = calc.row(row);
        const auto *caption = calc.rowCaption(row);
        const bool shown = field->isVisibleTo(&calc.form());
        if (shown != info.usesRow(row) || caption->isVisibleTo(&calc.form()) != shown)
            return QStringLiteral("row %1 (%2) is %3").arg(row).arg(field->objectName(), shown ? "shown" : "hidden");
        if (field->text().size() > 5)
            return QStringLiteral("%1 holds \"%2\"").arg(field->objectName(), field->text());
        if (shown && caption->caption() != QString::fromUtf8(FieldCaption(info, row, massMode)))
            return QStringLiteral("row %1 is captioned \"%2\"").arg(row).arg(caption->caption());
        utf8[r] = field->text().toUtf8();
        texts[r] = std::string_view(utf8[r].constData(), static_cast<std::size_t>(utf8[r].size()));
    }

    // The result: the error text in red, or a number (or the reset "0.00")
    // in black with the unit of the mode.
    const auto *result = calc.result();
    const QString shown = result->caption();
    const QString unit = QString::fromUtf8(ResultUnit(massMode, kind));
    static const QRegularExpression number(QStringLiteral("^(0\\.00|[0-9]{1,3}(%1[0-9]{3})*\\.[0-9]) (\\S+ ) $")
                                               .arg(QRegularExpression::escape(QLocale::system().groupSeparator())));
    if (shown == QString::fromUtf8(kErrorText)) {
        if (result->fontColor() != kRed)
            return QStringLiteral("the error text is not red");
    } else {
        const QRegularExpressionMatch match = number.match(shown);
        if (!match.hasMatch() || match.captured(3) != unit)
            return QStringLiteral("the result reads \"%1\", the unit is \"%2\"").arg(shown, unit);
        if (result->fontColor() != kBlack)
            return QStringLiteral("the result \"%1\" is not black").arg(shown);
    }

    // When the fields on screen make a result, it is the one shown, for
    // the material in the box and the size the box names under the
    // standard the line names (by the core's one rule).
    const QString box = Read(calc.find<ui::Label>("Label1")->caption());
    const MaterialInfo *material = nullptr;
    for (const MaterialInfo &m : kMaterials)
        if (Read(QString::fromUtf8(m.listCaption)) == box)
            material = &m;
    if (!material)
        return QStringLiteral("the material box reads \"%1\"").arg(box);
    const QString designation = calc.find<ui::Label>("Label35")->caption().trimmed();
    const auto *rule = calc.find<ui::Label>("Label36");
    ChosenSize chosen;
    for (const Standard &standard : StandardsOf(kind))
        for (const SizeSeries &series : standard.series)
            for (const StandardSize &s : series.sizes)
                if (!chosen && rule->isVisibleTo(&calc.form()) &&
                    rule->caption().startsWith(QString::fromUtf8(standard.number) + QStringLiteral(" · ")) &&
                    QString::fromUtf8(s.designation()) == designation)
                    chosen = {&standard, &s};
    if (rule->isVisibleTo(&calc.form()) != bool(chosen))
        return QStringLiteral("the box reads \"%1\" over the line \"%2\"").arg(designation, rule->caption());
    const Choices choices{kind, material->id, massMode, chosen};
    if (!QuantityGiven(choices, texts))
        return {};
    met.materials.insert(box);
    const std::optional<ResultText> made =
        ShownResultOf(choices, texts, QLocale::system().groupSeparator().toStdString());
    if (!made)
        return {};  // the fields make no result: the last one stays
    const QString expected = QString::fromStdString(made->text);
    if (shown != expected)
        return QStringLiteral("the result reads \"%1\", the fields make \"%2\"").arg(shown, expected);
    ++met.results;
    met.sizes += UsesStandardMass(choices);
    met.errors += shown == QString::fromUtf8(kErrorText);
    return {};
}

}  // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void randomEventsLeaveTheWindowSound();
};

void MonkeyTest::randomEventsLeaveTheWindowSound()
{
    const quint32 seed = FromEnvironment("METALCALC_MONKEY_SEED", QRandomGenerator::system()->generate());
    const int events = static_cast<int>(FromEnvironment("METALCALC_MONKEY_EVENTS", 20000));
    qInfo("monkey seed %u, %d events; replay with METALCALC_MONKEY_SEED=%u", seed, events, seed);

    // Painting starts Qt's pooled threads; they end here, after the window,
    // not while the program exits under the leak checker, whose stopping of
    // threads can fail on one that is ending.
    const auto joinPooledThreads = qScopeGuard([] { QThreadPool::globalInstance()->waitForDone(); });
    UrlCatcher catcher;  // no browser is started

    Calculator calc;
    const QSize size = calc.form().size();
    Met met;
    Monkey monkey(calc, seed);
    const auto failure = [&](const QString &what) {
        return QStringLiteral("%1\nafter event %2 of seed %3; the latest events:\n%4")
            .arg(what)
            .arg(monkey.actions())
            .arg(seed)
            .arg(monkey.recent());
    };
    constexpr int kBatch = 8;
    while (monkey.actions() < events) {
        for (int i = 0; i < kBatch && monkey.actions() < events; ++i)
            monkey.act();
        const QString broken = Broken(calc, size, met);
        if (!broken.isEmpty())
            QFAIL(qPrintable(failure(broken)));
        if (catcher.urls.size() != monkey.linkClicks())
            QFAIL(qPrintable(failure(QStringLiteral("%1 addresses asked for after %2 clicks on the links")
                                         .arg(catcher.urls.size())
                                         .arg(monkey.linkClicks()))));
        for (const QUrl &url : std::as_const(catcher.urls))
            if (url != QUrl(QStringLiteral(SELLER_URL)))
                QFAIL(qPrintable(failure(QStringLiteral("asked to open %1").arg(url.toString()))));
    }
    qInfo("%d events: %lld kinds, %lld materials, %d results compared (%d the error text, %d by a standard "
          "size), %d link clicks",
          monkey.actions(), static_cast<long long>(met.kinds.size()), static_cast<long long>(met.materials.size()),
          met.results, met.errors, met.sizes, monkey.linkClicks());
    // Enough events reach every kind, both modes and several materials,
    // and make results.
    QCOMPARE(met.kinds.size(), kKindCount);
    QCOMPARE(met.modes.size(), 2);
    QVERIFY(met.materials.size() >= 3);
    QVERIFY(met.results >= 10);
}

QTEST_MAIN(MonkeyTest)
#include "tst_monkey.moc"
