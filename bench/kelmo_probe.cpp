// Linked with Kelmo's own main(): installs the first-paint probe as soon as
// the application object exists, so the start-up measured is the program's.

#include "firstpaint.h"

Q_COREAPP_STARTUP_FUNCTION(installFirstPaintProbe)
