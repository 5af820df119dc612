#ifndef READABLECOLOUR_H
#define READABLECOLOUR_H

#include <QColor>

// Colours that read against a background: WCAG's contrast ratio, and a
// colour of the same hue made light enough to reach the ratio that small
// text needs (4.5:1, level AA) on a dark background.
class ReadableColour
{
public:
    static constexpr double smallTextContrast = 4.5;

    // From 1 (the same) to 21 (black on white).
    static double contrast(const QColor& a, const QColor& b);
    // `colour` as it is when it reads already, else lightened.
    static QColor against(const QColor& colour, const QColor& darkBackground);

private:
    static double relativeLuminance(const QColor& colour);
};

#endif
