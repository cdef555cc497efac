// Pictures of every window of the editor for the README, taken offscreen on
// a 1366x768 screen over a game folder made by bm13demo: the screens are
// reached as a user reaches them (start screen, "Edit Data For New Games",
// ...), through the models, and each window is grabbed as drawn. Every
// window is checked on the way: it must fit the screen with its frame, and
// no caption or button may have less room than its text needs.
//
//   bm_screenshots [--font-size POINTS] GAME_FOLDER OUTPUT_FOLDER
//
// QT_SCALE_FACTOR=2 takes the same pictures on a 2x display (twice the
// pixels); --font-size as on a desktop with a larger font, where a width
// fixed in pixels would cut text. Exit status 1 when a window failed a check
// or a screen could not be reached; 2 for a usage error.
#include "core/platform/line_file.h"
#include "core/ui/dialogs.h"
#include "gui/app/gui_app.h"
#include "gui/roster/grid_view.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryFile>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <unordered_set>
#include <vector>

namespace {

using namespace bm;

constexpr int kScreenWidth = 1366;
constexpr int kScreenHeight = 768;
// Title bar and borders that the window system adds around a window.
constexpr int kFrameAllowance = 30;

std::vector<std::string> problems;

void problem(std::string text) {
    std::fprintf(stderr, "bm_screenshots: %s\n", text.c_str());
    problems.push_back(std::move(text));
}

// The boxes the walk expects, in order, with their answers. Any other box
// means a screen misbehaved on the demo folder: it is reported and answered
// with Cancel / No.
class WalkDialogs : public ui::Dialogs {
public:
    void expect(std::string text, bool answer = true) {
        expected_.push_back({std::move(text), answer});
    }
    void message(std::string_view text, ui::Icon, std::string_view) override { shown(text); }
    bool askYesNo(std::string_view text, ui::Icon, std::string_view, ui::Default) override {
        return shown(text);
    }
    ui::BusyPointer busy() override { return {}; }

protected:
    std::string askText(std::string_view title, std::string_view, std::string_view) override {
        problem("unexpected prompt: " + std::string(title));
        return {};
    }

private:
    bool shown(std::string_view text) {
        if (expected_.empty() || expected_.front().first != text) {
            problem("unexpected box: " + std::string(text));
            return false;
        }
        const bool answer = expected_.front().second;
        expected_.pop_front();
        return answer;
    }
    std::deque<std::pair<std::string, bool>> expected_;
};

// The row of an entry in a list the user sees, or -1 (reported).
int rowOf(const std::vector<std::string>& list, std::string_view entry) {
    const auto it = std::find(list.begin(), list.end(), entry);
    if (it == list.end()) {
        problem("no \"" + std::string(entry) + "\" to choose");
        return -1;
    }
    return static_cast<int>(it - list.begin());
}

// A window too large for the screen with its frame, and texts given less
// room than they need.
void checkFits(const std::string& name, QWidget* window) {
    const QSize size = window->frameSize();
    if (size.width() + kFrameAllowance > kScreenWidth ||
        size.height() + kFrameAllowance > kScreenHeight) {
        problem(name + ": " + std::to_string(size.width()) + "x" + std::to_string(size.height()) +
                " does not fit a 1366x768 screen");
    }
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window)) {
            continue;
        }
        QSize needed;
        QString text;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            text = label->text();
            needed = label->wordWrap() ? QSize(0, label->heightForWidth(label->width()))
                                       : label->sizeHint();
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
            // The text against the room inside the bevel; the style's wider
            // sizeHint is for looks.
            text = button->text();
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = text;
            if (button->autoDefault()) {
                option.features |= QStyleOptionButton::AutoDefaultButton;
            }
            const QRect inside =
                button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            needed =
                button->fontMetrics().size(Qt::TextShowMnemonic, text) + w->size() - inside.size();
        } else if (auto* other = qobject_cast<QAbstractButton*>(w)) {
            text = other->text();
            needed = other->sizeHint();
        }
        if (!text.isEmpty() && (needed.width() > w->width() || needed.height() > w->height())) {
            problem(name + ": \"" + text.toStdString() + "\" needs " +
                    std::to_string(needed.width()) + "x" + std::to_string(needed.height()) +
                    " but has " + std::to_string(w->width()) + "x" + std::to_string(w->height()));
        }
    }
}

