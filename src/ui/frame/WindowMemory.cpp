#include "WindowMemory.h"

#include "EnemyEditor.h"
#include "ImageSession.h"
#include "WindowPlace.h"

#include <QMainWindow>

namespace mobwright {

WindowMemory::WindowMemory(QMainWindow &window, ImageSession &session, EnemyEditor &editor,
                           std::shared_ptr<Settings> settings)
    : QObject(&window)
    , window_(window)
    , session_(session)
    , editor_(editor)
    , settings_(std::move(settings))
{
    new WindowPlace(window, settings_, QStringLiteral("window/geometry"), WindowPlace::Fit::AsLeft);
    connect(&session_, &ImageSession::leaving, this, &WindowMemory::leaveImage);
    // After the editor, which shows the first enemy and page of an image opened.
    connect(&session_, &ImageSession::opened, this, &WindowMemory::showImageAsLeft);
}

void WindowMemory::leaveImage()
{
    const QString key = ImageKey(QStringLiteral("imagePlaces"), session_.path());
    settings_->setValue(key + QStringLiteral("/enemy"), editor_.shownEnemy());
    settings_->setValue(key + QStringLiteral("/page"), editor_.shownPage());
}

void WindowMemory::showImageAsLeft()
{
    const QString key = ImageKey(QStringLiteral("imagePlaces"), session_.path());
    // The editor shows the first enemy of an image opened already.
    const int enemy = settings_->value(key + QStringLiteral("/enemy"), 0).toInt();
    if (enemy != editor_.shownEnemy())
        editor_.showEnemy(enemy);
    editor_.showPage(settings_->value(key + QStringLiteral("/page"), 0).toInt());
}

} // namespace mobwright
