#include "frmhelp.h"

#include "webview.h"

#include "common/paths.h"
#include "common/product.h"
#include "common/twips.h"
#include "mainwindow/form2.h"
#include "profiles/frmcontrol.h"

namespace {

const QString ContentsPage = QStringLiteral("\\whats\\stallixhelpcon.htm");
const QString MainHelpPage = QStringLiteral("\\whats\\stallixhelpmain.htm");

void place(QWidget *control, int left, int top, int width, int height)
{
    control->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                         twipsToPixels(height));
}

} // namespace

frmHelp::frmHelp(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmHelp"));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    Label1 = new QLabel(QStringLiteral("Stallix6 - Help."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont heading = Label1->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.3);
    Label1->setFont(heading);
    Command1 = new QPushButton(QStringLiteral("<< &Back"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new QPushButton(QStringLiteral("&Home"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    WebBrowser1 = new WebView(this);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser2 = new WebView(this);
    WebBrowser2->setObjectName(QStringLiteral("WebBrowser2"));

    place(Label1, 120, 60, 3720, 360);
    place(Command1, 120, 450, 1800, 375);
    place(Command2, 2040, 450, 1800, 375);
    place(WebBrowser1, 120, 915, 3720, 0);
    place(WebBrowser2, 3960, 300, 0, 0);

    setTabOrder(Command1, Command2);
    setTabOrder(Command2, WebBrowser1);
    setTabOrder(WebBrowser1, WebBrowser2);

    connect(Command1, &QPushButton::clicked, this, &frmHelp::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmHelp::Command2_Click);
    connect(WebBrowser1, &WebView::NewWindow2, this, &frmHelp::WebBrowser1_NewWindow2);

    resize(twipsToPixels(12000), twipsToPixels(8400));
    Form_Resize();
}

frmHelp::~frmHelp() = default;

void frmHelp::Form_Load()
{
    setWindowTitle(ProductName + QStringLiteral(" Help"));
    WebBrowser1->Navigate(gamePath(ContentsPage));
    const frmcontrol *login = loadedForm<frmcontrol>();
    const Form2 *main = loadedForm<Form2>();
    // Without a main window there is no topic to read, and asking must not create one.
    if ((login && login->isVisible()) || !main)
        WebBrowser2->Navigate(gamePath(MainHelpPage));
    else
        WebBrowser2->Navigate(gamePath(main->Text13->text()));
}

void frmHelp::Command1_Click()
{
    WebBrowser2->GoBack(); // nothing to go back to is fine
}

void frmHelp::Command2_Click()
{
    WebBrowser2->Navigate(gamePath(MainHelpPage));
}

void frmHelp::WebBrowser1_NewWindow2(WebView **ppDisp)
{
    *ppDisp = WebBrowser2;
}

void frmHelp::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmHelp::Form_Resize()
{
    const int width = pixelsToTwips(this->width()) + FrameWidthTwips;
    const int height = pixelsToTwips(this->height()) + FrameHeightTwips;
    WebBrowser1->setHeightTwips(height - 1500);
    WebBrowser2->setWidthTwips(width - 4200);
    WebBrowser2->setHeightTwips(height - 900);
}