// A window picture holds few colours; with 256 or fewer it is stored with a
// palette, which loses nothing and keeps the file a fraction of the size.
QImage compact(const QImage& picture) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    std::unordered_set<QRgb> colours;
    for (int y = 0; y < rgb.height() && colours.size() <= 256; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        colours.insert(line, line + rgb.width());
    }
    return colours.size() <= 256 ? rgb.convertToFormat(QImage::Format_Indexed8, Qt::AvoidDither)
                                 : rgb;
}

void save(QWidget* window, const std::filesystem::path& file) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    // Quality 0 is the strongest PNG compression.
    if (!compact(window->grab().toImage()).save(&buffer, "PNG", 0)) {
        problem("could not encode " + file.string());
        return;
    }
    if (const auto status = platform::writeFileAtomic(
            file, std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
        !status) {
        problem(status.message());
    }
}

struct Shot {
    const char* name;            // the picture's file name, without ".png"
    std::function<void()> reach; // from the window of the shot before
    ui::Screen window;
};

// A click on a cell of the data grid of a window.
void clickCell(const QWidget* window, int row, int column) {
    auto* grid = window ? window->findChild<gui::GridView*>() : nullptr;
    const QModelIndex cell = grid ? grid->model()->index(row, column) : QModelIndex();
    if (!cell.isValid()) {
        problem("no cell " + std::to_string(row) + ", " + std::to_string(column) + " to click");
        return;
    }
    grid->setCurrentIndex(cell);
    Q_EMIT grid->clicked(cell);
}

std::vector<Shot> walk(gui::GuiApp& app, WalkDialogs& dialogs) {
    using context::MenuButton;
    app::Editor& e = app.editor();
    const auto window = [&app](ui::Screen screen) { return app.navigator().window(screen); };
    using Row = calendar::DateCalculator::Row;
    using Part = calendar::DateCalculator::Part;
    const auto step = [](promotion::Step& s) { return [&s] { s.next(); }; };
    const auto chooseDate = [&e](Row row, const char* weekday, const char* day, const char* month,
                                 const char* year) {
        e.calculator.choose(row, Part::Weekday, weekday);
        e.calculator.choose(row, Part::Day, day);
        e.calculator.choose(row, Part::Month, month);
        e.calculator.choose(row, Part::Year, year);
    };
    return {
        {"start_screen", [] {}, ui::Screen::Start},
        {"editing_menu", [&e] { e.start.editNewGameData(); }, ui::Screen::EditingMenu},
        {"promotion_menu", [&e] { e.menu.press(MenuButton::Promotions); },
         ui::Screen::PromotionMenu},
        {"promotion_chooser",
         [&e] {
             e.promotionMenu.editPromotion();
             e.chooser.select(rowOf(e.chooser.files(), "ccw.fed"));
         },
         ui::Screen::PromotionChooser},
        {"step1", [&e] { e.chooser.act(); }, ui::Screen::Step1},
        {"image_picker",
         [&e] {
             e.step1.pickLogo();
             e.picker.select(rowOf(e.picker.files(), "ccw.bmp"));
         },
         ui::Screen::ImagePicker},
        {"step2",
         [&e] {
             e.picker.makeNoChanges();
             e.step1.next();
         },
         ui::Screen::Step2},
        {"step3", step(e.step2), ui::Screen::Step3},
        {"step4", step(e.step3), ui::Screen::Step4},
        {"step5", step(e.step4), ui::Screen::Step5},
        {"step6", step(e.step5), ui::Screen::Step6},
        {"date_calculator",
         [&e, chooseDate] {
             e.step6.openCalculator();
             chooseDate(Row::TitleWon, "Saturday", "14", "February", "2004");
             chooseDate(Row::GameStart, "Wednesday", "18", "August", "2004");
             e.calculator.calculate();
         },
         ui::Screen::DateCalculator},
        {"step7",
         [&e] {
             e.calculator.close();
             e.step6.next();
         },
         ui::Screen::Step7},
        {"step8", step(e.step7), ui::Screen::Step8},
        {"start_date",
         [&e, &dialogs] {
             dialogs.expect("ccw.fed saved OK.");
             e.step8.next(); // "SAVE" of the unchanged promotion, back to the promotion menu
             e.promotionMenu.back();
             e.menu.press(MenuButton::StartDate);
         },
         ui::Screen::StartDate},
        {"roster_screen",
         [&e] {
             e.startDate.backToMenu();
             e.menu.press(MenuButton::Wrestlers);
         },
         ui::Screen::Roster},
        {"stat_editor",
         [window] {
             clickCell(window(ui::Screen::Roster), 0, roster::kNameColumn);
             clickCell(window(ui::Screen::StatEditor), static_cast<int>(roster::Field::multiproms),
                       1);
         },
         ui::Screen::StatEditor},
        {"roster_bulk_tools",
         [&e] {
             e.statEditor.cancel();
             e.statEditor.close();
             e.rosterScreen.sortByPromotion();
             e.bulkTools.type(roster::Box::RenameFrom, "HFW");
             e.bulkTools.type(roster::Box::RenameTo, "CCW");
         },
         ui::Screen::Roster},
        {"venues",
         [&e, &dialogs] {
             e.bulkTools.type(roster::Box::RenameFrom, "");
             e.bulkTools.type(roster::Box::RenameTo, "");
             dialogs.expect("Save changes before leaving?", false); // the new order
             e.rosterScreen.done();
             e.menu.press(MenuButton::Venues);
             e.venueEditor.selectName(0);
         },
         ui::Screen::Venues},
        {"date_check",
         [&e] {
             e.venueEditor.backToMenu();
             e.menu.backToMenu();
             e.start.editSavedGame();
             e.start.select(rowOf(e.start.items(), "Harbor Front Career"));
             e.start.ok();
             e.menu.press(MenuButton::CheckDates);
         },
         ui::Screen::EditingMenu},
        {"scenario_check",
         [&e] {
             e.menu.closeReport();
             e.menu.backToMenu();
             e.start.editScenario();
             e.start.select(rowOf(e.start.items(), "Gaslight Rising"));
             e.start.ok();
             e.menu.press(MenuButton::CheckScenario);
         },
         ui::Screen::EditingMenu},
        {"scenario_info",
         [&e] {
             e.menu.closeReport();
             e.menu.press(MenuButton::ScenarioInfo);
         },
         ui::Screen::ScenarioInfo},
    };
}

} // namespace

