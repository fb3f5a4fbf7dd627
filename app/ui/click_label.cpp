#include "ui/click_label.h"

#include <QMouseEvent>

void Click_Label::mouseReleaseEvent(QMouseEvent* event)
{
    // A press dragged off the label before release is no click.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}
