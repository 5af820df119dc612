#ifndef RECORDING_H
#define RECORDING_H

#include <QJsonObject>
#include <QString>

#include <vector>

// A recording of the device library's calls as the updater writes it with
// RZ_API_RECORD: JSON Lines, first what the run was (the library's and the
// updater's versions, the action), then one object per call in call order,
// with the steps the updater took ({"action": ...}) in between.
class Recording
{
public:
    // False, with the reason, when the file cannot be read or a line is not
    // a JSON object.
    bool load(const QString& path, QString* error);

    const QJsonObject& header() const { return first; }
    // Only the calls, in order: call N is calls()[N - 1].
    const std::vector<QJsonObject>& calls() const { return recorded; }

    // "rzOpenDevice {"handle":-1}": a call as a divergence names it.
    static QString describe(const QString& function, const QJsonObject& inputs);
    static bool returned(const QJsonObject& call) { return call.value("returned").toBool(true); }

    // A recording may have been edited by hand, so its figures are taken
    // saturated, never wrapped: a call's "durationMs" or "sinceFirstCallMs"
    // in whole milliseconds (none, a negative one or not a number is 0), and
    // its status within the library's int.
    static qint64 milliseconds(const QJsonObject& call, const char* name);
    static int status(const QJsonObject& call);
    // Any figure as a whole number: not a number is 0, one past what 64 bits
    // hold is the end it passed.
    static qint64 saturated(double figure);

private:
    QJsonObject first;
    std::vector<QJsonObject> recorded;
};

#endif
