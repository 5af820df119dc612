#include "simulator/Recording.h"

#include <QFile>
#include <QJsonDocument>

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
