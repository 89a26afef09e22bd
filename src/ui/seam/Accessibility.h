// Events for assistive technology (screen readers) that the windows raise
// themselves, such as the progress of a radio transfer. They all go through
// here so that a listener can hear them: Qt passes events on only while a
// screen reader is attached, which a test's platform never has.
#pragma once

#include <functional>

class QAccessibleEvent;

namespace Accessibility {

// Hands event to the listener (if any) and to Qt's accessibility layer.
void Notify(QAccessibleEvent *event);

using Listener = std::function<void(QAccessibleEvent *)>;
// Hears every event passed to Notify from now on; an empty listener ends it.
void SetListener(Listener listener);

} // namespace Accessibility
