#pragma once

#include <QPaintDevice>

// Control geometry is planned in twips (1/1440 inch); these give its size in pixels at the
// device's logical resolution, across and down.
int Twips_To_Pixels_X(double twips, const QPaintDevice& device);
int Twips_To_Pixels_Y(double twips, const QPaintDevice& device);
