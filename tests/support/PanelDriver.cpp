#include "tests/support/PanelDriver.h"

#include "app/MainWindow.h"
#include "ui/DeviceSelectorDialog.h"
#include "ui/Updater.h"

#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

namespace {

QPushButton* buttonWithText(const QWidget* parent, const QString& text)
{
    for (QPushButton* button : parent->findChildren<QPushButton*>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

} // namespace

PanelDriver::PanelDriver()
    : window(new MainWindow(nullptr))
{
    window->show();
    responder.setInterval(10);
    connect(&responder, &QTimer::timeout, this, &PanelDriver::answerModalWidget);
    responder.start();
}

PanelDriver::~PanelDriver()
{
    delete window;
}

Updater* PanelDriver::panel() const
{
    return qobject_cast<Updater*>(window->centralWidget());
}

QTextEdit* PanelDriver::log() const
{
    return panel()->findChild<QTextEdit*>();
}

QPushButton* PanelDriver::checkButton() const
{
    return panel()->findChild<QPushButton*>("checkButton");
}

QPushButton* PanelDriver::updateButton() const
{
    return panel()->findChild<QPushButton*>("updateButton");
}

QPushButton* PanelDriver::restoreButton() const
{
    return panel()->findChild<QPushButton*>("restoreButton");
}

void PanelDriver::pressCheckVersions()
{
    press(checkButton());
}

void PanelDriver::pressUpdate()
{
    press(updateButton());
}

void PanelDriver::pressRestore()
{
    press(restoreButton());
}

// The button's slot runs the whole operation before click() returns.
void PanelDriver::press(QPushButton* button)
{
    QVERIFY(button);
    QVERIFY(button->isEnabled());
    button->click();
}

void PanelDriver::answerSelectorWith(const QString& buttonText)
{
    selectorAnswer = buttonText;
    selectorArmed = true;
}

void PanelDriver::answerQuestionWith(QMessageBox::StandardButton answer)
{
    questionAnswer = answer;
    questionArmed = true;
}

void PanelDriver::answerModalWidget()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* selector = qobject_cast<DeviceSelectorDialog*>(modal)) {
        if (!selectorArmed)
            return;
        selectorArmed = false;
        ++selectors;
        if (selectorAnswer.isEmpty())
            QTest::keyClick(selector, Qt::Key_Escape);
        else
            buttonWithText(selector, selectorAnswer)->click();
    } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        if (!questionArmed)
            return;
        questionArmed = false;
        ++questions;
        questionTitle = box->windowTitle();
        questionText = box->text();
        if (questionAnswer == QMessageBox::NoButton)
            QTest::keyClick(box, Qt::Key_Escape);
        else
            box->button(questionAnswer)->click();
    }
}

QStringList PanelDriver::logLines() const
{
    return linesOf(log());
}

QStringList PanelDriver::linesOf(const QTextEdit* log)
{
    QStringList lines;
    for (QTextBlock block = log->document()->begin(); block.isValid(); block = block.next())
        lines << block.text();
    return lines;
}

QColor PanelDriver::lineColour(const QTextEdit* log, int line)
{
    const QTextBlock block = log->document()->findBlockByNumber(line);
    const QTextFragment fragment = block.begin().fragment();
    const QTextCharFormat format = fragment.isValid() ? fragment.charFormat() : block.charFormat();
    return format.foreground().color();
}

QStringList PanelDriver::chooseFromLogMenu(QTextEdit* log, const QString& choice)
{
    QStringList entries;
    QTimer picker;
    picker.setInterval(10);
    QObject::connect(&picker, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        picker.stop();
        QAction* chosen = nullptr;
        for (QAction* action : menu->actions()) {
            if (!action->isEnabled() || action->isSeparator())
                continue;
            entries << action->text();
            if (action->text() == choice)
                chosen = action;
        }
        menu->close();
        if (chosen)
            chosen->trigger();
    });
    picker.start();
    QWidget* window = log->window();
    const QPoint at = log->viewport()->mapTo(window, log->viewport()->rect().center());
    QTest::mouseClick(window->windowHandle(), Qt::RightButton, Qt::NoModifier, at);
    return entries;
}
