// The input rows and the result block (inputrows.cpp), as the other groups
// use them.
#pragma once

// Appends the unit of the current mode and kind to the result; the result
// turns black.
void AppendResultUnit();

// Sets every input field to "0" with no calculation on the way.
void ResetInputs();
