// Placeholder until the about box is written.
#include "dialogs/dialogs_win.h"

namespace varuno {
void open_about_box() {}
} // namespace varuno
