// Settings unlike every default, to see which lines a read or a window took from a file.
#pragma once

#include "model/settings_file.h"

inline Settings Odd_Settings()
{
    Settings settings;
    settings.beam_image = QStringLiteral("stone.bmp");
    settings.input_background = 1;
    settings.result_background = 2;
    settings.diagram_background = 3;
    settings.moment_sign = -1;
    settings.shear_sign = -1;
    settings.line_width = 9;
    return settings;
}
