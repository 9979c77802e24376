#pragma once

#include <QWidget>

#include <typeinfo>

// The game's windows live as the game expects: created on first use, hidden, with their
// load routine run once; kept until unloaded; a later use after an unload makes a fresh one.
class GameForm
{
public:
    virtual ~GameForm() = default;
    // Runs once, right after the window is created and registered.
    virtual void Form_Load() {}
    // Runs when the window is unloaded, by code or by its close box.
    virtual void Form_Unload() {}
};

namespace registry_detail {
QWidget *registered(const std::type_info &type);
void enroll(const std::type_info &type, QWidget *window);
} // namespace registry_detail

// The loaded instance of T, created hidden (and its load routine run) when there is none.
template <class T> T *form()
{
    if (QWidget *existing = registry_detail::registered(typeid(T)))
        return static_cast<T *>(existing);
    auto *window = new T(); // the registry owns top-level windows until they are unloaded
    registry_detail::enroll(typeid(T), window);
    window->Form_Load();
    return window;
}

// The loaded instance of T, or nullptr; never creates one.
template <class T> T *loadedForm()
{
    return static_cast<T *>(registry_detail::registered(typeid(T)));
}

// Whether `window` is still the loaded T: false once it has been unloaded (even before its
// deferred delete) or replaced. For a handler that let events through, e.g. a message box.
template <class T> bool isLoaded(const T *window)
{
    return window && loadedForm<T>() == window;
}

// Runs the unload routine, drops the window from the registry at once and deletes it
// later, so a handler may unload its own window.
void unload(QWidget *window);

// Deletes every loaded window at once, without unload routines (program end, test cleanup).
void unloadAll();

// Shows a window as the game always does: modeless, raised, active.
void showForm(QWidget *window);

// form<T>() for a window whose public fields are set before its load routine runs, as the game
// sets a window's field and then shows it. An open window is returned as it is.
template <class T, class Setup> T *form(Setup &&setup)
{
    if (QWidget *existing = registry_detail::registered(typeid(T)))
        return static_cast<T *>(existing);
    auto *window = new T(); // the registry owns top-level windows until they are unloaded
    setup(*window);
    registry_detail::enroll(typeid(T), window);
    window->Form_Load();
    return window;
}
