// Placeholder until the favourites panel is written.
#include "dialogs/dialogs_win.h"

namespace varuno {
void open_favourites_panel() {}
} // namespace varuno
