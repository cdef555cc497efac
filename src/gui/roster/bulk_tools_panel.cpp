#include "gui/roster/bulk_tools_panel.h"

#include "gui/ui/caption.h"
#include "gui/ui/screen_view.h"
#include "gui/ui/text_codec.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace bm::gui {

BulkToolsPanel::BulkToolsPanel(roster::BulkTools& model, QWidget* parent)
    : QWidget(parent), model_(model) {
    // Caption, box, caption, box, Go: the one-box row leaves the middle empty.
    auto* rows = new QGridLayout;
    rows->setHorizontalSpacing(8);
    rows->setColumnStretch(1, 1);
    rows->setColumnStretch(3, 1);
    for (const auto& info : roster::kToolRows) {
        const int row = static_cast<int>(info.row);
        for (int b = 0; b < info.boxes; ++b) {
            const auto index = static_cast<std::size_t>(info.first) + static_cast<std::size_t>(b);
            // The caption first, so that it is read out before its box.
            auto* label = new QLabel(this);
            auto* edit = new QLineEdit(this);
            edit->setMaxLength(std::numeric_limits<int>::max());
            // Room for a promotion's initials, or for a file name; a longer
            // one scrolls. Wider boxes would push the roster screen past a
            // 1366-pixel screen with a larger desktop font.
            const bool fileName = index == static_cast<std::size_t>(roster::Box::ExportFile);
            edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(
                QString(fileName ? 16 : 12, QLatin1Char('x'))));
            setCaption(label, edit, toDisplay(roster::kBoxCaptions[index]));
            rows->addWidget(label, row, 2 * b);
            rows->addWidget(edit, row, 2 * b + 1);
            boxes[index] = edit;
            captions[index] = label;
            connect(edit, &QLineEdit::textEdited, this, [this, index](const QString& text) {
                model_.type(static_cast<roster::Box>(index), toBytes(text));
            });
            // Enter in a box runs its row.
            connect(edit, &QLineEdit::returnPressed, this, [this, r = info.row] { model_.go(r); });
        }
        auto* go = makeButton(toDisplay(roster::kGo), this);
        go->setAccessibleName(toDisplay(info.goName));
        go->setMinimumWidth(60);
        rows->addWidget(go, row, 4);
        goButtons[static_cast<std::size_t>(row)] = go;
        connect(go, &QPushButton::clicked, this, [this, r = info.row] { model_.go(r); });
    }

    expiryButton = makeButton(toDisplay(roster::kCreateAutoExpiryDates), this);
    exportRosterButton = makeButton(toDisplay(roster::kExportIntoAnotherFile), this);
    auto* buttons = new QHBoxLayout;
    for (auto* b : {expiryButton, exportRosterButton}) {
        b->setMinimumHeight(30);
        buttons->addWidget(b);
    }
    buttons->addStretch();
    connect(expiryButton, &QPushButton::clicked, this, [this] { model_.createAutoExpiryDates(); });
    connect(exportRosterButton, &QPushButton::clicked, this,
            [this] { model_.exportIntoAnotherFile(); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(rows);
    layout->addLayout(buttons);

    // Tab runs along each row, then down to the buttons.
    QWidget* previous = nullptr;
    for (const auto& info : roster::kToolRows) {
        for (int b = 0; b < info.boxes; ++b) {
            QWidget* next =
                boxes[static_cast<std::size_t>(info.first) + static_cast<std::size_t>(b)];
            if (previous) {
                setTabOrder(previous, next);
            }
            previous = next;
        }
        setTabOrder(previous, goButtons[static_cast<std::size_t>(info.row)]);
        previous = goButtons[static_cast<std::size_t>(info.row)];
    }
    setTabOrder(previous, expiryButton);
    setTabOrder(expiryButton, exportRosterButton);

    subscription_ = model_.subscribe([this] { render(); });
    render();
}

void BulkToolsPanel::render() {
    for (std::size_t i = 0; i < roster::kBoxCount; ++i) {
        const QString text = toDisplay(model_.text(static_cast<roster::Box>(i)));
        if (boxes[i]->text() != text) {
            // A line break just pasted became a blank: keep the cursor in place.
            const QSignalBlocker blocker(boxes[i]);
            const int cursor = boxes[i]->cursorPosition();
            boxes[i]->setText(text);
            boxes[i]->setCursorPosition(std::min<int>(cursor, static_cast<int>(text.size())));
        }
    }
}

} // namespace bm::gui
