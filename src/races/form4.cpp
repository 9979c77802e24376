#include "form4.h"

#include "common/placement.h"
#include "mainwindow/form2.h"
#include "racepictures.h"
#include "racerules.h"

#include <QFont>
#include <QPalette>
#include <QRadioButton>
#include <QResizeEvent>

#include <algorithm>
#include <array>

namespace {

constexpr int Margin = 8;
constexpr int BannerHeight = 34;

QProgressBar *makeCounter(QWidget *parent, const QString &name)
{
    auto *bar = new QProgressBar(parent);
    bar->setObjectName(name);
    bar->setRange(0, RaceCounterMax);
    // A fresh bar sits below its minimum; every race starts its counters at 0.
    bar->setValue(0);
    bar->hide();
    return bar;
}

QTimer *makeHorseTimer(QObject *parent, const QString &name)
{
    auto *timer = new QTimer(parent);
    timer->setObjectName(name);
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(1);
    return timer;
}

// Runner k's name at the head of lane k, light on a dark strip so it reads on any turf.
QLabel *makeName(QWidget *track, int k)
{
    auto *name = new QLabel(QStringLiteral("Label%1").arg(k), track);
    name->setObjectName(QStringLiteral("Label%1").arg(k));
    name->setTextFormat(Qt::PlainText);
    QFont bold = name->font();
    bold.setBold(true);
    bold.setPixelSize(11);
    name->setFont(bold);
    name->setStyleSheet(QStringLiteral("QLabel { color: white; background: rgba(0, 0, 0, 115);"
                                       " border-radius: 3px; padding: 0px 5px; }"));
    name->move(trackPixels(TrackLayout::StartLeft),
               trackPixels(TrackLayout::laneTop(k) + TrackLayout::NameTop));
    name->adjustSize();
    return name;
}

// Horse k's picture below its name, at the start.
HorsePicture *makeHorse(QWidget *track, int k)
{
    auto *picture = new HorsePicture(k, track);
    picture->setObjectName(QStringLiteral("Picture%1").arg(k));
    picture->setGeometry(trackPixels(TrackLayout::StartLeft),
                         trackPixels(TrackLayout::laneTop(k) + TrackLayout::HorseTop),
                         trackPixels(TrackLayout::HorseWidth),
                         trackPixels(TrackLayout::HorseHeight));
    return picture;
}

} // namespace

