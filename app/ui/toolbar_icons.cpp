#include "ui/toolbar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>

#include <functional>
#include <map>

namespace {

// Pictures are drawn on a 32 x 32 grid.
constexpr int Icon_Size = 32;

const QColor Outline(40, 40, 48);

void Draw_Page(QPainter& p)
{
    QPainterPath page;
    page.moveTo(7, 3);
    page.lineTo(19, 3);
    page.lineTo(26, 10);
    page.lineTo(26, 29);
    page.lineTo(7, 29);
    page.closeSubpath();
    p.setPen(QPen(Outline, 1.5));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.setBrush(QColor(210, 215, 225));
    p.drawPolygon(QPolygonF({QPointF(19, 3), QPointF(19, 10), QPointF(26, 10)}));
    p.setPen(QPen(QColor(120, 150, 200), 1.5));
    for (int y = 15; y <= 24; y += 4)
        p.drawLine(11, y, 22, y);
}

void Draw_Folder(QPainter& p)
{
    p.setPen(QPen(Outline, 1.5));
    p.setBrush(QColor(225, 180, 70));
    p.drawPolygon(QPolygonF({QPointF(3, 8), QPointF(11, 8), QPointF(14, 11), QPointF(26, 11), QPointF(26, 27),
                             QPointF(3, 27)}));
    p.setBrush(QColor(250, 210, 100));
    p.drawPolygon(QPolygonF({QPointF(7, 15), QPointF(30, 15), QPointF(26, 27), QPointF(3, 27)}));
}

void Draw_Disk(QPainter& p)
{
    p.setPen(QPen(Outline, 1.5));
    p.setBrush(QColor(60, 100, 180));
    p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
    p.setBrush(QColor(235, 235, 240));
    p.drawRect(QRectF(9, 4, 14, 9));
    p.setBrush(QColor(60, 100, 180));
    p.drawRect(QRectF(18, 6, 3, 5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8, 17, 16, 11));
}

void Draw_Pencil(QPainter& p)
{
    p.setPen(QPen(Outline, 1.2));
    p.setBrush(QColor(240, 120, 40));
    p.drawPolygon(QPolygonF({QPointF(28, 13), QPointF(31, 16), QPointF(19, 28), QPointF(16, 25)}));
    p.setBrush(QColor(250, 220, 170));
    p.drawPolygon(QPolygonF({QPointF(16, 25), QPointF(19, 28), QPointF(14, 30)}));
}

void Draw_Exit(QPainter& p)
{
    p.setPen(QPen(Outline, 1.5));
    p.setBrush(QColor(150, 100, 60));
    p.drawRect(QRectF(5, 3, 14, 26));
    p.setBrush(QColor(240, 200, 60));
    p.drawEllipse(QPointF(16, 17), 1.5, 1.5);
    p.setPen(QPen(QColor(200, 40, 40), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(17, 12), QPointF(29, 12));
    p.drawPolyline(QPolygonF({QPointF(25, 8), QPointF(29, 12), QPointF(25, 16)}));
}

void Draw_Gear(QPainter& p)
{
    const QPointF centre(16, 16);
    QPainterPath gear;
    constexpr int teeth = 8;
    for (int i = 0; i < teeth * 2; ++i) {
        const double angle = i * 3.14159265358979 / teeth;
        const double radius = i % 2 == 0 ? 13.0 : 10.0;
        const QPointF a = centre + QPointF(radius * std::cos(angle - 0.18), radius * std::sin(angle - 0.18));
        const QPointF b = centre + QPointF(radius * std::cos(angle + 0.18), radius * std::sin(angle + 0.18));
        if (i == 0)
            gear.moveTo(a);
        else
            gear.lineTo(a);
        gear.lineTo(b);
    }
    gear.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(centre, 4, 4);
    p.setPen(QPen(Outline, 1.2));
    p.setBrush(QColor(140, 150, 165));
    p.drawPath(gear.subtracted(hole));
}

void Draw_Run(QPainter& p)
{
    // A loaded beam on two supports and the start mark.
    p.setPen(QPen(Outline, 1.2));
    p.setBrush(QColor(120, 130, 150));
    p.drawRect(QRectF(2, 19, 28, 4));
    p.setBrush(QColor(80, 80, 90));
    p.drawPolygon(QPolygonF({QPointF(5, 23), QPointF(9, 29), QPointF(1, 29)}));
    p.drawPolygon(QPolygonF({QPointF(27, 23), QPointF(31, 29), QPointF(23, 29)}));
    p.setBrush(QColor(40, 170, 70));
    p.drawPolygon(QPolygonF({QPointF(11, 2), QPointF(23, 9), QPointF(11, 16)}));
}

void Draw_Round_Sign(QPainter& p, const QColor& colour, const QString& sign)
{
    p.setPen(QPen(Outline, 1.2));
    p.setBrush(colour);
    p.drawEllipse(QPointF(16, 16), 13, 13);
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(20);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, Icon_Size, Icon_Size), Qt::AlignCenter, sign);
}

const std::map<QString, std::function<void(QPainter&)>>& Pictures()
{
    static const std::map<QString, std::function<void(QPainter&)>> pictures{
        {QStringLiteral("New_File_Mn1"), Draw_Page},
        {QStringLiteral("Open_File_Mn1"), Draw_Folder},
        {QStringLiteral("Save_File_Mn1"), Draw_Disk},
        {QStringLiteral("Save_As_File_Mn1"),
         [](QPainter& p) {
             Draw_Disk(p);
             Draw_Pencil(p);
         }},
        {QStringLiteral("Exit_Mn1"), Draw_Exit},
        {QStringLiteral("SettingExit_Mn1"), Draw_Gear},
        {QStringLiteral("CalcStart_Mn1"), Draw_Run},
        {QStringLiteral("Version_Mn1"),
         [](QPainter& p) { Draw_Round_Sign(p, QColor(40, 110, 200), QStringLiteral("i")); }},
        {QStringLiteral("Help_Mn1"),
         [](QPainter& p) { Draw_Round_Sign(p, QColor(30, 150, 120), QStringLiteral("?")); }},
    };
    return pictures;
}

} // namespace

QIcon Toolbar_Icon(const QString& key)
{
    const auto found = Pictures().find(key);
    if (found == Pictures().end())
        return {};
    QIcon icon;
    // Drawn at two resolutions so the picture stays sharp on a high-density screen.
    for (const int scale : {1, 2}) {
        QPixmap pixmap(Icon_Size * scale, Icon_Size * scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        found->second(painter);
        painter.end();
        pixmap.setDevicePixelRatio(scale);
        icon.addPixmap(pixmap);
    }
    return icon;
}
