#include "PatchDialog.h"

#include "Comparison.h"
#include "Counted.h"
#include "ImageSession.h"
#include "MessageBox.h"
#include "QtText.h"
#include "RomError.h"
#include "OutputFile.h"
#include "Prompter.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <stdexcept>

namespace mobwright {
namespace {

QString HeaderText(bool hasHeader)
{
    return hasHeader ? PatchDialog::tr("with a copier header")
                     : PatchDialog::tr("no copier header");
}

QRadioButton *Option(const char *name, const QString &text, QVBoxLayout *group)
{
    auto *option = new QRadioButton(text);
    option->setObjectName(QString::fromLatin1(name));
    group->addWidget(option);
    return option;
}

QGroupBox *Group(const char *name, const QString &title, QVBoxLayout *options)
{
    auto *group = new QGroupBox(title);
    group->setObjectName(QString::fromLatin1(name));
    group->setLayout(options);
    return group;
}

QString NameAndHeader(const QString &path, bool hasHeader)
{
    return QStringLiteral("<b>%1</b> (%2)")
        .arg(QFileInfo(path).fileName().toHtmlEscaped(), HeaderText(hasHeader));
}

} // namespace

std::optional<QString> ExportPatch(ImageSession &session, PatchChoice choice, const QString &path)
{
    if (!session.isOpen() || !session.baseline())
        return PatchDialog::tr("Choose an image to compare with first: File › Compare With.");
    try {
        const ImageBytes source = session.readBaseline();
        const ImageBytes target = session.readImage();
        if (source == target)
            return PatchDialog::tr("The image is byte for byte the baseline: a patch would change "
                                   "nothing, so none was written.");
        const std::vector<std::uint8_t> patch =
            MakeImagePatch(*choice.format, source, target, choice.form);
        // Never over the image or the baseline, whatever name or link leads to them.
        const auto failure = SaveOutput({path, OpenImages(session)},
                                        QByteArray(reinterpret_cast<const char *>(patch.data()),
                                                   static_cast<qsizetype>(patch.size())));
        return failure ? std::optional(failure->message) : std::nullopt;
    } catch (const RomError &error) {
        return ToQString(error.what());
    } catch (const std::logic_error &error) { // an image too large for IPS
        return ToQString(error.what());
    }
}

PatchDialog::PatchDialog(ImageSession &session, Prompter &prompter, QWidget *parent)
    : QDialog(parent)
    , session_(session)
    , prompter_(prompter)
{
    setObjectName(QStringLiteral("frmExportPatch"));
    setWindowTitle(tr("Export Patch"));
    const bool hasHeader = session.rom().hasCopierHeader();

    const Baseline &baseline = *session.baseline();
    auto *about = new QLabel(
        baseline.isOriginal()
            ? tr("A patch that turns the image %1 with its original enemy table into the image as "
                 "it is on disk. Only the enemy table is compared: the rest of the image is "
                 "taken as it is now.")
                  .arg(NameAndHeader(session.path(), hasHeader))
            : tr("A patch that turns the baseline %1 into the image %2 as it is on disk.")
                  .arg(NameAndHeader(baseline.path(), baseline.hasCopierHeader()),
                       NameAndHeader(session.path(), hasHeader)));
    about->setObjectName(QStringLiteral("lblPatchImages"));
    about->setWordWrap(true);

    auto *formats = new QVBoxLayout;
    ips_ = Option("optIps", tr("&IPS"), formats);
    bps_ = Option("optBps", tr("&BPS, with checksums: patchers refuse it for any other image"),
                  formats);
    bps_->setChecked(true);

    auto *forms = new QVBoxLayout;
    imageForm_ = Option("optImageForm",
                        hasHeader ? tr("As the image is, &with its copier header")
                                  : tr("As the image is, &without a copier header"),
                        forms);
    headerless_ = Option("optHeaderless",
                         tr("For the image without its copier header: offsets 512 "
                            "&lower, as most patches are shared"),
                         forms);
    headerless_->setVisible(hasHeader);
    (hasHeader ? headerless_ : imageForm_)->setChecked(true);

    auto *column = new QVBoxLayout(this);
    column->addWidget(about);
    column->addWidget(Group("fraPatchFormat", tr("Format"), formats));
    column->addWidget(Group("fraPatchForm", tr("Offsets"), forms));
    const std::size_t pending = session.pending().enemies().size();
    if (pending > 0) {
        auto *note =
            new QLabel(tr("Edits not yet applied to %1 are not in the patch: apply them first "
                          "to have them in it.")
                           .arg(Counted(qsizetype(pending), Noun::Enemy)));
        note->setObjectName(QStringLiteral("lblPatchPending"));
        note->setWordWrap(true);
        column->addWidget(note);
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    SetAccessKeys(*buttons);
    QPushButton *write = buttons->addButton(tr("&Export…"), QDialogButtonBox::AcceptRole);
    write->setObjectName(QStringLiteral("cmdExportPatch"));
    connect(write, &QPushButton::clicked, this, &PatchDialog::exportPatch);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons);
    write->setDefault(true); // once it is in the dialog, which takes its default from it
}

PatchChoice PatchDialog::choice() const
{
    return {&FormatNamed(ips_->isChecked() ? u"ips" : u"bps"),
            headerless_->isChecked() ? ImageKind::Headerless : session_.rom().kind()};
}

void PatchDialog::exportPatch()
{
    const PatchChoice chosen = choice();
    const QFileInfo image(session_.path());
    const QString path = prompter_.fileToSave(
        this, {tr("Export Patch"),
               chosen.format->withExtension(image.dir().filePath(image.completeBaseName())),
               chosen.format->filter(), OpenImages(session_)});
    if (path.isEmpty())
        return;
    if (const auto failure = ExportPatch(session_, chosen, path)) {
        prompter_.warn(this, *failure);
        return;
    }
    writtenTo_ = path;
    accept();
}

} // namespace mobwright
