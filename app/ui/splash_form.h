// frmSplash: the splash window of the start-up and, shown modal, the version box.
#pragma once

#include <QWidget>

class QLabel;
class QTimer;

enum class Splash_Mode { Start_Up, Version_Box };

class Splash_Form : public QWidget {
    Q_OBJECT
public:
    explicit Splash_Form(Splash_Mode mode, QWidget* parent = nullptr);

    // Start-up: shows the window modeless and starts Timer1 (500 ms). Until it ticks
    // the window cannot be closed.
    void Show_Start_Up();
    // Version box: shown modal, closed by the first click or key press; deletes itself.
    void Show_Version_Box();

signals:
    // Timer1's first tick: the main window is to be shown; the splash then closes.
    void Timer1_Elapsed();

public slots:
    void Timer1_Timer();
    // A click on the form, its frame, labels or pictures, or a key press: asks to close.
    void Form_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTimer* Timer1 = nullptr;
    QLabel* lblVersion = nullptr;
};
