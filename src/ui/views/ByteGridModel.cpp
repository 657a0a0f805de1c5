#include "ByteGridModel.h"

#include "ByteEdit.h"
#include "ByteMap.h"
#include "ConflictMarks.h"
#include "MarkColours.h"
#include "GameText.h"
#include "ImageSession.h"
#include "QtText.h"

#include <QBrush>
#include <QFont>
#include <QGuiApplication>
#include <QPalette>

namespace mobwright {
namespace {

constexpr int ROWS = (ENEMY_RECORD_SIZE + ByteGridModel::BYTES_PER_ROW - 1) / ByteGridModel::BYTES_PER_ROW;

QString Hex(unsigned value, int digits)
{
    return QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0')).toUpper();
}

// A field's own tint: its hue spread round the colour wheel, mixed into the
// palette's base so that the palette's text stays readable on it, light or dark.
QColor Tint(Field field, const QColor &base)
{
    const QColor hue = QColor::fromHsv((static_cast<int>(field) * 137) % 360, 200, 255);
    constexpr double share = 0.22;
    return QColor::fromRgbF(float(base.redF() * (1 - share) + hue.redF() * share),
                            float(base.greenF() * (1 - share) + hue.greenF() * share),
                            float(base.blueF() * (1 - share) + hue.blueF() * share));
}

QBrush UncoveredBrush()
{
    return {QGuiApplication::palette().color(QPalette::Mid), Qt::BDiagPattern};
}

} // namespace

ByteGridModel::ByteGridModel(ImageSession &session, QObject *parent)
    : QAbstractTableModel(parent)
    , session_(session)
{
    showAll();
    for (const auto signal : {&ImageSession::pendingChanged, &ImageSession::storedChanged})
        connect(&session_, signal, this, [this](const QList<int> &enemies) {
            if (enemies.contains(enemy_))
                showAll();
        });
    connect(&session_, &ImageSession::baselineChanged, this, &ByteGridModel::showAll);
    connect(&session_, &ImageSession::opened, this, &ByteGridModel::showAll);
}

void ByteGridModel::showEnemy(int enemy)
{
    enemy_ = enemy;
    showAll();
}

void ByteGridModel::choose(std::optional<RecordCell> cell)
{
    chosen_ = cell;
    showAll();
}

void ByteGridModel::showAll()
{
    // The tints follow the palette, which the desktop may change at any time.
    const QColor base = QGuiApplication::palette().color(QPalette::Base);
    for (const FieldLayout &layout : EnemyLayout)
        tints_[std::size_t(layout.field)] = Tint(layout.field, base);
    emit dataChanged(index(0, 0), index(ROWS - 1, TEXT_COLUMN));
}

int ByteGridModel::offsetAt(const QModelIndex &index) const
{
    const int offset = index.row() * BYTES_PER_ROW + index.column();
    return index.isValid() && index.column() < TEXT_COLUMN && offset < ENEMY_RECORD_SIZE ? offset : -1;
}

QModelIndex ByteGridModel::indexOf(int offset) const
{
    return index(offset / BYTES_PER_ROW, offset % BYTES_PER_ROW);
}

int ByteGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ROWS;
}

int ByteGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : TEXT_COLUMN + 1;
}

QVariant ByteGridModel::data(const QModelIndex &index, int role) const
{
    if (!session_.isOpen())
        return {};
    if (index.column() == TEXT_COLUMN)
        return role == Qt::DisplayRole ? QVariant(rowText(index.row())) : QVariant();
    const int offset = offsetAt(index);
    return offset < 0 ? QVariant() : byteData(offset, role);
}

QVariant ByteGridModel::byteData(int offset, int role) const
{
    const std::uint8_t byte = session_.shown(enemy_).allBytes()[std::size_t(offset)];
    const MappedByte &mapped = ByteMap()[std::size_t(offset)];
    const PendingRecord *pending = session_.pendingOf(enemy_);
    const bool chosen = chosen_ && *chosen_ == mapped.cell;
    const bool conflict = pending && pending->inConflict(mapped.cell);
    const QPalette palette = QGuiApplication::palette();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return Hex(byte, 2);
    case Qt::ToolTipRole:
        return byteTip(offset);
    case Qt::TextAlignmentRole:
        return Qt::AlignCenter;
    case Qt::BackgroundRole:
        if (chosen)
            return palette.color(QPalette::Highlight);
        if (conflict)
            return MarkFill(Mark::Conflict, palette);
        return mapped.covered() ? QBrush(tints_[std::size_t(*mapped.cell.field())]) : UncoveredBrush();
    case Qt::ForegroundRole:
        if (chosen)
            return palette.color(QPalette::HighlightedText);
        if (conflict)
            return MarkText(Mark::Conflict, palette);
        return differsFromBaseline(offset) ? MarkText(Mark::Baseline, palette) : QVariant();
    case Qt::FontRole: {
        // The form's marks: bold an edit, underlined a conflict, italic a difference.
        QFont font;
        font.setBold(pending && pending->edits(mapped.cell));
        font.setUnderline(conflict);
        font.setItalic(differsFromBaseline(offset));
        return font;
    }
    default:
        return {};
    }
}

