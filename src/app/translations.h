#pragma once

class QCoreApplication;

// Installs the catalogues for the language of the system's locale: Kelmo's
// own, built into the program, and Qt's, which translate the buttons of the
// dialogs. Under the C locale or English nothing is installed, and every
// text stays as it is written.
void installTranslations(QCoreApplication &app);
