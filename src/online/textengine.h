#pragma once

#include "webengineapi.h"

#include <QList>
#include <QSet>
#include <QTextBrowser>
#include <QTimer>

// Shows the game's own pages with Qt's rich text; a web address gets a short page naming it.
// Loading waits for the event loop, as a real engine's does, so callers see the same order.
class TextEngine : public QTextBrowser, public WebPageEngine
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TextEngine)

public:
    TextEngine(WebEngineEvents &events, QWidget *parent);
    ~TextEngine() override;

    QWidget *widget() override { return this; }
    void navigate(const QUrl &url) override;
    bool goBack() override;
    QString title() const override { return m_title; }
    QUrl url() const override;
    bool busy() const override { return m_loader.isActive(); }

    QVariant loadResource(int type, const QUrl &name) override;

private:
    void load();
    void show(const QUrl &url);
    void followLink(const QUrl &link);
    void hover(const QUrl &link);

    WebEngineEvents &m_events;
    QList<QUrl> m_history;
    qsizetype m_current = -1;
    QString m_title;
    // Links of the page shown that ask for a window of their own.
    QSet<QUrl> m_newWindowLinks;
    QTimer m_loader;
};
