#include "ui/DeviceSelectorDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

DeviceSelectorDialog::DeviceSelectorDialog(QWidget* parent)
    : QDialog(parent, Qt::WindowFlags())
{
    setWindowTitle(QStringLiteral("Device Select"));
    auto* rz610r = new QPushButton(QStringLiteral("RZ610R"));
    auto* rz610s = new QPushButton(QStringLiteral("RZ610S"));
    auto* rz610t = new QPushButton(QStringLiteral("RZ610T"));
    auto* rz870s = new QPushButton(QStringLiteral("RZ870S"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));

    auto* outer = new QVBoxLayout;
    auto* buttonRow = new QHBoxLayout;
    // A stray Enter must not bootstrap a model the operator never named: no
    // button is a default, and the keyboard starts on Cancel (set once the
    // buttons are the dialog's children).
    for (QPushButton* button : {rz610r, rz610s, rz610t, rz870s, cancel}) {
        button->setAutoDefault(false);
        button->setDefault(false);
        buttonRow->addWidget(button, 0, Qt::Alignment());
    }

    auto* explanation = new QLabel(
        QStringLiteral("Unable to open device. If the device is not connected to the PC, please connect the "
                       "device and restart this application. If you want to bootstrap your device, please "
                       "select your device type below."),
        nullptr, Qt::WindowFlags());
    explanation->setWordWrap(true);
    outer->addWidget(explanation, 0, Qt::Alignment());
    outer->addLayout(buttonRow, 0);
    setLayout(outer);
    cancel->setFocus(Qt::OtherFocusReason);

    connect(rz610r, SIGNAL(clicked(bool)), this, SLOT(isRZ610R()));
    connect(rz610s, SIGNAL(clicked(bool)), this, SLOT(isRZ610S()));
    connect(rz610t, SIGNAL(clicked(bool)), this, SLOT(isRZ610T()));
    connect(rz870s, SIGNAL(clicked(bool)), this, SLOT(isRZ870S()));
    connect(cancel, SIGNAL(clicked(bool)), this, SLOT(cancelPressed()));
}

void DeviceSelectorDialog::isRZ610R()
{
    deviceType = 0;
    accept();
}

void DeviceSelectorDialog::isRZ610S()
{
    deviceType = 1;
    accept();
}

void DeviceSelectorDialog::isRZ610T()
{
    deviceType = 2;
    accept();
}

void DeviceSelectorDialog::isRZ870S()
{
    deviceType = 3;
    accept();
}

// Cancel, too, ends the dialog through accept(): only the flag tells it apart.
void DeviceSelectorDialog::cancelPressed()
{
    cancelled = true;
    accept();
}
