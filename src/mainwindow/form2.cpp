#include "form2.h"

#include "common/linklabel.h"
#include "common/placement.h"
#include "common/statusbar.h"
#include "common/twips.h"
#include "common/valuefile.h"
#include "profiles/frmcontrol.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <type_traits>

namespace {
// A control of the game that no player ever sees: it only carries a value or a handler.
template <class T> T *hiddenField(T *control, QWidget *parent, const QString &name)
{
    control->setParent(parent);
    control->setObjectName(name);
    control->hide();
    // What they carry comes from the player or a file: kept whole, never read as markup.
    if constexpr (std::is_base_of_v<QLabel, T>)
        control->setTextFormat(Qt::PlainText);
    if constexpr (std::is_base_of_v<QLineEdit, T>)
        control->setMaxLength(ValueFile::MaxBytes);
    return control;
}
} // namespace

Form2::Form2(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Stallix6.6 beta "));

    auto *central = new QWidget(this);
    setCentralWidget(central);
    m_client = new QWidget(central);
    m_client->setObjectName(QStringLiteral("client"));
    central->installEventFilter(this);

    buildStateFields();
    layoutClient();
    buildWizardStrip();
    buildMenus();
    buildToolbar();

    StatusBar1 = new StatusBar(3, this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    setStatusBar(StatusBar1);
    StatusBar1->setPanelText(1, QStringLiteral("19:43"));
    StatusBar1->setPanelText(2, QStringLiteral("dfgdfg"));
    StatusBar1->panel(2)->setToolTip(QStringLiteral("dfgdfg"));
    StatusBar1->setPanelText(3, QStringLiteral("For Help Press F1"));
    StatusBar1->panel(3)->setToolTip(QStringLiteral("For Help Press F1"));
    StatusBar1->panel(1)->setMinimumWidth(60);
    StatusBar1->panel(2)->setMinimumWidth(110);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(20000);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(1);
    Timer3 = new QTimer(this);
    Timer3->setObjectName(QStringLiteral("Timer3"));
    Timer3->setInterval(2000);

    connectHandlers();

    // The normal width leaves the wizard strip out of view; opening the wizard widens the window.
    const int height = m_client->sizeHint().height();
    m_client->setGeometry(0, 0, twipsToPixels(NormalWidthTwips), height);
    wizardStrip->setGeometry(twipsToPixels(NormalWidthTwips), 0, twipsToPixels(WizardStripTwips),
                             height);
    central->setMinimumHeight(height);
    resize(twipsToPixels(NormalWidthTwips), sizeHint().height());
    centreOnScreen(this);

    Timer1->start();
    Timer3->start();
    // A player comes to the window to bet: the stake box takes the keys first.
    Text3->setFocus();
}

Form2::~Form2() = default;

void Form2::buildStateFields()
{
    Label23 =
        hiddenField(new QLabel(QStringLiteral("Label23")), m_client, QStringLiteral("Label23"));
    Txtuser =
        hiddenField(new QLineEdit(QStringLiteral("Text12")), m_client, QStringLiteral("Txtuser"));
    curr = hiddenField(new QLabel(QStringLiteral("Label27")), m_client, QStringLiteral("curr"));
    Label26 =
        hiddenField(new QLabel(QStringLiteral("Label26")), m_client, QStringLiteral("Label26"));
    Text13 =
        hiddenField(new QLineEdit(QStringLiteral("Text13")), m_client, QStringLiteral("Text13"));
    Text11 =
        hiddenField(new QLineEdit(QStringLiteral("Text11")), m_client, QStringLiteral("Text11"));
    Command2 = hiddenField(new QPushButton(QStringLiteral("&Confirm Cash Amount")), m_client,
                           QStringLiteral("Command2"));
    Command11 = hiddenField(new QPushButton(QStringLiteral("Command11")), m_client,
                            QStringLiteral("Command11"));
    Text5 = hiddenField(new QLineEdit, m_client, QStringLiteral("Text5"));
    Text6 = hiddenField(new QLineEdit, m_client, QStringLiteral("Text6"));
    Text7 = hiddenField(new QLineEdit, m_client, QStringLiteral("Text7"));
    Text8 = hiddenField(new QLineEdit, m_client, QStringLiteral("Text8"));
    Text9 = hiddenField(new QLineEdit, m_client, QStringLiteral("Text9"));
}

QRadioButton *Form2::runner(int k) const
{
    const std::array<QRadioButton *, 5> all{Option1, Option2, Option3, Option4, Option5};
    return all.at(k - 1);
}

std::array<QString, 5> Form2::runnerNames() const
{
    std::array<QString, 5> names;
    for (int k = 1; k <= 5; ++k)
        names[static_cast<std::size_t>(k - 1)] = runner(k)->text();
    return names;
}

QLabel *Form2::oddsLabel(int k) const
{
    const std::array<QLabel *, 5> all{Label4, Label5, Label6, Label7, Label8};
    return all.at(k - 1);
}

QRadioButton *Form2::wizardRunner(int k) const
{
    const std::array<QRadioButton *, 5> all{Option11, Option12, Option13, Option14, Option15};
    return all.at(k - 1);
}

QRadioButton *Form2::forSale(int k) const
{
    const std::array<QRadioButton *, 5> all{Option6, Option7, Option8, Option9, Option10};
    return all.at(k - 1);
}

QLineEdit *Form2::priceBox(int k) const
{
    const std::array<QLineEdit *, 5> all{Text5, Text6, Text7, Text8, Text9};
    return all.at(k - 1);
}

QLabel *Form2::shownPrice(int k) const
{
    const std::array<QLabel *, 5> all{Label51, Label52, Label53, Label54, Label55};
    return all.at(k - 1);
}

bool Form2::eventFilter(QObject *watched, QEvent *event)
{
    if (wizardStrip && watched == centralWidget() && event->type() == QEvent::Resize) {
        // The client keeps its normal width; only its height follows the window.
        const int height = centralWidget()->height();
        m_client->resize(m_client->width(), height);
        wizardStrip->resize(wizardStrip->width(), height);
    }
    if ((watched == Text3 || watched == wiz1) && event->type() == QEvent::FocusIn) {
        // The placeholder is there to be typed over: entering the box selects it, so the
        // first key replaces it instead of being added to it.
        QLineEdit *edit = static_cast<QComboBox *>(watched)->lineEdit();
        if (edit->text() == StakePlaceholder)
            QTimer::singleShot(0, edit, &QLineEdit::selectAll);
    }
    if (watched == Text10) {
        if (event->type() == QEvent::MouseButtonPress)
            Text10_Click();
        else if (event->type() == QEvent::FocusIn)
            Text10_GotFocus();
        else if (event->type() == QEvent::FocusOut)
            Text10_LostFocus();
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form2::mirrorMoneyToLogin(bool withDebt)
{
    // Touching the login window's boxes creates it hidden when it is closed, as the game does.
    frmcontrol *login = form<frmcontrol>();
    login->txtcash->setText(Text1->text());
    if (withDebt)
        login->Txtdebt->setText(Text2->text());
}
