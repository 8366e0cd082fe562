// The material list (materiallist.cpp), as the keys and the other groups
// use it.
#pragma once

// The list from the keyboard: opened with the material in the box
// highlighted, the highlight moved up (-1) or down (1), the highlighted
// material chosen.
void OpenMaterialListByKey();
void MoveMaterialHighlight(int step);
void ChooseHighlightedMaterial();

// Closes the drop-down lists: the material list and the size list.
void CloseDropDowns();
