#include "frmcontrol.h"

#include "common/dialogs.h"
#include "common/linklabel.h"
#include "common/paths.h"
#include "common/placement.h"
#include "common/services.h"
#include "common/twips.h"
#include "common/valuefile.h"
#include "firstrun.h"
#include "mainwindow/form2.h"
#include "online/frmhelp.h"
#include "profileimport.h"
#include "userprofile.h"

#include <QBoxLayout>
#include <QDir>
#include <QButtonGroup>
#include <QEvent>

#include <algorithm>
#include <utility>

namespace {

// The login area the window opens with; the maintenance area lies in the strip below it,
// which the More >> switch brings into view by growing the window.
constexpr int LoginWidthTwips = 5175;
constexpr int LoginHeightTwips = 2670;
constexpr int MaintenanceHeightTwips = 1500;

const QString MoreCaption = QStringLiteral("More >>");
const QString LessCaption = QStringLiteral("Less <<");

// A slot button is light grey at rest and a darker grey while it has the focus.
const QColor SlotShade(224, 224, 224);
const QColor FocusShade(192, 192, 192);

void shade(QRadioButton *option, const QColor &colour)
{
    QPalette colours = option->palette();
    colours.setColor(QPalette::Window, colour);
    option->setPalette(colours);
}

void reportUnreadable(const QString &file, const QString &refused)
{
    msgBox(QStringLiteral("The file \"%1\" of this player cannot be read, so %2. Nothing has "
                          "been changed.")
               .arg(QDir::toNativeSeparators(gamePath(file)), refused),
           MsgIcon::Critical);
}

void reportUnwritable(const QString &what)
{
    msgBox(what.arg(QDir::toNativeSeparators(gamePath(QStringLiteral("\\data")))),
           MsgIcon::Critical);
}

QPushButton *button(const QString &name, const QString &caption, QWidget *parent,
                    const QString &tip = QString())
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    if (!tip.isEmpty())
        b->setToolTip(tip);
    return b;
}

QLineEdit *dataBox(const QString &name, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->hide();
    // A value keeps its whole length: a password cut short would accept a shorter one.
    box->setMaxLength(ValueFile::MaxBytes);
    return box;
}

QRadioButton *slotButton(int k, QButtonGroup *group, QWidget *parent)
{
    auto *option = new QRadioButton(QStringLiteral("User %1 =").arg(k), parent);
    option->setObjectName(QStringLiteral("Option%1").arg(k));
    option->setAutoFillBackground(true);
    QPalette colours = option->palette();
    colours.setColor(QPalette::Window, SlotShade);
    colours.setColor(QPalette::WindowText, QColor(64, 64, 64));
    option->setPalette(colours);
    option->hide();
    group->addButton(option, k);
    return option;
}

const QString NotLoaded = QStringLiteral("the player cannot be loaded");

// The files of slot k in `suffixes`, or false after telling the player which one cannot be
// read and that, therefore, `refused`: going on with the default instead would let a later
// write overwrite the player's own value.
bool readSlot(int k, const QStringList &suffixes, QStringList &values,
              const QString &refused = NotLoaded)
{
    QString unreadable;
    if (readProfileFiles(k, suffixes, values, unreadable))
        return true;
    reportUnreadable(unreadable, refused);
    return false;
}

} // namespace

