#include "gui/ui/screen_view.h"

#include "core/ui/dialogs.h"
#include "gui/ui/text_codec.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>

namespace bm::gui {
namespace {

class EnterPresses : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                if (auto* button = qobject_cast<QAbstractButton*>(watched);
                    button && button->isEnabled()) {
                    button->click();
                    return true;
                }
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

ScreenView::ScreenView(ui::Screen screen, QWidget* parent) : QWidget(parent), screen_(screen) {
    setWindowTitle(toDisplay(ui::kWindowTitle));
}

void ScreenView::closeEvent(QCloseEvent* event) {
    // Closing the start screen is the same as "Exit". Elsewhere the user may
    // be in the middle of an edit, so closing the editor needs a yes.
    if (screen_ != ui::Screen::Start) {
        const auto answer = QMessageBox::question(
            this, toDisplay(ui::kProgramTitle),
            tr("Close the editor? Changes that have not been saved will be lost."),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes) {
            event->ignore();
            return;
        }
    }
    event->accept();
    QApplication::quit();
}

QLabel* makeHeading(const QString& text, QWidget* parent) {
    auto* heading = new QLabel(text, parent);
    QFont font = heading->font();
    font.setPointSizeF(font.pointSizeF() * 1.3);
    font.setBold(true);
    heading->setFont(font);
    return heading;
}

QPushButton* makeButton(const QString& caption, QWidget* parent) {
    static EnterPresses* filter = new EnterPresses(qApp);
    auto* button = new QPushButton(caption, parent);
    button->setAutoDefault(false);
    button->installEventFilter(filter);
    return button;
}

} // namespace bm::gui
