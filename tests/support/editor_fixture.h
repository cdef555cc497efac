#pragma once

#include "core/app/editor.h"
#include "support/recording_navigator.h"
#include "support/scripted_dialogs.h"
#include "support/temp_game_folder.h"

#include <gtest/gtest.h>

namespace bm::test {

// The whole editor on a temporary game folder, with scripted dialogs.
class EditorTest : public testing::Test {
protected:
    TempGameFolder game;
    ScriptedDialogs dialogs;
    RecordingNavigator navigator;
    app::Editor editor{dialogs, navigator};

    // The last box shown; fails the test when there was none.
    const ScriptedDialogs::Shown& lastShown() const {
        static const ScriptedDialogs::Shown kNone{};
        if (dialogs.shown().empty()) {
            ADD_FAILURE() << "no dialog was shown";
            return kNone;
        }
        return dialogs.shown().back();
    }
};

} // namespace bm::test
