#include "CellDelegate.h"

#include "EnemyTableModel.h"
#include "ListComboBox.h"
#include "QtText.h"

#include <QAbstractProxyModel>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolTip>

namespace mobwright {
namespace {

QModelIndex SourceIndex(const QModelIndex &index)
{
    const auto *proxy = qobject_cast<const QAbstractProxyModel *>(index.model());
    return proxy ? proxy->mapToSource(index) : index;
}

// The cell an editor edits, in the table model's own terms.
const char *const CellProperty = "cell";

bool IsCommitKey(const QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Tab || key == Qt::Key_Backtab;
}

} // namespace

CellDelegate::CellDelegate(const EnemyTableModel &model, QObject *parent)
    : QStyledItemDelegate(parent)
    , model_(model)
{
}

QWidget *CellDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                    const QModelIndex &index) const
{
    const auto choices = model_.choices(SourceIndex(index));
    if (choices.empty()) {
        auto *edit = static_cast<QLineEdit *>(QStyledItemDelegate::createEditor(parent, option, index));
        edit->setObjectName(QStringLiteral("txtCell"));
        const QPersistentModelIndex source = SourceIndex(index);
        edit->setProperty(CellProperty, QVariant::fromValue(source));
        connect(edit, &QLineEdit::textChanged, edit, [this, edit, source] { markRefusal(edit, source); });
        return edit;
    }
    auto *box = new ListComboBox(parent);
    box->setObjectName(QStringLiteral("cmbCell"));
    box->setMaxVisibleItems(20);
    for (const auto &[name, stored] : choices)
        box->addItem(name, stored);
    return box;
}

void CellDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (auto *box = qobject_cast<QComboBox *>(editor))
        box->setCurrentIndex(box->findData(index.data(Qt::EditRole).toInt()));
    else
        QStyledItemDelegate::setEditorData(editor, index);
}

void CellDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    if (auto *box = qobject_cast<QComboBox *>(editor)) {
        if (box->currentIndex() >= 0)
            model->setData(index, QString::number(box->currentData().toInt()));
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}

bool CellDelegate::markRefusal(QWidget *editor, const QModelIndex &index) const
{
    const auto *edit = qobject_cast<QLineEdit *>(editor);
    const auto refusal = edit ? model_.refusalFor(index, edit->text()) : std::nullopt;
    editor->setStyleSheet(refusal ? QStringLiteral("QLineEdit { border: 2px solid #d00000; }") : QString());
    editor->setToolTip(refusal ? tr("Accepts %1").arg(ToQString(refusal->accepted)) : QString());
    return refusal.has_value();
}

// Return, Enter and Tab take the text only when the cell accepts it.
bool CellDelegate::eventFilter(QObject *object, QEvent *event)
{
    auto *edit = qobject_cast<QLineEdit *>(object);
    if (edit && IsCommitKey(event) &&
        markRefusal(edit, edit->property(CellProperty).value<QPersistentModelIndex>())) {
        QToolTip::showText(edit->mapToGlobal(QPoint(0, edit->height())), edit->toolTip(), edit);
        return true;
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

} // namespace mobwright
