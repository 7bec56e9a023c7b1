#include "settings/options.h"

// The defaults, so that code running before the settings are loaded (and
// the tools, which never load them) sees sensible values.
Options options = {1, 2, 1, 1, 0, 0, 1, 1, 1,
                   kDefaultWindowPosition, kDefaultWindowPosition, 2, 0};
