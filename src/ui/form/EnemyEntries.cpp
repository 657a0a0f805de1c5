#include "EnemyEntries.h"

#include "Comparison.h"
#include "ImageSession.h"

#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QPixmap>

#include <numeric>

namespace mobwright {
namespace {

QIcon Dot(const QColor &colour)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QRectF(4, 4, 8, 8));
    return QIcon(pixmap);
}

} // namespace

EnemyEntries::EnemyEntries(const ImageSession &session, QObject *parent)
    : QStringListModel(parent)
    , session_(session)
    , mark_(Dot(QGuiApplication::palette().color(QPalette::Link)))
    , blank_(Dot(Qt::transparent))
{
    connect(&session, &ImageSession::baselineChanged, this, &EnemyEntries::compareAll);
    connect(&session, &ImageSession::opened, this, &EnemyEntries::compareAll);
    connect(&session, &ImageSession::closed, this, &EnemyEntries::compareAll);
    connect(&session, &ImageSession::storedChanged, this, &EnemyEntries::compare);
    connect(&session, &ImageSession::pendingChanged, this, &EnemyEntries::compare);
    connect(&session, &ImageSession::pendingChanged, this, &EnemyEntries::markEdited);
}

QVariant EnemyEntries::data(const QModelIndex &index, int role) const
{
    const bool differs =
        index.row() < ENEMY_COUNT && differs_[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DecorationRole:
        return comparing_ ? QVariant(differs ? mark_ : blank_) : QVariant();
    case Qt::FontRole: {
        QFont font;
        font.setBold(true);
        return session_.isOpen() && session_.pendingOf(index.row()) ? QVariant(font) : QVariant();
    }
    case Qt::ToolTipRole: {
        QStringList notes;
        if (session_.isOpen() && session_.pendingOf(index.row()))
            notes.append(tr("Has edits not written yet"));
        if (differs)
            notes.append(tr("Differs from the baseline"));
        return notes.isEmpty() ? QVariant() : QVariant(notes.join(u'\n'));
    }
    default:
        return QStringListModel::data(index, role);
    }
}

void EnemyEntries::markEdited(const QList<int> &indexes)
{
    for (const int row : indexes)
        emit dataChanged(index(row), index(row), {Qt::FontRole, Qt::ToolTipRole});
}

void EnemyEntries::compareAll()
{
    const bool comparing = session_.baseline() && session_.isOpen();
    if (comparing != comparing_) {
        comparing_ = comparing;
        differs_.reset();
        if (rowCount() > 0)
            emit dataChanged(index(0), index(rowCount() - 1), {Qt::DecorationRole});
    }
    QList<int> all(ENEMY_COUNT);
    std::iota(all.begin(), all.end(), 0);
    compare(all);
}

void EnemyEntries::compare(const QList<int> &indexes)
{
    for (const int row : indexes) {
        const bool differs = DiffersFromBaseline(session_, row);
        if (differs_[static_cast<std::size_t>(row)] == differs)
            continue;
        differs_.set(static_cast<std::size_t>(row), differs);
        emit dataChanged(index(row), index(row), {Qt::DecorationRole, Qt::ToolTipRole});
    }
}

} // namespace mobwright
