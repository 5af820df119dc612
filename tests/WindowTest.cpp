#include "app/MainWindow.h"
#include "catalogue/Catalogue.h"
#include "families/LibraryThread.h"
#include "device/rz_api.h"
#include "tests/support/ModalAnswer.h"
#include "tests/support/PanelDriver.h"
#include "ui/DeviceSelectorDialog.h"
#include "ui/HistoryDialog.h"
#include "ui/LogMenu.h"
#include "ui/PLProgressDialog.h"
#include "ui/ReadableColour.h"
#include "ui/Updater.h"
#include "workflows/workers/WorkerRunner.h"

#include <QAccessible>
#include <QClipboard>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QtTest>

#include <condition_variable>
#include <limits>
#include <mutex>

namespace {

const QColor green(34, 177, 76, 255);
const QColor defaultColour(Qt::black);

const auto logLines = &PanelDriver::linesOf;
const auto lineColour = &PanelDriver::lineColour;
const auto chooseFromLogMenu = &PanelDriver::chooseFromLogMenu;

QPushButton* button(QWidget* panel, const QString& text)
{
    for (QPushButton* candidate : panel->findChildren<QPushButton*>()) {
        if (candidate->text() == text)
            return candidate;
    }
    return nullptr;
}

// A worker that emits many lines and finishes at once, to catch lines that
// arrive after the runner has returned.
class LineWorker : public QThread
{
    Q_OBJECT

public:
    explicit LineWorker(int count) : count(count) {}
    int result = 0;

signals:
    void updateText(const QString& s);

protected:
    void run() override
    {
        for (int i = 0; i < count; ++i)
            emit updateText(QString::number(i));
        result = count;
    }

private:
    int count;
};

} // namespace

class WindowTest : public QObject
{
    Q_OBJECT

private slots:
    void windowTitleSizeAndPanel();
    void bannerTextsInOrder();
    void bannerColours();
    void darkLogColoursKeepTheirHuesAndRead();
    void onlyCheckVersionsIsEnabledAtStart();
    void buttonsStandInAColumnRightOfTheLog();
    void statusLinesAreColouredAndTheNextLineIsNot();
    void replaceLastLineReplacesOnlyTheLastParagraph();
    void newLinesLeaveTheOperatorsViewAlone_data();
    void newLinesLeaveTheOperatorsViewAlone();
    void busyDialogShape();
    void busyDialogCannotBeClosedByTheOperator();
    void busyDialogBlocksThePanel();
    void runnerDeliversEveryLineInOrderBeforeReturning();
    void busyDialogShowsAPercentageThenTheBusyBarAgain();
    void fpgaFigureIsShownInRange();
    void selectorLayout();
    void selectorAnswers_data();
    void selectorAnswers();
    void logMenuOffersCopySaveAndTheLogFolder();
    void copyAllCopiesEveryLine();
    void saveLogAs_data();
    void saveLogAs();
    void fileDialogsStartInTheDocumentsFolder_data();
    void fileDialogsStartInTheDocumentsFolder();
    void controlsHaveAccessibleNames();
    void tabVisitsTheLogAndTheEnabledButtons();
    void spacePressesTheFocusedButton();
};

void WindowTest::windowTitleSizeAndPanel()
{
    MainWindow window;
    QCOMPARE(window.windowTitle(), QStringLiteral("RZ610/RZ870 Firmware Updater"));
    QCOMPARE(window.size(), QSize(800, 400));
    QVERIFY(qobject_cast<Updater*>(window.centralWidget()));
}

void WindowTest::bannerTextsInOrder()
{
    Updater panel;
    const auto* log = panel.findChild<QTextEdit*>();
    QVERIFY(log && log->isReadOnly());
    const QString apiVersion = QString::fromLatin1(rzGetAPIVersion());
    const QStringList expected = {
        "RZ610/RZ870 firmware updater",
        "Using RZ API version " + apiVersion,
        "",
        "Please read below before continuing.",
        "",
        "Updates RZ610R to firmware version 4.5.10",
        "Updates RZ610S to firmware version 4.8.14",
        "Updates RZ610T to firmware version 9.9.7",
        "Updates RZ870S to firmware version 2.4.4",
        "",
        "Ensure only one Pellanor device is connected to the PC.",
        "Connect RZ610R, RZ610S, and RZ870S devices over USB 3.0.",
        "Connect RZ610T devices over USB 2.0.",
        "Do NOT disconnect the device at any time during the update.",
        "Disconnecting the device during an update can leave your device in an unoperable state.",
    };
    QCOMPARE(logLines(log), expected);
}

