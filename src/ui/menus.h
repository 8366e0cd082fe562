// The context menus (menus.cpp): what they copy, which the keys copy too.
#pragma once

#include <QString>

// The result as shown, to the clipboard.
void CopyResult();
// The whole calculation on one line: the kind (and the standard size), each
// row with its caption, the material and the result.
QString CalculationText();
