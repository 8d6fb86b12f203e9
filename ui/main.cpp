#include "table/settings.h"
#include "ui/commandline.h"
#include "ui/language.h"
#include "ui/messagewidth.h"
#include "ui/tablewindow.h"
#include "ui/viewcontrol.h"

#include <QApplication>
#include <QMessageBox>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <exception>
#include <memory>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The reverse-DNS name the menu entry and the software-centre entry carry;
// Wayland compositors match the window to them by it.
constexpr const char* kDesktopId = "org.example.sevenstud";

int stopPipe[2] = {-1, -1};

void onStopSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(stopPipe[1], &byte, 1);
}

// A session that ends, or a `kill`, asks the game to stop with SIGTERM (or
// SIGHUP, SIGINT from a terminal). Closing the windows through the event loop
// lets the game end like a click on the close button does instead of dying
// in the middle of a paint; closing saves nothing, so nothing is lost either.
void closeOnStopSignals(QApplication& app) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, stopPipe) != 0) return;
    auto* notifier = new QSocketNotifier(stopPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [notifier] {
        char byte = 0;
        [[maybe_unused]] const ssize_t n = ::read(stopPipe[0], &byte, 1);
        notifier->setEnabled(false);
        QApplication::closeAllWindows();
        QApplication::quit(); // also ends a message box that is open
    });
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGHUP, SIGINT}) sigaction(sig, &action, nullptr);
}

} // namespace

int main(int argc, char* argv[]) {
    // Read before Qt starts: --help and --version must answer without a
    // display, and a wrong argument must not open a window.
    // The desktop's language speaks until --language has been read.
    const stud::CommandLine line =
        stud::parseCommandLine(argc, argv, stud::chooseLanguage({}).toStdString());
    const QString language = stud::chooseLanguage(QString::fromStdString(line.language));
    std::fputs(line.warning.c_str(), stderr);
    switch (line.action) {
    case stud::CommandLine::Action::Help:
        std::fputs(
            stud::helpText(stud::settingsFilePath(stud::kSettingsFileName), language.toStdString())
                .c_str(),
            stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    case stud::CommandLine::Action::Version:
        std::fputs(stud::versionText(STUD_VERSION).c_str(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    case stud::CommandLine::Action::Error:
        std::fputs(line.error.c_str(), stderr);
        return stud::kUsageExit;
    case stud::CommandLine::Action::Play:
        break;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Seven Stud"));
    QApplication::setApplicationVersion(QStringLiteral(STUD_VERSION));
    QApplication::setOrganizationName(QStringLiteral("sevenstud"));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopId));
    QApplication::setWindowIcon(stud::TableWindow::applicationIcon());
    closeOnStopSignals(app);
    stud::installLanguage(language);

    // A window that cannot even be built (its pictures missing from the
    // program) ends the program with the reason, like any failed start-up.
    std::unique_ptr<stud::TableWindow> window;
    try {
        window = std::make_unique<stud::TableWindow>();
    } catch (const std::exception& e) {
        QMessageBox box(QMessageBox::Critical, QCoreApplication::translate("Main", "Seven Stud"),
                        stud::errorText(e, "ImageSets"), QMessageBox::Ok);
        stud::fitTitle(box);
        box.exec();
        return 1;
    }
    // Start-up deals the first hand; when it fails the message has been
    // shown and the program ends without entering the event loop.
    if (!window->start()) return 1;
    // The zoom, full screen and deck the player chose last time.
    window->view().restore();
    window->centre();
    window->show();
    return app.exec();
}
