#pragma once

#include <QWidget>

class QLabel;
class QTableView;

namespace mobwright {

class ByteGridModel;
class EnemyEditor;
class ImageSession;
enum class Field;

// "View › Record Bytes": the record of the enemy the form shows, byte by
// byte, in a window of its own beside it. Choosing a field in the form
// highlights its bytes; choosing a byte highlights its field's bytes and
// puts the form's focus on its control. Hex typed over a byte edits it.
class RecordBytesView : public QWidget
{
    Q_OBJECT

public:
    RecordBytesView(ImageSession &session, EnemyEditor &editor, QWidget *parent = nullptr);

    ByteGridModel &model() { return *model_; }

signals:
    // A byte typed that its field does not take, and why.
    void refused(const QString &message);

private:
    void showEnemy(int enemy);
    void showField(Field field);
    void byteChosen(const QModelIndex &current);
    void typeOnAfter(const QModelIndex &typed, const QString &digits);
    void fitGrid();

    ImageSession &session_;
    EnemyEditor &editor_;
    ByteGridModel *model_;
    QTableView *grid_;
    QLabel *place_;
    QLabel *field_;
    bool following_ = false; // while the grid follows the form's focus
};

} // namespace mobwright
