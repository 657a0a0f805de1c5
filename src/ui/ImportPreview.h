#pragma once

#include <QDialog>

namespace mobwright {

struct ImportPlan;

// Lists every cell an import would change (enemy, field, old, new) and
// asks before anything is written.
class ImportPreview : public QDialog
{
public:
    ImportPreview(const ImportPlan &plan, const QString &fileName, QWidget *parent = nullptr);
};

} // namespace mobwright