void WindowTest::bannerColours()
{
    Updater panel;
    const auto* log = panel.findChild<QTextEdit*>();
    const int lines = log->document()->blockCount();
    for (int line = 0; line < lines; ++line) {
        const QColor expected = line == lines - 2 ? QColor(Qt::red) : defaultColour;
        QCOMPARE(lineColour(log, line), expected);
    }
    // The colour is restored for what comes next.
    QMetaObject::invokeMethod(&panel, "addLine", Q_ARG(QString, "next"));
    QCOMPARE(lineColour(log, lines), defaultColour);
}

// The log's background darker than its text: red and green reach 4.5:1
// against it, their hues kept.
void WindowTest::darkLogColoursKeepTheirHuesAndRead()
{
    Updater panel;
    auto* log = panel.findChild<QTextEdit*>();
    QPalette dark = log->palette();
    dark.setColor(QPalette::Base, QColor(0x23, 0x26, 0x29));
    dark.setColor(QPalette::Text, QColor(0xef, 0xf0, 0xf1));
    log->setPalette(dark);
    QMetaObject::invokeMethod(&panel, "addStatusLine", Q_ARG(QString, "good"), Q_ARG(bool, true));
    QMetaObject::invokeMethod(&panel, "addStatusLine", Q_ARG(QString, "bad"), Q_ARG(bool, false));
    const int lines = log->document()->blockCount();
    const QList<QPair<QColor, QColor>> shownAndLight{{lineColour(log, lines - 2), green},
                                                     {lineColour(log, lines - 1), QColor(Qt::red)}};
    for (const auto& [shown, light] : shownAndLight) {
        QVERIFY(ReadableColour::contrast(shown, dark.color(QPalette::Base)) >= 4.5);
        QVERIFY(qAbs(shown.hslHueF() - light.hslHueF()) < 0.01);
    }
    QVERIFY(shownAndLight.last().first != QColor(Qt::red)); // under 4.5:1 as it was
}

void WindowTest::onlyCheckVersionsIsEnabledAtStart()
{
    Updater panel;
    QCOMPARE(panel.findChildren<QPushButton*>().size(), 3);
    QVERIFY(button(&panel, "  Check Versions  ")->isEnabled());
    QVERIFY(!button(&panel, "  Update  ")->isEnabled());
    QVERIFY(!button(&panel, "  Restore  ")->isEnabled());
}

void WindowTest::buttonsStandInAColumnRightOfTheLog()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* panel = qobject_cast<Updater*>(window.centralWidget());
    const auto* log = panel->findChild<QTextEdit*>();
    QPushButton* check = button(panel, "  Check Versions  ");
    QPushButton* update = button(panel, "  Update  ");
    QPushButton* restore = button(panel, "  Restore  ");
    QVERIFY(check->geometry().left() > log->geometry().right());
    QVERIFY(check->geometry().bottom() < update->geometry().top());
    QVERIFY(update->geometry().bottom() < restore->geometry().top());
    QVERIFY(check->geometry().top() < panel->height() / 4);
    QVERIFY(log->width() > panel->width() / 2);
}

void WindowTest::statusLinesAreColouredAndTheNextLineIsNot()
{
    Updater panel;
    const auto* log = panel.findChild<QTextEdit*>();
    const int first = log->document()->blockCount();
    QMetaObject::invokeMethod(&panel, "addStatusLine", Q_ARG(QString, "good"), Q_ARG(bool, true));
    QMetaObject::invokeMethod(&panel, "addLine", Q_ARG(QString, "plain"));
    QMetaObject::invokeMethod(&panel, "addStatusLine", Q_ARG(QString, "bad"), Q_ARG(bool, false));
    QMetaObject::invokeMethod(&panel, "addLine", Q_ARG(QString, "plain again"));
    QCOMPARE(logLines(log).mid(first), QStringList({"good", "plain", "bad", "plain again"}));
    QCOMPARE(lineColour(log, first), green);
    QCOMPARE(lineColour(log, first + 1), defaultColour);
    QCOMPARE(lineColour(log, first + 2), QColor(Qt::red));
    QCOMPARE(lineColour(log, first + 3), defaultColour);
}

