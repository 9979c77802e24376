#include "form14.h"

#include "common/dialogs.h"
#include "common/paths.h"
#include "common/placement.h"
#include "common/valuefile.h"
#include "profiles/countries.h"
#include "profiles/frmcontrol.h"
#include "profiles/splashpictures.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QVBoxLayout>

namespace {

const QString Placeholder = QStringLiteral("Select Country");

QFrame *rule(const QString &name, QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setObjectName(name);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

Form14::Form14(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint),
      Picture2(new QLabel(this)), Label8(new QLabel(QStringLiteral("Important Information"), this)),
      Shape1(new QFrame(this)), Label1(new QLabel(QStringLiteral("Parental Notice"), Shape1)),
      Line1(rule(QStringLiteral("Line1"), Shape1)),
      Label5(new QLabel(QStringLiteral("This software may not be suitable for those 16 years and "
                                       "younger. We recommend that this software is used under "
                                       "Parental Supervision "),
                        Shape1)),
      Line2(rule(QStringLiteral("Line2"), Shape1)),
      Label7(new QLabel(QStringLiteral("Select Your Country And Press Continue:"), this)),
      Comsel(new QComboBox(this)), Command1(new QPushButton(this)),
      Label2(new QLabel(QStringLiteral("Designed For Microsoft Windows"), this)),
      Timer1(new QTimer(this))
{
    setObjectName(QStringLiteral("Form14"));
    setWindowTitle(QStringLiteral("Welcome To Stallix6.6"));
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Label8->setObjectName(QStringLiteral("Label8"));
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label5->setObjectName(QStringLiteral("Label5"));
    Label7->setObjectName(QStringLiteral("Label7"));
    Comsel->setObjectName(QStringLiteral("Comsel"));
    Command1->setObjectName(QStringLiteral("Command1"));
    Label2->setObjectName(QStringLiteral("Label2"));
    Timer1->setObjectName(QStringLiteral("Timer1"));

    const QScreen *screen = QGuiApplication::primaryScreen();
    Picture2->setPixmap(countryPicture(QSize(80, 80), screen ? screen->devicePixelRatio() : 1.0));
    Picture2->setFixedSize(80, 80);

    QFont heading = Label8->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.5);
    Label8->setFont(heading);
    QFont notice = Label1->font();
    notice.setBold(true);
    Label1->setFont(notice);
    Label5->setWordWrap(true);
    Label5->setFixedWidth(380);
    QFont footer = Label2->font();
    footer.setItalic(true);
    footer.setPointSizeF(footer.pointSizeF() - 1);
    Label2->setFont(footer);
    QPalette muted = Label2->palette();
    QColor footerText = muted.color(QPalette::WindowText);
    footerText.setAlpha(160);
    muted.setColor(QPalette::WindowText, footerText);
    Label2->setPalette(muted);
    Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    Shape1->setFrameShape(QFrame::Box);
    Shape1->setFrameShadow(QFrame::Plain);

    // Typed text is stored exactly as typed, so the box must neither complete it nor add it
    // to the list.
    Comsel->setEditable(true);
    Comsel->setInsertPolicy(QComboBox::NoInsert);
    Comsel->setCompleter(nullptr);
    Comsel->setMaxVisibleItems(15);
    Comsel->setEditText(Placeholder);
    Comsel->setMinimumWidth(260);
    Label7->setBuddy(Comsel);

    Command1->setIcon(continueIcon());
    Command1->setIconSize(QSize(24, 24));
    Command1->setToolTip(QStringLiteral("Continue"));
    Command1->setAccessibleName(QStringLiteral("Continue"));
    Comsel->setMinimumHeight(Command1->sizeHint().height());

    Timer1->setInterval(200);

    auto *noticeLayout = new QVBoxLayout(Shape1);
    noticeLayout->setContentsMargins(12, 8, 12, 10);
    noticeLayout->addWidget(Label1);
    noticeLayout->addWidget(Line1);
    noticeLayout->addWidget(Label5);
    noticeLayout->addWidget(Line2);

    auto *headingRow = new QHBoxLayout;
    headingRow->setSpacing(14);
    headingRow->addWidget(Picture2);
    headingRow->addWidget(Label8, 1);

    auto *countryRow = new QHBoxLayout;
    countryRow->addWidget(Comsel, 1);
    countryRow->addWidget(Command1);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(16, 14, 16, 10);
    outer->setSpacing(10);
    outer->addLayout(headingRow);
    outer->addWidget(Shape1);
    outer->addSpacing(4);
    outer->addWidget(Label7);
    outer->addLayout(countryRow);
    outer->addSpacing(4);
    outer->addWidget(Label2);
    outer->setSizeConstraint(QLayout::SetFixedSize);

    connect(Command1, &QPushButton::clicked, this, &Form14::Command1_Click);
    connect(Timer1, &QTimer::timeout, this, &Form14::Timer1_Timer);

    adjustSize();
    centreOnScreen(this);
}

Form14::~Form14() = default;

void Form14::Form_Load()
{
    // The country may have been recorded since the splash looked; then there is nothing to
    // ask. The window must not unload inside its own load, so the timer closes it.
    QString country;
    if (ValueFile::read(gamePath(CountryFilePath), country)) {
        showForm(form<frmcontrol>());
        Timer1->start();
        return;
    }
    Comsel->addItems(countryList());
    // Filling the list selects its first item; the box must still invite a choice.
    Comsel->setCurrentIndex(-1);
    Comsel->setEditText(Placeholder);
}

void Form14::Form_Unload()
{
    Timer1->stop();
}

void Form14::Command1_Click()
{
    if (loadedForm<Form14>() != this)
        return;
    const QString country = Comsel->currentText();
    if (country == Placeholder) {
        msgBox(QStringLiteral("Please select your country"));
        return;
    }
    // Going on without the file would ask the same question again at every start, with no
    // word why; better say so now, while the player can still do something about it.
    const QString file = gamePath(CountryFilePath);
    if (!ValueFile::write(file, country)) {
        msgBox(QStringLiteral("Your country could not be saved in the folder \"%1\". Please "
                              "make sure this folder exists and can be written to, then press "
                              "Continue again.")
                   .arg(QDir::toNativeSeparators(QFileInfo(file).absolutePath())),
               MsgIcon::Exclamation);
        return;
    }
    showForm(form<frmcontrol>());
    unload(this);
}

void Form14::Timer1_Timer()
{
    unload(this);
}
