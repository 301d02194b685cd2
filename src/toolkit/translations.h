// Qt's own texts in French, as the rest of the interface, whatever the language settings: the
// text boxes' context menu, the reasons the system gives for a failed file operation, the
// buttons of standard boxes. The translations are those Qt installs in its translations folder
// (Debian's qt6-translations-l10n).
#pragma once

class QCoreApplication;

// Installs them into the application when they are installed; the program goes on with Qt's
// English texts otherwise.
void loadQtTranslations(QCoreApplication &application);
