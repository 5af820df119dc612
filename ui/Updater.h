#ifndef UPDATER_H
#define UPDATER_H

#include "workflows/DeviceState.h"

#include <QWidget>

class QColor;
class QPushButton;
class QTextEdit;

// The window's panel: the log on the left, the three buttons on the right.
// Each button runs one operation to its end inside its slot.
class Updater : public QWidget
{
    Q_OBJECT

public:
    explicit Updater(QWidget* parent = nullptr);

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

    DeviceState deviceState;
    QTextEdit* log = nullptr;
    QPushButton* checkButton = nullptr;
    QPushButton* updateButton = nullptr;
    QPushButton* restoreButton = nullptr;
};

#endif
