#pragma once

#include <QLabel>

// A label that reports a left click, for colour swatches and preview pictures.
class Click_Label : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
