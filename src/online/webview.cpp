#include "webview.h"

#include "textengine.h"

#include "common/paths.h"
#include "common/services.h"
#include "common/twips.h"

#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>
#include <QVBoxLayout>

#include <unistd.h>

namespace {

struct BrowserEngine
{
    QString file;
    bool tried = false;
    WebEnginePlugin *plugin = nullptr;
};

BrowserEngine &browserEngine()
{
    static BrowserEngine engine;
    return engine;
}

// Loaded once, on the first view; a plugin that cannot load leaves the text engine for good.
WebEnginePlugin *browserPlugin()
{
    BrowserEngine &engine = browserEngine();
    if (engine.tried || engine.file.isEmpty())
        return engine.plugin;
    engine.tried = true;
    // The browser engine will not run as root with its sandbox, and the game never switches
    // the sandbox off for pages from the web; only someone who did so on purpose gets it.
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        return nullptr;
    QPluginLoader loader(engine.file);
    engine.plugin = qobject_cast<WebEnginePlugin *>(loader.instance());
    if (!engine.plugin)
        qWarning("Pages are shown as text: %s", qPrintable(loader.errorString()));
    return engine.plugin;
}

QUrl toUrl(const QString &address)
{
    if (QDir::isAbsolutePath(address) && !address.contains(QLatin1String("://")))
        return QUrl::fromLocalFile(address);
    return QUrl::fromUserInput(address.trimmed());
}

bool insideFolder(const QString &path, const QString &folder)
{
    const QFileInfo info(path);
    const QString file =
        info.exists() ? info.canonicalFilePath() : QDir::cleanPath(info.absoluteFilePath());
    const QString root = QFileInfo(folder).canonicalFilePath();
    return !root.isEmpty() && file.startsWith(root + QLatin1Char('/'));
}

} // namespace

void enableBrowserEngine(const QString &pluginFile)
{
    browserEngine().file = pluginFile;
}

WebView::WebView(QWidget *parent) : QWidget(parent)
{
    WebEngineEvents &events = *this;
    if (WebEnginePlugin *plugin = browserPlugin()) {
        m_engine = plugin->createPage(events, this);
        m_browser = m_engine != nullptr;
    }
    if (!m_engine)
        m_engine = std::make_unique<TextEngine>(events, this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_engine->widget());
}

WebView::~WebView()
{
    m_engine.reset();
}

bool WebView::allowed(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
        return !url.host().isEmpty();
    return url.isLocalFile() && insideFolder(url.toLocalFile(), services().programFolder());
}

void WebView::Navigate(const QString &address)
{
    const QUrl url = toUrl(address);
    if (url.isValid() && allowed(url))
        m_engine->navigate(url);
}

bool WebView::GoBack()
{
    return m_engine->goBack();
}

QString WebView::LocationName() const
{
    return m_engine->title();
}

QString WebView::LocationURL() const
{
    return m_engine->url().toString();
}

bool WebView::Busy() const
{
    return m_engine->busy();
}

void WebView::setWidthTwips(int width)
{
    if (width >= 0)
        resize(twipsToPixels(width), height());
}

void WebView::setHeightTwips(int height)
{
    if (height >= 0)
        resize(width(), twipsToPixels(height));
}

void WebView::statusTextChanged(const QString &text)
{
    emit StatusTextChange(text);
}

void WebView::progressChanged(int value)
{
    emit ProgressChange(value);
}

void WebView::documentCompleted()
{
    emit DocumentComplete();
}

void WebView::downloadCompleted()
{
    emit DownloadComplete();
}

WebPageEngine *WebView::newWindowRequested()
{
    WebView *receiver = nullptr;
    emit NewWindow2(&receiver);
    // Engines of two kinds cannot hand a page to each other.
    if (!receiver || receiver->m_browser != m_browser)
        return nullptr;
    return receiver->m_engine.get();
}

bool WebView::mayNavigate(const QUrl &url) const
{
    return allowed(url);
}
