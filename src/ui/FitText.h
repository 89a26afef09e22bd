// Forms of fixed geometry that still show every text whole.
//
// The fixed forms are laid out in pixels for Times New Roman (or a font of
// the same metrics). With a wider font, or a longer translation, a caption
// would be cut. FitFormToText measures every text-bearing control of such a
// form and, when one needs more room than its place gives, widens the
// form's horizontal geometry (positions and widths alike) by the largest
// factor needed; list columns grow to their widest header or content.
// Where everything fits, the geometry stays exactly as laid out.
#pragma once

#include <QStringList>

class QSize;
class QWidget;

namespace FitText {

// Texts a control must be able to show besides its current one: a status
// panel's longest message, or, for a list, one sample per column (an empty
// entry adds nothing to that column).
void SetSamples(QWidget *widget, const QStringList &samples);

// Width a control needs to show its text (and samples) whole; 0 for a
// control without text.
int NeededWidth(const QWidget *widget);

// Fits the form (a window, or the central widget of a main window) and
// every control placed in it by position. The geometry the form has at the
// first call is its design; later calls (after a list's items or a text
// changed) fit again from that design. Returns the factor applied.
double FitFormToText(QWidget *form);

// A window's size bounded by the available area of the screen it is (or
// will be) shown on.
QSize BoundedToScreen(const QWidget *window, const QSize &wanted);

} // namespace FitText
