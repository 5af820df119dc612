#include "simulator/Recording.h"

#include <QFile>
#include <QJsonDocument>

#include <algorithm>
#include <cmath>
#include <limits>

bool Recording::load(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    int lineNumber = 0;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        ++lineNumber;
        if (line.isEmpty())
            continue;
        QJsonParseError parseError{};
        const QJsonDocument document = QJsonDocument::fromJson(line, &parseError);
        if (!document.isObject()) {
            *error = QStringLiteral("%1, line %2: not a JSON object").arg(path).arg(lineNumber);
            return false;
        }
        const QJsonObject object = document.object();
        if (lineNumber == 1)
            first = object;
        else if (object.contains("function"))
            recorded.push_back(object);
    }
    return true;
}

QString Recording::describe(const QString& function, const QJsonObject& inputs)
{
    return function + QLatin1Char(' ') + QString::fromUtf8(QJsonDocument(inputs).toJson(QJsonDocument::Compact));
}

qint64 Recording::milliseconds(const QJsonObject& call, const char* name)
{
    return std::max<qint64>(0, saturated(call.value(QLatin1String(name)).toDouble()));
}

int Recording::status(const QJsonObject& call)
{
    return int(std::clamp<qint64>(saturated(call.value("status").toDouble()), std::numeric_limits<int>::min(),
                                  std::numeric_limits<int>::max()));
}

// 2^63 is exact as a double; every double below it converts.
qint64 Recording::saturated(double figure)
{
    constexpr double past = 9223372036854775808.0;
    if (std::isnan(figure))
        return 0;
    if (figure >= past)
        return std::numeric_limits<qint64>::max();
    if (figure <= -past)
        return std::numeric_limits<qint64>::min();
    return qint64(figure);
}