frmcontrol::frmcontrol(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmcontrol"));
    setWindowTitle(QStringLiteral("stallix login"));

    // The client is taller than the window: its lower strip is the maintenance area.
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    auto *loginArea = new QWidget(client);
    auto *maintenanceArea = new QWidget(client);
    maintenanceArea->setObjectName(QStringLiteral("maintenanceArea"));

    combo1 = new QListWidget(loginArea);
    combo1->setObjectName(QStringLiteral("combo1"));
    combo1->setSelectionMode(QAbstractItemView::SingleSelection);
    // Room for the five names without a scroll bar.
    combo1->setMinimumHeight(5 * (combo1->fontMetrics().lineSpacing() + 2)
                             + 2 * combo1->frameWidth());

    Command9 = button(QStringLiteral("Command9"), QStringLiteral("Select Player"), loginArea);
    Command6 = button(QStringLiteral("Command6"), QStringLiteral("&Play >"), loginArea,
                      QStringLiteral("Select Your Username And Then Press Play"));
    Command8 = button(QStringLiteral("Command8"), MoreCaption, loginArea);
    Command2 = button(QStringLiteral("Command2"), QStringLiteral("E&xit"), loginArea,
                      QStringLiteral("Exit Stallix"));
    Label2 = new LinkLabel(QStringLiteral("Help?"), loginArea);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setToolTip(QStringLiteral("Select For 'Help'"));
    {
        QPalette red = Label2->palette();
        red.setColor(Label2->foregroundRole(), QColor(192, 0, 0));
        Label2->setPalette(red);
    }

    Label3 = new QLabel(QStringLiteral("Enter Password"), loginArea);
    Label3->setObjectName(QStringLiteral("Label3"));
    Text11 = new QLineEdit(loginArea);
    Text11->setObjectName(QStringLiteral("Text11"));
    Text11->setEchoMode(QLineEdit::Password);
    Text11->setMaxLength(ValueFile::MaxBytes);
    Text11->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    Label3->setBuddy(Text11);
    Command10 = button(QStringLiteral("Command10"), QStringLiteral("Confirm Password"), loginArea);

    Label1 = new QLabel(QStringLiteral("Maintenance"), maintenanceArea);
    Label1->setObjectName(QStringLiteral("Label1"));
    Command5 = button(QStringLiteral("Command5"), QStringLiteral("&Re-name User"), maintenanceArea,
                      QStringLiteral("To rename user first select user name"));
    Command7 =
        button(QStringLiteral("Command7"), QStringLiteral("&Change Password"), maintenanceArea,
               QStringLiteral("To change user password  first select user name"));

    auto *buttons = new QVBoxLayout;
    buttons->setSpacing(4);
    buttons->addWidget(Command9);
    buttons->addWidget(Command6);
    buttons->addWidget(Command8);
    buttons->addWidget(Command2);
    buttons->addStretch(1);
    buttons->addWidget(Label2, 0, Qt::AlignRight);
    auto *choosing = new QHBoxLayout;
    choosing->addWidget(combo1, 1);
    choosing->addLayout(buttons);
    auto *passwordRow = new QHBoxLayout;
    passwordRow->addWidget(Label3);
    passwordRow->addWidget(Text11, 1);
    passwordRow->addWidget(Command10);
    auto *loginLayout = new QVBoxLayout(loginArea);
    loginLayout->setContentsMargins(8, 8, 8, 8);
    loginLayout->addLayout(choosing, 1);
    loginLayout->addLayout(passwordRow);

    auto *maintenanceButtons = new QHBoxLayout;
    maintenanceButtons->addWidget(Command5);
    maintenanceButtons->addWidget(Command7);
    maintenanceButtons->addStretch(1);
    auto *maintenanceLayout = new QVBoxLayout(maintenanceArea);
    maintenanceLayout->setContentsMargins(8, 4, 8, 8);
    maintenanceLayout->addWidget(Label1);
    maintenanceLayout->addLayout(maintenanceButtons);
    maintenanceLayout->addStretch(1);

    auto *clientLayout = new QVBoxLayout(client);
    clientLayout->setContentsMargins(0, 0, 0, 0);
    clientLayout->setSpacing(0);
    clientLayout->addWidget(loginArea);
    clientLayout->addWidget(maintenanceArea);

    // Measured with the password prompt in place, so showing it later never crowds the list.
    const QSize login = loginArea->minimumSizeHint();
    const int width = std::max(twipsToPixels(LoginWidthTwips),
                               std::max(login.width(), maintenanceArea->minimumSizeHint().width()));
    const int loginHeight = std::max(twipsToPixels(LoginHeightTwips), login.height());
    const int maintenanceHeight = std::max(twipsToPixels(MaintenanceHeightTwips),
                                           maintenanceArea->minimumSizeHint().height());
    loginArea->setFixedHeight(loginHeight);
    maintenanceArea->setFixedHeight(maintenanceHeight);
    client->setFixedSize(width, loginHeight + maintenanceHeight);
    setFixedSize(width, loginHeight);

    Label3->hide();
    Text11->hide();
    Command10->hide();
    Command6->setEnabled(false);
    Command8->setEnabled(false);

    // The data the window carries, never shown.
    auto *slotGroup = new QButtonGroup(this);
    slotGroup->setObjectName(QStringLiteral("slotGroup"));
    Option1 = slotButton(1, slotGroup, this);
    Option2 = slotButton(2, slotGroup, this);
    Option3 = slotButton(3, slotGroup, this);
    Option4 = slotButton(4, slotGroup, this);
    Option5 = slotButton(5, slotGroup, this);
    Option1->setChecked(true);
    txtPass = dataBox(QStringLiteral("txtPass"), this);
    txtcash = dataBox(QStringLiteral("txtcash"), this);
    Txtdebt = dataBox(QStringLiteral("Txtdebt"), this);
    txtshare = dataBox(QStringLiteral("txtshare"), this);
    Txthor1 = dataBox(QStringLiteral("Txthor1"), this);
    Txthor2 = dataBox(QStringLiteral("Txthor2"), this);
    Txthor3 = dataBox(QStringLiteral("Txthor3"), this);
    Txthor4 = dataBox(QStringLiteral("Txthor4"), this);
    Txthor5 = dataBox(QStringLiteral("Txthor5"), this);
    Txtuser = dataBox(QStringLiteral("Txtuser"), this);
    Command1 = button(QStringLiteral("Command1"), QStringLiteral("Play"), this);
    Command1->hide();
    Command4 = button(QStringLiteral("Command4"), QStringLiteral("Import"), this);
    Command4->hide();
    Command3 = button(QStringLiteral("Command3"), QStringLiteral("Rename User(s)"), this,
                      QStringLiteral("Rename User(s)"));
    Command3->hide();
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1);

    setTabOrder(combo1, Command9);
    setTabOrder(Command9, Command6);
    setTabOrder(Command6, Text11);
    setTabOrder(Text11, Command10);
    setTabOrder(Command10, Command8);
    setTabOrder(Command8, Command2);
    setTabOrder(Command2, Label2);
    setTabOrder(Label2, Command5);
    setTabOrder(Command5, Command7);
    // Out of sight until More >>, so Tab passes them by.
    Command5->setFocusPolicy(Qt::NoFocus);
    Command7->setFocusPolicy(Qt::NoFocus);
    combo1->setFocus();

    connect(combo1, &QListWidget::itemSelectionChanged, this, &frmcontrol::combo1_Click);
    // A click on the row already chosen is a new choice too.
    connect(combo1, &QListWidget::itemClicked, this, &frmcontrol::combo1_Click);
    connect(Command9, &QPushButton::clicked, this, &frmcontrol::Command9_Click);
    connect(Command6, &QPushButton::clicked, this, &frmcontrol::Command6_Click);
    connect(Command10, &QPushButton::clicked, this, &frmcontrol::Command10_Click);
    connect(Command1, &QPushButton::clicked, this, &frmcontrol::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmcontrol::Command2_Click);
    connect(Command4, &QPushButton::clicked, this, &frmcontrol::Command4_Click);
    connect(Label2, &LinkLabel::clicked, this, &frmcontrol::Label2_Click);
    connect(Timer1, &QTimer::timeout, this, &frmcontrol::Timer1_Timer);
    connect(Command8, &QPushButton::clicked, this, &frmcontrol::Command8_Click);
    connect(Command5, &QPushButton::clicked, this, &frmcontrol::Command5_Click);
    connect(Command7, &QPushButton::clicked, this, &frmcontrol::Command7_Click);
    connect(Command3, &QPushButton::clicked, this, &frmcontrol::Command3_Click);
    connect(Option1, &QRadioButton::clicked, this, &frmcontrol::Option1_Click);
    for (int k = 1; k <= 5; ++k)
        slotOption(k)->installEventFilter(this);
    // Enter in the password box confirms, as a player expects.
    connect(Text11, &QLineEdit::returnPressed, this, &frmcontrol::Command10_Click);

    centreOnScreen(this);
}

