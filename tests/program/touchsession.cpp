// A short session at the real program, for the check that it touches
// nothing (touches-nothing.sh): linked with the program's own entry, it waits
// for the event loop, then types a pipe, chooses copper and the square bar,
// types again, adds the square to the list (the list window, from its
// module), clicks the footer's link and closes the window with its close
// control, answering "Не сохранять" when asked about the list, as a person
// would. Each step says what it sees; a step that does
// not see what it should ends the program with status 3.
#include "mainunit.h"
#include "windowfixture.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QApplication>
#include <QMessageBox>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <cstdio>

namespace {

bool gFailed = false;

void Step(const char *what, const QString &seen, const QString &expected)
{
    const bool ok = seen == expected;
    std::printf("session: %s: \"%s\"%s\n", what, qPrintable(seen),
                ok ? "" : qPrintable(" instead of \"" + expected + "\""));
    std::fflush(stdout);
    gFailed = gFailed || !ok;
}

void RunSession()
{
    TForm1 *form = Form1;
    if (!form || !QTest::qWaitForWindowExposed(form)) {
        std::printf("session: the window did not show\n");
        QCoreApplication::exit(3);
        return;
    }
    // The clicks below give a field the focus only in the active window; on
    // X11 it is active once the server says so, some time after asking.
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form)) {
        std::printf("session: the window did not become active\n");
        QCoreApplication::exit(3);
        return;
    }

    ReplaceText(form->Edit1, QStringLiteral("57"));
    ReplaceText(form->Edit2, QStringLiteral("3.5"));
    ReplaceText(form->Edit3, QStringLiteral("1"));
    Step("a pipe 57 × 3.5, 1 m", form->Label32->caption(), QStringLiteral("4.6 кг  "));

    ClickOn(form->Label1);
    ClickOn(form->Label25);
    Step("copper", form->Label1->caption(), QStringLiteral("  Медь"));
    Step("the pipe in copper", form->Label32->caption(), QStringLiteral("5.2 кг  "));

    ClickOn(form->Label4);
    Step("the square bar", form->Label17->caption(), QStringLiteral("    Квадрат"));
    ReplaceText(form->Edit1, QStringLiteral("10"));
    ReplaceText(form->Edit2, QStringLiteral("2"));
    Step("a copper square 10, 2 m", form->Label32->caption(), QStringLiteral("1.8 кг  "));

    QTest::keyClick(form, Qt::Key_Insert);
    Step("the square added to the list", form->Label39->caption(), QStringLiteral("В списке 1 · 1.8 кг"));
    QString listed;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *table = window->findChild<QTableView *>(); table && window->isVisible())
            listed = table->model()->index(0, 1).data().toString();
    Step("the list window's position", listed, QStringLiteral("Квадрат 10"));

    // The seller's site, handed to whatever the desktop opens links with.
    ClickOn(form->Image9);
    QTest::qWait(200);

    if (gFailed) {
        QCoreApplication::exit(3);
        return;
    }
    std::printf("session: closing\n");
    std::fflush(stdout);
    // The list was never saved: closing asks, and the answer keeps it so.
    QTimer::singleShot(200, [] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        for (QAbstractButton *button : box ? box->buttons() : QList<QAbstractButton *>())
            if (button->text() == QStringLiteral("&Не сохранять")) {
                std::printf("session: not saving the list\n");
                std::fflush(stdout);
                button->click();
            }
    });
    ClickOn(form->Image8);
}

// Runs when the program's QApplication is made: the session starts once
// the program's event loop runs, after the window is shown.
void StartSession() { QTimer::singleShot(0, &RunSession); }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(StartSession)
