#include "ImageInfoDialog.h"

#include "ImageInfo.h"
#include "ImageSession.h"
#include "RomError.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace mobwright {

ImageInfoDialog::ImageInfoDialog(ImageSession &session, std::function<void()> fix, QWidget *parent)
    : QDialog(parent)
    , session_(session)
    , facts_(new QFormLayout)
    , untrusted_(new QLabel)
    , fix_(new QPushButton(tr("&Fix Checksum")))
{
    setObjectName(QStringLiteral("ImageInfo"));
    setWindowTitle(tr("Image Information"));
    untrusted_->setObjectName(QStringLiteral("lblUntrusted"));
    untrusted_->setWordWrap(true);
    fix_->setObjectName(QStringLiteral("cmdFixChecksum"));
    fix_->setAutoDefault(false);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->addButton(fix_, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(fix_, &QPushButton::clicked, this, [this, fix = std::move(fix)] {
        fix();
        readFacts();
    });
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(facts_);
    layout->addWidget(untrusted_);
    layout->addWidget(buttons);
    readFacts();
}

void ImageInfoDialog::readFacts()
{
    while (facts_->rowCount() > 0)
        facts_->removeRow(0);
    std::variant<ImageFacts, QString> read;
    try {
        read = FactsOfOpen(session_);
    } catch (const RomError &error) {
        read = QString::fromStdString(error.what());
    }
    const auto *facts = std::get_if<ImageFacts>(&read);
    untrusted_->setVisible(!facts);
    fix_->setEnabled(facts && !facts->checksumMatches());
    if (!facts) {
        untrusted_->setText(std::get<QString>(read));
        return;
    }
    int row = 0;
    for (const auto &[name, value] : ImageInfoLines(*facts)) {
        auto *label = new QLabel(value);
        label->setObjectName(QStringLiteral("lblFact(%1)").arg(row++));
        label->setTextFormat(Qt::PlainText);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        facts_->addRow(name + u':', label);
    }
}

} // namespace mobwright
