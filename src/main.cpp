#include "gui/app/gui_app.h"
#include "gui/ui/qt_dialogs.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt prints a page of plugin errors; one plain line helps more.
bool displayAvailable() {
#if defined(Q_OS_LINUX) || defined(Q_OS_UNIX)
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value && *value) {
            return true;
        }
    }
    return false;
#else
    return true;
#endif
}

} // namespace

int main(int argc, char* argv[]) {
    if (!displayAvailable()) {
        std::fputs("bm13edit: no display available (set DISPLAY, or start it under xvfb-run).\n",
                   stderr);
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("bm13edit"));
    // Windows are hidden and shown in turn; only "Exit" or closing ends the run.
    QApplication::setQuitOnLastWindowClosed(false);

    bm::gui::QtDialogs dialogs;
    bm::gui::GuiApp editor(dialogs);
    if (!editor.start()) {
        return 0;
    }
    return QApplication::exec();
}