void WindowTest::replaceLastLineReplacesOnlyTheLastParagraph()
{
    Updater panel;
    const auto* log = panel.findChild<QTextEdit*>();
    QMetaObject::invokeMethod(&panel, "addLine", Q_ARG(QString, "kept"));
    QMetaObject::invokeMethod(&panel, "addLine", Q_ARG(QString, "Progress 10%"));
    const QStringList before = logLines(log);
    QMetaObject::invokeMethod(&panel, "replaceLastLine", Q_ARG(QString, "Progress 20%"));
    QStringList expected = before;
    expected.last() = "Progress 20%";
    QCOMPARE(logLines(log), expected);
    QMetaObject::invokeMethod(&panel, "replaceLastLine", Q_ARG(QString, "Done"));
    expected.last() = "Done";
    QCOMPARE(logLines(log), expected);
}

void WindowTest::busyDialogShape()
{
    const QString label = "Checking firmware version\nEstimated 30 seconds\nPlease Wait";
    PLProgressDialog dialog(label);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Please Wait"));
    QCOMPARE(dialog.labelText(), label);
    QVERIFY(dialog.isModal());
    QCOMPARE(dialog.minimum(), 0);
    QCOMPARE(dialog.maximum(), 0);
    QVERIFY(dialog.findChildren<QPushButton*>().isEmpty());
    QCOMPARE(dialog.width(), dialog.fontMetrics().horizontalAdvance(label) + 100);
    QVERIFY(dialog.height() >= dialog.fontMetrics().height());

    // Text, bar and elapsed time stand in that order, each clear of the next.
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QList<QLabel*> lines = dialog.findChildren<QLabel*>();
    QCOMPARE(lines.size(), 2);
    QRect text, elapsed;
    QString elapsedText;
    for (const QLabel* line : lines) {
        if (line->text() == label) {
            text = line->geometry();
        } else {
            elapsed = line->geometry();
            elapsedText = line->text();
        }
    }
    QCOMPARE(elapsedText, QStringLiteral("Elapsed 0:00"));
    const QRect bar = dialog.findChild<QProgressBar*>()->geometry();
    QVERIFY(text.height() >= dialog.fontMetrics().lineSpacing() * 3);
    QVERIFY(text.bottom() < bar.top());
    QVERIFY(bar.bottom() < elapsed.top());
    QVERIFY(elapsed.height() >= dialog.fontMetrics().height());
    QVERIFY(dialog.rect().contains(elapsed));
}

void WindowTest::newLinesLeaveTheOperatorsViewAlone_data()
{
    QTest::addColumn<bool>("scrollToTop");
    QTest::addColumn<QString>("selection"); // none, a word, or all with Ctrl+A
    QTest::newRow("at the bottom, following") << false << "none";
    QTest::newRow("at the bottom, a word selected") << false << "word";
    QTest::newRow("scrolled up, a word selected") << true << "word";
    QTest::newRow("scrolled up, all selected") << true << "all";
}

void WindowTest::newLinesLeaveTheOperatorsViewAlone()
{
    QFETCH(bool, scrollToTop);
    QFETCH(QString, selection);
    Updater panel;
    panel.resize(600, 300);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    auto* log = panel.findChild<QTextEdit*>();
    for (int i = 0; i < 40; ++i)
        QMetaObject::invokeMethod(&panel, "addLine", Q_ARG(QString, QString("before %1").arg(i)));
    QScrollBar* bar = log->verticalScrollBar();
    QVERIFY(bar->maximum() > 0);
    bar->setValue(scrollToTop ? 0 : bar->maximum());
    if (selection == "all") {
        QTest::keyClick(log, Qt::Key_A, Qt::ControlModifier);
    } else if (selection == "word") {
        QTextCursor word(log->document()->findBlockByNumber(20));
        word.select(QTextCursor::WordUnderCursor);
        log->setTextCursor(word);
        bar->setValue(scrollToTop ? 0 : bar->maximum());
    }
    const QString selected = log->textCursor().selectedText();
    QCOMPARE(selected.isEmpty(), selection == "none");

    for (int i = 0; i < 40; ++i)
        QMetaObject::invokeMethod(&panel, "addLine", Q_ARG(QString, QString("after %1").arg(i)));
    QCOMPARE(log->textCursor().selectedText(), selected);
    QCOMPARE(bar->value(), scrollToTop ? 0 : bar->maximum());
    QVERIFY(bar->maximum() > 0);
}

