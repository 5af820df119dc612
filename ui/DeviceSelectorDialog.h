#ifndef DEVICESELECTORDIALOG_H
#define DEVICESELECTORDIALOG_H

#include <QDialog>

class QHBoxLayout;
class QPushButton;

// Asks the operator which model is connected when no instrument answers.
// The answer is read from the two fields after exec() returns.
class DeviceSelectorDialog : public QDialog
{
    Q_OBJECT

public:
    explicit DeviceSelectorDialog(QWidget* parent = nullptr);

    int deviceType = 0; // the chosen model, as the device library numbers it
    bool cancelled = false;

private slots:
    void isRZ610R();
    void isRZ610S();
    void isRZ610T();
    void isRZ870S();
    void cancelPressed();

private:
    QPushButton* addButton(QHBoxLayout* row, const QString& text);
    void choose(int type);
};

#endif
