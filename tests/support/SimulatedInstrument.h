#ifndef SIMULATEDINSTRUMENT_H
#define SIMULATEDINSTRUMENT_H

#include "catalogue/release/TrustedKeys.h"

#include <QJsonObject>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// A working folder with this release's images and a simulated instrument,
// made current for the test, with the device library's call trace on.
class SimulatedInstrument
{
public:
    SimulatedInstrument();
    ~SimulatedInstrument();

    // Options for `rzsim device`: a USB model with serial 12345, or an RZ610T
    // with serial 777, at the given versions.
    static QStringList usbModel(const QString& model, int boot, int run, int fpga);
    static QStringList rz610t(int fx3, int fpga);

    // `rzsim device` with instant timing and the given options.
    void create(const QStringList& options);
    void remove();
    // Runs the rzsim tool in the working folder; fails the test on error.
    QString runTool(const QStringList& arguments) const;

    QJsonObject state() const;
    void writeState(const QJsonObject& state) const;

    QStringList trace() const;             // every call, one line each
    QStringList traceOf(const QString& call) const;
    QStringList calledFunctions() const;   // names only, in order
    // The calls in the form of `expected`, for comparing with it: each a
    // name, or "name: text" where `expected` has that entry and the call's
    // line contains the text; else the whole line, to show what differs.
    QStringList callsLike(const QStringList& expected) const;
    void clearTrace() const;

    QString path(const QString& relative) const;
    // What the updaters run in the test's own process trust, until another
    // trust() or the end of the instrument; at first the build's demo key,
    // which signs what rzsim writes, and nothing the computer's
    // administrator added.
    void trust(const TrustedKeys::Locations& locations);

private:
    static void restoreVariable(const char* name, const QByteArray& value);

    QTemporaryDir folder;
    std::unique_ptr<TrustedKeys::Replacement> trusted;
    QString previousFolder;
    QByteArray previousStateDir;
    QByteArray previousLockFile;
    QByteArray previousStateHome;
    QByteArray previousRuntimeDir;
};

#endif
