#include "HeaderActions.h"

#include "FactsInBackground.h"
#include "ImageInfo.h"
#include "ImageInfoDialog.h"
#include "ImageSession.h"
#include "Settings.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>

namespace mobwright {
namespace {

const QString KEEP_KEY = QStringLiteral("checksum/keepRight");

} // namespace

HeaderActions::HeaderActions(const WindowParts &parts)
    : QObject(&parts.window)
    , parts_(parts)
    , session_(parts.session)
    , info_(new QAction(tr("Image I&nformation…"), this))
    , fix_(new QAction(tr("Fi&x Checksum"), this))
    , keep_(new QAction(tr("&Keep the checksum right after each write"), this))
    , status_(new QLabel)
    , facts_(new FactsInBackground(this))
{
    setObjectName(QStringLiteral("headerActions"));
    info_->setObjectName(QStringLiteral("mnuImageInfo"));
    fix_->setObjectName(QStringLiteral("mnuFixChecksum"));
    keep_->setObjectName(QStringLiteral("mnuKeepChecksum"));
    keep_->setCheckable(true);
    keep_->setChecked(parts_.settings->value(KEEP_KEY, false).toBool());
    session_.setKeepChecksum(keep_->isChecked());
    status_->setObjectName(QStringLiteral("lblChecksum"));
    status_->setContentsMargins(0, 0, 12, 0); // apart from the image's name
    parts_.window.statusBar()->addPermanentWidget(status_);
    connect(info_, &QAction::triggered, this, &HeaderActions::showImageInfo);
    connect(fix_, &QAction::triggered, this, &HeaderActions::fixChecksum);
    connect(keep_, &QAction::toggled, this, &HeaderActions::keepChecksum);
    // Reads the whole image: only where its bytes may have changed, not for each edit.
    connect(&session_, &ImageSession::opened, this, &HeaderActions::readState);
    connect(&session_, &ImageSession::closed, this, &HeaderActions::readState);
    connect(&session_, &ImageSession::storedChanged, this, &HeaderActions::readState);
    connect(&session_, &ImageSession::steppedOver, this, &HeaderActions::readState);
    connect(facts_, &FactsInBackground::factsRead, this, &HeaderActions::showState);
    readState();
}

void HeaderActions::addFileEntry(QMenu *file)
{
    file->addAction(info_);
}

void HeaderActions::addEditEntries(QMenu *edit)
{
    edit->addAction(fix_);
    edit->addAction(keep_);
}

void HeaderActions::fixChecksum()
{
    if (!session_.isOpen())
        return;
    emit wrote(fix_->text().remove(u'&'), session_.fixChecksum());
    readState();
}

void HeaderActions::showImageInfo()
{
    if (!session_.isOpen())
        return;
    auto *dialog = new ImageInfoDialog(
        session_, [this] { fixChecksum(); }, &parts_.window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void HeaderActions::keepChecksum(bool keep)
{
    session_.setKeepChecksum(keep);
    parts_.settings->setValue(KEEP_KEY, keep);
}

void HeaderActions::readState()
{
    info_->setEnabled(session_.isOpen());
    fix_->setEnabled(session_.isOpen());
    if (session_.isOpen()) {
        facts_->read(session_.rom().path());
    } else {
        facts_->forget();
        showState(std::nullopt);
    }
}

// The note shows only what is known: nothing for an image whose header cannot be trusted.
void HeaderActions::showState(const std::optional<ImageFacts> &facts)
{
    status_->setVisible(facts && !facts->checksumMatches());
    if (status_->isVisibleTo(&parts_.window)) {
        status_->setText(tr("Checksum does not match"));
        status_->setToolTip(tr("The internal header's checksum: %1. Edit › Fix Checksum puts "
                               "it right.")
                                .arg(ChecksumText(*facts)));
    }
}

} // namespace mobwright
