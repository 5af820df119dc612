#include "ui/DeviceSelectorDialog.h"

#include "catalogue/ModelTable.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

DeviceSelectorDialog::DeviceSelectorDialog(QWidget* parent)
    : QDialog(parent, Qt::WindowFlags())
{
    setWindowTitle(tr("Device Select"));
    auto* outer = new QVBoxLayout;
    auto* buttonRow = new QHBoxLayout;
    // One button a model, in the catalogue's order, each to its model's
    // slot; a model the dialog has no slot for chooses by its number.
    for (const Model& model : ModelTable::models()) {
        QPushButton* button = addButton(buttonRow, model.name);
        const QByteArray slot = "is" + model.name.toLatin1() + "()";
        if (metaObject()->indexOfSlot(slot.constData()) >= 0)
            connect(button, SIGNAL(clicked(bool)), this, QByteArray("1" + slot).constData());
        else
            connect(button, &QPushButton::clicked, this, [this, type = model.deviceType] { choose(type); });
    }
    QPushButton* cancel = addButton(buttonRow, tr("Cancel"));

    auto* explanation = new QLabel(
        tr("Unable to open device. If the device is not connected to the PC, please connect the "
           "device and restart this application. If you want to bootstrap your device, please "
           "select your device type below."),
        nullptr, Qt::WindowFlags());
    explanation->setWordWrap(true);
    outer->addWidget(explanation, 0, Qt::Alignment());
    outer->addLayout(buttonRow, 0);
    setLayout(outer);
    cancel->setFocus(Qt::OtherFocusReason);

    connect(cancel, SIGNAL(clicked(bool)), this, SLOT(cancelPressed()));
}

// A stray Enter must not bootstrap a model the operator never named: no
// button is a default, and the keyboard starts on Cancel (set once the
// buttons are the dialog's children).
QPushButton* DeviceSelectorDialog::addButton(QHBoxLayout* row, const QString& text)
{
    auto* button = new QPushButton(text);
    button->setAutoDefault(false);
    button->setDefault(false);
    row->addWidget(button, 0, Qt::Alignment());
    return button;
}

void DeviceSelectorDialog::choose(int type)
{
    deviceType = type;
    accept();
}

// The four models' own slots, by the device library's numbers.
void DeviceSelectorDialog::isRZ610R()
{
    choose(0);
}

void DeviceSelectorDialog::isRZ610S()
{
    choose(1);
}

void DeviceSelectorDialog::isRZ610T()
{
    choose(2);
}

void DeviceSelectorDialog::isRZ870S()
{
    choose(3);
}

// Cancel, too, ends the dialog through accept(): only the flag tells it apart.
void DeviceSelectorDialog::cancelPressed()
{
    cancelled = true;
    accept();
}