int main(int argc, char* argv[]) {
    std::vector<std::string> args(argv + 1, argv + argc);
    double fontSize = 0; // the platform's own
    if (args.size() == 4 && args[0] == "--font-size") {
        fontSize = std::atof(args[1].c_str());
        args.erase(args.begin(), args.begin() + 2);
    }
    if (args.size() != 2 || fontSize < 0) {
        std::fputs("usage: bm_screenshots [--font-size POINTS] GAME_FOLDER OUTPUT_FOLDER\n",
                   stderr);
        return 2;
    }
    std::error_code error;
    const std::filesystem::path output = std::filesystem::absolute(args[1], error);
    std::filesystem::create_directories(output, error);
    if (!error) {
        std::filesystem::current_path(args[0], error);
    }
    if (error) {
        std::fprintf(stderr, "bm_screenshots: %s\n", error.message().c_str());
        return 2;
    }

    // An offscreen screen of 1366x768 logical pixels: windows are sized
    // against it as on a small laptop, at any scale factor.
    const double scale = std::max(1.0, qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble());
    QTemporaryFile screenConfig(QDir::tempPath() + "/bm_screenshots-XXXXXX.json");
    if (!screenConfig.open()) {
        std::fputs("bm_screenshots: no temporary file for the screen\n", stderr);
        return 2;
    }
    screenConfig.write(QStringLiteral(R"({"screens": [{"name": "gallery", "x": 0, "y": 0,
        "width": %1, "height": %2, "logicalDpi": 96}]})")
                           .arg(qRound(kScreenWidth * scale))
                           .arg(qRound(kScreenHeight * scale))
                           .toUtf8());
    screenConfig.flush();
    const QByteArray platform = "offscreen:configfile=" + screenConfig.fileName().toUtf8();
    setenv("QT_QPA_PLATFORM", platform.constData(), 1);

    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    if (fontSize > 0) {
        QFont font = QApplication::font();
        font.setPointSizeF(fontSize);
        QApplication::setFont(font);
    }

    WalkDialogs dialogs;
    gui::GuiApp app(dialogs);
    if (!app.start()) {
        problem("the demo folder did not pass the start-up check");
        return 1;
    }
    for (const Shot& shot : walk(app, dialogs)) {
        shot.reach();
        QApplication::processEvents();
        QWidget* window = app.navigator().window(shot.window);
        if (!window || !window->isVisible()) {
            problem(std::string(shot.name) + ": the window is not shown");
            continue;
        }
        checkFits(shot.name, window);
        save(window, output / (std::string(shot.name) + ".png"));
        std::printf("%s.png\n", shot.name);
    }
    return problems.empty() ? 0 : 1;
}
