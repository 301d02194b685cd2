// Qt's own texts in the user's language: the text boxes' context menu, the reasons the system
// gives for a failed file operation, the buttons of standard boxes. The translations are those
// Qt installs in its translations folder (Debian's qt6-translations-l10n).
#pragma once

class QCoreApplication;

// Installs them into the application when there are any for the user's language; the program
// goes on with Qt's English texts otherwise.
void loadQtTranslations(QCoreApplication &application);
