#pragma once

class QWidget;

namespace mobwright {

// SIGINT, SIGTERM and SIGHUP ask window to close, as the user closing it
// would. The request waits in the event queue, so an apply in progress ends
// first.
void CloseOnSignals(QWidget &window);

} // namespace mobwright
