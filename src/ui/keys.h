// The window's keys, one row for each thing they do, in the order in which
// the README's table of keys lists them (tst_keys holds that table to this
// one). The keys work wherever the focus is in the window, an input field or
// the off-window field; a control whose click a key does tells screen
// readers the first such key as its key binding. A new key is a row here,
// or a key added to a row, and its line in the README.
#pragma once

#include "mainunit.h"

#include <QKeyCombination>

#include <cstddef>
#include <vector>

namespace keys {

struct KeySpec {
    // As the keyboard reports them: Shift+Tab is Backtab.
    std::vector<QKeyCombination> keys;
    // What the key at place k of the row does; nullptr for the keys that
    // the fields take themselves (Tab moves between them; Ctrl+C copies the
    // result only where nothing is selected, so their key filter decides).
    void (*press)(TForm1 &form, std::size_t k) = nullptr;
    // The controls whose click the key at place k does.
    std::vector<ui::Control *> (*clicks)(const TForm1 &form, std::size_t k) = nullptr;
};

const std::vector<KeySpec> &Table();

}  // namespace keys
