#pragma once

class QApplication;
class QIcon;
class QString;

namespace marlo {

// The look shared by every window: style, font, the program's pictures and its icon. Call once,
// right after the QApplication is made.
void applyProgramStyle(QApplication& application);

// A picture of the program by name ("optimise", "stop", "new", ...).
QIcon picture(const QString& name);
QString picturePath(const QString& name);

}  // namespace marlo
