#include "gui/context/image_picker_view.h"

#include "gui/ui/caption.h"
#include "gui/ui/choice_list.h"
#include "gui/ui/screen_view.h"
#include "gui/ui/text_codec.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace bm::gui {
namespace {

// A logo is a few hundred kilobytes; anything far beyond is not read at all.
constexpr qint64 kMaxPreviewBytes = 16 * 1024 * 1024;
constexpr qint64 kMaxPreviewPixels = 25'000'000;

QString toQtPath(const std::filesystem::path& path) {
#ifdef Q_OS_WIN
    return QString::fromStdWString(path.native());
#else
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
#endif
}

} // namespace

QImage loadPreviewImage(const QString& file, QSize box) {
    const QFileInfo info(file);
    if (!info.isFile() || info.size() > kMaxPreviewBytes) {
        return {};
    }
    QImageReader reader(file);
    const QSize full = reader.size();
    if (!full.isValid() || full.isEmpty() ||
        static_cast<qint64>(full.width()) * full.height() > kMaxPreviewPixels) {
        return {};
    }
    if (full.width() > box.width() || full.height() > box.height()) {
        reader.setScaledSize(full.scaled(box, Qt::KeepAspectRatio));
    }
    return reader.read();
}

ImagePickerView::ImagePickerView(context::ImagePicker& model, QWidget* parent)
    : SideWindowView(ui::Screen::ImagePicker, context::kImagePickerTitle, parent), model_(model) {
    heading = new QLabel(this);
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    heading->setFont(headingFont);
    list = new QListWidget(this);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setMinimumSize(220, kPreviewHeight);
    preview = new QLabel(this);
    preview->setFixedSize(kPreviewWidth + 4, kPreviewHeight + 4);
    preview->setAlignment(Qt::AlignCenter);
    preview->setFrameShape(QFrame::StyledPanel);
    preview->setAccessibleName(toDisplay(context::kPreviewName));
    useButton = makeButton(toDisplay(context::kUseImage), this);
    noImageButton = makeButton(toDisplay(context::kUseNoImage), this);
    noChangesButton = makeButton(toDisplay(context::kMakeNoChanges), this);

    auto* body = new QHBoxLayout;
    body->addWidget(list, 1);
    body->addWidget(preview, 0, Qt::AlignTop);
    auto* buttons = new QHBoxLayout;
    for (auto* b : {useButton, noImageButton, noChangesButton}) {
        b->setMinimumHeight(34);
        buttons->addWidget(b);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(body);
    layout->addLayout(buttons);

    onChoiceListChosen(list, this, [this](int row) { model_.select(row); });
    connect(list, &QListWidget::itemActivated, this, [this] { model_.useImage(); });
    connect(useButton, &QPushButton::clicked, this, [this] { model_.useImage(); });
    connect(noImageButton, &QPushButton::clicked, this, [this] { model_.useNoImage(); });
    connect(noChangesButton, &QPushButton::clicked, this, [this] { model_.makeNoChanges(); });

    watch(model_, [this] { render(); });
    render();
}

void ImagePickerView::render() {
    setCaption(heading, list, toDisplay(model_.heading()));
    noImageButton->setEnabled(model_.noImageEnabled());
    showChoiceList(list, model_.files(), model_.selected());
    showPreview(model_.preview());
}

void ImagePickerView::showPreview(const std::filesystem::path& file) {
    // Each opening reads the file again: it may have changed meanwhile.
    if (previewLoaded_ && file == previewed_ && isVisible()) {
        return;
    }
    previewed_ = file;
    previewLoaded_ = true;
    const QString path = file.empty() ? QString() : toQtPath(file);
    const QImage image =
        path.isEmpty() ? QImage() : loadPreviewImage(path, QSize(kPreviewWidth, kPreviewHeight));
    preview->setPixmap(QPixmap::fromImage(image));
    preview->setAccessibleDescription(image.isNull() ? QString() : QFileInfo(path).fileName());
}

void ImagePickerView::showEvent(QShowEvent* event) {
    SideWindowView::showEvent(event);
    list->setFocus();
}

} // namespace bm::gui
