#pragma once

namespace mimora {

/**
 * The life of the process: start-up, the event loop, shutdown. Returns the exit
 * code: 0 once the main window has been closed, -1 when it cannot be created.
 */
int RunApplication(int argc, char **argv);

} // namespace mimora
