#pragma once

#include "core/context/editing_context.h"
#include "core/promotion/record/promotion_record.h"
#include "core/promotion/step_filler.h"
#include "core/ui/dialogs.h"
#include "core/ui/model.h"
#include "core/ui/navigator.h"

#include <string>
#include <string_view>
#include <vector>

namespace bm::promotion {

inline constexpr std::string_view kPromotionPattern = "*.fed";

// Before either menu button has set the chooser up.
inline constexpr std::string_view kChooserFirstHeading = "Editing Promotions";
inline constexpr std::string_view kEditHeading = "Edit Promotion";
inline constexpr std::string_view kDeleteHeading = "Delete Promotion";
inline constexpr std::string_view kEditPrompt = "Select Promotion To Edit";
inline constexpr std::string_view kDeletePrompt = "Select Promotion To Delete";
inline constexpr std::string_view kEditAction = "Edit This Promotion";
inline constexpr std::string_view kDeleteAction = "Delete This Promotion";
inline constexpr std::string_view kChooserBack = "Back";
inline constexpr std::string_view kNoFileYet = "filename";
inline constexpr std::string_view kDeleteQuestion =
    "Are you sure you want to permanently delete this promotion?";
inline constexpr std::string_view kDeleted = "Promotion Deleted.";

enum class ChooserMode { Edit, Delete };

// Lists the promotion files of the context to edit or delete one. It owns
// the one PromotionRecord of the program and the name of its file, which
// outlive its window; creating or loading a promotion replaces both and
// shows the record in every step screen.
class PromotionChooser : public ui::Model {
public:
    PromotionChooser(ui::Dialogs& dialogs, ui::Navigator& navigator,
                     const context::EditingContext& context);

    PromotionRecord& record() { return record_; }
    const PromotionRecord& record() const { return record_; }
    // The file the record came from or will be saved to.
    const std::string& nameoffile() const { return nameoffile_; }
    // True when the record differs from what was created, loaded or last
    // saved; the save at step 8 calls markSaved() once the file is written.
    bool hasUnsavedChanges() const { return record_.lines() != unchanged_; }
    void markSaved() { unchanged_ = record_.lines(); }
    // What closing the editor now would lose, for the question that asks
    // first; "" when nothing would be.
    std::string unsavedWork() const;

    // Each step screen registers once, in step order.
    void addStep(StepFiller& step) { steps_.push_back(&step); }
    void removeStep(StepFiller& step) { std::erase(steps_, &step); }

    // The promotion menu's "Edit an Existing Promotion" / "Delete a
    // Promotion": the mode, and the context's files listed afresh.
    void setMode(ChooserMode mode);
    // A new promotion from the template, under a name the menu has checked.
    void createPromotion(std::string fileName);
    // Step 1's "<<< Back": the chooser as it was left, in edit mode when it
    // was never set up (the user came straight from creating).
    void returnFromSteps();

    // What the user can do.
    void select(int row);
    void act(); // the action button
    void back();

    const std::string& heading() const { return heading_; }
    const std::string& promptLine() const { return promptLine_; }
    std::string_view actionCaption() const;
    ChooserMode mode() const { return mode_; }
    const std::vector<std::string>& files() const { return files_; }
    int selected() const { return selected_; }

private:
    void listFiles();
    void fillSteps();
    void editSelected(const std::string& name);
    void deleteSelected(const std::string& name);

    ui::Dialogs& dialogs_;
    ui::Navigator& navigator_;
    const context::EditingContext& context_;
    std::vector<StepFiller*> steps_;

    PromotionRecord record_;
    platform::Lines unchanged_;
    std::string nameoffile_{kNoFileYet};

    bool setUp_ = false;
    ChooserMode mode_ = ChooserMode::Edit;
    std::string heading_{kChooserFirstHeading};
    std::string promptLine_{kEditPrompt};
    std::vector<std::string> files_;
    int selected_ = -1;
};

} // namespace bm::promotion
