#include "cli/TerminalTable.h"

#include <cwchar>

QVector<int> TerminalTable::widthsOf(const QList<QStringList>& rows)
{
    QVector<int> widths(rows.isEmpty() ? 0 : rows.first().size(), 0);
    for (const QStringList& row : rows) {
        for (int column = 0; column < row.size() && column < widths.size(); ++column)
            widths[column] = qMax(widths[column], columnsOf(row.at(column)));
    }
    return widths;
}

QByteArray TerminalTable::lineOf(const QStringList& cells, const QVector<int>& widths)
{
    QString line;
    for (int column = 0; column < cells.size() - 1; ++column)
        line += cells.at(column) + QString(qMax(widths.value(column) - columnsOf(cells.at(column)), 0) + 2, QLatin1Char(' '));
    return (line + cells.last() + QLatin1Char('\n')).toLocal8Bit();
}

int TerminalTable::columnsOf(const QString& text)
{
    const int columns = wcswidth(text.toStdWString().c_str(), size_t(-1));
    return columns < 0 ? text.size() : columns;
}
