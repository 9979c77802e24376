#include "frmgrandrace.h"

#include "common/placement.h"
#include "common/twips.h"
#include "frmgrand.h"
#include "grandpictures.h"
#include "grandrules.h"
#include "mainwindow/form2.h"
#include "racepictures.h"

#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QPointer>
#include <QRadioButton>
#include <QThread>
#include <QVBoxLayout>

#include <array>

namespace {

QLabel *makeName(QWidget *track, int k)
{
    const QString name = QStringLiteral("Label%1").arg(k + 2);
    auto *label = new QLabel(name, track);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    QFont bold = label->font();
    bold.setBold(true);
    bold.setPixelSize(12);
    label->setFont(bold);
    label->setStyleSheet(QStringLiteral("QLabel { color: white; background: rgba(0, 0, 0, 115);"
                                        " border-radius: 3px; padding: 0px 5px; }"));
    label->move(twipsToPixels(GrandStartLeft),
                twipsToPixels(GrandLayout::laneTop(k) - GrandLayout::NameAbove));
    label->adjustSize();
    return label;
}

HorsePicture *makeHorse(QWidget *track, int k)
{
    auto *horse = new HorsePicture(k, track);
    horse->setObjectName(QStringLiteral("Picture%1").arg(k + 1));
    horse->setGeometry(twipsToPixels(GrandStartLeft), twipsToPixels(GrandLayout::laneTop(k)),
                       twipsToPixels(GrandLayout::HorseWidth),
                       twipsToPixels(GrandLayout::HorseHeight));
    return horse;
}

FinishLine *makeLine(QWidget *track, int k)
{
    auto *line = new FinishLine(track);
    line->setObjectName(QStringLiteral("Line%1").arg(k));
    const int top = twipsToPixels(GrandLayout::laneTop(k) - GrandLayout::NameAbove / 2);
    const int bottom = twipsToPixels(GrandLayout::laneTop(k) + GrandLayout::HorseHeight);
    line->setGeometry(twipsToPixels(GrandFinishLine) - 3, top, 6, bottom - top);
    return line;
}

} // namespace

Frmgrandrace::Frmgrandrace(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Frmgrandrace"));
    setWindowTitle(QStringLiteral("Welcome To The GrandNational Race:"));

    Label2 = new QLabel(QStringLiteral("Welcome To AINTREE For The GrandNational. Sponsered By "
                                       "Tellary Networks"));
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setTextFormat(Qt::PlainText);
    Label2->setAlignment(Qt::AlignCenter);
    QFont banner = Label2->font();
    banner.setBold(true);
    banner.setPointSizeF(banner.pointSizeF() * 1.2);
    Label2->setFont(banner);
    Label2->setStyleSheet(QStringLiteral("QLabel { color: rgb(250, 232, 170); background: "
                                         "rgb(15, 35, 95); border: 2px solid rgb(230, 185, 60);"
                                         " padding: 5px; }"));
    Label1 = new QLabel(QStringLiteral("ur horse bet"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);

    Picture1 = new GrandTrackPicture;
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFixedSize(twipsToPixels(GrandLayout::Width), twipsToPixels(GrandLayout::Height));
    Line1 = makeLine(Picture1, 1);
    Line2 = makeLine(Picture1, 2);
    Line3 = makeLine(Picture1, 3);
    Line4 = makeLine(Picture1, 4);
    Line5 = makeLine(Picture1, 5);
    Label3 = makeName(Picture1, 1);
    Label4 = makeName(Picture1, 2);
    Label5 = makeName(Picture1, 3);
    Label6 = makeName(Picture1, 4);
    Label7 = makeName(Picture1, 5);
    Picture2 = makeHorse(Picture1, 1);
    Picture3 = makeHorse(Picture1, 2);
    Picture4 = makeHorse(Picture1, 3);
    Picture5 = makeHorse(Picture1, 4);
    Picture6 = makeHorse(Picture1, 5);

    Command1 = new QPushButton(QStringLiteral("Start"));
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setMinimumSize(140, 32);
    QFont bold = Command1->font();
    bold.setBold(true);
    Command1->setFont(bold);
    Command1->setDefault(true);

    auto *foot = new QHBoxLayout;
    foot->addWidget(Label1, 1);
    foot->addWidget(Command1);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(10, 10, 10, 10);
    column->addWidget(Label2);
    column->addWidget(Picture1);
    column->addLayout(foot);
    setFixedSize(sizeHint());
    centreOnScreen(this);

    connect(Command1, &QPushButton::clicked, this, &Frmgrandrace::Command1_Click);
}

Frmgrandrace::~Frmgrandrace() = default;

void Frmgrandrace::Form_Load()
{
    // Only ever opened from the betting window; without one the design texts stay.
    FrmGrand *grand = loadedForm<FrmGrand>();
    if (!grand)
        return;
    setWindowTitle(QStringLiteral("Welcome To The GrandNational Race. Your Horse Is: ")
                   + grand->Label9->text());
    Label1->setText(QStringLiteral("The Horse You Have Bet On Is: ") + grand->Label12->text());
    for (int k = 1; k <= 5; ++k) {
        nameLabel(k)->setText(grand->runner(k)->text());
        nameLabel(k)->adjustSize();
    }
}

HorsePicture *Frmgrandrace::horsePicture(int k) const
{
    return std::array{Picture2, Picture3, Picture4, Picture5, Picture6}.at(
        static_cast<std::size_t>(k - 1));
}

QLabel *Frmgrandrace::nameLabel(int k) const
{
    return std::array{Label3, Label4, Label5, Label6, Label7}.at(static_cast<std::size_t>(k - 1));
}

int Frmgrandrace::position(int k) const
{
    return pixelsToTwips(horsePicture(k)->x());
}

void Frmgrandrace::moveHorse(int k, int twips)
{
    HorsePicture *horse = horsePicture(k);
    const QRect before = horse->geometry();
    horse->move(twipsToPixels(twips), horse->y());
    // The track under the old place is painted over along with the horse's new place.
    Picture1->repaint(before.united(horse->geometry()));
}

void Frmgrandrace::Command1_Click()
{
    FrmGrand *grand = loadedForm<FrmGrand>();
    if (!grand || !loadedForm<Form2>()) {
        // The bet went with its window, or the player with the main window: there is nothing
        // to race for.
        unload(this);
        return;
    }
    Command1->setEnabled(false);
    // Once run, the bet is settled: a second race would pay it twice.
    grand->Command2->setEnabled(false);

    GrandPositions positions{};
    for (int k = 1; k <= 5; ++k)
        positions[static_cast<std::size_t>(k - 1)] = position(k);

    QElapsedTimer clock;
    clock.start();
    qint64 moves = 0;
    const int winner = runGrandRace(positions, [&](int k) {
        moveHorse(k, positions[static_cast<std::size_t>(k - 1)]);
        ++moves;
        const auto due = std::chrono::nanoseconds(MovePace) * moves;
        const auto elapsed = std::chrono::nanoseconds(clock.nsecsElapsed());
        if (elapsed < due)
            QThread::usleep(static_cast<unsigned long>(
                std::chrono::duration_cast<std::chrono::microseconds>(due - elapsed).count()));
    });
    settle(winner);
}
