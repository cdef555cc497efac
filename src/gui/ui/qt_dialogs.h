#pragma once

#include "core/ui/dialogs.h"

#include <QDialog>

class QLabel;
class QLineEdit;

namespace bm::gui {

// The text prompt: title, a wrapped message that names the input line for
// screen readers, the input line with the current value, OK and Cancel.
class PromptDialog : public QDialog {
    Q_OBJECT
public:
    PromptDialog(const QString& title, const QString& message, const QString& initial,
                 QWidget* parent = nullptr);
    QString value() const;
    QLineEdit* input() const { return input_; }

private:
    QLabel* message_;
    QLineEdit* input_;
};

class QtDialogs : public ui::Dialogs {
public:
    // Public here so that tests can drive the widget directly.
    std::string askText(std::string_view title, std::string_view message,
                        std::string_view initial) override;
    void message(std::string_view text, ui::Icon icon, std::string_view title) override;
    bool askYesNo(std::string_view text, ui::Icon icon, std::string_view title,
                  ui::Default answer) override;
    ui::BusyPointer busy() override;
};

} // namespace bm::gui
