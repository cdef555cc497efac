#include "gui/roster/stat_editor_view.h"

#include "core/ui/bar.h"
#include "core/ui/choice.h"
#include "gui/roster/grid_view.h"
#include "gui/ui/bar.h"
#include "gui/ui/caption.h"
#include "gui/ui/choice_box.h"
#include "gui/ui/text_codec.h"
#include "gui/ui/twips.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QComboBox>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <limits>

namespace bm::gui {

using roster::StatEditor;

// The 31 stats: captions white and bold on navy, values as the editor
// shows them. Only the values can be selected, so the current cell is
// always the value of the row the keyboard is on.
class StatGridModel : public QAbstractTableModel {
public:
    StatGridModel(const StatEditor& editor, QObject* parent)
        : QAbstractTableModel(parent), editor_(editor) {}

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : StatEditor::rowCount();
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : 2;
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        return index.column() == 0 ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid()) {
            return {};
        }
        const auto row = static_cast<std::size_t>(index.row());
        if (index.column() == 0) {
            switch (role) {
            case Qt::DisplayRole:
                return toDisplay(StatEditor::caption(index.row()));
            case Qt::BackgroundRole:
                return QColor(QRgb(roster::kCaptionBackground));
            case Qt::ForegroundRole:
                return QColor(QRgb(roster::kCaptionText));
            case Qt::FontRole: {
                QFont bold;
                bold.setBold(true);
                return bold;
            }
            default:
                return {};
            }
        }
        switch (role) {
        case Qt::DisplayRole:
        case Qt::ToolTipRole: // a long value is cut in the cell
            return shown_[row];
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
        default:
            return {};
        }
    }

    // Repaints the values that changed since they were last drawn.
    void refresh() {
        for (int row = 0; row < StatEditor::rowCount(); ++row) {
            QString value = toDisplay(editor_.value(row));
            auto& shown = shown_[static_cast<std::size_t>(row)];
            if (shown != value) {
                shown = std::move(value);
                Q_EMIT dataChanged(index(row, 1), index(row, 1));
            }
        }
    }

private:
    const StatEditor& editor_;
    std::array<QString, roster::kFieldCount> shown_;
};

namespace {

// A label that names its control: a wrestler's name with "&" in it stays
// as written rather than becoming a keyboard mnemonic.
void setNameCaption(QLabel* label, QWidget* control, const QString& text) {
    label->setText(QString(text).replace(QLatin1Char('&'), QStringLiteral("&&")));
    label->setBuddy(control);
    control->setAccessibleName(text);
}

} // namespace

