#pragma once

#include <QString>
#include <QUrl>
#include <QtPlugin>

#include <memory>

class QWidget;

// What a page engine and the web view tell each other. The browser engine lives in a plugin
// that only sees this header: nothing here may need a symbol of the game itself.

class WebPageEngine;

// The view's side: the engine reports in the view's terms and asks before it goes anywhere.
class WebEngineEvents
{
public:
    virtual void statusTextChanged(const QString &text) = 0;
    virtual void progressChanged(int value) = 0;
    virtual void documentCompleted() = 0;
    // A navigation has ended: finished, failed or stopped.
    virtual void downloadCompleted() = 0;
    // A page wants a new window: the engine that shows the page instead, or nullptr, in which
    // case no window opens. The engine returned is always one of the same kind.
    virtual WebPageEngine *newWindowRequested() = 0;
    // Every navigation, of the main page and of frames, passes this test first.
    virtual bool mayNavigate(const QUrl &url) const = 0;

protected:
    ~WebEngineEvents() = default;
};

// One engine inside one view. Its widget is a child of the view and dies with the engine.
class WebPageEngine
{
public:
    virtual ~WebPageEngine() = default;
    virtual QWidget *widget() = 0;
    // Starts loading and returns at once; the events follow later.
    virtual void navigate(const QUrl &url) = 0;
    // False when there is no earlier page.
    virtual bool goBack() = 0;
    virtual QString title() const = 0;
    virtual QUrl url() const = 0;
    virtual bool busy() const = 0;
};

class WebEnginePlugin
{
public:
    virtual ~WebEnginePlugin() = default;
    virtual std::unique_ptr<WebPageEngine> createPage(WebEngineEvents &events, QWidget *parent) = 0;
};

#define StallixWebEnginePlugin_iid "org.stallix.WebEnginePlugin/1"
Q_DECLARE_INTERFACE(WebEnginePlugin, StallixWebEnginePlugin_iid)
