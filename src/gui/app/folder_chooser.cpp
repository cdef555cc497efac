#include "gui/app/folder_chooser.h"

#include <QByteArray>
#include <QFile>
#include <QFileDialog>
#include <QStandardPaths>

namespace bm::gui {
namespace fs = std::filesystem;

namespace {

// Paths are file-system bytes, not data-file text: the toolkit's own file name
// encoding is the right conversion here.
QString toQt(const fs::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

fs::path fromQt(const QString& path) {
    return fs::path(QFile::encodeName(path).toStdString());
}

} // namespace

std::optional<fs::path> QtFolderChooser::chooseFolder(const fs::path& startAt) {
    const QString folder =
        QFileDialog::getExistingDirectory(nullptr, QStringLiteral("Select The Game Folder"),
                                          toQt(startAt), QFileDialog::ShowDirsOnly);
    if (folder.isEmpty()) {
        return std::nullopt;
    }
    return fromQt(folder);
}

fs::path rememberedFolderFile() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (folder.isEmpty()) {
        return {};
    }
    return fromQt(folder) / "last-game-folder";
}

} // namespace bm::gui