bool ByteGridModel::differsFromBaseline(int offset) const
{
    const Baseline *baseline = session_.baseline();
    const std::size_t at = std::size_t(offset);
    return baseline &&
           baseline->records()[std::size_t(enemy_)].allBytes()[at] != session_.shown(enemy_).allBytes()[at];
}

QString ByteGridModel::byteTip(int offset) const
{
    const MappedByte &mapped = ByteMap()[std::size_t(offset)];
    QStringList lines;
    const QString name = ToQString(CellName(mapped.cell));
    if (const auto field = mapped.cell.field()) {
        lines << tr("%1: byte %2 of %3").arg(name).arg(mapped.place + 1).arg(LayoutOf(*field).width);
        if (!LayoutOf(*field).meaning.empty())
            lines << ToQString(LayoutOf(*field).meaning);
    } else {
        const KnownByte *known = KnownByteAt(offset);
        lines << tr("%1: no field of the form covers this byte").arg(name);
        if (known)
            lines << ToQString(known->meaning);
    }
    lines << tr("Record offset %1 ($%2)").arg(offset).arg(Hex(unsigned(offset), 2));
    const PendingRecord *pending = session_.pendingOf(enemy_);
    if (pending && pending->inConflict(mapped.cell))
        lines << ConflictText(mapped.cell, enemy_, *pending,
                              EnemyTable(session_.storedRecords(), &session_.labels()));
    else if (pending && pending->edits(mapped.cell))
        lines << tr("Edited, not yet written: the file holds %1")
                     .arg(Hex(session_.stored(enemy_).allBytes()[std::size_t(offset)], 2));
    if (differsFromBaseline(offset))
        lines << tr("The baseline holds %1")
                     .arg(Hex(session_.baseline()->records()[std::size_t(enemy_)].allBytes()[std::size_t(offset)], 2));
    return lines.join(u'\n');
}

// A character for each byte that is one of the game's, a dot for any other.
QString ByteGridModel::rowText(int row) const
{
    const auto bytes = session_.shown(enemy_).allBytes();
    QString text;
    for (int offset = row * BYTES_PER_ROW; offset < std::min((row + 1) * BYTES_PER_ROW, ENEMY_RECORD_SIZE); ++offset) {
        const std::string character = GameText::DecodeChar(bytes[std::size_t(offset)]);
        text += character.empty() ? QStringLiteral("·") : ToQString(character);
    }
    return text;
}

QVariant ByteGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return Hex(unsigned(section * BYTES_PER_ROW), 2);
    return section == TEXT_COLUMN ? tr("Text") : Hex(unsigned(section), 1);
}

Qt::ItemFlags ByteGridModel::flags(const QModelIndex &index) const
{
    if (index.column() == TEXT_COLUMN)
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return offsetAt(index) < 0 ? Qt::NoItemFlags
                               : Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool ByteGridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    const int offset = offsetAt(index);
    if (role != Qt::EditRole || offset < 0 || !session_.isOpen())
        return false;
    const QString typed = value.toString().trimmed();
    const auto byte = ParseHexByte(ToModelText(typed));
    if (!byte) {
        emit refused(ToQString(Refusal{.place = "Byte " + std::to_string(offset),
                                       .text = ToModelText(typed),
                                       .accepted = "a byte in hexadecimal, 00 to FF"}
                                   .message()));
        return false;
    }
    const auto checked = WithByte(session_.pendingOrStored(enemy_), offset, *byte);
    if (const auto *refusal = std::get_if<Refusal>(&checked)) {
        emit refused(ToQString(refusal->message()));
        return false;
    }
    const RecordCell cell = ByteMap()[std::size_t(offset)].cell;
    session_.editPending({{enemy_, std::get<PendingRecord>(checked)}},
                         tr("Edit %1").arg(ToQString(CellName(cell))));
    return true;
}

} // namespace mobwright
