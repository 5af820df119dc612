// A recording of the device library's calls, edited by anyone, as
// `rzsim replay` summarizes it and a replay reads it: the input is the
// file, JSON Lines. Invariant: no crash, hang or undefined behaviour; the
// summary and every call as a divergence line names it print inert
// (PrintedOutput), and every figure of the summary (calls, milliseconds,
// counts by status) is saturated, never negative.

#include "catalogue/PrintableText.h"
#include "fuzz/PrintedOutput.h"
#include "simulator/Recording.h"
#include "simulator/tool/SimTool.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

QString recordingPath;

// Every line the summary prints, its figures without a sign (a status may have one).
const QString statuses = QStringLiteral(R"(((-?\d+|never returned) x\d+(, (-?\d+|never returned) x\d+)*)?)");
const QRegularExpression summaryLine(QStringLiteral(R"(^((Library|Updater|Action): .*|Calls: +\d+ \(by status: %1\))"
                                                    R"(|Total time: \d+ ms|  .* calls +\d+, +\d+ ms, by status: %1)$)")
                                         .arg(statuses));

} // namespace

// Qt 5's JSON parser loses an object or an array that a repeated key
// replaces: its own leak, and no recording's. Qt keeps no frame pointers,
// so only the slow unwinder finds the parser on the stack.
extern "C" const char* __asan_default_options()
{
    return "fast_unwind_on_malloc=0";
}

extern "C" const char* __lsan_default_suppressions()
{
    return "leak:QJsonDocument::fromJson\n";
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("LC_ALL", "C.UTF-8"); // the summary is printed in the locale's encoding
    static QCoreApplication app(*argc, *argv);
    static QTemporaryDir folder;
    recordingPath = folder.filePath(QStringLiteral("recording.jsonl"));
    return folder.isValid() ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QFile file(recordingPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        std::abort();
    file.close();
    Recording recording;
    QString error;
    if (recording.load(recordingPath, &error)) {
        for (const QJsonObject& call : recording.calls()) {
            const QString named = Recording::describe(call.value("function").toString(), call.value("inputs").toObject());
            if (!PrintedOutput::isInert(PrintableText::of(named).toUtf8()))
                std::abort();
        }
    }
    const QByteArray summary = PrintedOutput::of([&] { SimTool().run({"rzsim", "replay", recordingPath}); });
    if (!PrintedOutput::isInert(summary))
        std::abort();
    for (const QString& line : QString::fromUtf8(summary).split('\n', Qt::SkipEmptyParts)) {
        if (!summaryLine.match(line).hasMatch())
            std::abort();
    }
    return 0;
}
