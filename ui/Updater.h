#ifndef UPDATER_H
#define UPDATER_H

#include "workflows/DeviceState.h"
#include "workflows/SessionLog.h"

#include <QWidget>

class QColor;
class QPushButton;
class QTextEdit;

// The window's panel: the log on the left, the three buttons on the right.
// Each button runs one operation to its end inside its slot. Every line the
// log shows is kept in the run's session log file as well.
class Updater : public QWidget
{
    Q_OBJECT

public:
    explicit Updater(QWidget* parent = nullptr);

    // Nothing more can be started; the log stays readable and its menu works.
    void disableButtons();

private slots:
    void addLine(const QString& s);
    void addStatusLine(const QString& s, bool success);
    void replaceLastLine(const QString& s);
    void checkVersions();
    void updateDevice();
    void restoreDevice();

private:
    friend class CheckVersionsFlow;
    friend class FirmwareWriteFlow;

    void buildPanel();
    void makeAccessible();
    void writeBanner();
    void appendColoured(const QString& s, const QColor& colour);
    void appendHeading(const QString& heading);
    // An invalid colour is the log's default one.
    void appendLine(const QString& s, const QColor& colour = QColor());
    void showLine(const QString& s, const QColor& colour);
    void insertAtEnd(const QString& s, const QColor& colour);
    void keepSelection(int anchor, int position);
    void reportLostSessionLog();

    SessionLog sessionLog;
    bool bannerWritten = false;
    bool sessionLogLossReported = false;
    DeviceState deviceState;
    QTextEdit* log = nullptr;
    QPushButton* checkButton = nullptr;
    QPushButton* updateButton = nullptr;
    QPushButton* restoreButton = nullptr;
};

#endif
