#include "ui/Updater.h"

#include "catalogue/OperatorText.h"
#include "ui/DeviceSelectorDialog.h"
#include "ui/LogMenu.h"
#include "ui/PLProgressDialog.h"
#include "ui/ReadableColour.h"

#include <QBoxLayout>
#include <QColor>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPalette>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextEdit>

Updater::Updater(QWidget* parent)
    : QWidget(parent, Qt::WindowFlags())
{
    buildPanel();
    makeAccessible();
    new LogMenu(log, SessionLog::folder(), [this](const OperatorText& line) { session.note(RunEvent::line(line)); });
    session.begin(true, QStringLiteral("window"));
}

Updater::~Updater() = default;

void Updater::buildPanel()
{
    log = new QTextEdit;
    log->setReadOnly(true);
    checkButton = newButton(QStringLiteral("checkButton"), tr("Check Versions"));
    updateButton = newButton(QStringLiteral("updateButton"), tr("Update"));
    updateButton->setEnabled(false);
    restoreButton = newButton(QStringLiteral("restoreButton"), tr("Restore"));
    restoreButton->setEnabled(false);

    auto* outer = new QBoxLayout(QBoxLayout::LeftToRight);
    auto* logColumn = new QBoxLayout(QBoxLayout::TopToBottom);
    auto* buttonColumn = new QBoxLayout(QBoxLayout::TopToBottom);
    logColumn->insertWidget(-1, log, 0, Qt::Alignment());
    buttonColumn->insertWidget(-1, checkButton, 0, Qt::Alignment());
    buttonColumn->insertWidget(-1, updateButton, 0, Qt::Alignment());
    buttonColumn->insertWidget(-1, restoreButton, 0, Qt::Alignment());
    buttonColumn->insertStretch(-1, 0);
    outer->insertLayout(-1, logColumn, 0);
    outer->insertLayout(-1, buttonColumn, 0);
    setLayout(outer);

    connect(checkButton, SIGNAL(clicked()), this, SLOT(checkVersions()));
    connect(updateButton, SIGNAL(clicked()), this, SLOT(updateDevice()));
    connect(restoreButton, SIGNAL(clicked()), this, SLOT(restoreDevice()));
}

// Two spaces either side of its words, in every language; named for what it
// does, which stays when its text is translated.
QPushButton* Updater::newButton(const QString& name, const QString& text)
{
    auto* button = new QPushButton(QStringLiteral("  %1  ").arg(text));
    button->setObjectName(name);
    return button;
}

// Screen readers name controls by these, and an operator without a mouse
// tabs from the log to the buttons.
void Updater::makeAccessible()
{
    log->setAccessibleName(tr("Log"));
    log->setTabChangesFocus(true);
    for (QPushButton* button : {checkButton, updateButton, restoreButton})
        button->setAccessibleName(button->text().trimmed());
}

// Green for success, red for a failure or a warning. On a dark log the
// same hues, lightened until they read against its background.
QColor Updater::colourOf(Kind kind) const
{
    QColor colour;
    switch (kind) {
    case Kind::Success:
        colour = QColor(34, 177, 76, 255);
        break;
    case Kind::Warning:
    case Kind::Failure:
        colour = QColor(Qt::red);
        break;
    case Kind::Plain:
    case Kind::Conclusion:
    case Kind::Notice:
        return QColor();
    }
    const QPalette& palette = log->palette();
    const QColor background = palette.color(QPalette::Base);
    if (background.lightnessF() >= palette.color(QPalette::Text).lightnessF())
        return colour;
    return ReadableColour::against(colour, background);
}

void Updater::addLine(const QString& s)
{
    session.note(RunEvent::line(OperatorText::verbatim(s)));
}

void Updater::addStatusLine(const QString& s, bool success)
{
    session.note(RunEvent::status(OperatorText::verbatim(s), success));
}

// The session log keeps the English lines; the operator reads them
// translated.
void Updater::showLines(const OperatorLines& lines, Kind kind)
{
    appendLines(OperatorText::translatedOf(lines), colourOf(kind));
}

