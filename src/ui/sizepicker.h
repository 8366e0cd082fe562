// The standard sizes of the kind (sizepicker.cpp), as the other groups use
// them. The chosen size itself is a choice of the window: CurrentSize,
// written by TForm1::SetSize.
#pragma once

class TForm1;

namespace ui {
class Edit;
}

// What screen readers hear of the size box at start, and the user's edits
// of the fields heard.
void SetUpSizeBox(TForm1 *form);

// Closes the size list.
void CloseSizeList();

// Whether a change of the field leaves the chosen size: the user edited the
// field since the size wrote it, and it holds a value again.
bool EditLeavesSize(const ui::Edit *field);

// The line under the box, which names the rule of the result, after the
// size or the material changed.
void ShowSizeRule();