frmcontrol::~frmcontrol() = default;

QRadioButton *frmcontrol::slotOption(int k) const
{
    const std::array<QRadioButton *, 5> all{Option1, Option2, Option3, Option4, Option5};
    return k >= 1 && k <= 5 ? all[static_cast<std::size_t>(k - 1)] : nullptr;
}

QLineEdit *frmcontrol::horseBox(int k) const
{
    const std::array<QLineEdit *, 5> all{Txthor1, Txthor2, Txthor3, Txthor4, Txthor5};
    return k >= 1 && k <= 5 ? all[static_cast<std::size_t>(k - 1)] : nullptr;
}

int frmcontrol::tickedSlot() const
{
    for (int k = 1; k <= 5; ++k) {
        if (slotOption(k)->isChecked())
            return k;
    }
    return 0;
}

void frmcontrol::Form_Load()
{
    combo1->clear();
    Timer1->stop();

    if (isFirstRun()) {
        // Until the import has ended, a start that follows is a first run again, unless a
        // player has logged in or changed a name or password meanwhile; a run that cannot
        // even say so writes nothing, so that it stays a first run.
        const bool begun = beginFirstRun();
        const bool written = begun && writeFirstRunDefaults();
        const bool imported = begun && importEarlierProfiles() != ImportResult::FallbackUnwritten;
        if (written && imported) {
            finishFirstRun();
        } else {
            msgBox(QStringLiteral("The player profiles could not be set up in full: the folder "
                                  "\"%1\" cannot be written to.")
                       .arg(QDir::toNativeSeparators(gamePath(QStringLiteral("\\data")))),
                   MsgIcon::Critical);
        }
    }

    for (int k = 1; k <= 5; ++k) {
        QStringList name;
        QString unreadable;
        m_nameUnread[static_cast<std::size_t>(k - 1)] =
            !readProfileFiles(k, {UserProfile::Name}, name, unreadable);
        combo1->addItem(name.first());
        slotOption(k)->setText(name.first());
    }
}

