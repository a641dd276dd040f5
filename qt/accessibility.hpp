#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace quennarix::qt {

// Form1 and its boxes as a screen reader sees them, for QAccessible::installFactory.
// Qt gives a plain QWidget the role of a client area, a filler, even when it is
// the window: this one is a window. Qt's line edit reports a zero-length run of
// text attributes at each offset, and Orca 43 then reads a box that gets the
// focus only up to its last character ("5" for "5A"): a box here reports its
// text as one run, having no formatting.
QAccessibleInterface *form1Accessible(const QString &className, QObject *object);

} // namespace quennarix::qt
