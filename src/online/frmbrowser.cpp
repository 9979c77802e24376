#include "frmbrowser.h"

#include "webview.h"

#include "common/twips.h"

#include <QKeyEvent>
#include <QStyle>

namespace {

constexpr int StripHeightTwips = 720;

} // namespace

frmBrowser::frmBrowser(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmBrowser"));

    tbToolBar = new QToolBar(this);
    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    const std::pair<const char *, QStyle::StandardPixmap> buttons[] = {
        {"Back", QStyle::SP_ArrowBack},   {"Forward", QStyle::SP_ArrowForward},
        {"Stop", QStyle::SP_BrowserStop}, {"Refresh", QStyle::SP_BrowserReload},
        {"Home", QStyle::SP_DirHomeIcon}, {"Search", QStyle::SP_FileDialogContentsView}};
    for (const auto &[key, picture] : buttons) {
        QAction *action =
            tbToolBar->addAction(style()->standardIcon(picture), QString::fromLatin1(key));
        action->setObjectName(QString::fromLatin1(key));
    }

    picAddress = new QWidget(this);
    picAddress->setObjectName(QStringLiteral("picAddress"));
    lblAddress = new QLabel(QStringLiteral("&Address:"), picAddress);
    lblAddress->setObjectName(QStringLiteral("lblAddress"));
    cboAddress = new QComboBox(picAddress);
    cboAddress->setObjectName(QStringLiteral("cboAddress"));
    cboAddress->setEditable(true);
    cboAddress->setInsertPolicy(QComboBox::NoInsert);
    // With duplicates allowed, Enter never also counts as choosing a row of the list.
    cboAddress->setDuplicatesEnabled(true);
    lblAddress->setBuddy(cboAddress);

    brwWebBrowser = new WebView(this);
    brwWebBrowser->setObjectName(QStringLiteral("brwWebBrowser"));

    timTimer = new QTimer(this);
    timTimer->setObjectName(QStringLiteral("timTimer"));
    timTimer->setInterval(5);

    connect(cboAddress, &QComboBox::activated, this, &frmBrowser::cboAddress_Click);
    // Keys reach the list's text box and the list both; the list sees each key once.
    cboAddress->installEventFilter(this);
    connect(tbToolBar, &QToolBar::actionTriggered, this, &frmBrowser::tbToolBar_ButtonClick);
    connect(timTimer, &QTimer::timeout, this, &frmBrowser::timTimer_Timer);
    connect(brwWebBrowser, &WebView::DownloadComplete, this,
            &frmBrowser::brwWebBrowser_DownloadComplete);

    resize(twipsToPixels(10800), twipsToPixels(7200));
}

frmBrowser::~frmBrowser() = default;

void frmBrowser::Form_Load()
{
    showForm(this);
    tbToolBar->update();
    Form_Resize();
    lblAddress->move(twipsToPixels(50), twipsToPixels(45));
    lblAddress->adjustSize();
    cboAddress->move(twipsToPixels(50), lblAddress->y() + lblAddress->height() + twipsToPixels(15));
    if (StartingAddress.isEmpty())
        return;
    cboAddress->setEditText(StartingAddress);
    cboAddress->addItem(StartingAddress);
    timTimer->start();
    brwWebBrowser->Navigate(StartingAddress);
}

void frmBrowser::cboAddress_Click()
{
    timTimer->start();
    brwWebBrowser->Navigate(cboAddress->currentText());
}

void frmBrowser::cboAddress_KeyPress(int keyAscii)
{
    if (keyAscii == 13)
        cboAddress_Click();
}

bool frmBrowser::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == cboAddress && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            cboAddress_KeyPress(13);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmBrowser::tbToolBar_ButtonClick(QAction *button)
{
    Q_UNUSED(button)
    timTimer->start();
}

void frmBrowser::timTimer_Timer()
{
    if (brwWebBrowser->Busy()) {
        setWindowTitle(QStringLiteral("Working..."));
        return;
    }
    timTimer->stop();
    setWindowTitle(brwWebBrowser->LocationName());
}

void frmBrowser::brwWebBrowser_DownloadComplete()
{
    setWindowTitle(brwWebBrowser->LocationName());
}

void frmBrowser::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmBrowser::Form_Resize()
{
    const int innerWidth = pixelsToTwips(width());
    const int innerHeight = pixelsToTwips(height());
    tbToolBar->setGeometry(0, 0, width(), tbToolBar->sizeHint().height());
    picAddress->setGeometry(0, tbToolBar->height(), width(), twipsToPixels(StripHeightTwips));
    const int stripBottom = pixelsToTwips(picAddress->y()) + StripHeightTwips;
    if (innerWidth - 100 >= 0)
        cboAddress->resize(twipsToPixels(innerWidth - 100), cboAddress->sizeHint().height());
    brwWebBrowser->move(twipsToPixels(50), twipsToPixels(stripBottom + 50));
    brwWebBrowser->setWidthTwips(innerWidth - 100);
    brwWebBrowser->setHeightTwips(innerHeight - stripBottom - 100);
}

frmBrowser *showBrowser(const QString &startingAddress)
{
    frmBrowser *window =
        form<frmBrowser>([&](frmBrowser &w) { w.StartingAddress = startingAddress; });
    showForm(window);
    return window;
}
