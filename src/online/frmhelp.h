#pragma once

#include "common/registry.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>

class WebView;

// The help viewer: the contents on the left, the page on the right. The page it opens is taken
// once, when it is created; from the login window always the main help page.
class frmHelp : public QWidget, public GameForm
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmHelp)

public:
    explicit frmHelp(QWidget *parent = nullptr);
    ~frmHelp() override;

    void Form_Load() override;

    QLabel *Label1;        // "Stallix6 - Help." heading
    QPushButton *Command1; // "<< &Back": the page pane goes back
    QPushButton *Command2; // "&Home": the page pane shows the main help page
    WebView *WebBrowser1;  // contents pane; its links open in the page pane
    WebView *WebBrowser2;  // page pane

public slots:
    void Command1_Click();
    void Command2_Click();
    void WebBrowser1_NewWindow2(WebView **ppDisp);
    void Form_Resize();

protected:
    void resizeEvent(QResizeEvent *event) override;
};
