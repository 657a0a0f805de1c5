#pragma once

#include "RecordCell.h"

#include <QAbstractTableModel>
#include <QColor>

#include <array>

#include <optional>

namespace mobwright {

class ImageSession;

// One enemy's record as a hex grid, 16 bytes a row and the row's bytes as
// the game's text beside them: each field's bytes on a tint of their own,
// the bytes no field covers hatched, the chosen field's bytes highlighted,
// and the marks of the form on edited, conflicting and differing bytes. A
// byte typed in hex is a pending edit of its field.
class ByteGridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int BYTES_PER_ROW = 16;
    static constexpr int TEXT_COLUMN = BYTES_PER_ROW;

    explicit ByteGridModel(ImageSession &session, QObject *parent = nullptr);

    void showEnemy(int enemy);
    int enemy() const { return enemy_; }
    // Highlights a field's or uncovered byte's bytes; none takes the highlight away.
    void choose(std::optional<RecordCell> cell);
    // The record offset a cell shows, or -1 for the text column.
    int offsetAt(const QModelIndex &index) const;
    QModelIndex indexOf(int offset) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

signals:
    // A byte typed that its field does not take, and why.
    void refused(const QString &message);

private:
    QVariant byteData(int offset, int role) const;
    QString byteTip(int offset) const;
    QString rowText(int row) const;
    bool differsFromBaseline(int offset) const;
    void showAll();

    ImageSession &session_;
    int enemy_ = 0;
    std::optional<RecordCell> chosen_;
    std::array<QColor, FIELD_COUNT> tints_; // each field's, from the palette

};

} // namespace mobwright
