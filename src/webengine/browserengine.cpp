// The browser engine for the game's web views, kept in a plugin of its own so that only a game
// that shows a page pays for loading it. Pages get nothing beyond showing themselves: an
// off-the-record profile, no downloads, every permission denied, no windows of their own, and
// no scripts on the game's own pages, which need none.

#include "online/webengineapi.h"

#include <QCoreApplication>
#include <QObject>
#include <QWebEngineDownloadRequest>
#include <QWebEngineFileSystemAccessRequest>
#include <QWebEngineFullScreenRequest>
#include <QWebEngineHistory>
#include <QWebEngineNewWindowRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineQuotaRequest>
#include <QWebEngineRegisterProtocolHandlerRequest>
#include <QWebEngineSettings>
#include <QWebEngineView>

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
        // A page that wants a window of its own shows in the view that takes it over, as one
        // more page of that view's history; the request itself is never granted.
        connect(this, &QWebEnginePage::newWindowRequested, this,
                [&events](QWebEngineNewWindowRequest &request) {
                    const QUrl target = request.requestedUrl();
                    if (!events.mayNavigate(target))
                        return;
                    if (WebPageEngine *receiver = events.newWindowRequested())
                        receiver->navigate(target);
                });
        // A navigation that never commits (stopped, refused, a download) leaves the page it
        // started from, which gets its own scripts setting back.
        connect(this, &QWebEnginePage::loadFinished, this, [this] { allowScriptsFor(url()); });
        allowScriptsFor(QUrl());
    }

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType, bool isMainFrame) override
    {
        if (!m_events.mayNavigate(url))
            return false;
        if (isMainFrame)
            allowScriptsFor(url);
        return true;
    }

    // Nothing opens a window: newWindowRequested hands the page over instead.
    QWebEnginePage *createWindow(WebWindowType) override { return nullptr; }

    // Script boxes and file choosers would be windows of the page's own. A page's question
    // whether to leave it (beforeunload) comes here too, and is answered "leave": a page must
    // not hold the view on itself.
    void javaScriptAlert(const QUrl &, const QString &) override {}
    bool javaScriptConfirm(const QUrl &, const QString &message) override
    {
        return message == leaveQuestion();
    }
    bool javaScriptPrompt(const QUrl &, const QString &, const QString &, QString *) override
    {
        return false;
    }
    QStringList chooseFiles(FileSelectionMode, const QStringList &, const QStringList &) override
    {
        return {};
    }

private:
    // The engine puts its own words to a page's leave question, in the language it shows.
    static QString leaveQuestion()
    {
        return QCoreApplication::translate("QWebEnginePage",
                                           "Are you sure you want to leave this page? Changes "
                                           "that you made may not be saved.");
    }

    // Only pages from the web run scripts; the game's own pages, and any other file a player
    // may have put in the program folder, never do, so no local page reads a file by script.
    // Local content keeps its access to file URLs: without it this engine loads no stylesheet
    // or picture beside a page either.
    void allowScriptsFor(const QUrl &url)
    {
        const QString scheme = url.scheme();
        settings()->setAttribute(QWebEngineSettings::JavascriptEnabled,
                                 scheme == QLatin1String("http")
                                     || scheme == QLatin1String("https"));
    }

    WebEngineEvents &m_events;
};

class BrowserPage : public QWebEngineView, public WebPageEngine
{
public:
    BrowserPage(QWebEngineProfile *profile, WebEngineEvents &events, QWidget *parent)
        : QWebEngineView(parent), m_page(new LockedPage(profile, events, this))
    {
        setPage(m_page);
        // Its entries would save, download, inspect or open the page elsewhere.
        setContextMenuPolicy(Qt::NoContextMenu);
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
