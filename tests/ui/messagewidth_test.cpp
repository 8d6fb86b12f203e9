// Message boxes and dialogs are made wide enough for a window manager to show
// their whole title, whatever the text under it; a wide box is left alone.

#include "ui/messagewidth.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTest>

using namespace stud;

class MessageWidthTest : public QObject {
    Q_OBJECT

  private slots:
    void boxesAreAsWideAsTheirTitles_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        // The game's own boxes, and a longer caption over a one-word text.
        QTest::newRow("win") << "Game over"
                             << "You win!";
        QTest::newRow("lose") << "Game over"
                              << "You lose!";
        QTest::newRow("new game") << "New game"
                                  << "Are you sure?";
        QTest::newRow("invalid") << "Seven Stud"
                                 << "Invalid value";
        QTest::newRow("long caption") << "A caption much longer than its text"
                                      << "Ok";
    }

    void boxesAreAsWideAsTheirTitles() {
        QFETCH(QString, title);
        QFETCH(QString, text);
        QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok);
        fitTitle(box);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        const int needed = titleBarWidth(title);
        // The title, bold, and at least four square title-bar buttons.
        QVERIFY(needed > QFontMetrics(box.font()).horizontalAdvance(title) +
                             4 * QFontMetrics(box.font()).height());
        QVERIFY2(box.width() >= needed,
                 qPrintable(QStringLiteral("%1 px wide, %2 needed").arg(box.width()).arg(needed)));
        // The box fixes its size again when its text changes; the room stays.
        box.setText(QStringLiteral("!"));
        QApplication::processEvents();
        QVERIFY(box.width() >= needed);
    }

    void aWideBoxKeepsItsWidthAndAnUntitledOneIsLeftAlone() {
        const QString text(300, QLatin1Char('x'));
        QMessageBox plain(QMessageBox::NoIcon, QStringLiteral("Seven Stud"), text, QMessageBox::Ok);
        plain.show();
        QVERIFY(QTest::qWaitForWindowExposed(&plain));
        QMessageBox fitted(QMessageBox::NoIcon, QStringLiteral("Seven Stud"), text,
                           QMessageBox::Ok);
        fitTitle(fitted);
        fitted.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fitted));
        QCOMPARE(fitted.width(), plain.width());

        QDialog untitled;
        fitTitle(untitled);
        QCOMPARE(untitled.minimumWidth(), 0);
        QCOMPARE(titleBarWidth(QString()), 0);

        QDialog titled;
        titled.setWindowTitle(QStringLiteral("About Seven Stud"));
        fitTitle(titled);
        QCOMPARE(titled.minimumWidth(), titleBarWidth(titled.windowTitle()));
    }
};

QTEST_MAIN(MessageWidthTest)
#include "messagewidth_test.moc"
