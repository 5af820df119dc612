// The updater's window with a scripted operator who presses "Check Versions"
// and then answers the device selector with Cancel or Escape ("cancel",
// "escape"), or presses "Update" ("update"), whose write puts off stop
// signals as the updater's does, and then closes the window ("update-close").
// At exit it prints the log, one line each (then, after "update-close",
// what the operator could still reach once the write ended), so a test can
// see how the program ended.

#include "app/MainWindow.h"
#include "catalogue/release/TrustedKeys.h"
#include "families/LibraryThread.h"
#include "tests/support/ModalAnswer.h"
#include "tests/support/PanelDriver.h"
#include "ui/DeviceSelectorDialog.h"

#include <QApplication>
#include <QPushButton>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

#include <cstdio>

namespace {

// Whether the log is enabled, the entries its menu offers, and the buttons
// left enabled.
QStringList reachable(const MainWindow& window)
{
    auto* log = window.findChild<QTextEdit*>();
    QStringList buttons;
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        if (button->isEnabled())
            buttons << button->text().trimmed();
    }
    return {QStringLiteral("Log enabled: ") + (log->isEnabled() ? "yes" : "no"),
            QStringLiteral("Log menu: ") + PanelDriver::chooseFromLogMenu(log, QString()).join(QStringLiteral(", ")),
            QStringLiteral("Buttons enabled: ") + (buttons.isEmpty() ? QStringLiteral("none") : buttons.join(", "))};
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // The test's firmware is signed with the build's demo key, which a build
    // against the maker's library does not trust.
    const TrustedKeys::Replacement demoKey({{RZ_DEMO_KEY_DIR}, {}});
    const QString script = application.arguments().value(1);
    const bool byEscape = script == QLatin1String("escape");
    MainWindow window(nullptr);
    window.show();

    const ModalAnswer<DeviceSelectorDialog> operatorHand([&](DeviceSelectorDialog* selector) {
        if (byEscape) {
            QTest::keyClick(selector, Qt::Key_Escape);
            return;
        }
        for (QPushButton* button : selector->findChildren<QPushButton*>()) {
            if (button->text() == QLatin1String("Cancel"))
                button->click();
        }
    });
    const auto press = [&](const char* text) {
        for (QPushButton* button : window.findChildren<QPushButton*>()) {
            if (button->text() == QLatin1String(text) && button->isEnabled())
                button->click();
        }
    };
    QStringList afterWrite;
    QTimer::singleShot(0, [&] {
        press("  Check Versions  ");
        if (script.startsWith(QLatin1String("update")))
            press("  Update  ");
        if (script == QLatin1String("update-close")) {
            afterWrite = reachable(window);
            window.close();
        }
    });
    QObject::connect(&application, &QCoreApplication::aboutToQuit, [&] {
        const QTextEdit* log = window.findChild<QTextEdit*>();
        for (QTextBlock block = log->document()->begin(); block.isValid(); block = block.next())
            std::printf("%s\n", block.text().toUtf8().constData());
        for (const QString& line : qAsConst(afterWrite))
            std::printf("%s\n", line.toUtf8().constData());
    });
    const int exitCode = QApplication::exec();
    // As the updater's own entry ends.
    LibraryThread::endIfAbandoned(exitCode);
    return exitCode;
}