void frmcontrol::combo1_Click()
{
    Command8->setEnabled(false);
    Command6->setEnabled(false);
    // A new choice withdraws the prompt, so Confirm can only ever check the password of the
    // slot that the last Play read.
    Label3->hide();
    Text11->hide();
    Command10->hide();
    Text11->clear();
}

void frmcontrol::Command9_Click()
{
    for (int r = 0; r < combo1->count() && r < 5; ++r) {
        if (combo1->item(r)->isSelected())
            slotOption(r + 1)->setChecked(true);
    }
    Command6->setEnabled(true);
    Command8->setEnabled(true);
}

void frmcontrol::Command6_Click()
{
    const int k = tickedSlot();
    QStringList password{QString()};
    if (k != 0 && !readSlot(k, {UserProfile::Password}, password))
        return;
    txtPass->setText(password.first());
    if (txtPass->text().isEmpty()) {
        Command1_Click();
        return;
    }
    Label3->show();
    Text11->show();
    Command10->show();
    Text11->setFocus();
}

void frmcontrol::Command10_Click()
{
    if (Text11->text() == txtPass->text())
        Command1_Click();
    else
        msgBox(QStringLiteral("Incorrect Password, Please Check And Try Again"), MsgIcon::Critical);
}

void frmcontrol::Command1_Click()
{
    const int k = tickedSlot();
    if (k == 0) {
        msgBox(QStringLiteral("You Must Select Your User Name Before You Can Play Stallix6"));
        return;
    }

    QStringList profile;
    if (!readSlot(k, UserProfile::savedSuffixes() + QStringList{UserProfile::Name}, profile))
        return;
    txtcash->setText(profile[0]);
    Txtdebt->setText(profile[1]);
    txtshare->setText(profile[2]);
    for (int h = 1; h <= 5; ++h)
        horseBox(h)->setText(profile[2 + h]);
    Txtuser->setText(profile[8]);
    // From here the player's own saves may land in the slot's files.
    finishFirstRun();

    // The first touch of the main window creates it, and its load copies the boxes above.
    Form2 *main = form<Form2>();
    main->Label23->setText(QString::number(k));
    Timer1->start();

    main->Text1->setText(txtcash->text());
    main->Text2->setText(Txtdebt->text());
    for (int h = 1; h <= 5; ++h)
        main->runner(h)->setText(horseBox(h)->text());
    main->Label16->setText(UserProfile::shareLine(txtshare->text()));
    main->Label24->setText(QStringLiteral("Welcome: ") + Txtuser->text());
    main->Txtuser->setText(Txtuser->text());
}