Form4::Form4(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("The Race"));

    Picture7 = new TrackPicture(this);
    Picture7->setObjectName(QStringLiteral("Picture7"));
    Picture7->resize(trackPixels(TrackLayout::Width), trackPixels(TrackLayout::Height));

    const int standBottom = trackPixels(TrackLayout::StandHeight);
    const int lanesBottom = trackPixels(TrackLayout::laneTop(6));
    Line4 = new FinishLine(Picture7);
    Line4->setObjectName(QStringLiteral("Line4"));
    Line4->setGeometry(trackPixels(RaceFinishLine) - 3, standBottom, 6, lanesBottom - standBottom);

    Label1 = makeName(Picture7, 1);
    Label2 = makeName(Picture7, 2);
    Label3 = makeName(Picture7, 3);
    Label4 = makeName(Picture7, 4);
    Label5 = makeName(Picture7, 5);
    Picture1 = makeHorse(Picture7, 1);
    Picture2 = makeHorse(Picture7, 2);
    Picture3 = makeHorse(Picture7, 3);
    Picture4 = makeHorse(Picture7, 4);
    Picture5 = makeHorse(Picture7, 5);

    Command1 = new QPushButton(QStringLiteral("Start The Race"), Picture7);
    Command1->setObjectName(QStringLiteral("Command1"));
    QFont startFont = font();
    startFont.setBold(true);
    Command1->setFont(startFont);
    const int footHeight = Picture7->height() - lanesBottom;
    Command1->setGeometry(trackPixels(TrackLayout::StartLeft) + 4,
                          lanesBottom + (footHeight - 28) / 2 + 1, 150, 28);

    ProgressBar1 = makeCounter(Picture7, QStringLiteral("ProgressBar1"));
    ProgressBar2 = makeCounter(Picture7, QStringLiteral("ProgressBar2"));
    ProgressBar3 = makeCounter(Picture7, QStringLiteral("ProgressBar3"));
    ProgressBar4 = makeCounter(Picture7, QStringLiteral("ProgressBar4"));
    ProgressBar5 = makeCounter(Picture7, QStringLiteral("ProgressBar5"));

    horse1t = makeHorseTimer(this, QStringLiteral("horse1t"));
    horse2t = makeHorseTimer(this, QStringLiteral("horse2t"));
    horse3t = makeHorseTimer(this, QStringLiteral("horse3t"));
    horse4t = makeHorseTimer(this, QStringLiteral("horse4t"));
    horse5t = makeHorseTimer(this, QStringLiteral("horse5t"));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);

    Picture6 = new BannerPicture(this);
    Picture6->setObjectName(QStringLiteral("Picture6"));
    Label6 = new QLabel(makerAddress(), Picture6);
    Label6->setObjectName(QStringLiteral("Label6"));
    Label6->setTextFormat(Qt::PlainText);
    Label6->setAlignment(Qt::AlignCenter);
    QFont advertFont(QStringLiteral("Verdana"));
    advertFont.setPixelSize(14);
    advertFont.setBold(true);
    Label6->setFont(advertFont);
    Label6->setStyleSheet(
        QStringLiteral("QLabel { color: rgb(250, 232, 170); background: transparent; }"));

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->hide();
    Command3 = new QPushButton(QStringLiteral("Command3"), this);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command3->hide();
    Command2 = new QPushButton(QStringLiteral("Command2"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->hide();

    const QSize designSize(Picture7->width() + 2 * Margin,
                           Picture7->height() + 2 * Margin + BannerHeight);
    setMinimumSize(designSize);
    resize(designSize);
    centreOnScreen(this);

    connect(Command1, &QPushButton::clicked, this, &Form4::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form4::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form4::Command3_Click);
    connect(horse1t, &QTimer::timeout, this, &Form4::horse1t_Timer);
    connect(horse2t, &QTimer::timeout, this, &Form4::horse2t_Timer);
    connect(horse3t, &QTimer::timeout, this, &Form4::horse3t_Timer);
    connect(horse4t, &QTimer::timeout, this, &Form4::horse4t_Timer);
    connect(horse5t, &QTimer::timeout, this, &Form4::horse5t_Timer);
    connect(Timer1, &QTimer::timeout, this, &Form4::Timer1_Timer);

    // The adverts turn over from the moment the window exists, race or no race.
    Timer1->start();
}

Form4::~Form4() = default;

void Form4::Form_Load()
{
    Command1->show();

    QPalette turf = palette();
    turf.setColor(QPalette::Window, QColor(7, 187, 7));
    setPalette(turf);
    setAutoFillBackground(true);

    // Only the main window and the doping offer open a race; without a player the design
    // texts stay, and the settlement will stop.
    if (const Form2 *main = loadedForm<Form2>()) {
        setWindowTitle(QStringLiteral("The Race - The Horse You Chose To Win Is '")
                       + main->Label14->text() + QStringLiteral("'"));
        for (int k = 1; k <= 5; ++k) {
            nameLabel(k)->setText(main->runner(k)->text());
            nameLabel(k)->adjustSize();
        }
    }

    Picture6->resize(width(), BannerHeight);
}

void Form4::Form_Unload()
{
    for (int k = 1; k <= 5; ++k)
        horseTimer(k)->stop();
    Timer1->stop();
}

void Form4::Form_Resize()
{
    Picture6->setGeometry(0, height() - BannerHeight, width(), BannerHeight);
    Label6->setGeometry(0, 0, Picture6->width(), Picture6->height());
    const int spare = height() - BannerHeight - Picture7->height();
    Picture7->move(std::max(Margin, (width() - Picture7->width()) / 2),
                   std::max(Margin, spare / 2));
}

void Form4::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

HorsePicture *Form4::horsePicture(int k) const
{
    return std::array{Picture1, Picture2, Picture3, Picture4, Picture5}.at(k - 1);
}

QLabel *Form4::nameLabel(int k) const
{
    return std::array{Label1, Label2, Label3, Label4, Label5}.at(k - 1);
}

QProgressBar *Form4::progressBar(int k) const
{
    const std::array counters{ProgressBar1, ProgressBar2, ProgressBar3, ProgressBar4, ProgressBar5};
    return counters.at(k - 1);
}

QTimer *Form4::horseTimer(int k) const
{
    return std::array{horse1t, horse2t, horse3t, horse4t, horse5t}.at(k - 1);
}

void Form4::Command1_Click()
{
    Command1->setEnabled(false);
    Command1->hide();
    const int leader = drawLeader();
    for (int k = 1; k <= 5; ++k)
        horseTimer(k)->start();
    // Added, not set: the doping offer's 900 stays under the head start.
    const std::array<int, 5> starts = raceHeadStarts(leader);
    for (int k = 1; k <= 5; ++k)
        progressBar(k)->setValue(progressBar(k)->value() + starts[k - 1]);
}

void Form4::horseTick(int k)
{
    QProgressBar *counter = progressBar(k);
    if (counter->value() < raceFinishValue(k)) {
        counter->setValue(counter->value() + RaceStep);
        HorsePicture *picture = horsePicture(k);
        picture->move(trackPixels(counter->value() + RacePictureOffset), picture->y());
        return;
    }
    winner = static_cast<qint16>(k);
    Command3_Click();
}

void Form4::horse1t_Timer()
{
    horseTick(1);
}

void Form4::horse2t_Timer()
{
    horseTick(2);
}

void Form4::horse3t_Timer()
{
    horseTick(3);
}

void Form4::horse4t_Timer()
{
    horseTick(4);
}

void Form4::horse5t_Timer()
{
    horseTick(5);
}

void Form4::Timer1_Timer()
{
    const int n = drawAdvert();
    if (n <= 5)
        Label6->setText(advertText(n));
}

void Form4::Command2_Click()
{
    horse1t->start();
}
