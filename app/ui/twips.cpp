#include "ui/twips.h"

#include <cmath>

namespace {

int Pixels(double twips, int dots_per_inch)
{
    return static_cast<int>(std::lround(twips / 1440.0 * dots_per_inch));
}

} // namespace

int Twips_To_Pixels_X(double twips, const QPaintDevice& device)
{
    return Pixels(twips, device.logicalDpiX());
}

int Twips_To_Pixels_Y(double twips, const QPaintDevice& device)
{
    return Pixels(twips, device.logicalDpiY());
}
