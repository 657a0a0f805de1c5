#include "RecordBytesView.h"

#include "ByteGridModel.h"
#include "ByteMap.h"
#include "EnemyEditor.h"
#include "HexByteDelegate.h"
#include "ImageSession.h"
#include "QtText.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

namespace mobwright {

RecordBytesView::RecordBytesView(ImageSession &session, EnemyEditor &editor, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , session_(session)
    , editor_(editor)
    , model_(new ByteGridModel(session, this))
    , grid_(new QTableView)
    , place_(new QLabel)
    , field_(new QLabel)
{
    setObjectName(QStringLiteral("frmRecordBytes"));
    place_->setObjectName(QStringLiteral("lblRecordPlace"));
    field_->setObjectName(QStringLiteral("lblByteField"));
    field_->setWordWrap(true);
    field_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid_->setObjectName(QStringLiteral("tblRecordBytes"));
    grid_->setModel(model_);
    auto *bytes = new HexByteDelegate(grid_);
    grid_->setItemDelegate(bytes);
    connect(bytes, &HexByteDelegate::byteTyped, this, &RecordBytesView::typeOnAfter);
    // The highlight of the chosen field is the model's: a selection would hide it.
    grid_->setSelectionMode(QAbstractItemView::NoSelection);
    grid_->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                           QAbstractItemView::EditKeyPressed);
    grid_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *bytesLabel = new QLabel(tr("&Bytes:"));
    bytesLabel->setBuddy(grid_);

    auto *column = new QVBoxLayout(this);
    column->addWidget(place_);
    column->addWidget(bytesLabel);
    column->addWidget(grid_);
    column->addWidget(field_, 1);
    // Room for a field's name and meaning, its offset and its marks.
    field_->setMinimumHeight(field_->fontMetrics().lineSpacing() * 6);
    field_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    connect(model_, &ByteGridModel::refused, this, &RecordBytesView::refused);
    // The description below follows the byte's edits and marks.
    connect(model_, &QAbstractItemModel::dataChanged, this,
            [this] { field_->setText(grid_->currentIndex().data(Qt::ToolTipRole).toString()); });
    connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &RecordBytesView::byteChosen);
    connect(&editor_, &EnemyEditor::enemyShown, this, &RecordBytesView::showEnemy);
    connect(&editor_, &EnemyEditor::fieldFocused, this, &RecordBytesView::showField);
    connect(&session_, &ImageSession::opened, this, [this] { showEnemy(editor_.shownEnemy()); });
    connect(&session_, &ImageSession::storedChanged, this, [this] { showEnemy(model_->enemy()); });
    connect(&session_, &ImageSession::closed, this, &QWidget::close);
    showEnemy(editor_.shownEnemy());
    fitGrid();
    adjustSize();
}

// The whole record in view, without scrolling.
void RecordBytesView::fitGrid()
{
    // Sized once: every byte is two digits and every row's text 16 characters.
    for (QHeaderView *header : {grid_->horizontalHeader(), grid_->verticalHeader()}) {
        header->resizeSections(QHeaderView::ResizeToContents);
        header->setSectionResizeMode(QHeaderView::Fixed);
    }
    const int frame = 2 * grid_->frameWidth();
    grid_->setFixedSize(grid_->verticalHeader()->sizeHint().width() + grid_->horizontalHeader()->length() + frame,
                        grid_->horizontalHeader()->sizeHint().height() + grid_->verticalHeader()->length() + frame);
}

void RecordBytesView::showEnemy(int enemy)
{
    model_->showEnemy(enemy);
    if (!session_.isOpen())
        return;
    const ImageKind kind = session_.rom().hasCopierHeader() ? ImageKind::CopierHeader : ImageKind::Headerless;
    const std::uint32_t offset = EnemyRecordOffset(EnemyTableOffset(kind), enemy);
    setWindowTitle(tr("Record Bytes — %1").arg(QFileInfo(session_.path()).fileName()));
    place_->setText(tr("%1 — %2 bytes at file offset $%3")
                        .arg(session_.enemyLabel(enemy))
                        .arg(ENEMY_RECORD_SIZE)
                        .arg(QString::number(offset, 16).toUpper()));
}

// Typing runs on into the next byte, up to the record's last, once the
// byte typed has taken the digits; a refused one stays to be typed again.
void RecordBytesView::typeOnAfter(const QModelIndex &typed, const QString &digits)
{
    const int next = model_->offsetAt(typed) + 1;
    if (next <= 0 || next >= ENEMY_RECORD_SIZE ||
        typed.data().toString().compare(digits, Qt::CaseInsensitive) != 0)
        return;
    grid_->setCurrentIndex(model_->indexOf(next));
    grid_->edit(grid_->currentIndex());
}

void RecordBytesView::showField(Field field)
{
    following_ = true;
    grid_->setCurrentIndex(model_->indexOf(LayoutOf(field).offset));
    following_ = false;
}

void RecordBytesView::byteChosen(const QModelIndex &current)
{
    const int offset = model_->offsetAt(current);
    if (offset < 0) {
        model_->choose(std::nullopt);
        return;
    }
    const RecordCell cell = ByteMap()[std::size_t(offset)].cell;
    model_->choose(cell);
    if (cell.field() && !following_ && session_.isOpen())
        editor_.focusField(*cell.field());
}

} // namespace mobwright
