#include "catalogue/PrintableText.h"

#include <algorithm>

namespace {

// Cc and Cf: C0 and C1 controls, DEL, and the invisible marks that change
// the direction or the joining of text. Printable ASCII, nearly all of what
// is printed, is let through before Unicode is asked.
bool needsEscape(QChar c)
{
    if (c.unicode() >= 0x20 && c.unicode() < 0x7f)
        return false;
    const QChar::Category category = c.category();
    return category == QChar::Other_Control || category == QChar::Other_Format;
}

QString escaped(QChar c)
{
    if (c.unicode() <= 0xff)
        return QStringLiteral("\\x") + QString::number(c.unicode(), 16).toUpper().rightJustified(2, QLatin1Char('0'));
    return QStringLiteral("\\u") + QString::number(c.unicode(), 16).toUpper().rightJustified(4, QLatin1Char('0'));
}

} // namespace

// A text with nothing to escape is handed back as it is, uncopied.
QString PrintableText::of(const QString& text)
{
    const QString::const_iterator first = std::find_if(text.cbegin(), text.cend(), needsEscape);
    if (first == text.cend())
        return text;
    QString shown = text.left(int(first - text.cbegin()));
    for (QString::const_iterator c = first; c != text.cend(); ++c) {
        if (needsEscape(*c))
            shown += escaped(*c);
        else
            shown += *c;
    }
    return shown;
}
