#include "ui/sign_convention_picture.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace {

constexpr double Degree = std::numbers::pi / 180.0;

void Draw_Arrow_Head(QPainter& painter, QPointF tip, QPointF direction)
{
    const double length = std::hypot(direction.x(), direction.y());
    const QPointF along = direction / length * 7.0;
    const QPointF across(-along.y() * 0.5, along.x() * 0.5);
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(tip - along + across);
    head.lineTo(tip - along - across);
    head.closeSubpath();
    painter.fillPath(head, painter.pen().color());
}

// An arc around centre from start_degrees through sweep_degrees (counter-clockwise as seen
// on the screen when positive) with an arrow head at its end.
void Draw_Turning_Arrow(QPainter& painter, QPointF centre, double radius, double start_degrees, double sweep_degrees)
{
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    painter.drawArc(box, static_cast<int>(start_degrees * 16), static_cast<int>(sweep_degrees * 16));
    const double end = (start_degrees + sweep_degrees) * Degree;
    const QPointF tip = centre + QPointF(std::cos(end), -std::sin(end)) * radius;
    const double turn = sweep_degrees > 0 ? 1.0 : -1.0;
    Draw_Arrow_Head(painter, tip, QPointF(-std::sin(end), -std::cos(end)) * turn);
}

void Draw_Straight_Arrow(QPainter& painter, QPointF from, QPointF to)
{
    painter.drawLine(from, to);
    Draw_Arrow_Head(painter, to, to - from);
}

// A piece of beam between left and right, centred on the height y.
void Draw_Piece(QPainter& painter, double left, double right, double y)
{
    const QRectF piece(left, y - 6, right - left, 12);
    painter.fillRect(piece, QColor(205, 210, 220));
    painter.drawRect(piece);
}

// Pattern 1 counts the moment that bends the piece concave upwards as positive, and the
// shear that turns it clockwise; pattern 2 the opposite of each.
void Draw_Pattern(QPainter& painter, const QRectF& cell, bool first_pattern)
{
    const double sense = first_pattern ? 1.0 : -1.0;
    const double left = cell.left() + 34;
    const double right = cell.right() - 34;
    const double moment_y = cell.top() + cell.height() * 0.32;
    const double shear_y = cell.top() + cell.height() * 0.76;

    Draw_Piece(painter, left, right, moment_y);
    Draw_Turning_Arrow(painter, QPointF(left, moment_y), 15, first_pattern ? 270 : 90, -180 * sense);
    Draw_Turning_Arrow(painter, QPointF(right, moment_y), 15, first_pattern ? 270 : 90, 180 * sense);

    Draw_Piece(painter, left, right, shear_y);
    const double reach = 20 * sense;
    Draw_Straight_Arrow(painter, QPointF(left - 8, shear_y + reach), QPointF(left - 8, shear_y - reach));
    Draw_Straight_Arrow(painter, QPointF(right + 8, shear_y - reach), QPointF(right + 8, shear_y + reach));

    painter.drawText(QRectF(cell.left(), cell.top(), cell.width(), 18), Qt::AlignHCenter | Qt::AlignTop,
                     first_pattern ? QStringLiteral("符号パターン①") : QStringLiteral("符号パターン②"));
    const QRectF middle_of_moment(left, moment_y - 26, right - left, 18);
    const QRectF middle_of_shear(left, shear_y - 28, right - left, 18);
    painter.drawText(middle_of_moment, Qt::AlignCenter, QStringLiteral("M(+)"));
    painter.drawText(middle_of_shear, Qt::AlignCenter, QStringLiteral("Q(+)"));
}

} // namespace

Sign_Convention_Picture::Sign_Convention_Picture(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
}

QSize Sign_Convention_Picture::sizeHint() const
{
    return {360, 150};
}

QSize Sign_Convention_Picture::minimumSizeHint() const
{
    return {300, 130};
}

void Sign_Convention_Picture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.5));
    const QRectF area = QRectF(rect()).adjusted(4, 4, -4, -4);
    const QRectF first(area.left(), area.top(), area.width() / 2, area.height());
    const QRectF second(area.left() + area.width() / 2, area.top(), area.width() / 2, area.height());
    Draw_Pattern(painter, first, true);
    Draw_Pattern(painter, second, false);
    painter.setPen(QPen(Qt::gray, 1, Qt::DashLine));
    painter.drawLine(QPointF(second.left(), area.top()), QPointF(second.left(), area.bottom()));
}
