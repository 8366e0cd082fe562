// The list's files from the keyboard: Ctrl+S asks where and saves, Ctrl+O
// and closing the program ask first about unsaved changes, each of the
// three answers does what it says, and a save or an open that fails says why in one
// message that a screen reader hears, keeping the list as it was.
#include "orderfile.h"
#include "orderpositions.h"
#include "orderwindow.h"
#include "windowfixture.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include <functional>

using namespace metal;

namespace {

// "Не сохранять" is Alt and its first letter.
constexpr auto kNotSaving = Qt::Key(0x041D);
// "Заменить" too.
constexpr auto kReplacing = Qt::Key(0x0417);

// Does `answer` to the next dialog of the type once it is shown and
// active, as a person would, while the code that opened it waits for it. A
// dialog still open a second after its answer did not get it (a key that
// reached the window before the desktop made it active): it is answered
// again. A button's shortcut clicks 100 ms after its key, so a second is
// no double answer.
template <typename Dialog> void Answer(std::function<void(Dialog *)> answer)
{
    struct State {
        bool busy = false;
        bool answered = false;
        QPointer<Dialog> dialog;
        QElapsedTimer since;
    };
    auto state = std::make_shared<State>();
    // The application holds it: a timer still waiting when the last test ends
    // goes with it.
    auto *timer = new QTimer(QCoreApplication::instance());
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, answer, state] {
        // Waiting for the window below runs this timer again.
        if (state->busy)
            return;
        if (state->answered) {
            if (!state->dialog || !state->dialog->isVisible()) {
                timer->stop();
                timer->deleteLater();
                return;
            }
            if (state->since.elapsed() < 1000)
                return;
        }
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible() || (state->answered && dialog != state->dialog))
            return;
        state->busy = true;
        // Keys go where the desktop sends them: to the active window.
        dialog->activateWindow();
        if (QTest::qWaitForWindowActive(dialog)) {
            state->answered = true;
            state->dialog = dialog;
            state->since.start();
            answer(dialog);
        }
        state->busy = false;
    });
    timer->start();
}

// What a screen reader hears of a message: it is an alert, named by its
// title, its text as its value and its details as its help.
struct Heard {
    QString title, text, details;
};
Heard Hear(QMessageBox *box)
{
    QAccessibleInterface *alert = QAccessible::queryAccessibleInterface(box);
    if (!alert || alert->role() != QAccessible::AlertMessage)
        return {QStringLiteral("not an alert"), {}, {}};
    return {alert->text(QAccessible::Name), alert->text(QAccessible::Value), alert->text(QAccessible::Help)};
}

// Types the path into the file dialog's name field and presses Enter.
void Choose(const QString &path)
{
    Answer<QFileDialog>([path](QFileDialog *dialog) {
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        // The focus comes to the name once the dialog is active.
        if (!name || !QTest::qWaitFor([name] { return name->hasFocus(); }, 2000)) {
            dialog->reject();
            QFAIL("the file name is not where the focus is");
        }
        name->setText(path);
        QTest::keyClick(name, Qt::Key_Return);
    });
}

// Answers the next message by a key and keeps what was heard.
void Press(Heard *heard, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    Answer<QMessageBox>([=](QMessageBox *box) {
        *heard = Hear(box);
        // The box's own focus (its default button), even where the
        // platform is slow to make it the active window.
        QWidget *focus = box->focusWidget() ? box->focusWidget() : box;
        // A letter beyond ASCII goes with its text, as a keyboard sends it.
        if (key > 0xFF && key < Qt::Key_Escape)
            QTest::sendKeyEvent(QTest::Click, focus, key, QString(QChar(key)), modifiers);
        else
            QTest::keyClick(focus, key, modifiers);
    });
}

class List {
public:
    List() : window(*dynamic_cast<ui::OrderWindow *>(calc.form().List()))
    {
        for (const Position &position : FourPositions())
            window.Add(position);
        window.ShowBeside(true);
        if (!QTest::qWaitForWindowActive(&window))
            qFatal("the list window is not active");
    }

    // A key in the list window, active again after a dialog, as a desktop
    // makes the window a dialog leaves (the offscreen platform does not).
    void activate()
    {
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            qFatal("the list window is not active");
    }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        activate();
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : &window, key, modifiers);
        QCoreApplication::processEvents();
    }
    QStringList names() const
    {
        QStringList names;
        for (int row = 0; row < window.model().rowCount(); ++row)
            names.append(window.model().index(row, ui::OrderModel::Name).data().toString());
        return names;
    }
    QString totals() const { return window.findChild<QLabel *>(QStringLiteral("OrderTotals"))->text(); }
    // The title as the desktop shows it: "*" for unsaved changes.
    QString title() const
    {
        return window.windowTitle().replace(QStringLiteral("[*]"),
                                            window.isWindowModified() ? QStringLiteral("*") : QString());
    }
    // Removes the first position alone, a change to save.
    void change()
    {
        activate();
        window.table()->setFocus();
        window.table()->selectionModel()->setCurrentIndex(
            window.model().index(0, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        const int rows = window.model().rowCount();
        key(Qt::Key_Delete);
        // The button's key clicks it as a click shows, a moment later.
        if (!QTest::qWaitFor([&] { return window.model().rowCount() < rows; }))
            qFatal("Delete removed nothing");
    }
    // Saved to a path by Ctrl+S and the dialog.
    void saveAs(const QString &path)
    {
        Choose(path);
        key(Qt::Key_S, Qt::ControlModifier);
    }

    Calculator calc;
    ui::OrderWindow &window;
};

// What Qt's file dialog keeps of its folders in the user's settings (on
// Windows, the registry), as text.
QString DialogSettings()
{
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("QtProject"));
    QStringList values;
    for (const QString &key : settings.allKeys())
        values += settings.value(key).toStringList();
    return values.join(u' ');
}

