// A scripted operator for the updater window, for machines without a display
// and for the pictures in the README. It opens the real window (offscreen or
// on whatever display Qt finds), presses "Check Versions", answers what the
// updater asks, presses "Update" or "Restore" when offered, prints every log
// line as it appears and saves a picture of the window at the end.
//
//   rz-walkthrough [--model RZ610R] [--downgrade yes|no] [--final PATH]
//                  [--pictures DIR]
//
// --model is the answer to the device selector, --pictures saves a picture of
// each dialog the operator meets as well, and of the update history at the
// end.

#include "app/MainWindow.h"
#include "app/StartupEnvironment.h"
#include "app/Translations.h"
#include "ui/DeviceSelectorDialog.h"
#include "ui/HistoryDialog.h"
#include "ui/LogMenu.h"
#include "ui/PLProgressDialog.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>

#include <cstdio>

namespace {

struct Script
{
    QString model;
    bool acceptDowngrade = false;
    QString finalPicture;
    QString pictureFolder;
};

QPushButton* buttonWithText(const QWidget* parent, const QString& text)
{
    for (QPushButton* button : parent->findChildren<QPushButton*>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

void savePicture(QWidget* widget, const QString& path)
{
    if (!path.isEmpty() && widget->grab().save(path))
        std::printf("Saved a picture of the window to %s\n", qPrintable(QDir().absoluteFilePath(path)));
    std::fflush(stdout);
}

// Prints each new log paragraph once the updater has appended it.
class LogEcho : public QObject
{
public:
    explicit LogEcho(QTextEdit* log) : log(log)
    {
        connect(log->document(), &QTextDocument::contentsChanged, this, [this] { printNewLines(); });
        printNewLines();
    }

private:
    void printNewLines()
    {
        const QTextDocument* document = log->document();
        for (; printed < document->blockCount(); ++printed)
            std::printf("%s\n", document->findBlockByNumber(printed).text().toUtf8().constData());
        std::fflush(stdout);
    }

    QTextEdit* log;
    int printed = 0;
};

// Answers the modal dialogs as they come up, taking their picture first.
class Operator : public QObject
{
public:
    explicit Operator(const Script& script) : script(script)
    {
        connect(&hand, &QTimer::timeout, this, [this] { lookAtTheScreen(); });
        hand.start(50);
    }

private:
    void lookAtTheScreen()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* selector = qobject_cast<DeviceSelectorDialog*>(modal))
            answerSelector(selector);
        else if (auto* question = qobject_cast<QMessageBox*>(modal))
            answerQuestion(question);
        else if (auto* busy = qobject_cast<PLProgressDialog*>(modal))
            watchProgress(busy);
        else if (auto* history = qobject_cast<HistoryDialog*>(modal))
            closeHistory(history);
    }

    void closeHistory(HistoryDialog* history)
    {
        picture(history, "history.png");
        history->reject();
    }

    void answerSelector(DeviceSelectorDialog* selector)
    {
        picture(selector, "selector.png");
        std::printf("[operator] names the model: %s\n", qPrintable(script.model));
        buttonWithText(selector, script.model)->click();
    }

    void answerQuestion(QMessageBox* question)
    {
        picture(question, "downgrade-question.png");
        std::printf("[operator] answers %s to: %s\n", script.acceptDowngrade ? "Yes" : "No",
                    qPrintable(question->text().replace('\n', ' ')));
        question->button(script.acceptDowngrade ? QMessageBox::Yes : QMessageBox::No)->click();
    }

    void watchProgress(PLProgressDialog* busy)
    {
        const QProgressBar* bar = busy->findChild<QProgressBar*>();
        if (bar && bar->maximum() == 100 && bar->value() >= 40 && !tookProgress) {
            tookProgress = true;
            picture(busy, "busy-fpga-progress.png");
        }
    }

    void picture(QWidget* widget, const QString& name)
    {
        if (!script.pictureFolder.isEmpty())
            savePicture(widget, QDir(script.pictureFolder).filePath(name));
    }

    Script script;
    QTimer hand;
    bool tookProgress = false;
};

Script readScript(const QApplication& application)
{
    QCommandLineParser parser;
    parser.setApplicationDescription("Drives the updater window as an operator would.");
    parser.addHelpOption();
    parser.addOption({"model", "Model to name in the device selector.", "model", "RZ610R"});
    parser.addOption({"downgrade", "Answer to the downgrade question: yes or no.", "answer", "no"});
    parser.addOption({"final", "Picture of the window at the end.", "path", "walkthrough.png"});
    parser.addOption({"pictures", "Folder for pictures of the dialogs met on the way.", "dir"});
    parser.process(application);
    return Script{parser.value("model"), parser.value("downgrade") == "yes", parser.value("final"),
                  parser.value("pictures")};
}

// Presses the button the panel offers next, or ends the walk-through.
void pressWhatIsOffered(MainWindow& window, const Script& script)
{
    // By what each does: their texts are in the desktop's language.
    for (const char* name : {"checkButton", "updateButton", "restoreButton"}) {
        auto* button = window.findChild<QPushButton*>(QLatin1String(name));
        if (button && button->isEnabled()) {
            std::printf("[operator] presses \"%s\"\n", qPrintable(button->text().trimmed()));
            std::fflush(stdout);
            button->click();
            QTimer::singleShot(300, &window, [&window, script] { pressWhatIsOffered(window, script); });
            return;
        }
    }
    // Ctrl+H, answered by the operator's hand once it is shown.
    if (!script.pictureFolder.isEmpty())
        window.findChild<LogMenu*>()->showHistory();
    savePicture(&window, script.finalPicture);
    QCoreApplication::quit();
}

} // namespace

int main(int argc, char* argv[])
{
    // As the updater starts: scaled by QT_SCALE_FACTOR or the screen, in the
    // desktop's language.
    StartupEnvironment::scaleWithScreen();
    QApplication application(argc, argv);
    Translations::install();
    const Script script = readScript(application);
    MainWindow window(nullptr);
    window.show();
    LogEcho echo(window.findChild<QTextEdit*>());
    Operator hand(script);
    if (!script.pictureFolder.isEmpty()) {
        QDir().mkpath(script.pictureFolder);
        QTimer::singleShot(200, &window, [&] { savePicture(&window, QDir(script.pictureFolder).filePath("start.png")); });
    }
    QTimer::singleShot(600, &window, [&] { pressWhatIsOffered(window, script); });
    return QApplication::exec();
}
