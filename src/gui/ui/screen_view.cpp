#include "gui/ui/screen_view.h"

#include "core/ui/dialogs.h"
#include "gui/ui/text_codec.h"

#include <QApplication>
#include <QKeyEvent>

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
