#ifndef OPERATORTEXT_H
#define OPERATORTEXT_H

#include <QString>
#include <QStringList>

// A line the operator reads, kept in English wherever a program or support
// reads it (the session log, the history, the JSON report) and shown in the
// operator's language by the window and the terminal.
//
//     frontEnd.addLine(OperatorText::tr("Found serial %1").arg(serial));
//
// Turned into a QString, a text gives its English line and remembers how it
// was made; a front end hands such a line to shown() for the operator's
// language. Lines that were not made here are shown as they are. Its
// arguments are shown translated too where they are texts of this kind
// ("clearing FPGA" inside "The instrument stopped answering while %1").
class OperatorText
{
public:
    // The context the translations file keeps these texts under.
    static constexpr const char* context = "OperatorText";

    // `source` is a string literal, marked for the translations file by its
    // call; `count` fills "%n" and picks a plural form.
    static OperatorText tr(const char* source, const char* disambiguation = nullptr, int count = -1);
    // A source marked where it was written, with QT_TRANSLATE_NOOP and this
    // context.
    static OperatorText marked(const char* source) { return tr(source); }

    OperatorText arg(const QString& a) const;
    OperatorText arg(qlonglong a) const;
    OperatorText arg(int a) const { return arg(qlonglong(a)); }

    QString english() const;
    QString translated() const;
    // The English line, remembered for shown().
    operator QString() const; // NOLINT: a text goes where a line goes

    // A line in the operator's language: the translation of the text it was
    // made from, or the line itself.
    static QString shown(const QString& line);
    static QStringList shown(const QStringList& lines);

private:
    OperatorText(const char* source, const char* disambiguation, int count);
    QString filled(QString text, bool translateArguments) const;

    const char* source;
    const char* disambiguation;
    int count;
    QStringList arguments;
};

#endif