QStringList NamesIn(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("no file")};
    const QByteArray bytes = file.readAll();
    const Order order = ReadOrderFile({bytes.constData(), static_cast<std::size_t>(bytes.size())});
    QStringList names;
    for (std::size_t row = 0; row < order.size(); ++row)
        names.append(QString::fromStdString(PositionName(order.position(row))));
    return names;
}

}  // namespace

class OrderFilesTest : public QObject {
    Q_OBJECT

private slots:
    void menuSaysEveryActionAndItsKey();
    void saveThenOpen();
    void leavingAsks_data();
    void leavingAsks();
    void replacingAFileAsks();
    void failedSaveKeepsTheList();
    void brokenFileChangesNothing_data();
    void brokenFileChangesNothing();

private:
    QTemporaryDir folder_;
};

// A screen reader finds each item of the menu "Файл" by its text, with
// the key that does it wherever the focus is in the list window.
void OrderFilesTest::menuSaysEveryActionAndItsKey()
{
    List list;
    auto *menu = list.window.findChild<QMenu *>(QStringLiteral("OrderFileMenu"));
    QVERIFY(menu);
    QAccessibleInterface *items = QAccessible::queryAccessibleInterface(menu);
    QStringList heard;
    for (int i = 0; i < items->childCount(); ++i) {
        QAccessibleInterface *item = items->child(i);
        if (item->role() == QAccessible::MenuItem)
            heard.append(item->text(QAccessible::Name) + u' ' + item->text(QAccessible::Accelerator));
    }
    const auto key = [](QKeyCombination key) { return QKeySequence(key).toString(QKeySequence::NativeText); };
    QCOMPARE(heard, (QStringList{
                        QStringLiteral("Открыть… ") + key(Qt::CTRL | Qt::Key_O),
                        QStringLiteral("Сохранить ") + key(Qt::CTRL | Qt::Key_S),
                        QStringLiteral("Сохранить как… ") + key(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
                        QStringLiteral("Сохранить XLSX "),
                        QStringLiteral("Сохранить PDF "),
                        QStringLiteral("Печать… ") + key(Qt::CTRL | Qt::Key_P),
                    }));
}

void OrderFilesTest::saveThenOpen()
{
    List list;
    const QStringList names = list.names();
    const QString totals = list.totals();
    QCOMPARE(names.size(), 4);
    const QString path = folder_.filePath(QStringLiteral("заказ"));
    list.saveAs(path);
    // The dialog gave the name its ending.
    QCOMPARE(NamesIn(path + QStringLiteral(".csv")), names);
    QCOMPARE(list.title(), QStringLiteral("Список — заказ.csv"));

    list.change();
    QCOMPARE(list.names().size(), 3);
    QCOMPARE(list.title(), QStringLiteral("Список — заказ.csv*"));

    // Opening another list asks about the change first; not saving it
    // leaves the file as it was.
    Heard heard;
    Press(&heard, kNotSaving, Qt::AltModifier);  // "&Не сохранять"
    Choose(path + QStringLiteral(".csv"));
    list.key(Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(heard.title, QStringLiteral("Список изменён"));
    QCOMPARE(heard.text, QStringLiteral("Сохранить изменения в «заказ.csv»?"));
    QCOMPARE(heard.details, QStringLiteral("Если не сохранить, изменения пропадут."));
    QCOMPARE(list.names(), names);
    QCOMPARE(list.totals(), totals);
    QCOMPARE(list.title(), QStringLiteral("Список — заказ.csv"));

    // The dialogs noted none of their folders in the user's settings.
    QVERIFY(!DialogSettings().contains(QFileInfo(folder_.path()).fileName()));
}

void OrderFilesTest::leavingAsks_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("left");
    QTest::addColumn<int>("positionsInFile");
    QTest::addColumn<QString>("title");

    QTest::newRow("Сохранить: Enter") << int(Qt::Key_Return) << int(Qt::NoModifier) << true << 3
                                      << "Список — список.csv";
    QTest::newRow("Не сохранять: Alt+Н") << int(kNotSaving) << int(Qt::AltModifier) << true << 4
                                         << "Список — список.csv*";
    QTest::newRow("Отмена: Esc") << int(Qt::Key_Escape) << int(Qt::NoModifier) << false << 4 << "Список — список.csv*";
}

void OrderFilesTest::leavingAsks()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, left);
    QFETCH(int, positionsInFile);
    QFETCH(QString, title);

    List list;
    QTemporaryDir folder;  // a new file for each row: the dialog asks before replacing one
    const QString path = folder.filePath(QStringLiteral("список.csv"));
    list.saveAs(path);
    list.change();
    Heard heard;
    Press(&heard, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    // Closing the calculator, which takes the list with it.
    QCOMPARE(list.calc.form().close(), left);
    QCOMPARE(list.calc.form().isVisible(), !left);
    QCOMPARE(heard.text, QStringLiteral("Сохранить изменения в «список.csv»?"));
    QCOMPARE(NamesIn(path).size(), positionsInFile);
    QCOMPARE(list.title(), title);
    QCOMPARE(list.names().size(), 3);
}

