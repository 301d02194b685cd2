#include "application.h"

#include "toolkit/message_box.h"

#include <exception>

using namespace Qt::StringLiterals;

Application::Application(int &argc, char **argv)
    : QApplication(argc, argv)
{ }

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        showWarning(QApplication::activeWindow(),
                    u"Erreur inattendue : "_s + QString::fromUtf8(error.what()));
    }
    // The failed reaction has ended; the event is not handed to anyone else.
    return true;
}
