#pragma once

#include "core/context/editing_context.h"
#include "core/promotion/promotion_chooser.h"
#include "core/ui/dialogs.h"
#include "core/ui/model.h"
#include "core/ui/navigator.h"

#include <string_view>

namespace bm::promotion {

inline constexpr std::string_view kPromotionMenuHeading = "Editing Promotions";
inline constexpr std::string_view kCreateButton = "Create a New Promotion";
inline constexpr std::string_view kEditButton = "Edit an Existing Promotion";
inline constexpr std::string_view kDeleteButton = "Delete a Promotion";
inline constexpr std::string_view kMenuBackButton = "Back";
inline constexpr std::string_view kAboutHeading = "About Creating Promotions";
inline constexpr std::string_view kAboutText =
    "Each promotion in Brawlmark 1.3 has its own .fed file. If you download a new .fed file, "
    "putting it into your Data folder in the Brawlmark folder will automatically add it to the "
    "next new game. You can have up to 10 promotions involved in a Brawlmark game, not "
    "including a new indy.";

inline constexpr std::string_view kFilenameTitle = "Filename";
inline constexpr std::string_view kFilenameMessage =
    "Please enter a filename for this new promotion.";
inline constexpr std::string_view kDefaultFilename = "bmf.fed";
inline constexpr std::string_view kExistsTitle = "File Already Exists";
inline constexpr std::string_view kExistsMessage =
    "There is already a file in this directory with that name. Please choose a different name.";
inline constexpr std::string_view kInvalidTitle = "Filename Invalid";
inline constexpr std::string_view kInvalidMessage = "The filename must end in .fed.";

// The entry to the promotion editor: create a promotion, or open the chooser
// to edit or delete one.
class PromotionMenu : public ui::Model {
public:
    PromotionMenu(ui::Dialogs& dialogs, ui::Navigator& navigator,
                  const context::EditingContext& context, PromotionChooser& chooser);

    // Asks for a new file name until one is free and ends in ".fed", or the
    // user gives up; nothing reaches the disk before the save at step 8.
    void createPromotion();
    void editPromotion();
    void deletePromotion();
    void back();

private:
    ui::Dialogs& dialogs_;
    ui::Navigator& navigator_;
    const context::EditingContext& context_;
    PromotionChooser& chooser_;
};

// The refusal of a name that the file system cannot hold on every platform
// the game runs on; such a name would only fail at the save.
std::string unusableFilenameMessage(std::string_view name);

} // namespace bm::promotion
