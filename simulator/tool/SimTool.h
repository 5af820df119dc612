#ifndef SIMTOOL_H
#define SIMTOOL_H

#include "simulator/FirmwareImage.h"
#include "simulator/InstrumentState.h"

#include <QCommandLineParser>
#include <QStringList>
#include <QTextStream>

// The rzsim command line: creates, shows, plugs and unplugs the simulated
// instrument, writes firmware images for it and signs them.
class ChecksumList;
class SigningKey;

class SimTool
{
public:
    SimTool();

    // The exit status: 0 on success.
    int run(const QStringList& arguments);

private:
    void addOptions();
    int createDevice();
    int show();
    void showComponents(const InstrumentState& state);
    void showFaults(const InstrumentState& state);
    int writeFirmware(const QString& folder);
    int makeSigningKey(const QString& folder);
    int setPlugged(bool plugged);
    int summarizeRecording(const QString& path);

    bool applyComponents(InstrumentState* state);
    bool applyFaults(InstrumentState* state);
    bool applyTiming(InstrumentState* state);
    bool writeImage(const QString& folder, const FirmwareImage& image, ChecksumList* checksums);
    bool signList(const QString& folder, const SigningKey& key);
    bool requestedImages(QVector<FirmwareImage>* images);
    bool intOption(const QString& name, int* value, int minimum = 0);
    bool parseFault(const QString& text, InstrumentState::Fault* fault);
    bool parseTrigger(const char* option, const QString& text, InstrumentState::CallTrigger* trigger);
    bool loadState(InstrumentState* state);
    bool saveState(const InstrumentState& state);
    QString statePath() const;
    // Print the message; false or the exit status, for the caller to return.
    bool fail(const QString& message);
    int exitWith(const QString& message, int status);

    QCommandLineParser m_parser;
    QTextStream m_out;
    QTextStream m_err;
};

#endif
