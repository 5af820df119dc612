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

private:
    QJsonObject first;
    std::vector<QJsonObject> recorded;
};

#endif
