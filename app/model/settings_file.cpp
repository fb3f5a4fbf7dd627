#include "model/settings_file.h"

#include "model/number_text.h"
#include "model/text_file.h"

#include <QDir>

#include <optional>

namespace {

constexpr int Label_Width = 25;
constexpr qint32 Max_Colour = 0xFFFFFF;

const QStringList& Labels()
{
    static const QStringList labels = {
        QStringLiteral("Beam Image              :"),
        QStringLiteral("Pre_Pic. BackColor      :"),
        QStringLiteral("Post_Pic. BackColor     :"),
        QStringLiteral("BMD/SFD_Pic. BackColor  :"),
        QStringLiteral("BMD+/-                  :"),
        QStringLiteral("SFD+/-                  :"),
        QStringLiteral("Line Width              :"),
    };
    return labels;
}

QString Settings_Path(const QString& program_dir)
{
    return QDir(program_dir).filePath(QStringLiteral("set.ini"));
}

// The value as an integer within [low, high], or nothing when it is not one.
std::optional<qint32> Integer_In(const QString& text, qint32 low, qint32 high)
{
    if (!Is_Numeric(text))
        return std::nullopt;
    const double value = Round_Half_Even(Leading_Number(text), 0);
    if (!(value >= low && value <= high))
        return std::nullopt;
    return static_cast<qint32>(value);
}

std::optional<qint16> Sign_Of(const QString& text)
{
    const auto value = Integer_In(text, -1, 1);
    if (!value || *value == 0)
        return std::nullopt;
    return static_cast<qint16>(*value);
}

bool Is_Plain_File_Name(const QString& name)
{
    return !name.isEmpty() && name != QStringLiteral(".") && name != QStringLiteral("..")
        && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

void Apply_Line(int index, const QString& value, Settings& settings)
{
    const auto set_colour = [&value](qint32& target) {
        if (const auto colour = Integer_In(value, 0, Max_Colour))
            target = *colour;
    };
    const auto set_sign = [&value](qint16& target) {
        if (const auto sign = Sign_Of(value))
            target = *sign;
    };
    switch (index) {
    case 0:
        if (Is_Plain_File_Name(value))
            settings.beam_image = value;
        break;
    case 1: set_colour(settings.input_background); break;
    case 2: set_colour(settings.result_background); break;
    case 3: set_colour(settings.diagram_background); break;
    case 4: set_sign(settings.moment_sign); break;
    case 5: set_sign(settings.shear_sign); break;
    case 6:
        if (const auto width = Integer_In(value, Min_Line_Width, Max_Line_Width))
            settings.line_width = static_cast<qint16>(*width);
        break;
    }
}

} // namespace

const QVector<Beam_Image>& Beam_Images()
{
    static const QVector<Beam_Image> images = {
        {QStringLiteral("Chrome"), QStringLiteral("chrome.bmp")},
        {QStringLiteral("Green"), QStringLiteral("green.bmp")},
        {QStringLiteral("Blue"), QStringLiteral("blue.bmp")},
        {QStringLiteral("Red"), QStringLiteral("red.bmp")},
        {QStringLiteral("Wood"), QStringLiteral("wood.bmp")},
        {QStringLiteral("Stone"), QStringLiteral("stone.bmp")},
    };
    return images;
}

QStringList Settings_Lines(const Settings& settings)
{
    const QStringList values = {
        settings.beam_image,
        QString::number(settings.input_background),
        QString::number(settings.result_background),
        QString::number(settings.diagram_background),
        QString::number(settings.moment_sign),
        QString::number(settings.shear_sign),
        QString::number(settings.line_width),
    };
    QStringList lines;
    for (int i = 0; i < values.size(); ++i)
        lines << Labels().at(i) + values.at(i);
    return lines;
}

Settings Read_Settings(const QString& program_dir, const Settings& current)
{
    Settings settings = current;
    const Text_Lines_Result file = Read_Text_Lines(Settings_Path(program_dir), 1024 * 1024);
    if (!file.ok)
        return settings;
    const int count = std::min<int>(file.lines.size(), Labels().size());
    for (int i = 0; i < count; ++i)
        Apply_Line(i, file.lines.at(i).mid(Label_Width), settings);
    return settings;
}

QString Write_Settings(const QString& program_dir, const Settings& settings)
{
    return Write_Text_Lines(Settings_Path(program_dir), Settings_Lines(settings));
}

QVector<qint32> Read_Range_Colours(const QString& program_dir)
{
    QVector<qint32> colours;
    const Text_Lines_Result file =
        Read_Text_Lines(QDir(program_dir).filePath(QStringLiteral("setc.ini")), 1024 * 1024);
    if (!file.ok)
        return colours;
    for (const QString& line : file.lines) {
        for (const QString& entry : line.split(QLatin1Char(','))) {
            if (entry.trimmed().isEmpty())
                continue;
            const auto colour = Integer_In(entry, 0, Max_Colour);
            if (!colour)
                return colours;
            colours << *colour;
        }
    }
    return colours;
}
