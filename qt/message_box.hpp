#pragma once

class QString;
class QWidget;

namespace quennarix::qt {

// A modal box with the message, one OK button and no icon, titled with the
// application's name. Returns when the user has dismissed it.
void showMessageBox(QWidget *parent, const QString &message);

} // namespace quennarix::qt