void WindowTest::busyDialogCannotBeClosedByTheOperator()
{
    PLProgressDialog dialog("Working");
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(dialog.isVisible());
    QVERIFY(!dialog.close());
    QVERIFY(dialog.isVisible());
    QVERIFY(!dialog.wasCanceled());
}

// Clicks go through the windowing system, which applies modality, not
// straight to the widget.
static void clickAsTheOperator(QWidget* target)
{
    QWidget* window = target->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      target->mapTo(window, target->rect().center()));
}

void WindowTest::busyDialogBlocksThePanel()
{
    QWidget window;
    auto* panel = new Updater(&window);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(panel);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // A stand-in for "Check Versions" that would not run a check when reached.
    QPushButton* check = button(panel, "  Check Versions  ");
    QVERIFY(check->disconnect(SIGNAL(clicked())));
    QSignalSpy clicks(check, &QPushButton::clicked);

    PLProgressDialog dialog("Working");
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(QApplication::activeModalWidget(), &dialog);
    clickAsTheOperator(check);
    QCOMPARE(clicks.count(), 0);
    dialog.hide();
    clickAsTheOperator(check);
    QCOMPARE(clicks.count(), 1);
}

void WindowTest::runnerDeliversEveryLineInOrderBeforeReturning()
{
    Updater panel;
    const auto* log = panel.findChild<QTextEdit*>();
    const int first = log->document()->blockCount();
    LineWorker worker(2000);
    connect(&worker, SIGNAL(updateText(QString)), &panel, SLOT(addLine(QString)));
    WorkerRunner::run(worker, &panel);
    QVERIFY(worker.isFinished());
    QCOMPARE(worker.result, 2000);
    QMetaObject::invokeMethod(&panel, "addLine", Q_ARG(QString, "report"));
    const QStringList lines = logLines(log).mid(first);
    QCOMPARE(lines.size(), 2001);
    for (int i = 0; i < 2000; ++i)
        QCOMPARE(lines.at(i), QString::number(i));
    QCOMPARE(lines.last(), QStringLiteral("report"));
}

void WindowTest::busyDialogShowsAPercentageThenTheBusyBarAgain()
{
    PLProgressDialog dialog("Working");
    dialog.show();
    auto* bar = dialog.findChild<QProgressBar*>();
    QVERIFY(bar);
    dialog.showPercent(40);
    QCOMPARE(bar->maximum(), 100);
    QCOMPARE(bar->value(), 40);
    dialog.showPercent(100); // the full bar must not close the dialog
    QVERIFY(dialog.isVisible());
    QCOMPARE(bar->value(), 100);
    dialog.showPercent(-1);
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), 0);
}

// The figure the library raises while it programs an FPGA reaches the busy
// dialog as the waiting caller sees it change, kept in range whatever the
// library writes. Each value is written once the one before was shown.
void WindowTest::fpgaFigureIsShownInRange()
{
    std::mutex mutex;
    std::condition_variable changed;
    QList<int> shown;
    const LibraryThread::Listener listener(nullptr, nullptr, [&](int percent) {
        const std::lock_guard<std::mutex> lock(mutex);
        shown << percent;
        changed.notify_all();
    });
    const auto figure = std::make_shared<double>(0.0);
    const auto raise = [&](double value, int expected) {
        __atomic_store(figure.get(), &value, __ATOMIC_RELAXED);
        std::unique_lock<std::mutex> lock(mutex);
        return changed.wait_for(lock, std::chrono::seconds(30), [&] { return shown.value(shown.size() - 1) == expected; });
    };
    const int status = LibraryThread::run(
        CallBudget::query(OperatorText::verbatim(QStringLiteral("programming an FPGA"))),
        [&] {
            return raise(0.0, 0) && raise(37.9, 37) && raise(250.0, 100)
                           && raise(std::numeric_limits<double>::quiet_NaN(), 0)
                       ? 0
                       : 1;
        },
        figure);
    QCOMPARE(status, 0);
    QCOMPARE(shown, (QList<int>{0, 37, 100, 0}));
}

void WindowTest::selectorLayout()
{
    DeviceSelectorDialog selector;
    QCOMPARE(selector.windowTitle(), QStringLiteral("Device Select"));
    QCOMPARE(selector.deviceType, 0);
    QVERIFY(!selector.cancelled);
    QStringList labels;
    for (QPushButton* candidate : selector.findChildren<QPushButton*>())
        labels << candidate->text();
    QCOMPARE(labels, QStringList({"RZ610R", "RZ610S", "RZ610T", "RZ870S", "Cancel"}));
    auto* explanation = selector.findChild<QLabel*>();
    QVERIFY(explanation->wordWrap());
    QCOMPARE(explanation->text().size(), 196);
    selector.show();
    QVERIFY(QTest::qWaitForWindowExposed(&selector));
    // Wrapped, not one 196-character line across the screen.
    QVERIFY(selector.width() < explanation->fontMetrics().horizontalAdvance(explanation->text()));
}

