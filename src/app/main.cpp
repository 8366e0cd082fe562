#include "application.h"
#include "mainunit.h"
#include "pictures.h"
#include "picunit.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("metalcalc"));
    QGuiApplication::setDesktopFileName(QStringLiteral("metalcalc"));
    ui::PrepareApplication();
    QApplication::setWindowIcon(QIcon(ui::Picture(u"icon.png")));

    // The main window first: the picture store hands it its first pictures.
    TForm1 form1;
    TForm2 form2;
    QGuiApplication::setApplicationDisplayName(form1.windowTitle());
    form1.show();
    return app.exec();
}
