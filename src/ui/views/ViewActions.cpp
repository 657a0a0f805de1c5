#include "ViewActions.h"

#include "ChartModule.h"
#include "ImageSession.h"
#include "Prompter.h"
#include "RecordBytesView.h"
#include "Settings.h"

#include <QAction>
#include <QEvent>
#include <QMainWindow>
#include <QMenu>
#include <QScreen>

namespace mobwright {
namespace {

QString GeometryKey(const QWidget &view)
{
    return QStringLiteral("views/%1/geometry").arg(view.objectName());
}

} // namespace

ViewActions::ViewActions(const WindowParts &parts, EnemyEditor &editor, TableActions &table)
    : QObject(&parts.window)
    , parts_(parts)
    , editor_(editor)
    , table_(table)
    , bytes_(new QAction(tr("Record &Bytes"), this))
    , chart_(new QAction(tr("&Chart"), this))
{
    bytes_->setObjectName(QStringLiteral("mnuRecordBytes"));
    connect(bytes_, &QAction::triggered, this, &ViewActions::showBytes);
    chart_->setObjectName(QStringLiteral("mnuChart"));
    connect(chart_, &QAction::triggered, this, &ViewActions::showChart);
    connect(&parts_.session, &ImageSession::opened, this, &ViewActions::showState);
    connect(&parts_.session, &ImageSession::closed, this, &ViewActions::showState);
    showState();
}

void ViewActions::addViewEntries(QMenu *view)
{
    view->addActions({bytes_, chart_});
}

void ViewActions::showState()
{
    for (QAction *action : {bytes_, chart_})
        action->setEnabled(parts_.session.isOpen());
}

void ViewActions::closeViews()
{
    for (QWidget *view : std::initializer_list<QWidget *>{bytesView_, chartView_}) {
        if (view)
            view->close();
    }
}

void ViewActions::showBytes()
{
    if (!bytesView_) {
        bytesView_ = new RecordBytesView(parts_.session, editor_, &parts_.window);
        connect(bytesView_, &RecordBytesView::refused, this,
                [this](const QString &message) { parts_.prompter.warn(bytesView_, message); });
    }
    bringUp(*bytesView_);
}

void ViewActions::showChart()
{
    if (!chartView_) {
        const OpenedChart opened = OpenChartView(parts_, table_, &parts_.window);
        if (!opened.view) {
            parts_.prompter.warn(&parts_.window, opened.failure);
            return;
        }
        chartView_ = opened.view;
    }
    bringUp(*chartView_);
}

void ViewActions::bringUp(QWidget &view)
{
    if (view.isVisible()) {
        view.raise();
        view.activateWindow();
        return;
    }
    if (!view.property("placed").toBool()) {
        view.setProperty("placed", true);
        // The first time, no bigger than the screen beside the window.
        const QSize room = parts_.window.screen()->availableGeometry().size() * 0.9;
        view.resize(view.size().boundedTo(room));
        view.restoreGeometry(parts_.settings->value(GeometryKey(view)).toByteArray());
        view.installEventFilter(this);
    }
    view.show();
}

// A view's size and place are kept as it is hidden.
bool ViewActions::eventFilter(QObject *object, QEvent *event)
{
    if (event->type() == QEvent::Hide) {
        auto *view = static_cast<QWidget *>(object);
        parts_.settings->setValue(GeometryKey(*view), view->saveGeometry());
    }
    return QObject::eventFilter(object, event);
}

} // namespace mobwright
