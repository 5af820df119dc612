#include "catalogue/PrintableText.h"

#include <QVector>

#include <algorithm>

namespace {

QString escaped(uint c)
{
    const auto hex = [c](int digits) { return QString::number(c, 16).toUpper().rightJustified(digits, QLatin1Char('0')); };
    if (c <= 0xff)
        return QStringLiteral("\\x") + hex(2);
    return c <= 0xffff ? QStringLiteral("\\u") + hex(4) : QStringLiteral("\\U") + hex(8);
}

} // namespace

// Cc and Cf: C0 and C1 controls, DEL, and the invisible marks that change
// the direction or the joining of text, or tag it, beyond the BMP too.
bool PrintableText::isControl(uint character)
{
    const QChar::Category category = QChar::category(character);
    return category == QChar::Other_Control || category == QChar::Other_Format;
}

// Printable ASCII, nearly all of what is printed, is handed back as it is,
// uncopied, before Unicode is asked. Beyond it a character is a code point:
// a surrogate pair is one character, escaped or kept whole.
QString PrintableText::of(const QString& text)
{
    const auto plain = [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7f; };
    if (std::all_of(text.cbegin(), text.cend(), plain))
        return text;
    QString shown;
    for (const char32_t c : text.toUcs4())
        shown += isControl(c) ? escaped(c) : QString::fromUcs4(&c, 1);
    return shown;
}
