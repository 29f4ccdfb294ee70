#pragma once
// Prepares the application before the window is built: its name and version, Japanese as the
// locale, Qt's own Japanese texts (context menus, box buttons) and the Japanese fonts the window
// is designed with. It creates no window and runs no event loop.

class QApplication;

namespace zelvanu {

void prepareApplication(QApplication& app);

} // namespace zelvanu
