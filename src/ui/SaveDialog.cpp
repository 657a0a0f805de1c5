#include "SaveDialog.h"

#include "OutputFile.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

namespace mobwright {
namespace {

// ".csv" for "CSV Files (*.csv)"; nothing for a filter of no one extension.
QString ExtensionOf(const QString &filter)
{
    static const QRegularExpression extension(QStringLiteral("\\*(\\.\\w+)"));
    return extension.match(filter).captured(1);
}

} // namespace

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
        if (QFileInfo(path).suffix().isEmpty())
            path += ExtensionOf(chosen);
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
