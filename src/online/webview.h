#pragma once

#include "webengineapi.h"

#include <QWidget>

#include <memory>

// The embedded web view the game's windows use, in the terms those windows ask for. Two engines
// serve it: the browser engine, a plugin loaded the first time a view is made once the game has
// enabled it, and a text engine for the game's own pages, used everywhere else (tests, a
// machine without the plugin, and root, where the browser engine would need its sandbox off).
class WebView : public QWidget, private WebEngineEvents
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WebView)

public:
    explicit WebView(QWidget *parent = nullptr);
    ~WebView() override;

    // An absolute local path or a web address; addresses the game does not allow are dropped.
    void Navigate(const QString &address);
    // Back one page in this view's own history; false when there is none.
    bool GoBack();
    QString LocationName() const;
    QString LocationURL() const;
    bool Busy() const;
    // Sizes in twips; a negative one is refused and the view keeps its size.
    void setWidthTwips(int width);
    void setHeightTwips(int height);

    // True when the browser engine shows the pages, false for the text engine.
    bool usesBrowserEngine() const { return m_browser; }

    // Only web addresses (http, https) and the game's own pages under the program folder.
    static bool allowed(const QUrl &url);

signals:
    void StatusTextChange(const QString &text);
    void ProgressChange(int progress);
    void DownloadComplete();
    // A page wants a new window: a receiver may set *ppDisp to the view that shows it instead;
    // left alone, no window opens.
    void NewWindow2(WebView **ppDisp);
    void DocumentComplete();

private:
    void statusTextChanged(const QString &text) override;
    void progressChanged(int value) override;
    void documentCompleted() override;
    void downloadCompleted() override;
    WebPageEngine *newWindowRequested() override;
    bool mayNavigate(const QUrl &url) const override;

    std::unique_ptr<WebPageEngine> m_engine;
    bool m_browser = false;
};

// Lets views use the browser engine in the plugin file given (the game calls this at start;
// tests and benches that do not, get the text engine). Ignored when running as root with the
// engine's sandbox in force.
void enableBrowserEngine(const QString &pluginFile);
