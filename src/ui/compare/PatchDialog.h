#pragma once

#include "ImagePatch.h"

#include <QDialog>

#include <functional>
#include <optional>

class QRadioButton;

namespace mobwright {

class ImageSession;
class Prompter;

struct PatchChoice
{
    const FileFormat *format = &FormatNamed(u"bps"); // or IPS
    ImageKind form = ImageKind::Headerless; // the form both images are brought to
};

// Writes the patch that turns the session's baseline into its image as the
// file holds it now, both files read whole, to the file at path, replaced
// whole or not at all. Never over the image or the baseline. Gives why
// nothing was written.
std::optional<QString> ExportPatch(ImageSession &session, PatchChoice choice, const QString &path);

// "File › Export Patch…": the patch's format and form, then where it goes.
// It tells whether the image has a copier header and offers the headerless
// form as well, since most patches are shared against headerless images.
class PatchDialog : public QDialog
{
    Q_OBJECT

public:
    PatchDialog(ImageSession &session, Prompter &prompter, QWidget *parent = nullptr);

    PatchChoice choice() const;
    // Where the patch was written, once it was.
    const QString &writtenTo() const { return writtenTo_; }

private:
    void exportPatch();

    ImageSession &session_;
    Prompter &prompter_;
    QRadioButton *ips_;
    QRadioButton *bps_;
    QRadioButton *imageForm_;
    QRadioButton *headerless_;
    QString writtenTo_;
};

} // namespace mobwright
