#include "ui/tablewindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Seven Stud"));
    QApplication::setApplicationVersion(QStringLiteral(STUD_VERSION));
    QApplication::setOrganizationName(QStringLiteral("sevenstud"));
    QGuiApplication::setDesktopFileName(QStringLiteral("sevenstud"));
    QApplication::setWindowIcon(stud::TableWindow::applicationIcon());

    stud::TableWindow window;
    // Start-up deals the first hand; when it fails the message has been
    // shown and the program ends without entering the event loop.
    if (!window.start()) return 1;
    window.centre();
    window.show();
    return app.exec();
}
