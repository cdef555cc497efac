// Writes the demo game folder that ./run starts the editor in: invented
// promotions, wrestlers, venues, logos, two scenarios (one of them missing its
// start date and venues files, so the repair can be seen) and a saved game.
// With --wrestlers N the new game data holds N generated wrestlers instead,
// to try the roster at its largest (32767).
#include "demo/big_roster.h"
#include "demo/demo_data.h"
#include "demo/gif_writer.h"

#include "core/platform/line_file.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;
using namespace bm;

namespace {

bool failed = false;

void check(const platform::Status& status) {
    if (!status) {
        std::fprintf(stderr, "bm13demo: %s\n", status.message().c_str());
        failed = true;
    }
}

void writeLines(const fs::path& path, const platform::Lines& lines) {
    fs::create_directories(path.parent_path());
    check(platform::writeLines(path, lines));
}

QImage drawLogo(const demo::Logo& logo) {
    QImage image(160, 96, QImage::Format_RGB32);
    image.fill(QColor::fromRgb(logo.colour));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 4));
    painter.drawRoundedRect(QRectF(6, 6, 148, 84), 12, 12);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(logo.text.size() > 4 ? 20 : 34);
    painter.setFont(font);
    painter.drawText(image.rect(), Qt::AlignCenter, QString::fromStdString(logo.text));
    return image;
}

void writeImage(const fs::path& path, const demo::Logo& logo) {
    fs::create_directories(path.parent_path());
    const QImage image = drawLogo(logo);
    if (path.extension() == ".gif") {
        const QImage indexed = image.convertToFormat(QImage::Format_Indexed8, Qt::AvoidDither);
        demo::IndexedImage gif{indexed.width(), indexed.height(), {}, {}};
        for (const QRgb c : indexed.colorTable()) {
            gif.palette.push_back(c & 0xFFFFFF);
        }
        for (int y = 0; y < indexed.height(); ++y) {
            const uchar* row = indexed.constScanLine(y);
            gif.pixels.insert(gif.pixels.end(), row, row + indexed.width());
        }
        check(platform::writeFileAtomic(path, demo::encodeGif(gif)));
    } else if (!image.save(QString::fromStdString(path.string()))) {
        std::fprintf(stderr, "bm13demo: could not write %s\n", path.string().c_str());
        failed = true;
    }
    // The editor's preview must be able to show every logo.
    const QImage back(QString::fromStdString(path.string()));
    if (back.size() != image.size()) {
        std::fprintf(stderr, "bm13demo: %s does not read back\n", path.string().c_str());
        failed = true;
    }
}

void writeContext(const fs::path& folder, const platform::Lines& mainData,
                  const platform::Lines& wrestlers) {
    writeLines(folder / "maindata.bm1", mainData);
    writeLines(folder / "venues.txt", demo::venueLines());
    writeLines(folder / "wrestlers.bm1", wrestlers);
}

} // namespace

int main(int argc, char* argv[]) {
    long wrestlers = -1; // the demo's own wrestlers
    bool valid = argc == 2;
    if (argc == 4 && std::string(argv[2]) == "--wrestlers") {
        char* end = nullptr;
        wrestlers = std::strtol(argv[3], &end, 10);
        valid = *argv[3] != '\0' && *end == '\0' && wrestlers >= 0 && wrestlers <= 32767;
    }
    if (!valid) {
        std::fprintf(stderr, "usage: bm13demo <new game folder> [--wrestlers 0..32767]\n");
        return 2;
    }
    const fs::path root = fs::absolute(argv[1]);
    std::error_code ec;
    if (fs::exists(root, ec) && !fs::is_empty(root, ec)) {
        std::fprintf(stderr, "bm13demo: %s already exists and is not empty; nothing written.\n",
                     root.string().c_str());
        return 1;
    }
    // Text on the logos needs fonts, which need a GUI application; no display is used.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);

    // New game data.
    writeContext(root / "Data", demo::mainDataLines(), demo::wrestlerLines());
    if (wrestlers >= 0) {
        check(platform::writeFileAtomic(root / "Data" / "wrestlers.bm1",
                                        demo::bigRosterBytes(static_cast<std::size_t>(wrestlers))));
    }
    for (const auto& promotion : demo::dataPromotions()) {
        writeLines(root / "Data" / promotion.fileName, promotion.lines);
    }
    for (const auto& logo : demo::logos()) {
        if (logo.fileName != "gaslight.gif") {
            writeImage(root / "Images" / logo.fileName, logo);
        }
    }

    // A complete scenario, whose own logo lives in its folder.
    const fs::path ready = root / "Scenarios" / "Gaslight Rising";
    writeContext(ready, demo::mainDataLines(), demo::wrestlerLines("Free Agent"));
    writeLines(ready / "scenario.txt", demo::scenarioInfoLines());
    const auto gpw = demo::scenarioPromotion();
    writeLines(ready / gpw.fileName, gpw.lines);
    for (const auto& logo : demo::logos()) {
        if (logo.fileName == "gaslight.gif") {
            writeImage(ready / logo.fileName, logo);
        }
    }

    // A scenario copied in by hand, missing its start date and venues files.
    const fs::path draft = root / "Scenarios" / "Unfinished Draft";
    writeLines(draft / "wrestlers.bm1", {});
    writeLines(draft / "scenario.txt",
               {"Unfinished Draft", "Enter a description here.", "Enter your name here."});

    // A saved game: the marker names the folder, which holds the game's files.
    const std::string saveName = "Harbor Front Career";
    writeLines(root / "slot1.sav", {saveName, "HFW", "Week 17"});
    platform::Lines later = demo::mainDataLines();
    later[2] = "Sunday";
    later[3] = "5";
    later[4] = "December";
    writeContext(root / saveName, later, demo::wrestlerLines());
    for (const auto& promotion : demo::dataPromotions()) {
        writeLines(root / saveName / promotion.fileName, promotion.lines);
    }

    if (failed) {
        return 1;
    }
    std::printf("Demo game folder written to %s\n", root.string().c_str());
    return 0;
}
