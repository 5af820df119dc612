// The command line as a script or a person may type it: the input, split on
// NUL bytes, is the arguments after the program's name. Only what checks
// them runs (CommandLine::validate): no instrument, lock, file or window.
// Invariant: nothing crashes or hangs; a command line refused ends with exit
// code 2 and a reason on standard error after the program's name, one that
// asks for help or the version with 0 and that printed; one accepted names
// check, update, restore, history, pending or release.

#include "cli/CommandLine.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// What the updater writes to a standard stream through stdio while this
// lives: the stream is swapped for a buffer, and descriptors 1 and 2, where
// libFuzzer and the sanitizers report, stay as they are.
class Captured
{
public:
    explicit Captured(FILE*& stream) : stream(stream), saved(stream) { stream = open_memstream(&buffer, &size); }
    ~Captured()
    {
        std::fclose(stream);
        stream = saved;
        std::free(buffer);
    }
    QByteArray text()
    {
        std::fflush(stream);
        return QByteArray(buffer, int(size));
    }

private:
    FILE*& stream;
    FILE* saved;
    char* buffer = nullptr;
    size_t size = 0;
};

bool hasReasonLine(const QByteArray& text)
{
    const QByteArray prefix = "rz-firmware-updater: ";
    for (const QByteArray& line : text.split('\n')) {
        if (line.startsWith(prefix) && !line.mid(prefix.size()).trimmed().isEmpty())
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication application(*argc, *argv);
    QCoreApplication::setApplicationName(QStringLiteral("rz-firmware-updater"));
    QCoreApplication::setApplicationVersion(QStringLiteral(RZ_UPDATER_VERSION));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QStringList arguments{QStringLiteral("rz-firmware-updater")};
    for (const QByteArray& argument : QByteArray(reinterpret_cast<const char*>(data), int(size)).split('\0'))
        arguments << QString::fromLocal8Bit(argument);
    CommandLine commandLine;
    int exitCode = -1;
    Captured out(stdout);
    Captured errors(stderr);
    if (commandLine.validate(arguments, &exitCode)) {
        if (!QStringList({"check", "update", "restore", "history", "pending", "release"})
                 .contains(commandLine.chosenCommand()))
            std::abort();
    } else if (!(exitCode == CommandLine::ExitUsage && hasReasonLine(errors.text()))
               && !(exitCode == CommandLine::ExitDone && !out.text().isEmpty())) {
        std::abort();
    }
    return 0;
}