// Saving over a file asks first; Esc returns to the dialog, whose Esc
// saves nothing; Alt+З replaces it.
void OrderFilesTest::replacingAFileAsks()
{
    List list;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("заказ.csv"));
    list.saveAs(path);
    list.change();
    Heard heard;
    Answer<QFileDialog>([&](QFileDialog *dialog) {
        QCOMPARE(dialog->labelText(QFileDialog::Accept), QStringLiteral("Сохранить"));
        QCOMPARE(dialog->labelText(QFileDialog::FileName), QStringLiteral("Имя файла:"));
        Press(&heard, Qt::Key_Escape);
        Answer<QFileDialog>([](QFileDialog *again) { QTest::keyClick(again, Qt::Key_Escape); });
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        name->setText(path);
        QTest::keyClick(name, Qt::Key_Return);
    });
    list.key(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(heard.text, QStringLiteral("Файл «заказ.csv» уже есть."));
    QCOMPARE(heard.details, QStringLiteral("Заменить его?"));
    QCOMPARE(NamesIn(path).size(), 4);

    Answer<QFileDialog>([&](QFileDialog *dialog) {
        Press(&heard, kReplacing, Qt::AltModifier);
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        name->setText(path);
        QTest::keyClick(name, Qt::Key_Return);
    });
    list.key(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(NamesIn(path).size(), 3);
    QCOMPARE(list.title(), QStringLiteral("Список — заказ.csv"));
}

void OrderFilesTest::failedSaveKeepsTheList()
{
    List list;
    QTemporaryDir gone;
    const QString path = gone.filePath(QStringLiteral("заказ.csv"));
    list.saveAs(path);
    QCOMPARE(NamesIn(path).size(), 4);
    QVERIFY(gone.remove());
    list.change();
    const QStringList names = list.names();

    Heard heard;
    Press(&heard, Qt::Key_Return);
    list.key(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(heard.title, QStringLiteral("Не сохранено"));
    QCOMPARE(heard.text, QStringLiteral("Не удалось сохранить список в «заказ.csv»."));
    // The folder went with the file that was in it.
    QCOMPARE(heard.details, QStringLiteral("Папки «%1» больше нет. Список остался в программе.")
                                .arg(QDir::toNativeSeparators(gone.path())));
    QCOMPARE(list.names(), names);
    QCOMPARE(list.title(), QStringLiteral("Список — заказ.csv*"));
}

void OrderFilesTest::brokenFileChangesNothing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("size");  // a file this large, its bytes at the start
    QTest::addColumn<QString>("why");

    QTest::newRow("foreign") << QByteArray("Дата;Сумма\r\n01.01.2026;100\r\n") << qint64(0)
                             << "Это не список металлопроката: в первой строке нет названий его столбцов.";
    QTest::newRow("empty") << QByteArray() << qint64(0) << "Файл пуст.";
    QTest::newRow("100 MB") << QByteArray("\xEF\xBB\xBF№;") << qint64(100) * 1024 * 1024
                            << "Файл больше 16 МБ — это не список металлопроката.";
}

void OrderFilesTest::brokenFileChangesNothing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, size);
    QFETCH(QString, why);

    const QString path = folder_.filePath(QStringLiteral("чужой.csv"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    if (size > 0)
        QVERIFY(file.resize(size));  // sparse: nothing on the disk
    file.close();

    List list;
    QTemporaryDir saved;  // saved, so that opening asks nothing first
    list.saveAs(saved.filePath(QStringLiteral("список.csv")));
    const QStringList names = list.names();
    Heard heard;
    Press(&heard, Qt::Key_Return);
    Choose(path);
    list.key(Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(heard.title, QStringLiteral("Список не открыт"));
    QCOMPARE(heard.text, QStringLiteral("Не удалось открыть «чужой.csv»."));
    QCOMPARE(heard.details, why + QStringLiteral(" Список в программе не изменился."));
    QCOMPARE(list.names(), names);
    QCOMPARE(list.title(), QStringLiteral("Список — список.csv"));
}

QTEST_MAIN(OrderFilesTest)
#include "tst_orderfiles.moc"
