#include "cli/TerminalFrontEnd.h"

#include "catalogue/OperatorText.h"
#include <unistd.h>

TerminalFrontEnd::TerminalFrontEnd(std::FILE* lines)
    : out(lines), statusOnTerminal(isatty(STDERR_FILENO) == 1)
{
    statusTicker.setInterval(1000);
    QObject::connect(&statusTicker, &QTimer::timeout, [this] { drawStatus(); });
}

TerminalFrontEnd::~TerminalFrontEnd()
{
    clearStatus();
}

// A verdict looks as any line does: a script reads the exit code. An
// update's check concludes before its write does: quiet, the last one holds.
void TerminalFrontEnd::showLines(const OperatorLines& lines, Kind kind)
{
    if (quiet) {
        if (kind == Kind::Success || kind == Kind::Failure || kind == Kind::Conclusion)
            verdict = lines.isEmpty() ? OperatorText() : lines.last();
        return;
    }
    for (const OperatorText& line : lines)
        print(line);
}

void TerminalFrontEnd::printVerdict()
{
    if (quiet && !verdict.isEmpty())
        print(verdict);
}

// Flushed at once: a script, or the operator, sees each step as it happens.
// Once the output cannot take a line (a reader that went away, a full disk)
// nothing more is printed there; the lines still reach the session log and
// the report, and the work goes on. The report keeps the English line; the
// terminal shows it in the desktop's language.
void TerminalFrontEnd::print(const OperatorText& line)
{
    clearStatus();
    if (!outputLost) {
        std::fputs(line.translated().toLocal8Bit().constData(), out);
        std::fputc('\n', out);
        outputLost = std::fflush(out) != 0 || std::ferror(out);
    }
    if (busyFor.isValid())
        drawStatus();
}

void TerminalFrontEnd::beginBusy(const OperatorText&)
{
    busyFor.start();
    percent = -1;
    statusTicker.start();
}

void TerminalFrontEnd::showPercent(int value)
{
    if (value == percent)
        return;
    percent = value;
    drawStatus();
}

void TerminalFrontEnd::endBusy()
{
    statusTicker.stop();
    busyFor.invalidate();
    clearStatus();
}

bool TerminalFrontEnd::confirmDowngrade()
{
    downgradeConfirmed = allowDowngrade;
    return allowDowngrade;
}

std::optional<int> TerminalFrontEnd::chooseModel()
{
    return model;
}

// Nothing to show: the command decides what follows from the outcome.
void TerminalFrontEnd::offerActions(int)
{
}

// The command that writes what the check offered; an update that was
// allowed to downgrade needs leave to do so again.
OperatorText TerminalFrontEnd::continueLine(Action offered) const
{
    if (writesAfterCheck)
        return OperatorText();
    if (offered == RestoreAction)
        return OperatorText::tr("Run `rz-firmware-updater restore` to continue.");
    if (downgradeConfirmed)
        return OperatorText::tr("Run `rz-firmware-updater update --allow-downgrade` to continue.");
    return OperatorText::tr("Run `rz-firmware-updater update` to continue.");
}

// Every write call that returned said so: the instrument holds the
// release's version of each component it wrote, and had the others.
OperatorText TerminalFrontEnd::writtenLine(const QString& instrument, const QString& version) const
{
    return OperatorText::tr("%1 now holds firmware %2.").arg(instrument).arg(version);
}

OperatorText TerminalFrontEnd::downgradeDeclinedLine(const QString& instrument) const
{
    return OperatorText::tr("%1 holds newer firmware than this release; to write this release anyway, "
                            "run `rz-firmware-updater update --allow-downgrade`.")
        .arg(instrument);
}

void TerminalFrontEnd::drawStatus()
{
    if (!statusOnTerminal || quiet || !busyFor.isValid())
        return;
    const qint64 seconds = busyFor.elapsed() / 1000;
    const QString clock = QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
    QString status = OperatorText::tr("Elapsed %1").arg(clock).translated();
    if (percent >= 0)
        status = QStringLiteral("FPGA %1%  ").arg(percent) + status;
    std::fprintf(stderr, "\r\033[K%s", status.toLocal8Bit().constData());
    std::fflush(stderr);
    statusShown = true;
}

void TerminalFrontEnd::clearStatus()
{
    if (!statusShown)
        return;
    std::fputs("\r\033[K", stderr);
    std::fflush(stderr);
    statusShown = false;
}
