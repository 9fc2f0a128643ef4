// Placeholder until the unit search dialog is written.
#include "dialogs/dialogs_win.h"

namespace varuno {
void open_search_dialog() {}
} // namespace varuno
