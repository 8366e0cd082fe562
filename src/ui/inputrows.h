// The input rows and the result block (inputrows.cpp), as the other groups
// use them.
#pragma once

#include "calculator.h"

#include <QByteArray>

#include <array>

// Appends the unit of the current mode and kind to the result; the result
// turns black.
void AppendResultUnit();

// Sets every input field to "0" with no calculation on the way.
void ResetInputs();

// The texts of the five fields as the core reads them: held for as long as
// this lives.
class WindowFieldTexts {
public:
    WindowFieldTexts();
    const metal::FieldTexts &texts() const { return texts_; }

private:
    std::array<QByteArray, metal::kRowCount> utf8_;
    metal::FieldTexts texts_;
};
