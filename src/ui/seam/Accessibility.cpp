#include "Accessibility.h"

#include <QAccessible>

namespace Accessibility {

namespace {
Listener &CurrentListener()
{
    static Listener listener;
    return listener;
}
} // namespace

void Notify(QAccessibleEvent *event)
{
    if (const Listener &listener = CurrentListener())
        listener(event);
    QAccessible::updateAccessibility(event);
}

void SetListener(Listener listener)
{
    CurrentListener() = std::move(listener);
}

} // namespace Accessibility
