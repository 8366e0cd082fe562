// The list window linked into the program (the Windows program, the tests,
// the benchmarks): the program makes it directly and loads no module.
#include "orderwindow.h"

namespace {

[[maybe_unused]] const bool gLinked = [] {
    ui::linkedOrderList = [](const std::string &groupSeparator, QWidget *beside, std::function<void()> changed,
                             const ui::ListServices &) {
        return ui::MakeList(groupSeparator, beside, std::move(changed));
    };
    return true;
}();

}  // namespace
