#include "core/promotion/promotion_chooser.h"

#include "core/platform/line_file.h"
#include "core/platform/paths.h"
#include "core/promotion/record/promotion_layout.h"

#include <algorithm>

namespace bm::promotion {

PromotionChooser::PromotionChooser(ui::Dialogs& dialogs, ui::Navigator& navigator,
                                   const context::EditingContext& context)
    : dialogs_(dialogs), navigator_(navigator), context_(context) {}

std::string_view PromotionChooser::actionCaption() const {
    return mode_ == ChooserMode::Edit ? kEditAction : kDeleteAction;
}

void PromotionChooser::setMode(ChooserMode mode) {
    setUp_ = true;
    mode_ = mode;
    heading_ = mode == ChooserMode::Edit ? kEditHeading : kDeleteHeading;
    promptLine_ = mode == ChooserMode::Edit ? kEditPrompt : kDeletePrompt;
    listFiles();
    selected_ = -1;
    changed();
}

void PromotionChooser::createPromotion(std::string fileName) {
    record_ = makeTemplateRecord();
    nameoffile_ = std::move(fileName);
    // A new promotion has no January big show, and an absent big show has
    // no logo; a loaded file keeps whatever it holds there.
    if (record_.get(line::months[0].bigshowname).empty()) {
        record_.set(line::months[0].bigshowlogo, "NA");
    }
    fillSteps();
    changed();
}

std::string PromotionChooser::unsavedWork() const {
    return hasUnsavedChanges() ? "the changes to the promotion \"" + nameoffile_ + "\"" : "";
}

void PromotionChooser::returnFromSteps() {
    if (!setUp_) {
        setMode(ChooserMode::Edit);
    } else {
        // The list is read afresh so that it always names files of the
        // current context, which the actions below open; the selection
        // survives when its file is still there.
        const std::string kept =
            selected_ >= 0 ? files_[static_cast<std::size_t>(selected_)] : std::string();
        listFiles();
        const auto it = std::find(files_.begin(), files_.end(), kept);
        selected_ = kept.empty() || it == files_.end() ? -1 : static_cast<int>(it - files_.begin());
        changed();
    }
    navigator_.go(ui::Screen::PromotionChooser);
}

void PromotionChooser::select(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= files_.size()) {
        selected_ = -1;
        changed();
        return;
    }
    selected_ = row;
    // Only the first two lines are read: a huge or odd file costs nothing,
    // and one without a name line shows an empty name.
    promptLine_ = readPromotionName(context_.pathOf(files_[static_cast<std::size_t>(row)]));
    changed();
}

void PromotionChooser::act() {
    if (selected_ < 0) {
        return;
    }
    const std::string name = files_[static_cast<std::size_t>(selected_)];
    if (mode_ == ChooserMode::Delete) {
        deleteSelected(name);
    } else {
        editSelected(name);
    }
}

void PromotionChooser::back() {
    navigator_.go(ui::Screen::PromotionMenu);
}

void PromotionChooser::listFiles() {
    files_ = platform::listFiles(context_.pathOf({}), kPromotionPattern);
}

void PromotionChooser::fillSteps() {
    for (StepFiller* step : steps_) {
        step->fillFromRecord();
    }
    // Filling may complete the record (an empty month gets its defaults);
    // only the user's own edits count as unsaved.
    markSaved();
}

void PromotionChooser::editSelected(const std::string& name) {
    PromotionRecord loaded;
    {
        const auto busy = dialogs_.busy();
        if (auto status = loadPromotion(context_.pathOf(name), loaded); !status) {
            dialogs_.message(status.message(), ui::Icon::Critical);
            return;
        }
    }
    record_ = std::move(loaded);
    nameoffile_ = name;
    fillSteps();
    changed();
    navigator_.go(ui::Screen::Step1);
}

void PromotionChooser::deleteSelected(const std::string& name) {
    if (!dialogs_.askYesNo(kDeleteQuestion, ui::Icon::None, ui::kProgramTitle, ui::Default::No)) {
        return;
    }
    const auto status = platform::deleteFile(context_.pathOf(name));
    listFiles();
    selected_ = -1;
    changed();
    if (!status) {
        dialogs_.message(status.message(), ui::Icon::Critical);
        return;
    }
    dialogs_.message(kDeleted);
}

} // namespace bm::promotion