StatEditorView::StatEditorView(StatEditor& model, QWidget* parent)
    : ScreenView(ui::Screen::StatEditor, parent), model_(model) {
    heading = makeHeading(QString(), this);
    heading->setTextFormat(Qt::PlainText);

    grid = new GridView(1, this);
    gridModel_ = new StatGridModel(model_, grid);
    grid->setModel(gridModel_);
    grid->horizontalHeader()->hide();
    // The game's width for the captions, or more where a larger desktop
    // font needs it: a caption cut short names no stat.
    QFont bold; // as the captions are drawn
    bold.setBold(true);
    const QFontMetrics captionMetrics(bold);
    int widestCaption = 0;
    for (int row = 0; row < StatEditor::rowCount(); ++row) {
        widestCaption = std::max(
            widestCaption, captionMetrics.horizontalAdvance(toDisplay(StatEditor::caption(row))));
    }
    const int cellMargins =
        2 * (grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1) + 1;
    grid->setColumnWidth(
        0, std::max(twipsToPixels(roster::kCaptionColumnTwips, this), widestCaption + cellMargins));
    grid->setColumnWidth(1, twipsToPixels(roster::kValueColumnTwips, this));
    grid->setFixedWidth(grid->columnWidth(0) + grid->columnWidth(1) +
                        grid->verticalScrollBar()->sizeHint().width() + 2 * grid->frameWidth());
    grid->setMinimumHeight(24 * grid->verticalHeader()->defaultSectionSize() +
                           2 * grid->frameWidth());

    editingCaption = new QLabel(this);
    QFont captionFont = editingCaption->font();
    captionFont.setBold(true);
    editingCaption->setFont(captionFont);
    editingCaption->setTextFormat(Qt::PlainText);

    // The three inputs share one place; the caption names whichever shows.
    // They stay siblings of the caption, which is how screen readers find it.
    textBox = new QLineEdit(this);
    textBox->setMaxLength(std::numeric_limits<int>::max());
    textBox->setMinimumWidth(380);
    choiceBox = new QComboBox(this);
    choiceBox->setEditable(true);
    choiceBox->setInsertPolicy(QComboBox::NoInsert);
    // What is typed is checked exactly as typed; no completion changes it.
    choiceBox->setCompleter(nullptr);
    choiceBox->lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    scrollBar = makeBar(ui::Bar(roster::kScrollMin, roster::kScrollMax), this);
    scrollBar->setSingleStep(roster::kScrollStep);
    scrollBar->setPageStep(roster::kScrollPage);
    numberLabel = new QLabel(this);
    numberLabel->setTextFormat(Qt::PlainText);
    numberLabel->setMinimumWidth(
        numberLabel->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
    auto* inputs = new QGridLayout;
    inputs->setColumnStretch(0, 1);
    inputs->addWidget(textBox, 0, 0, 1, 2);
    inputs->addWidget(choiceBox, 0, 0, 1, 2);
    inputs->addWidget(scrollBar, 0, 0);
    inputs->addWidget(numberLabel, 0, 1);
    inputs->setRowMinimumHeight(0, choiceBox->sizeHint().height());
    for (QWidget* input : {static_cast<QWidget*>(textBox), static_cast<QWidget*>(choiceBox),
                           static_cast<QWidget*>(scrollBar)}) {
        input->installEventFilter(this);
        input->hide();
    }
    numberLabel->hide();

    applyButton = makeButton(toDisplay(roster::kStatOk), this);
    cancelButton = makeButton(toDisplay(roster::kStatCancel), this);
    for (auto* b : {applyButton, cancelButton}) {
        b->setMinimumSize(100, 30);
        // Kept in place while hidden, so the help below never jumps.
        QSizePolicy policy = b->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        b->setSizePolicy(policy);
    }
    help = new QLabel(this);
    help->setTextFormat(Qt::PlainText);
    help->setWordWrap(true);
    help->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    help->setFixedWidth(380);
    help->setMinimumHeight(9 * help->fontMetrics().lineSpacing());
    // Idle there is no help: nothing to read out, and nothing moves.
    QSizePolicy helpPolicy = help->sizePolicy();
    helpPolicy.setRetainSizeWhenHidden(true);
    help->setSizePolicy(helpPolicy);

    closeButton = makeButton(toDisplay(roster::kCloseEditor), this);
    deleteButton = makeButton(toDisplay(roster::kDeleteWrestler), this);
    closeButton->setMinimumSize(120, 32);
    deleteButton->setMinimumSize(180, 32);

    auto* statButtons = new QHBoxLayout;
    statButtons->addWidget(applyButton);
    statButtons->addWidget(cancelButton);
    statButtons->addStretch();
    auto* side = new QVBoxLayout;
    side->addWidget(editingCaption);
    side->addLayout(inputs);
    side->addLayout(statButtons);
    side->addSpacing(8);
    side->addWidget(help);
    side->addStretch();
    auto* body = new QHBoxLayout;
    body->addWidget(grid, 1);
    body->addSpacing(12);
    body->addLayout(side);
    auto* leave = new QHBoxLayout;
    leave->addWidget(closeButton);
    leave->addWidget(deleteButton);
    leave->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addWidget(heading);
    layout->addLayout(body, 1);
    layout->addLayout(leave);

    connect(grid, &GridView::cellChosen, this,
            [this](int row, int column) { model_.clickCell(row, column); });
    connect(textBox, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.typeText(toBytes(text)); });
    // Chosen from the list or typed: both are the list's text.
    connect(choiceBox, &QComboBox::editTextChanged, this,
            [this](const QString& text) { model_.typeChoice(toBytes(text)); });
    // valueChanged follows a drag as it happens.
    connect(scrollBar, &QScrollBar::valueChanged, this,
            [this](int value) { model_.moveScroll(value); });
    connect(applyButton, &QPushButton::clicked, this, [this] { model_.apply(); });
    connect(cancelButton, &QPushButton::clicked, this, [this] { model_.cancel(); });
    connect(closeButton, &QPushButton::clicked, this, [this] { model_.close(); });
    connect(deleteButton, &QPushButton::clicked, this, [this] { model_.deleteWrestler(); });

    watch(model_, [this] { render(); });
    render();
}