void frmcontrol::Timer1_Timer()
{
    // The window is deleted only later, so a second tick must not hand over twice.
    Timer1->stop();
    showForm(form<Form2>());
    unload(this);
}

void frmcontrol::Command2_Click()
{
    services().programEnd();
}

void frmcontrol::Command4_Click()
{
    importEarlierProfiles();
}

void frmcontrol::Label2_Click()
{
    // The viewer sees this window shown and opens the main help page.
    showForm(form<frmHelp>());
}

void frmcontrol::Command8_Click()
{
    // The strip below the login area is 1,500 twips, more only when the fonts need it.
    const int strip = findChild<QWidget *>(QStringLiteral("maintenanceArea"))->height();
    const bool growing = Command8->text() == MoreCaption;
    setFixedHeight(height() + (growing ? strip : -strip));
    Command8->setText(growing ? LessCaption : MoreCaption);
    // Only the large window lets Tab reach them; their access keys work either way.
    for (QPushButton *maintenance : {Command5, Command7})
        maintenance->setFocusPolicy(growing ? Qt::StrongFocus : Qt::NoFocus);
}

bool frmcontrol::passwordConfirmed(int k, const QString &refusal, const QString &refused)
{
    // A password file that is there but cannot be read must not let the default in.
    QStringList password;
    if (!readSlot(k, {UserProfile::Password}, password, refused))
        return false;
    txtPass->setText(password.first());
    if (inputBox(QStringLiteral("Enter Password"), QStringLiteral("Enter Your Password"))
        == txtPass->text())
        return true;
    msgBox(refusal);
    return false;
}

void frmcontrol::Command5_Click()
{
    const int k = tickedSlot();
    if (k == 0)
        return;
    const QString refused = QStringLiteral("the player cannot be renamed");
    if (m_nameUnread[static_cast<std::size_t>(k - 1)]) {
        // The caption is only the default: the name the file may still hold is not replaced.
        reportUnreadable(UserProfile::file(k, UserProfile::Name), refused);
        return;
    }
    if (!passwordConfirmed(k, QStringLiteral("Incorrect Password, Please Check And Try Again"),
                           refused))
        return;
    const QString name = inputBox(QStringLiteral("Enter New Name"));

    QRadioButton *option = slotOption(k);
    const QString before = option->text();
    option->setText(name);
    // Renamed in place, the row keeps its selection: a new choice in the list would withdraw
    // Play and More >> and the password prompt.
    QListWidgetItem *row = combo1->item(k - 1);
    if (row)
        row->setText(name);
    if (!Command3_Click()) {
        // None of the set was written, so the file still holds the old name.
        option->setText(before);
        if (row)
            row->setText(before);
        return;
    }
    msgBox(QStringLiteral("User %1 As Been Renamed ").arg(k) + name);
}

