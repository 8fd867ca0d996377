#include "reading/restored_panel.h"

#include "reading/reading_restore.h"

namespace sarovin {

namespace {

// A list position no restored line can choose.
constexpr int NOTHING_CHOSEN = -1;

}  // namespace

RestoredPanel RestoreOntoPanel(const ReadingLines& lines, const InputForm& panel) {
    RestoredPanel restored{panel, {}};
    for (const ListLine& list : READING_LIST_LINES) {
        restored.form.*list.position = NOTHING_CHOSEN;
    }
    RestoreReading(lines, restored.form);
    for (const ListLine& list : READING_LIST_LINES) {
        if (restored.form.*list.position == NOTHING_CHOSEN) {
            restored.form.*list.position = panel.*list.position;
            restored.untakenLists.push_back(list.line);
        }
    }
    return restored;
}

}  // namespace sarovin
