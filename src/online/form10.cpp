#include "form10.h"

#include "webview.h"

#include "common/dialogs.h"
#include "common/globals.h"
#include "common/numbers.h"
#include "common/paths.h"
#include "common/statusbar.h"
#include "common/twips.h"
#include "common/valuefile.h"
#include "mainwindow/form2.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString SkipFlag = QStringLiteral("\\data\\show.hor");
const QString CreditsPage = QStringLiteral("\\credits.htm");

void place(QWidget *control, int left, int top, int width, int height)
{
    control->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                         twipsToPixels(height));
}

// A window that is gone counts as not shown, and asking never brings it back.
bool mainWindowShown()
{
    const Form2 *main = loadedForm<Form2>();
    return main && main->isVisible();
}

} // namespace

Form10::Form10(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QStringLiteral("Stallix6.6 The Way Stallix Was Supposed To Be!"));

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->hide();

    Command1 = new QPushButton(QStringLiteral("X"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command3 = new QPushButton(QStringLiteral("<"), this);
    Command3->setObjectName(QStringLiteral("Command3"));
    Check1 = new QCheckBox(QStringLiteral("Dont Show Credits Again"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Text1 = new QLineEdit(QStringLiteral("http://"), this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->hide();
    Command2 = new QPushButton(QStringLiteral("GO"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->hide();

    Webcred = new WebView(this);
    Webcred->setObjectName(QStringLiteral("Webcred"));
    StatusBar1 = new StatusBar(1, this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    // Status texts come from the pages.
    StatusBar1->panel(1)->setTextFormat(Qt::PlainText);

    place(Command1, 120, 150, 450, 375);
    place(Command3, 630, 150, 450, 375);
    place(Check1, 1200, 150, 3600, 375);
    place(Text1, 1200, 150, 6000, 375);
    place(Command2, 7260, 150, 600, 375);
    Webcred->move(twipsToPixels(120), twipsToPixels(600));

    setTabOrder(Text1, Command2);
    setTabOrder(Command2, Command1);
    setTabOrder(Command1, Command3);
    setTabOrder(Command3, Check1);
    setTabOrder(Check1, Webcred);

    connect(Command1, &QPushButton::clicked, this, &Form10::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form10::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form10::Command3_Click);
    connect(Text1, &QLineEdit::textChanged, this, &Form10::Text1_Change);
    // Enter in the address box is GO.
    connect(Text1, &QLineEdit::returnPressed, this, &Form10::Command2_Click);
    connect(Webcred, &WebView::DocumentComplete, this, &Form10::Webcred_DocumentComplete);
    connect(Webcred, &WebView::ProgressChange, this, &Form10::Webcred_ProgressChange);
    connect(Webcred, &WebView::StatusTextChange, this, &Form10::Webcred_StatusTextChange);

    resize(720, 540);
    Form_Resize();
}

Form10::~Form10() = default;

void Form10::Form_Load()
{
    QString flag;
    const bool skip = ValueFile::read(gamePath(SkipFlag), flag) && toDouble(flag) == 1.0;
    if (skip && PendingUrl.isEmpty()) {
        m_ended = true;
        services().programEnd();
        return;
    }
    if (!PendingUrl.isEmpty()) {
        Webcred->Navigate(PendingUrl);
        ProgressBar1->show();
        Check1->hide();
        PendingUrl.clear();
        Text1->show();
        Command2->show();
    } else {
        Webcred->Navigate(gamePath(CreditsPage));
        Check1->show();
    }
}

void Form10::Form_Unload()
{
    saveSkipChoice();
    // Closed on the way out, this is the game's last window.
    if (!loadedForm<Form2>())
        services().programEnd();
}

void Form10::saveSkipChoice()
{
    const QString file = gamePath(SkipFlag);
    if (!ValueFile::writeNumber(file, Check1->isChecked() ? 1 : 0))
        msgBox(QStringLiteral("Your choice about the credits could not be saved in the folder "
                              "\"%1\", so it will not be kept.")
                   .arg(QDir::toNativeSeparators(QFileInfo(file).absolutePath())),
               MsgIcon::Exclamation);
}

void Form10::Command1_Click()
{
    if (mainWindowShown()) {
        unload(this); // its unload routine saves the choice
        return;
    }
    // The way out, or a window left open after a log-off: the game ends here.
    saveSkipChoice();
    services().programEnd();
}

void Form10::Command2_Click()
{
    Webcred->Navigate(Text1->text());
}

void Form10::Command3_Click()
{
    Webcred->GoBack(); // nothing to go back to is fine
}

void Form10::Text1_Change()
{
    if (Text1->text() == QLatin1String("htt"))
        Text1->setText(QStringLiteral("http://"));
    else if (Text1->text() == QLatin1String("ww"))
        Text1->setText(QStringLiteral("http://www."));
}

void Form10::Webcred_DocumentComplete()
{
    Text1->setText(Webcred->LocationURL());
    setWindowTitle(Webcred->LocationName() + QStringLiteral(" - Qurba Browser."));
}

void Form10::Webcred_ProgressChange(int progress)
{
    if (progress >= 0 && progress <= 100)
        ProgressBar1->setValue(progress);
}

void Form10::Webcred_StatusTextChange(const QString &text)
{
    StatusBar1->setPanelText(1, text);
}

void Form10::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void Form10::Form_Resize()
{
    const int width = pixelsToTwips(this->width()) + FrameWidthTwips;
    const int height = pixelsToTwips(this->height()) + FrameHeightTwips;
    ProgressBar1->setGeometry(0, 0, twipsToPixels(width), twipsToPixels(90));
    Webcred->setWidthTwips(width - 350);
    Webcred->setHeightTwips(height - 1500);
    const int bar = StatusBar1->sizeHint().height();
    StatusBar1->setGeometry(0, this->height() - bar, this->width(), bar);
}

void showForm10()
{
    Form10 *window = form<Form10>();
    if (!window->endedProgram())
        showForm(window);
}

void showWebPage(const QString &url)
{
    PendingUrl = url;
    showForm10();
}
