#include "core/app/command_line.h"
#include "core/app/start_folder.h"
#include "core/app/version.h"
#include "gui/app/folder_chooser.h"
#include "gui/app/gui_app.h"
#include "gui/ui/qt_dialogs.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

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

std::vector<std::string> arguments(int argc, char* argv[]) {
    std::vector<std::string> list;
    for (int i = 1; i < argc; ++i) {
        list.emplace_back(argv[i] ? argv[i] : "");
    }
    return list;
}

} // namespace

int main(int argc, char* argv[]) {
    using bm::app::CommandLine;
    // Help and version need no display: answer before Qt looks for one.
    const CommandLine early = bm::app::parseCommandLine(arguments(argc, argv));
    if (early.action == CommandLine::Action::Help) {
        std::fputs(bm::app::helpText("bm13edit").c_str(), stdout);
        return 0;
    }
    if (early.action == CommandLine::Action::Version) {
        std::fputs(bm::app::versionText("bm13edit").c_str(), stdout);
        return 0;
    }
    if (!displayAvailable()) {
        std::fputs("bm13edit: no display available (set DISPLAY, or start it under xvfb-run).\n",
                   stderr);
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("bm13edit"));
    QGuiApplication::setDesktopFileName(QStringLiteral("bm13edit"));
    // Windows are hidden and shown in turn; only "Exit" or closing ends the run.
    QApplication::setQuitOnLastWindowClosed(false);

    // Qt has taken its own options out of argv by now; the rest must be ours.
    const CommandLine command = bm::app::parseCommandLine(arguments(argc, argv));
    if (command.action == CommandLine::Action::Error) {
        std::fprintf(stderr, "bm13edit: %s\nTry 'bm13edit --help' for more information.\n",
                     command.error.c_str());
        return 2;
    }

    bm::gui::QtDialogs dialogs;
    bm::gui::QtFolderChooser chooser;
    bm::app::FolderMemoryFile memory(bm::gui::rememberedFolderFile());
    switch (bm::app::enterStartFolder(command.start, chooser, memory, dialogs)) {
    case bm::app::StartResult::Ready:
        break;
    case bm::app::StartResult::Cancelled:
        return 0;
    case bm::app::StartResult::Failed:
        return 1;
    }

    bm::gui::GuiApp editor(dialogs);
    if (!editor.start()) {
        return 0;
    }
    return QApplication::exec();
}
