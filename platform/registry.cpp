#include "platform/registry.h"

#include <QPointer>
#include <QTimer>

#include <map>

namespace platform {

namespace {

struct Registry
{
    std::map<std::type_index, QPointer<Screen>> screens;
    std::map<std::type_index, detail::ScreenMaker> factories;
};

Registry& registry()
{
    static Registry r;
    return r;
}

// The registered slot of a screen, if it is the current instance of its type.
auto slotOf(const Screen* screen)
{
    auto& screens = registry().screens;
    if (!screen)
        return screens.end();
    auto it = screens.find(std::type_index(typeid(*screen)));
    if (it == screens.end() || it->second.data() != screen)
        return screens.end();
    return it;
}

} // namespace

namespace detail {

Screen* findScreen(std::type_index type)
{
    auto& screens = registry().screens;
    auto it = screens.find(type);
    if (it == screens.end())
        return nullptr;
    if (!it->second) { // destroyed behind the registry's back
        screens.erase(it);
        return nullptr;
    }
    return it->second.data();
}

void setScreenFactory(std::type_index type, ScreenMaker maker)
{
    if (maker)
        registry().factories[type] = std::move(maker);
    else
        registry().factories.erase(type);
}

Screen* openScreen(std::type_index type, const ScreenMaker& defaultMaker)
{
    if (Screen* existing = findScreen(type)) {
        existing->show();
        existing->activateWindow();
        return existing;
    }
    const auto factory = registry().factories.find(type);
    Screen* made = factory != registry().factories.end() ? factory->second() : defaultMaker();
    if (!made)
        qFatal("platform::open: no way to build screen %s (give it a factory)", type.name());
    registry().screens[type] = made;
    QPointer<Screen> guard(made);
    made->load();
    // The load step may have hidden or closed the screen again.
    if (!guard || findScreen(type) != made)
        return nullptr;
    made->show();
    made->activateWindow();
    return made;
}

} // namespace detail

void hide(Screen* screen)
{
    if (slotOf(screen) == registry().screens.end())
        return;
    screen->hide();
}

void close(Screen* screen)
{
    auto it = slotOf(screen);
    if (it == registry().screens.end())
        return;
    // Free the slot first so that a following open builds a fresh instance, even
    // while this screen's own handler is still running.
    registry().screens.erase(it);
    for (QTimer* timer : screen->findChildren<QTimer*>())
        timer->stop();
    screen->hide();
    screen->deleteLater();
}

ScreenState state(const Screen* screen)
{
    if (!screen || slotOf(screen) == registry().screens.end())
        return ScreenState::NotLoaded;
    return screen->isHidden() ? ScreenState::Hidden : ScreenState::Shown;
}

void closeAllScreens()
{
    std::vector<Screen*> open;
    for (auto& [type, screen] : registry().screens) {
        if (screen)
            open.push_back(screen.data());
    }
    for (Screen* screen : open)
        close(screen);
    registry().screens.clear();
}

} // namespace platform
