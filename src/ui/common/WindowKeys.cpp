#include "WindowKeys.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace mobwright {
namespace {

class PageKeys : public QObject
{
    Q_OBJECT

public:
    PageKeys(QWidget &window, std::function<void(int)> step)
        : QObject(&window)
        , window_(window)
        , step_(std::move(step))
    {
    }

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || !object->isWidgetType() ||
            static_cast<QWidget *>(object)->window() != &window_)
            return QObject::eventFilter(object, event);
        const int step = PageStep(*static_cast<QKeyEvent *>(event));
        if (step != 0)
            step_(step);
        return step != 0;
    }

private:
    QWidget &window_;
    std::function<void(int)> step_;
};

} // namespace

QList<QKeySequence> StandardKeysOr(QKeySequence::StandardKey key, const QKeySequence &fallback)
{
    const QList<QKeySequence> keys = QKeySequence::keyBindings(key);
    return keys.isEmpty() ? QList<QKeySequence>{fallback} : keys;
}

int PageStep(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    const bool back = event.key() == Qt::Key_Backtab;
    if ((event.key() != Qt::Key_Tab && !back) || !(modifiers & Qt::ControlModifier) ||
        (modifiers & ~(Qt::ControlModifier | Qt::ShiftModifier)))
        return 0;
    return back || (modifiers & Qt::ShiftModifier) ? -1 : 1;
}

void StepPagesOnKeys(QWidget &window, std::function<void(int step)> step)
{
    // Seen before the control with the focus: a list would take the key
    // to search its entries.
    qApp->installEventFilter(new PageKeys(window, std::move(step)));
}

} // namespace mobwright

#include "WindowKeys.moc"
