// The browser engine for the game's web views, kept in a plugin of its own so that only a game
// that shows a page pays for loading it. Pages get nothing beyond showing themselves: an
// off-the-record profile, no downloads, every permission denied, no windows of their own.

#include "online/webengineapi.h"

#include <QCoreApplication>
#include <QObject>
#include <QWebEngineDownloadRequest>
#include <QWebEngineFileSystemAccessRequest>
#include <QWebEngineFullScreenRequest>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineQuotaRequest>
#include <QWebEngineRegisterProtocolHandlerRequest>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <functional>

namespace {

class LockedPage : public QWebEnginePage
{
public:
    LockedPage(QWebEngineProfile *profile, WebEngineEvents &events, QObject *parent)
        : QWebEnginePage(profile, parent), m_events(events)
    {
        connect(this, &QWebEnginePage::featurePermissionRequested, this,
                [this](const QUrl &origin, Feature feature) {
                    setFeaturePermission(origin, feature, PermissionDeniedByUser);
                });
        connect(this, &QWebEnginePage::fullScreenRequested, this,
                [](QWebEngineFullScreenRequest request) { request.reject(); });
        connect(this, &QWebEnginePage::quotaRequested, this,
                [](QWebEngineQuotaRequest request) { request.reject(); });
        connect(this, &QWebEnginePage::registerProtocolHandlerRequested, this,
                [](QWebEngineRegisterProtocolHandlerRequest request) { request.reject(); });
        connect(this, &QWebEnginePage::fileSystemAccessRequested, this,
                [](QWebEngineFileSystemAccessRequest request) { request.reject(); });
    }

    std::function<QWebEnginePage *()> newWindow;

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType, bool) override
    {
        return m_events.mayNavigate(url);
    }

    // Only a view that takes the page over lets one open: nothing else opens a window.
    QWebEnginePage *createWindow(WebWindowType) override
    {
        return newWindow ? newWindow() : nullptr;
    }

private:
    WebEngineEvents &m_events;
};

class BrowserPage : public QWebEngineView, public WebPageEngine
{
public:
    BrowserPage(QWebEngineProfile *profile, WebEngineEvents &events, QWidget *parent)
        : QWebEngineView(parent), m_page(new LockedPage(profile, events, this))
    {
        setPage(m_page);
        m_page->newWindow = [&events]() -> QWebEnginePage * {
            // Every view of a run has the same engine, so the receiver is one of these.
            auto *receiver = static_cast<BrowserPage *>(events.newWindowRequested());
            return receiver ? receiver->m_page : nullptr;
        };
        connect(m_page, &QWebEnginePage::loadStarted, this, [this, &events]() {
            m_busy = true;
            events.progressChanged(0);
        });
        connect(m_page, &QWebEnginePage::loadProgress, this,
                [&events](int progress) { events.progressChanged(progress); });
        // A failed load shows the engine's own error page, which completes like any other.
        connect(m_page, &QWebEnginePage::loadFinished, this, [this, &events](bool) {
            m_busy = false;
            events.documentCompleted();
            events.downloadCompleted();
        });
        connect(m_page, &QWebEnginePage::linkHovered, this,
                [&events](const QString &url) { events.statusTextChanged(url); });
        connect(m_page, &QWebEnginePage::renderProcessTerminated, this, [this, &events]() {
            m_busy = false;
            events.downloadCompleted();
        });
    }

    ~BrowserPage() override
    {
        // The page goes first, while the view it draws into still exists.
        delete m_page;
    }

    QWidget *widget() override { return this; }
    void navigate(const QUrl &url) override { m_page->load(url); }
    bool goBack() override
    {
        if (!m_page->history()->canGoBack())
            return false;
        m_page->history()->back();
        return true;
    }
    QString title() const override { return m_page->title(); }
    QUrl url() const override { return m_page->url(); }
    bool busy() const override { return m_busy; }

private:
    LockedPage *m_page;
    bool m_busy = false;
};

} // namespace

class BrowserEnginePlugin : public QObject, public WebEnginePlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID StallixWebEnginePlugin_iid)
    Q_INTERFACES(WebEnginePlugin)

public:
    std::unique_ptr<WebPageEngine> createPage(WebEngineEvents &events, QWidget *parent) override
    {
        return std::make_unique<BrowserPage>(profile(), events, parent);
    }

private:
    QWebEngineProfile *profile()
    {
        if (!m_profile) {
            // No storage name: nothing of a page is kept on disk. The application owns it so
            // that it outlives every page, which the game's windows drop before the end.
            m_profile = new QWebEngineProfile(QCoreApplication::instance());
            m_profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
            connect(m_profile, &QWebEngineProfile::downloadRequested, m_profile,
                    [](QWebEngineDownloadRequest *download) { download->cancel(); });
            QWebEngineSettings *settings = m_profile->settings();
            settings->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
            settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
            settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
            settings->setAttribute(QWebEngineSettings::FullScreenSupportEnabled, false);
            settings->setAttribute(QWebEngineSettings::ScreenCaptureEnabled, false);
            settings->setAttribute(QWebEngineSettings::PdfViewerEnabled, false);
        }
        return m_profile;
    }

    QWebEngineProfile *m_profile = nullptr;
};

#include "browserengine.moc"
