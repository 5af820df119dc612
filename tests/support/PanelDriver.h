#ifndef PANELDRIVER_H
#define PANELDRIVER_H

#include "tests/support/LinesAfter.h"

#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

class MainWindow;
class QColor;
class QPushButton;
class QTextEdit;
class Updater;

// Drives the real window as an operator would: presses the panel's buttons
// and answers the modal dialogs that appear while a button's work runs.
class PanelDriver : public QObject
{
    Q_OBJECT

public:
    PanelDriver();
    ~PanelDriver() override;

    Updater* panel() const;
    QTextEdit* log() const;
    QPushButton* checkButton() const;
    QPushButton* updateButton() const;
    QPushButton* restoreButton() const;

    void pressCheckVersions();
    void pressUpdate();
    void pressRestore();

    // The next device selector is answered by the button with this text, or
    // by Escape when the text is empty.
    void answerSelectorWith(const QString& buttonText);
    // The next question box is answered with this button, or by Escape for
    // NoButton.
    void answerQuestionWith(QMessageBox::StandardButton answer);

    int questionsAsked() const { return questions; }
    QString lastQuestionTitle() const { return questionTitle; }
    QString lastQuestionText() const { return questionText; }
    int selectorsShown() const { return selectors; }

    QStringList logLines() const;
    QStringList linesAfter(const QString& heading) const { return ::linesAfter(logLines(), heading); }

    static QStringList linesOf(const QTextEdit* log);
    // The colour a line is drawn in; black for the log's default colour.
    static QColor lineColour(const QTextEdit* log, int line);
    // Right-clicks a shown log through the windowing system, notes the menu's
    // enabled entries, then picks the one named `choice` (none when empty).
    static QStringList chooseFromLogMenu(QTextEdit* log, const QString& choice);

private slots:
    void answerModalWidget();

private:
    void press(QPushButton* button);

    MainWindow* window;
    QTimer responder;
    QString selectorAnswer;
    bool selectorArmed = false;
    QMessageBox::StandardButton questionAnswer = QMessageBox::NoButton;
    bool questionArmed = false;
    int questions = 0;
    int selectors = 0;
    QString questionTitle;
    QString questionText;
};

#endif
