#include "SaveDialog.h"

#include "FileFormats.h"
#include "OutputFile.h"

#include <QFileDialog>
#include <QFileInfo>

namespace mobwright {
QString AskWhereToSave(QWidget *parent, const SaveQuestion &question,
                       const std::function<void(const QString &)> &tell, QString *filter)
{
    QString path = question.suggested;
    QString chosen;
    for (;;) {
        path =
            QFileDialog::getSaveFileName(parent, question.title, path, question.filters, &chosen);
        if (path.isEmpty())
            return {};
        // A name without an extension takes the chosen filter's.
        if (const FileFormat *format = FormatHelper({FormatKind::Table, FormatKind::Patch}).byFilter(chosen))
            path = format->withExtension(path);
        const auto refusal = OutputRefusal({path, question.images});
        if (!refusal)
            break;
        tell(*refusal);
    }
    if (filter)
        *filter = chosen;
    return path;
}

} // namespace mobwright
