#include "textengine.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTextDocument>

namespace {

// The game's pages are a few KB; anything far larger is not one of them.
constexpr qint64 MaxPageBytes = 4 * 1024 * 1024;

QByteArray readLocal(const QUrl &url, bool &found)
{
    const QFileInfo info(url.toLocalFile());
    found = info.isFile() && info.size() <= MaxPageBytes;
    if (!found)
        return {};
    QFile file(info.filePath());
    found = file.open(QIODevice::ReadOnly);
    return found ? file.read(MaxPageBytes) : QByteArray();
}

QString noticePage(const QString &title, const QString &line1, const QString &line2)
{
    return QStringLiteral("<html><head><title>%1</title></head><body>"
                          "<p>%2</p><p><b>%3</b></p></body></html>")
        .arg(title.toHtmlEscaped(), line1.toHtmlEscaped(), line2.toHtmlEscaped());
}

QString attribute(const QString &tag, const QString &name)
{
    const QRegularExpression re(
        QStringLiteral("\\b%1\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s>]+))").arg(name),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = re.match(tag);
    if (!m.hasMatch())
        return {};
    for (int i = 1; i <= 3; ++i) {
        if (m.capturedStart(i) >= 0)
            return m.captured(i).replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    }
    return {};
}

// Rich text forgets where a link was meant to open, so the page's own markup is asked.
QSet<QUrl> newWindowLinks(const QString &html, const QUrl &base)
{
    static const QRegularExpression anchor(QStringLiteral("<a\\s[^>]*>"),
                                           QRegularExpression::CaseInsensitiveOption);
    QSet<QUrl> links;
    for (const QRegularExpressionMatch &m : anchor.globalMatch(html)) {
        const QString target = attribute(m.captured(), QStringLiteral("target")).toLower();
        if (target.isEmpty() || target == QLatin1String("_self") || target == QLatin1String("_top")
            || target == QLatin1String("_parent"))
            continue;
        links.insert(base.resolved(QUrl(attribute(m.captured(), QStringLiteral("href")))));
    }
    return links;
}

} // namespace

TextEngine::TextEngine(WebEngineEvents &events, QWidget *parent)
    : QTextBrowser(parent), m_events(events)
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    m_loader.setSingleShot(true);
    m_loader.setInterval(0);
    connect(&m_loader, &QTimer::timeout, this, &TextEngine::load);
    connect(this, &QTextBrowser::anchorClicked, this, &TextEngine::followLink);
    connect(this, qOverload<const QUrl &>(&QTextBrowser::highlighted), this, &TextEngine::hover);
}

TextEngine::~TextEngine() = default;

void TextEngine::navigate(const QUrl &url)
{
    m_history.resize(m_current + 1);
    m_history.append(url);
    m_current = m_history.size() - 1;
    m_loader.start();
}

bool TextEngine::goBack()
{
    if (m_current <= 0)
        return false;
    --m_current;
    m_loader.start();
    return true;
}

QUrl TextEngine::url() const
{
    return m_current >= 0 ? m_history[m_current] : QUrl();
}

void TextEngine::load()
{
    show(url());
    m_events.progressChanged(100);
    m_events.documentCompleted();
    m_events.downloadCompleted();
}

void TextEngine::show(const QUrl &url)
{
    m_newWindowLinks.clear();
    if (!url.isLocalFile()) {
        m_title = url.toString();
        setHtml(noticePage(m_title,
                           QStringLiteral("This window shows only the game's own pages. The page "
                                          "asked for is on the web:"),
                           m_title));
        return;
    }
    bool found = false;
    const QByteArray data = readLocal(url, found);
    if (!found) {
        m_title = QStringLiteral("Page not found");
        setHtml(noticePage(m_title, QStringLiteral("This page could not be found:"),
                           url.toLocalFile()));
        return;
    }
    const QString html = QStringDecoder::decoderForHtml(data).decode(data);
    m_newWindowLinks = newWindowLinks(html, url.adjusted(QUrl::RemoveFragment));
    setHtml(html);
    m_title = documentTitle();
    if (url.hasFragment())
        scrollToAnchor(url.fragment());
}

QVariant TextEngine::loadResource(int type, const QUrl &name)
{
    Q_UNUSED(type)
    const QUrl resource = url().resolved(name);
    if (!resource.isLocalFile() || !m_events.mayNavigate(resource))
        return {};
    bool found = false;
    const QByteArray data = readLocal(resource, found);
    return found ? QVariant(data) : QVariant();
}

void TextEngine::followLink(const QUrl &link)
{
    const QUrl target = url().resolved(link);
    if (!m_events.mayNavigate(target))
        return;
    if (m_newWindowLinks.contains(target)) {
        if (WebPageEngine *receiver = m_events.newWindowRequested())
            receiver->navigate(target);
        return;
    }
    navigate(target);
}

void TextEngine::hover(const QUrl &link)
{
    m_events.statusTextChanged(link.isEmpty() ? QString() : url().resolved(link).toString());
}
