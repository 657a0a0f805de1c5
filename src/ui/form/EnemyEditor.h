#pragma once

#include "ActionKinds.h"
#include "DifferenceMarks.h"
#include "EditMarks.h"
#include "FieldControls.h"
#include "LabelForms.h"

#include <QWidget>

#include <array>
#include <map>

class QComboBox;
class QGroupBox;
class QLabel;
class QTabBar;

namespace mobwright {

class ImageSession;
class ListModels;
class UsedByButton;

// The tab strip and its three pages of controls over the enemy chosen in
// the pickers. It shows the enemy's record with its pending edits, and every
// change of a control becomes a pending edit of the session.
class EnemyEditor : public QWidget
{
    Q_OBJECT

public:
    EnemyEditor(ImageSession &session, ListModels &lists, QWidget *parent = nullptr);

    int shownEnemy() const { return shownEnemy_; }
    // Shows the enemy in the pickers and on the pages.
    void showEnemy(int index);
    // Shows the page of a field's control and puts the focus on it.
    void focusField(Field field);
    // The next (1) or previous (-1) page.
    void stepPage(int step);
    int shownPage() const;
    void showPage(int page);

signals:
    // One of the "Apply Changes" buttons was pressed.
    void applyRequested();
    void enemyShown(int index);
    // A control took the focus: what its field is and accepts.
    void helpShown(const QString &help);
    // A field's control took the focus.
    void fieldFocused(Field field);
    // "Name This Entry…" on a list control.
    void nameEntryRequested(ListEntry entry);

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    void buildPages();
    void connectEdits();
    // Without an image, only the first look's advice shows.
    void showNoImage();
    void prepareForm();
    void imageOpened();
    void showCurrentPage();
    void fillEnemyPickers();
    void relabelEnemies(const QList<int> &indexes);
    // Fills every control from the shown enemy's record with its pending edits.
    void showRecord();
    void fillArgumentList(int slot, int code);
    void relabelArgumentLists();
    void controlEdited(Field field);
    void showHelpOnFocus();
    void offerNaming(Field field);
    // The "used by" buttons of the long lists, for the entries shown.
    QWidget *usedByButton(Field field);
    void showUsers();
    void showIfShown(const QList<int> &indexes);

    QComboBox *argumentBox(int slot) const { return controls_.comboBox(ArgumentField(slot)); }

    ImageSession &session_;
    ListModels &lists_;
    FieldControls controls_;
    EditMarks marks_;
    DifferenceMarks differences_;
    QTabBar *tabs_ = nullptr;
    std::array<QGroupBox *, 3> frames_{};
    std::array<QComboBox *, 3> pickers_{};
    QComboBox *storePsi_ = nullptr;
    bool formPrepared_ = false;
    QLabel *firstLook_ = nullptr;
    std::map<Field, UsedByButton *> usedBy_;
    int shownEnemy_ = 0; // the enemy the pages show
};

} // namespace mobwright
