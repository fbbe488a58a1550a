#pragma once

#include <avahi-common/watch.h>

// Avahi's main-loop interface served by the Qt event loop of the calling
// thread: socket notifiers for its watches, single-shot timers for its
// timeouts. It works with whichever event dispatcher Qt uses.
const AvahiPoll *qtAvahiPoll();
