// Placeholder until the settings dialog is written.
#include "dialogs/dialogs_win.h"

namespace varuno {
void open_settings_dialog() {}
} // namespace varuno
