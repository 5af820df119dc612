#ifndef OPERATORTEXT_H
#define OPERATORTEXT_H

#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>

#include <vector>

// A line the operator reads, kept in English wherever a program or support
// reads it (the session log, the history, the JSON report) and shown in the
// operator's language by the window and the terminal.
//
//     frontEnd.addLine(OperatorText::tr("Found serial %1").arg(serial));
//
// A text travels as its source and arguments from where it was made to where
// it is shown or kept, and is turned into words only there: english() for a
// record, translated() for the operator. An argument that is itself a text
// ("clearing FPGA" inside "The instrument stopped answering while %1") is
// translated with it. Words that are nobody's to translate (a path, the
// library's own version, a line read back from a file) travel as verbatim().
class OperatorText
{
public:
    // The context the translations file keeps these texts under.
    static constexpr const char* context = "OperatorText";

    // An empty line.
    OperatorText() = default;

    // `source` is a string literal, marked for the translations file by its
    // call; `count` fills "%n" and picks a plural form.
    static OperatorText tr(const char* source, const char* disambiguation = nullptr, int count = -1);
    // A source marked where it was written, with QT_TRANSLATE_NOOP and this
    // context.
    static OperatorText marked(const char* source) { return tr(source); }
    // Words shown as they are, in every language.
    static OperatorText verbatim(const QString& words);

    OperatorText arg(const QString& a) const;
    OperatorText arg(const OperatorText& a) const;
    OperatorText arg(qlonglong a) const;
    OperatorText arg(int a) const { return arg(qlonglong(a)); }

    QString english() const;
    QString translated() const;
    // Lines that came together, word for word.
    static QStringList englishOf(const QList<OperatorText>& lines);
    static QStringList translatedOf(const QList<OperatorText>& lines);
    bool isEmpty() const;

    // The same words in English: what a record could tell apart.
    bool operator==(const OperatorText& other) const { return english() == other.english(); }
    bool operator!=(const OperatorText& other) const { return !(*this == other); }

private:
    OperatorText(const char* source, const char* disambiguation, int count);
    QString filled(QString text, bool translate) const;
    static QStringList wordsOf(const QList<OperatorText>& lines, QString (OperatorText::*words)() const);

    const char* source = nullptr; // null for verbatim words
    const char* disambiguation = nullptr;
    int count = -1;
    QString words; // verbatim
    std::vector<OperatorText> arguments;
};

// A worker's lines cross to the flow's thread as queued calls.
Q_DECLARE_METATYPE(OperatorText)

// Lines that came together.
using OperatorLines = QList<OperatorText>;

#endif