void WindowTest::selectorAnswers_data()
{
    QTest::addColumn<QString>("press"); // a button's text, or keys typed where the focus is
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("deviceType");
    QTest::addColumn<bool>("cancelled");
    QTest::newRow("RZ610S") << "RZ610S" << int(QDialog::Accepted) << 1 << false;
    QTest::newRow("RZ610T") << "RZ610T" << int(QDialog::Accepted) << 2 << false;
    QTest::newRow("RZ870S") << "RZ870S" << int(QDialog::Accepted) << 3 << false;
    QTest::newRow("Cancel is accepted too") << "Cancel" << int(QDialog::Accepted) << 0 << true;
    QTest::newRow("Escape") << "Escape" << int(QDialog::Rejected) << 0 << false;
    // Enter and Return choose nothing: the dialog stays for the Escape after them.
    QTest::newRow("Enter") << "Enter Escape" << int(QDialog::Rejected) << 0 << false;
    QTest::newRow("Return") << "Return Escape" << int(QDialog::Rejected) << 0 << false;
    QTest::newRow("Space presses Cancel, where the focus starts") << "Space" << int(QDialog::Accepted) << 0 << true;
}

void WindowTest::selectorAnswers()
{
    QFETCH(QString, press);
    QFETCH(int, result);
    QFETCH(int, deviceType);
    QFETCH(bool, cancelled);
    DeviceSelectorDialog selector;
    const QMap<QString, Qt::Key> keys = {
        {"Escape", Qt::Key_Escape}, {"Enter", Qt::Key_Enter}, {"Return", Qt::Key_Return}, {"Space", Qt::Key_Space}};
    QTimer::singleShot(0, &selector, [&] {
        if (!keys.contains(press.split(' ').first())) {
            button(&selector, press)->click();
            return;
        }
        for (const QString& key : press.split(' ')) {
            QWidget* focus = selector.focusWidget() ? selector.focusWidget() : &selector;
            QTest::keyClick(focus, keys.value(key));
        }
    });
    QCOMPARE(selector.exec(), result);
    QCOMPARE(selector.deviceType, deviceType);
    QCOMPARE(selector.cancelled, cancelled);
}

// A shown panel whose log ends in a line that is not plain ASCII.
static QTextEdit* shownLog(Updater& panel)
{
    panel.show();
    if (!QTest::qWaitForWindowExposed(&panel))
        return nullptr;
    QMetaObject::invokeMethod(&panel, "addLine", Q_ARG(QString, QStringLiteral("Température 25 °C – ok")));
    return panel.findChild<QTextEdit*>();
}

// "Save Log As..." from the menu, with the file name the operator would type.
static void saveThroughLogMenu(Updater& panel, QTextEdit* log, const QString& path)
{
    auto* menu = panel.findChild<LogMenu*>();
    QVERIFY(menu);
    menu->askFileName = [path](QWidget*) { return path; };
    chooseFromLogMenu(log, "Save Log As...");
}

void WindowTest::logMenuOffersCopySaveAndTheLogFolder()
{
    Updater panel;
    QTextEdit* log = shownLog(panel);
    QVERIFY(log);
    QCOMPARE(chooseFromLogMenu(log, QString()), QStringList({"Copy All", "Save Log As...", "Open Log Folder", "Update History..."}));
    QCOMPARE(QApplication::activePopupWidget(), nullptr);
}

void WindowTest::copyAllCopiesEveryLine()
{
    Updater panel;
    QTextEdit* log = shownLog(panel);
    QVERIFY(log);
    QApplication::clipboard()->setText("before");
    log->moveCursor(QTextCursor::Start); // no selection: the whole log is copied anyway
    chooseFromLogMenu(log, "Copy All");
    QCOMPARE(QApplication::clipboard()->text(), logLines(log).join('\n'));
}

void WindowTest::saveLogAs_data()
{
    QTest::addColumn<QString>("name"); // in a folder of the test's
    QTest::addColumn<bool>("fails");
    QTest::newRow("every line written") << "log.txt" << false;
    QTest::newRow("into a missing folder: a warning, and nothing written") << "missing/log.txt" << true;
}

