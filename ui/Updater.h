#ifndef UPDATER_H
#define UPDATER_H

#include "workflows/FrontEnd.h"
#include "workflows/flows/UpdaterSession.h"

#include <QWidget>

#include <memory>

class PLProgressDialog;
class QColor;
class QPushButton;
class QTextEdit;

// The window's panel: the log on the left, the three buttons on the right.
// Each button runs one operation to its end inside its slot; the panel is
// the front end the operation talks to, and shows what the run's record
// hands it.
class Updater : public QWidget, public FrontEnd
{
    Q_OBJECT

public:
    explicit Updater(QWidget* parent = nullptr);
    ~Updater() override;

    void showLines(const OperatorLines& lines, Kind kind) override;
    void beginBusy(const OperatorText& text) override;
    void showPercent(int percent) override;
    void endBusy() override;
    void showBusyNote(const OperatorText& note) override;
    bool confirmDowngrade() override;
    std::optional<int> chooseModel() override;
    void offerActions(int actions) override;
    // Every line so far on disk, and the file they are in (empty for none).
    void syncLog() { session.sync(); }
    QString sessionLogPath() const { return session.logPath(); }

public slots:
    void addLine(const QString& s);
    void addStatusLine(const QString& s, bool success);
    // Shown in place of the last line; the session log keeps both.
    void replaceLastLine(const QString& s);

private slots:
    void checkVersions();
    void updateDevice();
    void restoreDevice();

private:
    void buildPanel();
    void makeAccessible();
    static QPushButton* newButton(const QString& name, const QString& text);
    QColor colourOf(Kind kind) const;
    // An invalid colour is the log's default one.
    void appendLines(const QStringList& lines, const QColor& colour);
    void insertAtEnd(const QStringList& lines, const QColor& colour);
    void keepSelection(int anchor, int position);
    void endOfWrite(FlowOutcome outcome);
    void withdrawAfterStall(FlowOutcome outcome);

    UpdaterSession session{*this}; // the check, and the update or restore it offers
    std::unique_ptr<PLProgressDialog> busy;
    QTextEdit* log = nullptr;
    QPushButton* checkButton = nullptr;
    QPushButton* updateButton = nullptr;
    QPushButton* restoreButton = nullptr;
};

#endif
