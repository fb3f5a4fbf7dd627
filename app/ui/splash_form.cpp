#include "ui/splash_form.h"

#include "model/program_version.h"
#include "ui/toolbar_icons.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// A simply supported beam under a load with its moment diagram.
QPixmap Beam_Picture()
{
    QPixmap pixmap(360, 110);
    pixmap.fill(QColor(64, 64, 64));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor beam(200, 205, 215);
    p.setPen(Qt::NoPen);
    p.setBrush(beam);
    p.drawRect(30, 40, 300, 10);
    p.setBrush(QColor(120, 200, 255));
    p.drawPolygon(QPolygon({QPoint(40, 50), QPoint(50, 64), QPoint(30, 64)}));
    p.drawPolygon(QPolygon({QPoint(320, 50), QPoint(330, 64), QPoint(310, 64)}));
    p.setPen(QPen(QColor(255, 90, 90), 3));
    p.drawLine(180, 8, 180, 36);
    p.drawLine(180, 36, 173, 26);
    p.drawLine(180, 36, 187, 26);
    p.setPen(QPen(QColor(255, 210, 80), 2));
    p.drawPolyline(QPolygon({QPoint(30, 72), QPoint(180, 104), QPoint(330, 72)}));
    return pixmap;
}

} // namespace

Splash_Form::Splash_Form(Splash_Mode mode, QWidget* parent)
    : QWidget(parent, (mode == Splash_Mode::Start_Up ? Qt::SplashScreen : Qt::Dialog) | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Trabex(FEM)-Quenth"));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    Timer1->setSingleShot(false);
    connect(Timer1, &QTimer::timeout, this, &Splash_Form::Timer1_Timer);

    auto* Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::Box);

    auto* Image1 = new QLabel(Frame1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(Toolbar_Icon(QStringLiteral("CalcStart_Mn1")).pixmap(48, 48));

    auto* Label1 = new QLabel(QStringLiteral("Trabex(FEM)-Quenth"), Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont title_font = Label1->font();
    title_font.setPointSizeF(title_font.pointSizeF() * 1.8);
    title_font.setBold(true);
    Label1->setFont(title_font);

    auto* Label2 = new QLabel(QStringLiteral("有限要素法による梁の強度計算"), Frame1);
    Label2->setObjectName(QStringLiteral("Label2"));

    lblVersion = new QLabel(QStringLiteral("Version ") + Program_Version_Text(), Frame1);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* Picture1 = new QLabel(Frame1);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(Beam_Picture());
    Picture1->setAlignment(Qt::AlignCenter);

    auto* heading = new QHBoxLayout;
    heading->addWidget(Image1);
    auto* titles = new QVBoxLayout;
    titles->addWidget(Label1);
    titles->addWidget(Label2);
    heading->addLayout(titles, 1);

    auto* inside = new QVBoxLayout(Frame1);
    inside->setContentsMargins(16, 16, 16, 12);
    inside->addLayout(heading);
    inside->addWidget(Picture1);
    inside->addWidget(lblVersion);

    auto* outside = new QVBoxLayout(this);
    outside->setContentsMargins(4, 4, 4, 4);
    outside->addWidget(Frame1);

    for (QWidget* clickable : std::initializer_list<QWidget*>{Frame1, Image1, Label1, Label2, lblVersion, Picture1})
        clickable->installEventFilter(this);
}

void Splash_Form::Show_Start_Up()
{
    show();
    Timer1->start();
}

void Splash_Form::Show_Version_Box()
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    show();
    activateWindow();
    setFocus();
}

void Splash_Form::Timer1_Timer()
{
    Timer1->stop();
    emit Timer1_Elapsed();
    close();
}

void Splash_Form::Form_Click()
{
    close();
}

void Splash_Form::closeEvent(QCloseEvent* event)
{
    if (Timer1->isActive())
        event->ignore();
    else
        event->accept();
}

void Splash_Form::keyPressEvent(QKeyEvent*)
{
    Form_Click();
}

void Splash_Form::mousePressEvent(QMouseEvent*)
{
    Form_Click();
}

bool Splash_Form::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        Form_Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
