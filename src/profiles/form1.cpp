#include "form1.h"

#include "common/linklabel.h"
#include "common/paths.h"
#include "common/placement.h"
#include "common/product.h"
#include "common/valuefile.h"
#include "profiles/countries.h"
#include "profiles/form14.h"
#include "profiles/frmcontrol.h"
#include "profiles/splashpictures.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

namespace {

const QSize PictureSize(560, 260);
const QColor Backdrop(20, 28, 52);
const QColor Gold(240, 200, 110);

qreal screenRatio()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

} // namespace

Form1::Form1(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      Picture1(new LinkLabel(QString(), this)), Picture2(new QLabel(this)),
      Label1(new QLabel(QStringLiteral("Tellary Networks"), this)),
      Label2(new QLabel(QStringLiteral("Click the picture to start at once"), this)),
      Label3(new QLabel(QStringLiteral("Stallix Version 6.0"), this)), Timer1(new QTimer(this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Welcome To Tellary Networks Stallix2002"));
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2->setObjectName(QStringLiteral("Label2"));
    Label3->setObjectName(QStringLiteral("Label3"));
    Timer1->setObjectName(QStringLiteral("Timer1"));

    const qreal ratio = screenRatio();
    Picture1->setPixmap(splashPicture(PictureSize, ratio));
    Picture1->setFixedSize(PictureSize);
    Picture1->setToolTip(QStringLiteral("Start Stallix"));
    Picture2->setPixmap(emblemPicture(QSize(40, 40), ratio));
    Picture2->setFixedSize(40, 40);

    QPalette colours = palette();
    colours.setColor(QPalette::Window, Backdrop);
    colours.setColor(QPalette::WindowText, QColor(226, 230, 240));
    setPalette(colours);
    setAutoFillBackground(true);

    QFont maker = Label1->font();
    maker.setBold(true);
    maker.setPointSizeF(maker.pointSizeF() + 1);
    Label1->setFont(maker);
    QPalette gold = Label1->palette();
    gold.setColor(QPalette::WindowText, Gold);
    Label1->setPalette(gold);
    QFont hint = Label2->font();
    hint.setPointSizeF(hint.pointSizeF() - 1);
    hint.setItalic(true);
    Label2->setFont(hint);
    QFont version = Label3->font();
    version.setBold(true);
    Label3->setFont(version);
    Label3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto *captions = new QVBoxLayout;
    captions->setSpacing(2);
    captions->addWidget(Label1);
    captions->addWidget(Label2);
    auto *strip = new QHBoxLayout;
    strip->setContentsMargins(14, 10, 16, 12);
    strip->setSpacing(12);
    strip->addWidget(Picture2);
    strip->addLayout(captions);
    strip->addStretch(1);
    strip->addWidget(Label3);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(2, 2, 2, 2);
    outer->setSpacing(0);
    outer->addWidget(Picture1);
    outer->addLayout(strip);
    outer->setSizeConstraint(QLayout::SetFixedSize);

    Timer1->setInterval(2000);

    connect(Picture1, &LinkLabel::clicked, this, &Form1::Picture1_Click);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);

    adjustSize();
    centreOnScreen(this);
}

Form1::~Form1() = default;

void Form1::Form_Load()
{
    Label3->setText(QStringLiteral("Stallix Version ") + QLatin1Char(' ') + versionText());

    // No readable country file means nobody has chosen a country yet: ask first, and leave
    // the login window to the country window.
    QString country;
    if (!ValueFile::read(gamePath(CountryFilePath), country)) {
        showForm(form<Form14>());
        unload(this);
        return;
    }
    Timer1->start();
}

void Form1::Form_Unload()
{
    Timer1->stop();
}

void Form1::Picture1_Click()
{
    handOver();
}

void Form1::Timer1_Timer()
{
    handOver();
}

void Form1::handOver()
{
    // A click and a tick may both be queued; only the first one opens the login window.
    if (loadedForm<Form1>() != this)
        return;
    // The login window's load can show message boxes, whose event loop would let the timer
    // tick into a second hand-over.
    Timer1->stop();
    showForm(form<frmcontrol>());
    unload(this);
}

void Form1::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    QPainter p(this);
    p.setPen(QPen(Gold.darker(130), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}
