#include "registry.h"

#include <QCloseEvent>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>

#include <typeindex>
#include <vector>

namespace {

struct Entry
{
    std::type_index type;
    QPointer<QWidget> window;
};

std::vector<Entry> &entries()
{
    static std::vector<Entry> all;
    return all;
}

QSet<QWidget *> &unloading()
{
    static QSet<QWidget *> busy;
    return busy;
}

// A close box unloads the window, as it does in the game.
class CloseWatcher : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Close) {
            if (auto *window = qobject_cast<QWidget *>(watched)) {
                if (window->isWindow())
                    unload(window);
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

CloseWatcher &closeWatcher()
{
    static CloseWatcher watcher;
    return watcher;
}

void drop(QWidget *window)
{
    auto &all = entries();
    std::erase_if(all,
                  [window](const Entry &e) { return e.window == window || e.window.isNull(); });
}

} // namespace

namespace registry_detail {

QWidget *registered(const std::type_info &type)
{
    for (const Entry &e : entries()) {
        if (e.type == std::type_index(type) && !e.window.isNull())
            return e.window.data();
    }
    return nullptr;
}

void enroll(const std::type_info &type, QWidget *window)
{
    drop(nullptr);
    entries().push_back(Entry{std::type_index(type), window});
    window->installEventFilter(&closeWatcher());
}

} // namespace registry_detail

void unload(QWidget *window)
{
    if (!window || unloading().contains(window))
        return;
    const bool loaded = std::any_of(entries().begin(), entries().end(),
                                    [window](const Entry &e) { return e.window == window; });
    if (!loaded)
        return;
    unloading().insert(window);
    if (auto *form = dynamic_cast<GameForm *>(window))
        form->Form_Unload();
    drop(window);
    window->removeEventFilter(&closeWatcher());
    window->hide();
    window->deleteLater();
    unloading().remove(window);
}

void unloadAll()
{
    std::vector<Entry> all;
    all.swap(entries());
    for (Entry &e : all)
        delete e.window.data();
}

void showForm(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}
