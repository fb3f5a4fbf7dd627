#pragma once

#include <QWidget>

// The picture of the settings dialog's sign tab: for each of the two sign patterns, the
// bending moment and the shear force that count as positive on a short piece of beam.
class Sign_Convention_Picture : public QWidget {
    Q_OBJECT
public:
    explicit Sign_Convention_Picture(QWidget* parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
