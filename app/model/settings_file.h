#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <QtGlobal>

// Display preferences kept in "\set.ini" and the range colours of "\setc.ini".
// Colours are 32-bit colour values: red in the low byte, then green, then blue.

constexpr qint32 Rgb_Colour(int red, int green, int blue)
{
    return red + green * 256 + blue * 65536;
}

inline constexpr qint32 Default_Background = Rgb_Colour(64, 64, 64);
inline constexpr qint16 Min_Line_Width = 1;
inline constexpr qint16 Max_Line_Width = 10;

// The values of the dialog's two "Default" buttons are also the start-up values.
struct Settings {
    QString beam_image = QStringLiteral("chrome.bmp"); // file name below "\img\"
    qint32 input_background = Default_Background;      // schematic and self-weight box
    qint32 result_background = Default_Background;     // coloured-beam view
    qint32 diagram_background = Default_Background;    // moment and shear diagrams
    qint16 moment_sign = 1;                            // +1 or -1
    qint16 shear_sign = 1;                             // +1 or -1
    qint16 line_width = 4;                             // pixels, 1 .. 10
    bool operator==(const Settings&) const = default;
};

struct Beam_Image {
    QString caption;
    QString file;
};
// The six beam pictures of the settings dialog, in the order of its option buttons.
const QVector<Beam_Image>& Beam_Images();

// The seven lines of "\set.ini".
QStringList Settings_Lines(const Settings& settings);

// Reads "\set.ini" on top of `current`: line k replaces setting k. A missing file or
// missing lines keep what `current` holds; so does a value that is out of its range (a
// colour outside 0 .. 0xFFFFFF, a sign other than 1 or -1, a width outside 1 .. 10, a
// beam image that is not a plain file name), because using it would draw wrongly or
// load a picture from outside "\img\".
Settings Read_Settings(const QString& program_dir, const Settings& current = Settings{});

// Rewrites "\set.ini"; "" on success, else what failed (the old file stays intact).
QString Write_Settings(const QString& program_dir, const Settings& settings);

// The colours of "\setc.ini" (comma- or line-separated decimal values); element 0
// colours the base range. Empty entries are skipped; the list ends before the first
// entry that is not a colour value, so later ranges never get a shifted colour. A
// missing file gives an empty list.
QVector<qint32> Read_Range_Colours(const QString& program_dir);
