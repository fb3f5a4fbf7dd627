#pragma once

#include "model/settings_file.h"

#include <QDialog>

#include <array>

class Click_Label;
class Sign_Convention_Picture;
class Ui_Services;
class QComboBox;
class QFrame;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTabBar;

// "基本設定": the display preferences of "\set.ini". The dialog starts from what the file
// holds; "適用" rewrites the file and hands the new settings to the main window through
// Setting_Applied; "閉じる" discards what was not applied.
class Setting_Form : public QDialog {
    Q_OBJECT
public:
    Setting_Form(const QString& program_dir, Ui_Services& services, QWidget* parent = nullptr);

    // The settings the controls hold now.
    Settings Dialog_Settings() const;

signals:
    void Setting_Applied(const Settings& settings);

private slots:
    void TabStrip1_Click(int index);
    void Swatch_Click(int index);
    void Option1_Click(int index);
    void Command1_Click();
    void Command3_Click();
    void Command4_Click();

private:
    QFrame* Make_Colour_Frame();
    QFrame* Make_Sign_Frame();
    void Show_Settings(const Settings& settings);
    void Set_Swatch(int index, qint32 colour);
    void Set_Beam_Image(const QString& file);

    QString program_dir;
    Ui_Services& services;

    QString beam_image;
    std::array<qint32, 3> swatch_colours{};

    QTabBar* TabStrip1 = nullptr;
    QStackedWidget* frames = nullptr;
    QFrame* Color_SettingFrame = nullptr;
    QFrame* Hugo_SettingFrame = nullptr;
    std::array<Click_Label*, 3> swatches{}; // Picture1, Picture2, Picture3
    std::array<QRadioButton*, 6> Option1{};
    std::array<Click_Label*, 6> Image1{};
    QComboBox* LineWidthCombo = nullptr;
    std::array<QRadioButton*, 2> M_Option{};
    std::array<QRadioButton*, 2> S_Option{};
    Sign_Convention_Picture* Picture4 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
};
