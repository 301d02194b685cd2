// The yardstick of keystroke to pixels: a bare Qt Widgets window whose text box echoes each change
// into a label. It stands right of Sobrimetre's main window on the virtual display, so that
// neither covers the other.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Echo"));
    auto *layout = new QVBoxLayout(&window);
    auto *box = new QLineEdit(&window);
    auto *echo = new QLabel(&window);
    layout->addWidget(box);
    layout->addWidget(echo);
    QObject::connect(box, &QLineEdit::textChanged, echo, &QLabel::setText);
    window.setGeometry(760, 120, 250, 100);
    window.show();
    box->setFocus();
    return QApplication::exec();
}
