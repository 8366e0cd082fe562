// Printing: Qt's print dialog, then the pages the program draws.
#include "exports.h"

#include <QPrintDialog>
#include <QPrinter>

METALCALC_EXPORT bool metalcalc_print(QWidget *parent, const QString &title, const exports::Render &render)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(title);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    render(printer);
    return true;
}
