#ifndef PLPROGRESSDIALOG_H
#define PLPROGRESSDIALOG_H

#include <QProgressDialog>

// The modal "Please Wait" dialog shown while a worker runs. It has no cancel
// button and the operator cannot close it: firmware may be being written.
class PLProgressDialog : public QProgressDialog
{
    Q_OBJECT

public:
    explicit PLProgressDialog(const QString& labelText, QWidget* parent = nullptr);

    // A percentage of 0 to 100 shows a determinate bar; anything else the
    // busy bar again.
    void showPercent(int percent);

public slots:
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};

#endif
