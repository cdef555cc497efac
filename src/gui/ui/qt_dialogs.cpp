#include "gui/ui/qt_dialogs.h"

#include "gui/ui/text_codec.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QVBoxLayout>

namespace bm::gui {
namespace {

QMessageBox::Icon toQt(ui::Icon icon) {
    switch (icon) {
    case ui::Icon::Exclamation:
        return QMessageBox::Warning;
    case ui::Icon::Information:
        return QMessageBox::Information;
    case ui::Icon::Critical:
        return QMessageBox::Critical;
    case ui::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// Dialogs belong to whichever editor window is in front.
QWidget* dialogParent() {
    return QApplication::activeWindow();
}

} // namespace

PromptDialog::PromptDialog(const QString& title, const QString& message, const QString& initial,
                           QWidget* parent)
    : QDialog(parent), message_(new QLabel(message, this)), input_(new QLineEdit(initial, this)) {
    setWindowTitle(title);
    message_->setWordWrap(true);
    message_->setBuddy(input_);
    message_->setMinimumWidth(380);
    input_->selectAll();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(message_);
    layout->addWidget(input_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString PromptDialog::value() const {
    return input_->text();
}

std::string QtDialogs::askText(std::string_view title, std::string_view message,
                               std::string_view initial) {
    PromptDialog dialog(toDisplay(title), toDisplayText(message), toDisplay(initial),
                        dialogParent());
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return toBytes(dialog.value());
}

void QtDialogs::message(std::string_view text, ui::Icon icon, std::string_view title) {
    QMessageBox box(toQt(icon), toDisplay(title), toDisplayText(text), QMessageBox::Ok,
                    dialogParent());
    box.exec();
}

bool QtDialogs::askYesNo(std::string_view text, ui::Icon icon, std::string_view title,
                         ui::Default answer) {
    QMessageBox box(toQt(icon), toDisplay(title), toDisplayText(text),
                    QMessageBox::Yes | QMessageBox::No, dialogParent());
    box.setDefaultButton(answer == ui::Default::No ? QMessageBox::No : QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

ui::BusyPointer QtDialogs::busy() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    return ui::BusyPointer([] { QApplication::restoreOverrideCursor(); });
}

} // namespace bm::gui
