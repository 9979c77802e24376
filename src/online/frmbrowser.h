#pragma once

#include "common/registry.h"

#include <QComboBox>
#include <QLabel>
#include <QTimer>
#include <QToolBar>
#include <QWidget>

class WebView;

// A general browser window with an address list. Nothing in the game opens it.
class frmBrowser : public QWidget, public GameForm
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmBrowser)

public:
    explicit frmBrowser(QWidget *parent = nullptr);
    ~frmBrowser() override;

    void Form_Load() override;

    QString StartingAddress; // opened by the load; "" for none. Set it before the load runs.

    QToolBar *tbToolBar;    // Back, Forward, Stop, Refresh, Home, Search: they only start timTimer
    QWidget *picAddress;    // strip under the toolbar holding the address label and list
    QLabel *lblAddress;     // "&Address:"
    QComboBox *cboAddress;  // editable address list; only the starting address is added
    WebView *brwWebBrowser; // the page
    QTimer *timTimer;       // 5 ms busy timer: "Working..." until the page is done

public slots:
    void cboAddress_Click();
    void cboAddress_KeyPress(int keyAscii);
    void tbToolBar_ButtonClick(QAction *button);
    void timTimer_Timer();
    void brwWebBrowser_DownloadComplete();
    void Form_Resize();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
};

// Opens the browser window at `startingAddress`, or brings an open one forward.
frmBrowser *showBrowser(const QString &startingAddress);