void Updater::replaceLastLine(const QString& s)
{
    QTextCursor cursor = log->textCursor();
    cursor.movePosition(QTextCursor::End, QTextCursor::MoveAnchor, 1);
    cursor.deletePreviousChar();
    cursor.select(QTextCursor::LineUnderCursor);
    if (cursor.selectedText() == QLatin1String("\n")) {
        cursor.removeSelectedText();
        cursor.deletePreviousChar();
        cursor.select(QTextCursor::LineUnderCursor);
    }
    cursor.removeSelectedText();
    cursor.deletePreviousChar();
    session.note(RunEvent::line(OperatorText::verbatim(s))); // the session log, like a terminal, keeps the line replaced
}

// The operator's selection and scroll position stay as they were, except
// that a view at the bottom follows the new lines.
void Updater::appendLines(const QStringList& lines, const QColor& colour)
{
    QScrollBar* bar = log->verticalScrollBar();
    const int scrolled = bar->value();
    const bool following = scrolled >= bar->maximum();
    const int anchor = log->textCursor().anchor();
    const int position = log->textCursor().position();
    insertAtEnd(lines, colour);
    keepSelection(anchor, position);
    bar->setValue(following ? bar->maximum() : scrolled);
}

// Through a cursor and a format of its own: QTextEdit::append() takes the
// format under the operator's cursor, which a click moves. One change for
// the layout, however many lines: laying the log out again for each line
// would cost more than showing it.
void Updater::insertAtEnd(const QStringList& lines, const QColor& colour)
{
    QTextCharFormat format;
    if (colour.isValid())
        format.setForeground(colour);
    QTextCursor end(log->document());
    end.movePosition(QTextCursor::End);
    end.beginEditBlock();
    for (const QString& s : lines) {
        if (log->document()->isEmpty())
            end.setBlockCharFormat(format);
        else
            end.insertBlock(QTextBlockFormat(), format);
        end.insertText(s, format);
    }
    end.endEditBlock();
}

// A selection reaching the end of the log would grow with every new line.
void Updater::keepSelection(int anchor, int position)
{
    QTextCursor view = log->textCursor();
    if (view.anchor() == anchor && view.position() == position)
        return;
    view.setPosition(anchor);
    view.setPosition(position, QTextCursor::KeepAnchor);
    log->setTextCursor(view);
}

void Updater::checkVersions()
{
    const FlowOutcome outcome = session.check();
    withdrawAfterStall(outcome);
    // The operator chose to stop rather than name the model: the program ends.
    if (outcome == FlowOutcome::Cancelled)
        QCoreApplication::exit(0);
}

void Updater::updateDevice()
{
    endOfWrite(session.update());
}

void Updater::restoreDevice()
{
    endOfWrite(session.restore());
}

// A stop asked for during the write was put off until its verdict, which
// the log now shows; the program ends with the command line's exit code.
void Updater::endOfWrite(FlowOutcome outcome)
{
    withdrawAfterStall(outcome);
    if (session.stop().asked())
        QCoreApplication::exit(session.exitCode());
}

// Once a call was abandoned the library takes no other, so nothing is left
// to press; the log stays readable, and its menu copies or saves it for a
// support request.
void Updater::withdrawAfterStall(FlowOutcome outcome)
{
    if (outcome == FlowOutcome::Stalled)
        offerActions(NoAction);
}

void Updater::beginBusy(const OperatorText& text)
{
    busy = std::make_unique<PLProgressDialog>(text.translated());
    busy->show();
}

void Updater::showPercent(int percent)
{
    if (busy)
        busy->showPercent(percent);
}

void Updater::showBusyNote(const OperatorText& note)
{
    if (busy)
        busy->showNote(note.translated());
}

void Updater::endBusy()
{
    busy.reset();
}

bool Updater::confirmDowngrade()
{
    const QMessageBox::StandardButton answer = QMessageBox::question(
        this, tr("Warning"),
        tr("Your device appears to have a newer firmware version.\n"
           "Installing this will overwrite your firmware with an older version.\n"
           "Are you sure you wish to continue?"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::NoButton);
    return answer == QMessageBox::Yes;
}

// Escape or the close button (exec() returns Rejected) is a Cancel too.
std::optional<int> Updater::chooseModel()
{
    DeviceSelectorDialog selector(nullptr);
    const bool answered = selector.exec() == QDialog::Accepted;
    if (!answered || selector.cancelled)
        return std::nullopt;
    return selector.deviceType;
}

// The log stays usable whatever is offered: after a write it is the report.
void Updater::offerActions(int actions)
{
    checkButton->setEnabled(actions & CheckAction);
    updateButton->setEnabled(actions & UpdateAction);
    restoreButton->setEnabled(actions & RestoreAction);
}
