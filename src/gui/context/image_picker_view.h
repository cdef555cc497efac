#pragma once

#include "core/context/image_picker.h"
#include "gui/ui/side_window.h"

#include <filesystem>

class QLabel;
class QListWidget;
class QPushButton;

namespace bm::gui {

// The picker's window; closing it by its frame or Escape makes no changes.
class ImagePickerView : public SideWindowView {
    Q_OBJECT
public:
    explicit ImagePickerView(context::ImagePicker& model, QWidget* parent = nullptr);

    QLabel* heading;
    QListWidget* list;
    QLabel* preview;
    QPushButton* useButton;
    QPushButton* noImageButton;
    QPushButton* noChangesButton;

    // The size the preview area fits pictures into.
    static constexpr int kPreviewWidth = 320;
    static constexpr int kPreviewHeight = 240;

protected:
    void cancel() override { model_.makeNoChanges(); }
    void showEvent(QShowEvent* event) override;

private:
    void render();
    void showPreview(const std::filesystem::path& file);

    context::ImagePicker& model_;
    std::filesystem::path previewed_;
    bool previewLoaded_ = false;
};

// A picture scaled down to fit the box (never up), keeping its aspect ratio;
// null when the file is missing, too large to be a logo, or not a picture.
QImage loadPreviewImage(const QString& file, QSize box);

} // namespace bm::gui
