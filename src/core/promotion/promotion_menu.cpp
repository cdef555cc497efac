#include "core/promotion/promotion_menu.h"

#include "core/platform/paths.h"
#include "core/text/pattern.h"

#include <string>

namespace bm::promotion {

PromotionMenu::PromotionMenu(ui::Dialogs& dialogs, ui::Navigator& navigator,
                             const context::EditingContext& context, PromotionChooser& chooser)
    : dialogs_(dialogs), navigator_(navigator), context_(context), chooser_(chooser) {}

std::string unusableFilenameMessage(std::string_view name) {
    return "\"" + std::string(name) +
           "\" cannot be used as a file name. A file name must not contain \\ / : * ? \" < > | "
           "or control characters, must not end in a space or a dot, and must not be a "
           "reserved device name such as CON, PRN, AUX, NUL, COM1 or LPT1.";
}

void PromotionMenu::createPromotion() {
    std::string name;
    for (;;) {
        name = dialogs_.prompt(kFilenameTitle, kFilenameMessage, kDefaultFilename);
        if (name.empty()) {
            return;
        }
        // Checked first: a name with separators or ".." would otherwise be
        // looked up outside the context folder.
        if (!platform::isSafeFileName(name)) {
            dialogs_.message(unusableFilenameMessage(name), ui::Icon::Exclamation, kInvalidTitle);
            continue;
        }
        const bool exists = platform::fileExists(context_.pathOf(name));
        const bool fedName = text::matchesPattern(name, kPromotionPattern);
        if (exists) {
            dialogs_.message(kExistsMessage, ui::Icon::None, kExistsTitle);
        }
        if (!fedName) {
            dialogs_.message(kInvalidMessage, ui::Icon::None, kInvalidTitle);
        }
        if (fedName && !exists) {
            break;
        }
    }
    chooser_.createPromotion(std::move(name));
    navigator_.go(ui::Screen::Step1);
}

void PromotionMenu::editPromotion() {
    chooser_.setMode(ChooserMode::Edit);
    navigator_.go(ui::Screen::PromotionChooser);
}

void PromotionMenu::deletePromotion() {
    chooser_.setMode(ChooserMode::Delete);
    navigator_.go(ui::Screen::PromotionChooser);
}

void PromotionMenu::back() {
    navigator_.go(ui::Screen::EditingMenu);
}

} // namespace bm::promotion
