#include "ui/ReadableColour.h"

#include <algorithm>
#include <cmath>

double ReadableColour::relativeLuminance(const QColor& colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

double ReadableColour::contrast(const QColor& a, const QColor& b)
{
    const double first = relativeLuminance(a);
    const double second = relativeLuminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// Hue and saturation kept, lightness raised a step at a time: the first
// colour that reads is the one nearest the original.
QColor ReadableColour::against(const QColor& colour, const QColor& darkBackground)
{
    const QColor hsl = colour.toHsl();
    QColor candidate = colour;
    for (double lightness = hsl.lightnessF(); lightness <= 1.0; lightness += 0.01) {
        candidate = QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), std::min(lightness, 1.0));
        if (contrast(candidate, darkBackground) >= smallTextContrast)
            break;
    }
    return candidate.toRgb();
}