void WindowTest::saveLogAs()
{
    QFETCH(QString, name);
    QFETCH(bool, fails);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(name);
    Updater panel;
    QTextEdit* log = shownLog(panel);
    QVERIFY(log);
    QString warning;
    const ModalAnswer<QMessageBox> answer([&](QMessageBox* box) {
        if (box->icon() == QMessageBox::Warning)
            warning = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    saveThroughLogMenu(panel, log, path);
    if (fails) {
        QVERIFY2(warning.startsWith("The log could not be saved to " + path), qPrintable(warning));
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
        return;
    }
    QCOMPARE(warning, QString());
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), (logLines(log).join('\n') + '\n').toUtf8());
}

void WindowTest::fileDialogsStartInTheDocumentsFolder_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<bool>("documents"); // whether the home folder has one
    QTest::newRow("Save Log As, in Documents") << "Save Log As..." << true;
    QTest::newRow("Export CSV, in the home folder without one") << "Export CSV..." << false;
}

// Not in the folder the updater was started in, which the menu entry makes
// one the operator cannot write.
void WindowTest::fileDialogsStartInTheDocumentsFolder()
{
    QFETCH(QString, dialog);
    QFETCH(bool, documents);
    QTemporaryDir home;
    QVERIFY(home.isValid() && (!documents || QDir(home.path()).mkdir("Documents")));
    const QByteArray homeBefore = qgetenv("HOME");
    const auto restoreHome = qScopeGuard([&] { qputenv("HOME", homeBefore); });
    qputenv("HOME", home.path().toUtf8());
    QString startFolder;
    const ModalAnswer<QFileDialog> answer([&](QFileDialog* files) {
        startFolder = files->directory().absolutePath();
        files->reject();
    });
    Updater panel;
    QTextEdit* log = shownLog(panel);
    QVERIFY(log);
    if (dialog == "Save Log As...")
        chooseFromLogMenu(log, dialog);
    else
        HistoryDialog(&panel, [](const OperatorText&) {}).exportCsv();
    QCOMPARE(startFolder, home.path() + (documents ? "/Documents" : ""));
}

void WindowTest::controlsHaveAccessibleNames()
{
    Updater panel;
    QStringList names;
    names << QAccessible::queryAccessibleInterface(panel.findChild<QTextEdit*>())->text(QAccessible::Name);
    for (QPushButton* candidate : panel.findChildren<QPushButton*>())
        names << QAccessible::queryAccessibleInterface(candidate)->text(QAccessible::Name);
    QCOMPARE(names, QStringList({"Log", "Check Versions", "Update", "Restore"}));
}

// The panel as the operator's keyboard reaches it, focus in the log.
static QTextEdit* focusedLog(MainWindow& window)
{
    window.show();
    if (!QTest::qWaitForWindowActive(&window))
        return nullptr;
    auto* log = window.findChild<QTextEdit*>();
    log->setFocus(Qt::OtherFocusReason);
    return QApplication::focusWidget() == log ? log : nullptr;
}

void WindowTest::tabVisitsTheLogAndTheEnabledButtons()
{
    MainWindow window;
    QTextEdit* log = focusedLog(window);
    QVERIFY(log);
    QPushButton* check = button(&window, "  Check Versions  ");
    QTest::keyClick(log, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), check);
    QTest::keyClick(check, Qt::Key_Tab); // past the disabled Update and Restore
    QCOMPARE(QApplication::focusWidget(), log);
    QPushButton* update = button(&window, "  Update  ");
    update->setEnabled(true);
    QTest::keyClick(log, Qt::Key_Tab);
    QTest::keyClick(check, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), update);
    QTest::keyClick(update, Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), check);
}

void WindowTest::spacePressesTheFocusedButton()
{
    MainWindow window;
    QTextEdit* log = focusedLog(window);
    QVERIFY(log);
    QPushButton* check = button(&window, "  Check Versions  ");
    QVERIFY(check->disconnect(SIGNAL(clicked())));
    QSignalSpy clicks(check, &QPushButton::clicked);
    QTest::keyClick(log, Qt::Key_Space); // the log takes no presses
    QCOMPARE(clicks.count(), 0);
    QTest::keyClick(log, Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(clicks.count(), 1);
}

QTEST_MAIN(WindowTest)
#include "WindowTest.moc"