bool frmcontrol::Command3_Click()
{
    QList<ValueFile::Entry> names;
    for (int k = 1; k <= 5; ++k) {
        // A name file that could not be read shows the default name, not what it holds.
        if (!m_nameUnread[static_cast<std::size_t>(k - 1)])
            names.append(
                {gamePath(UserProfile::file(k, UserProfile::Name)), slotOption(k)->text()});
    }
    finishFirstRun();
    const bool written = ValueFile::writeAll(names);
    if (!written)
        reportUnwritable(QStringLiteral("The new name could not be saved: the folder %1 cannot be "
                                        "written to."));
    return written;
}

void frmcontrol::Command7_Click()
{
    const int k = tickedSlot();
    if (k == 0)
        return;
    if (!passwordConfirmed(k, QStringLiteral("Password Is Incorrect"),
                           QStringLiteral("the password cannot be changed")))
        return;
    const QString fresh =
        inputBox(QStringLiteral("Enter New Password"), QStringLiteral("Enter Your New Password"));
    if (inputBox(QStringLiteral("Re-Enter New Password"),
                 QStringLiteral("Re-Enter Your New Password"))
        != fresh) {
        msgBox(QStringLiteral("The New Passwords Do Not Match"));
        return;
    }
    finishFirstRun();
    if (!ValueFile::write(gamePath(UserProfile::file(k, UserProfile::Password)), fresh)) {
        reportUnwritable(QStringLiteral("Your password could not be changed: the folder %1 cannot "
                                        "be written to. The old password stays in force."));
        return;
    }
    txtPass->setText(fresh);
    msgBox(QStringLiteral("Your Password As Been Changed"));
}

bool frmcontrol::eventFilter(QObject *watched, QEvent *event)
{
    using Handler = void (frmcontrol::*)();
    static constexpr std::array<std::pair<Handler, Handler>, 5> focusHandlers{{
        {&frmcontrol::Option1_GotFocus, &frmcontrol::Option1_LostFocus},
        {&frmcontrol::Option2_GotFocus, &frmcontrol::Option2_LostFocus},
        {&frmcontrol::Option3_GotFocus, &frmcontrol::Option3_LostFocus},
        {&frmcontrol::Option4_GotFocus, &frmcontrol::Option4_LostFocus},
        {&frmcontrol::Option5_GotFocus, &frmcontrol::Option5_LostFocus},
    }};
    for (int k = 1; k <= 5; ++k) {
        if (watched != slotOption(k))
            continue;
        const auto &[gotFocus, lostFocus] = focusHandlers[static_cast<std::size_t>(k - 1)];
        if (event->type() == QEvent::FocusIn)
            (this->*gotFocus)();
        else if (event->type() == QEvent::FocusOut)
            (this->*lostFocus)();
        else if (k == 2 && event->type() == QEvent::MouseButtonDblClick)
            Option2_DblClick();
    }
    return QWidget::eventFilter(watched, event);
}

void frmcontrol::Option1_Click()
{
    shade(Option1, FocusShade);
}

void frmcontrol::Option1_GotFocus()
{
    shade(Option1, FocusShade);
}

void frmcontrol::Option1_LostFocus()
{
    shade(Option1, SlotShade);
}

void frmcontrol::Option2_DblClick()
{
    shade(Option2, FocusShade);
}

void frmcontrol::Option2_GotFocus()
{
    shade(Option2, FocusShade);
}

void frmcontrol::Option2_LostFocus()
{
    shade(Option2, SlotShade);
}

void frmcontrol::Option3_GotFocus()
{
    shade(Option3, FocusShade);
}

void frmcontrol::Option3_LostFocus()
{
    shade(Option3, SlotShade);
}

void frmcontrol::Option4_GotFocus()
{
    shade(Option4, FocusShade);
}

void frmcontrol::Option4_LostFocus()
{
    shade(Option4, SlotShade);
}

void frmcontrol::Option5_GotFocus()
{
    shade(Option5, FocusShade);
}

void frmcontrol::Option5_LostFocus()
{
    shade(Option5, SlotShade);
}
