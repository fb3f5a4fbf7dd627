#include "ui/setting_form.h"

#include "ui/click_label.h"
#include "ui/colour_value.h"
#include "ui/sign_convention_picture.h"
#include "ui/twips.h"
#include "ui/ui_services.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

namespace {

constexpr double Preview_Width_Twips = 2900;

QString Indexed_Name(const char* name, int index)
{
    return QString::fromLatin1(name) + QLatin1Char('_') + QString::number(index);
}

QPushButton* Make_Button(const QString& caption, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

// The option pair of one sign, pattern 1 first.
QGroupBox* Make_Sign_Group(const QString& title, const char* name, std::array<QRadioButton*, 2>& options,
                           QWidget* parent)
{
    auto* group = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(group);
    const QString captions[] = {QStringLiteral("符号パターン①"), QStringLiteral("符号パターン②")};
    for (int i = 0; i < 2; ++i) {
        options[i] = new QRadioButton(captions[i], group);
        options[i]->setObjectName(Indexed_Name(name, i));
        layout->addWidget(options[i]);
    }
    // The hint belongs to pattern 1: it sits under that option, indented like its caption.
    auto* hint = new QLabel(QStringLiteral("機械工学便覧等ではパターン①の符号定義"), group);
    hint->setIndent(options[0]->sizeHint().height() + 4);
    layout->insertWidget(1, hint);
    layout->addStretch(1);
    return group;
}

} // namespace

Setting_Form::Setting_Form(const QString& program_dir, Ui_Services& services, QWidget* parent)
    : QDialog(parent), program_dir(program_dir), services(services)
{
    setObjectName(QStringLiteral("Setting_Form"));
    setWindowTitle(QStringLiteral("基本設定"));

    TabStrip1 = new QTabBar(this);
    TabStrip1->setObjectName(QStringLiteral("TabStrip1"));
    TabStrip1->addTab(QStringLiteral("色設定"));
    TabStrip1->addTab(QStringLiteral("BMD/SFD符号設定"));
    TabStrip1->setExpanding(false);

    frames = new QStackedWidget(this);
    frames->addWidget(Make_Colour_Frame());
    frames->addWidget(Make_Sign_Frame());

    Command1 = Make_Button(QStringLiteral("適用"), "Command1", this);
    Command2 = Make_Button(QStringLiteral("閉じる"), "Command2", this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(TabStrip1);
    layout->addWidget(frames, 1);
    layout->addLayout(buttons);
    // Previews and swatches have fixed sizes: a larger window would only add empty space.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(TabStrip1, &QTabBar::currentChanged, this, &Setting_Form::TabStrip1_Click);
    connect(Command1, &QPushButton::clicked, this, &Setting_Form::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
    connect(Command3, &QPushButton::clicked, this, &Setting_Form::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Setting_Form::Command4_Click);

    TabStrip1->setCurrentIndex(0);
    TabStrip1_Click(0);
    // Whatever the file does not hold keeps the values the controls start with, which
    // are those of the two "Default" buttons.
    Show_Settings(Read_Settings(program_dir));
}

QFrame* Setting_Form::Make_Colour_Frame()
{
    Color_SettingFrame = new QFrame(this);
    Color_SettingFrame->setObjectName(QStringLiteral("Color_SettingFrame"));
    Color_SettingFrame->setFrameShape(QFrame::StyledPanel);

    auto* swatch_row = new QHBoxLayout;
    const QString captions[] = {QStringLiteral("条件設定画面"), QStringLiteral("結果出力画面"),
                                QStringLiteral("BMD/SFD画面")};
    for (int i = 0; i < 3; ++i) {
        auto* swatch = new Click_Label(Color_SettingFrame);
        swatch->setObjectName(QStringLiteral("Picture") + QString::number(i + 1));
        swatch->setFrameShape(QFrame::Box);
        swatch->setAutoFillBackground(true);
        swatch->setFixedSize(Twips_To_Pixels_X(735, *this), Twips_To_Pixels_Y(375, *this));
        swatch->setCursor(Qt::PointingHandCursor);
        swatches[i] = swatch;
        connect(swatch, &Click_Label::clicked, this, [this, i] { Swatch_Click(i); });
        auto* label = new QLabel(captions[i], Color_SettingFrame);
        swatch_row->addWidget(label);
        swatch_row->addWidget(swatch);
        swatch_row->addSpacing(Twips_To_Pixels_X(240, *this));
    }
    swatch_row->addStretch(1);

    auto* images = new QGroupBox(QStringLiteral("梁の外観"), Color_SettingFrame);
    auto* image_grid = new QGridLayout(images);
    auto* image_options = new QButtonGroup(images);
    const int preview_width = Twips_To_Pixels_X(Preview_Width_Twips, *this);
    for (int i = 0; i < int(Option1.size()); ++i) {
        const Beam_Image& image = Beam_Images().at(i);
        Option1[i] = new QRadioButton(image.caption, images);
        Option1[i]->setObjectName(Indexed_Name("Option1", i));
        image_options->addButton(Option1[i], i);

        Image1[i] = new Click_Label(images);
        Image1[i]->setObjectName(Indexed_Name("Image1", i));
        Image1[i]->setCursor(Qt::PointingHandCursor);
        // A missing picture leaves an empty preview of the strip's usual height.
        const QPixmap picture(QDir(program_dir).filePath(QStringLiteral("img/") + image.file));
        if (picture.isNull()) {
            Image1[i]->setFixedSize(preview_width, preview_width / 10);
        } else {
            const QPixmap preview = picture.scaledToWidth(preview_width, Qt::SmoothTransformation);
            Image1[i]->setPixmap(preview);
            Image1[i]->setFixedSize(preview.size());
        }
        connect(Option1[i], &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
        connect(Image1[i], &Click_Label::clicked, this, [this, i] { Option1_Click(i); });

        const int row = i % 3;
        const int column = (i / 3) * 2;
        image_grid->addWidget(Option1[i], row, column);
        image_grid->addWidget(Image1[i], row, column + 1);
    }
    image_grid->setColumnMinimumWidth(2, Option1[0]->sizeHint().width());
    image_grid->setHorizontalSpacing(Twips_To_Pixels_X(120, *this));

    auto* width_group = new QGroupBox(QStringLiteral("結果線の太さ"), Color_SettingFrame);
    auto* width_layout = new QHBoxLayout(width_group);
    LineWidthCombo = new QComboBox(width_group);
    LineWidthCombo->setObjectName(QStringLiteral("LineWidthCombo"));
    for (int width = Min_Line_Width; width <= Max_Line_Width; ++width)
        LineWidthCombo->addItem(QString::number(width));
    width_layout->addWidget(LineWidthCombo);
    width_layout->addStretch(1);

    Command3 = Make_Button(QStringLiteral("Default"), "Command3", Color_SettingFrame);
    auto* bottom_row = new QHBoxLayout;
    bottom_row->addWidget(width_group);
    bottom_row->addStretch(1);
    bottom_row->addWidget(Command3, 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(Color_SettingFrame);
    layout->addLayout(swatch_row);
    layout->addWidget(images);
    layout->addLayout(bottom_row);
    layout->addStretch(1);
    return Color_SettingFrame;
}

QFrame* Setting_Form::Make_Sign_Frame()
{
    Hugo_SettingFrame = new QFrame(this);
    Hugo_SettingFrame->setObjectName(QStringLiteral("Hugo_SettingFrame"));
    Hugo_SettingFrame->setFrameShape(QFrame::StyledPanel);

    Picture4 = new Sign_Convention_Picture(Hugo_SettingFrame);
    Picture4->setObjectName(QStringLiteral("Picture4"));
    Command4 = Make_Button(QStringLiteral("Default"), "Command4", Hugo_SettingFrame);

    auto* layout = new QGridLayout(Hugo_SettingFrame);
    layout->addWidget(Make_Sign_Group(QStringLiteral("BMD"), "M_Option", M_Option, Hugo_SettingFrame), 0, 0);
    layout->addWidget(Make_Sign_Group(QStringLiteral("SFD"), "S_Option", S_Option, Hugo_SettingFrame), 0, 1);
    layout->addWidget(Picture4, 1, 0, 1, 2);
    layout->addWidget(Command4, 2, 1, Qt::AlignRight);
    layout->setRowStretch(1, 1);
    return Hugo_SettingFrame;
}

Settings Setting_Form::Dialog_Settings() const
{
    Settings settings;
    settings.beam_image = beam_image;
    settings.input_background = swatch_colours[0];
    settings.result_background = swatch_colours[1];
    settings.diagram_background = swatch_colours[2];
    settings.moment_sign = M_Option[0]->isChecked() ? 1 : -1;
    settings.shear_sign = S_Option[0]->isChecked() ? 1 : -1;
    settings.line_width = static_cast<qint16>(LineWidthCombo->currentIndex() + 1);
    return settings;
}

void Setting_Form::Show_Settings(const Settings& settings)
{
    Set_Beam_Image(settings.beam_image);
    Set_Swatch(0, settings.input_background);
    Set_Swatch(1, settings.result_background);
    Set_Swatch(2, settings.diagram_background);
    M_Option[settings.moment_sign == 1 ? 0 : 1]->setChecked(true);
    S_Option[settings.shear_sign == 1 ? 0 : 1]->setChecked(true);
    LineWidthCombo->setCurrentIndex(settings.line_width - 1);
}

void Setting_Form::Set_Swatch(int index, qint32 colour)
{
    swatch_colours[index] = colour;
    QPalette colours = swatches[index]->palette();
    colours.setColor(QPalette::Window, Colour_Of(colour));
    swatches[index]->setPalette(colours);
}

void Setting_Form::Set_Beam_Image(const QString& file)
{
    beam_image = file;
    // A name from the file that is none of the six pictures selects no option.
    QButtonGroup* group = Option1[0]->group();
    group->setExclusive(false);
    for (int i = 0; i < int(Option1.size()); ++i)
        Option1[i]->setChecked(Beam_Images().at(i).file == file);
    group->setExclusive(true);
}

void Setting_Form::TabStrip1_Click(int index)
{
    frames->setCurrentIndex(index);
}

void Setting_Form::Swatch_Click(int index)
{
    std::array<QColor, 16> custom_colours{};
    const std::optional<QColor> chosen = services.Choose_Colour(QColor(Qt::black), custom_colours);
    if (!chosen || !chosen->isValid())
        return;
    // Black counts as no choice, as the colour dialog of the platform reports a cancel.
    const qint32 colour = Colour_Value(*chosen);
    if (colour > 0)
        Set_Swatch(index, colour);
}

void Setting_Form::Option1_Click(int index)
{
    Set_Beam_Image(Beam_Images().at(index).file);
}

void Setting_Form::Command1_Click()
{
    const Settings settings = Dialog_Settings();
    const QString error = Write_Settings(program_dir, settings);
    if (!error.isEmpty())
        services.Show_Message(QStringLiteral("設定ファイルを保存できませんでした。\n") + error);
    emit Setting_Applied(settings);
}

void Setting_Form::Command3_Click()
{
    const Settings defaults;
    Set_Beam_Image(defaults.beam_image);
    Set_Swatch(0, defaults.input_background);
    Set_Swatch(1, defaults.result_background);
    Set_Swatch(2, defaults.diagram_background);
    LineWidthCombo->setCurrentIndex(defaults.line_width - 1);
}

void Setting_Form::Command4_Click()
{
    M_Option[0]->setChecked(true);
    S_Option[0]->setChecked(true);
}
