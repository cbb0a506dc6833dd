#pragma once
// Screen states: every screen type is not loaded, shown or hidden, with at most one
// instance per type at a time.
//
//   open<T>()   not loaded -> build (factory or `new T`), run load(), show centred;
//               hidden     -> show again, nothing reset, load() does not run;
//               shown      -> stays as it is.
//   hide<T>()   invisible, everything in it kept (fields, lists, timers).
//   close<T>()  invisible and discarded (deleteLater); the slot is cleared at once,
//               so an open<T>() right after, even inside T's own button handler,
//               builds a fresh instance. Safe to call from T's own handlers.
//   state<T>()  ScreenState::NotLoaded / Shown / Hidden.
//   find<T>()   the current instance or nullptr (tests use it).
//
// Screens are identified by their exact class. The program's model is never touched.

#include "platform/screen.h"

#include <functional>
#include <typeindex>
#include <type_traits>

namespace platform {

enum class ScreenState { NotLoaded, Shown, Hidden };

namespace detail {
using ScreenMaker = std::function<Screen*()>;
Screen* openScreen(std::type_index type, const ScreenMaker& defaultMaker);
Screen* findScreen(std::type_index type);
void setScreenFactory(std::type_index type, ScreenMaker maker);
} // namespace detail

// Hides / closes a screen by pointer (no-op for a screen that is not registered
// or already closed).
void hide(Screen* screen);
void close(Screen* screen);
ScreenState state(const Screen* screen);

// Closes every loaded screen (tests call it in cleanup()).
void closeAllScreens();

// Builds instances of T with `make` instead of `new T` (for example to pass a
// folder). An empty function restores `new T`.
template <class T>
void setScreenFactory(std::function<T*()> make)
{
    static_assert(std::is_base_of_v<Screen, T>);
    if (make)
        detail::setScreenFactory(typeid(T), [make] { return static_cast<Screen*>(make()); });
    else
        detail::setScreenFactory(typeid(T), {});
}

template <class T>
T* find()
{
    static_assert(std::is_base_of_v<Screen, T>);
    return static_cast<T*>(detail::findScreen(typeid(T)));
}

// Returns the shown instance (nullptr only if its load step closed it again).
template <class T>
T* open()
{
    static_assert(std::is_base_of_v<Screen, T>);
    return static_cast<T*>(detail::openScreen(typeid(T), [] {
        if constexpr (std::is_default_constructible_v<T>)
            return static_cast<Screen*>(new T);
        else
            return static_cast<Screen*>(nullptr); // needs setScreenFactory<T>()
    }));
}

template <class T>
void hide()
{
    hide(find<T>());
}

template <class T>
void close()
{
    close(find<T>());
}

template <class T>
ScreenState state()
{
    return state(find<T>());
}

} // namespace platform
