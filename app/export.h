#pragma once

#include "app/command_line.h"

namespace quarn {

// Saves a picture (OUT ending in .png) of the board that the file makes, placed as Open places
// it, or an animation (.gif) of its run from there, without a window or a display; whole or not
// at all, an existing file left as it was when it cannot be. Says on standard error, in the
// person's language, why it could not; runs the application's event loop until the file is
// read, as a pipe may take a while; gives the status to exit with.
int ExportFile(const Request& request);

} // namespace quarn