QWidget* StatEditorView::currentInput() const {
    const auto input = model_.input();
    if (!input) {
        return nullptr;
    }
    switch (*input) {
    case roster::Input::Text:
        return textBox;
    case roster::Input::Choice:
        return choiceBox;
    case roster::Input::Scroll:
        return scrollBar;
    }
    return nullptr;
}

void StatEditorView::render() {
    const QString name = toDisplay(model_.heading());
    setNameCaption(heading, grid, name);
    gridModel_->refresh();

    const bool editing = model_.editing();
    grid->setEnabled(!editing);
    closeButton->setEnabled(!editing);
    deleteButton->setEnabled(!editing);
    applyButton->setVisible(editing);
    cancelButton->setVisible(editing);
    editingCaption->setText(toDisplay(model_.editingCaption()));
    help->setText(toDisplayText(model_.help()));
    help->setVisible(!help->text().isEmpty());

    const auto input = model_.input();
    textBox->setVisible(input == roster::Input::Text);
    choiceBox->setVisible(input == roster::Input::Choice);
    scrollBar->setVisible(input == roster::Input::Scroll);
    numberLabel->setVisible(input == roster::Input::Scroll);
    if (!input) {
        editingCaption->setBuddy(nullptr);
    } else if (*input == roster::Input::Text) {
        const QString text = toDisplay(model_.textBox());
        if (textBox->text() != text) {
            // A line break just pasted became a blank: keep the cursor in place.
            const QSignalBlocker blocker(textBox);
            const int cursor = textBox->cursorPosition();
            textBox->setText(text);
            textBox->setCursorPosition(wasEditing_
                                           ? std::min<int>(cursor, static_cast<int>(text.size()))
                                           : static_cast<int>(text.size()));
        }
    } else if (*input == roster::Input::Choice) {
        showChoices();
    } else {
        ui::Bar bar(roster::kScrollMin, roster::kScrollMax);
        bar.move(model_.scrollValue());
        showBar(scrollBar, bar);
        numberLabel->setText(toDisplay(model_.numberLabel()));
    }
    if (QWidget* shown = currentInput()) {
        // Read out as the stat it edits, with its help and, for the bar,
        // the value beside it ("Inj" is no number the bar could tell).
        setCaption(editingCaption, shown, editingCaption->text());
        shown->setAccessibleDescription(shown == scrollBar ? numberLabel->text() : help->text());
        for (auto* b : {applyButton, cancelButton}) {
            b->setAccessibleDescription(editingCaption->text());
        }
    }

    if (editing && !wasEditing_) {
        currentInput()->setFocus();
    } else if (!editing && wasEditing_) {
        grid->setFocus();
    }
    wasEditing_ = editing;
}

void StatEditorView::showChoices() {
    const auto entries = model_.choices();
    bool same = choiceBox->count() == static_cast<int>(entries.size());
    for (int i = 0; same && i < choiceBox->count(); ++i) {
        same = choiceBox->itemText(i) == toDisplay(entries[static_cast<std::size_t>(i)]);
    }
    // Redrawn only when it differs, so typing keeps its cursor.
    const QString text = toDisplay(model_.choiceText());
    if (same && choiceBox->currentText() == text) {
        return;
    }
    ui::Choice choice(entries);
    choice.show(model_.choiceText());
    showChoice(choiceBox, choice);
    const QSignalBlocker blocker(choiceBox);
    choiceBox->setEditText(text);
}

void StatEditorView::showEvent(QShowEvent* event) {
    ScreenView::showEvent(event);
    // Every wrestler opens at the top of the stats.
    grid->scrollToTop();
    grid->setCurrentIndex(gridModel_->index(0, 1));
    if (QWidget* input = currentInput()) {
        input->setFocus();
    } else {
        grid->setFocus();
    }
}

bool StatEditorView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched == currentInput()) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            model_.apply();
            return true;
        case Qt::Key_Escape:
            model_.cancel();
            return true;
        default:
            break;
        }
    }
    return ScreenView::eventFilter(watched, event);
}

void StatEditorView::keyPressEvent(QKeyEvent* event) {
    // Escape from anywhere in the window, the stat buttons included.
    if (event->key() == Qt::Key_Escape && model_.editing()) {
        model_.cancel();
        return;
    }
    ScreenView::keyPressEvent(event);
}

} // namespace bm::gui
