#include "ui/tablewindow.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>
#include <memory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Seven Stud"));
    QApplication::setApplicationVersion(QStringLiteral(STUD_VERSION));
    QApplication::setOrganizationName(QStringLiteral("sevenstud"));
    QGuiApplication::setDesktopFileName(QStringLiteral("sevenstud"));
    QApplication::setWindowIcon(stud::TableWindow::applicationIcon());

    // A window that cannot even be built (its pictures missing from the
    // program) ends the program with the reason, like any failed start-up.
    std::unique_ptr<stud::TableWindow> window;
    try {
        window = std::make_unique<stud::TableWindow>();
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, QStringLiteral("Seven Stud"), QString::fromUtf8(e.what()));
        return 1;
    }
    // Start-up deals the first hand; when it fails the message has been
    // shown and the program ends without entering the event loop.
    if (!window->start()) return 1;
    window->centre();
    window->show();
    return app.exec();
}
