#include "EnemyEditor.h"

#include "Comparison.h"
#include "ConflictMarks.h"
#include "EditorPages.h"
#include "FieldHelp.h"
#include "ImageSession.h"
#include "ListModels.h"
#include "QtText.h"
#include "UsedByButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStringListModel>
#include <QTabBar>
#include <QVBoxLayout>

namespace mobwright {
namespace {

constexpr std::array Pages{Page::Stats, Page::Actions, Page::GfxSound};

QFrame *HorizontalRule(const char *name)
{
    auto *line = new QFrame;
    line->setObjectName(QString::fromLatin1(name));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QString ShortcutText(QKeySequence::StandardKey key)
{
    return QKeySequence(key).toString(QKeySequence::NativeText);
}

} // namespace

EnemyEditor::EnemyEditor(ImageSession &session, ListModels &lists, QWidget *parent)
    : QWidget(parent)
    , session_(session)
    , lists_(lists)
{
    buildPages();
    connectEdits();
    showHelpOnFocus();
    connect(&session_, &ImageSession::opened, this, &EnemyEditor::imageOpened);
    connect(&session_, &ImageSession::closed, this, [this] {
        showNoImage();
        relabelArgumentLists();
    });
    connect(&session_, &ImageSession::storedChanged, this, [this](const QList<int> &indexes) {
        relabelEnemies(indexes);
        showIfShown(indexes);
        showUsers();
    });
    connect(&session_, &ImageSession::pendingChanged, this, &EnemyEditor::showIfShown);
    connect(&session_, &ImageSession::baselineChanged, this,
            [this] { showIfShown({shownEnemy_}); });
    connect(&session_, &ImageSession::labelsChanged, this, [this] { relabelArgumentLists(); });
    showNoImage();
}

void EnemyEditor::buildPages()
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins({});
    column->addWidget(HorizontalRule("Line1"));
    column->addWidget(HorizontalRule("Line2"));

    tabs_ = new QTabBar;
    tabs_->setObjectName(QStringLiteral("TabStrip1"));
    tabs_->setExpanding(false);
    for (const char *caption : TabCaptions)
        tabs_->addTab(tr(caption));
    connect(tabs_, &QTabBar::currentChanged, this, &EnemyEditor::showCurrentPage);
    column->addWidget(tabs_);

    for (std::size_t k = 0; k < pickers_.size(); ++k) {
        QComboBox *picker = MakeComboBox(IndexedName("cmbEnemy", static_cast<int>(k)), 30);
        pickers_[k] = picker;
        connect(picker, &QComboBox::currentIndexChanged, this, &EnemyEditor::showEnemy);
    }
    // The frames lie at one place, the size of the largest, one shown at a time.
    auto *stack = new QGridLayout;
    for (const Page page : Pages) {
        const auto [frame, apply] = BuildPage(
            page, [this](Field field) { return controls_.control(field); },
            pickers_[static_cast<std::size_t>(EnemyPickerIndex(page))],
            [this](Field field) { return usedByButton(field); });
        connect(apply, &QPushButton::clicked, this, &EnemyEditor::applyRequested);
        frames_[static_cast<std::size_t>(page)] = frame;
        QSizePolicy policy = frame->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        frame->setSizePolicy(policy);
        stack->addWidget(frame, 0, 0);
    }
    firstLook_ =
        new QLabel(tr("To open an image, choose File › Load ROM (%1), or drop a file here.")
                       .arg(ShortcutText(QKeySequence::Open)));
    firstLook_->setObjectName(QStringLiteral("lblFirstLook"));
    firstLook_->setAlignment(Qt::AlignCenter);
    firstLook_->setWordWrap(true);
    stack->addWidget(firstLook_, 0, 0, 1, 2);
    stack->setColumnStretch(0, 1); // the pages grow to their widest, then the empty column
    column->addLayout(stack, 1);

    const QList<QLabel *> labels = findChildren<QLabel *>();
    for (const FieldLayout &layout : EnemyLayout) {
        QWidget *control = controls_.control(layout.field);
        QWidget *label = control; // the check box names itself
        for (auto *named : labels) {
            if (named->buddy() == control)
                label = named;
        }
        marks_.setField(layout.field, label, control);
        differences_.setField(layout.field, label, control);
    }

    // The PSI labels, never shown.
    storePsi_ = MakeComboBox(QStringLiteral("cmbStorePSI"), 20);
    storePsi_->setParent(this);
    storePsi_->hide();
}

QWidget *EnemyEditor::usedByButton(Field field)
{
    if (!LongListOf(field))
        return nullptr;
    offerNaming(field);
    auto *button = new UsedByButton([this](int index) { return session_.enemyLabel(index); });
    button->setObjectName(QStringLiteral("cmdUsedBy") + ToQString(LayoutOf(field).key));
    connect(button, &UsedByButton::enemyChosen, this, &EnemyEditor::showEnemy);
    usedBy_[field] = button;
    return button;
}

// A right-click on a long list's control offers to name the entry it shows.
void EnemyEditor::offerNaming(Field field)
{
    QComboBox *box = controls_.comboBox(field);
    box->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(box, &QWidget::customContextMenuRequested, this, [this, box, field](const QPoint &where) {
        if (box->currentIndex() < 0)
            return;
        const ListEntry entry{*LongListOf(field), box->currentIndex()};
        QMenu menu;
        menu.addAction(tr("&Name This Entry…"), this,
                       [this, entry] { emit nameEntryRequested(entry); });
        menu.exec(box->mapToGlobal(where));
    });
}

void EnemyEditor::showUsers()
{
    const EnemyRecord &record = session_.shown(shownEnemy_);
    for (const auto &[field, button] : usedBy_) {
        const int plus1 = LayoutOf(field).encoding == Encoding::ListPositionPlus1 ? 1 : 0;
        button->showUsers(session_.labels().users(
            {*LongListOf(field), static_cast<int>(record.value(field)) - plus1}));
    }
}

// Every change the user makes to a control is an edit of the shown enemy.
void EnemyEditor::connectEdits()
{
    for (const FieldLayout &layout : EnemyLayout) {
        const Field field = layout.field;
        QWidget *widget = controls_.control(field);
        const auto edited = [this, field] { controlEdited(field); };
        if (auto *edit = qobject_cast<QLineEdit *>(widget))
            connect(edit, &QLineEdit::textChanged, this, edited);
        else if (auto *box = qobject_cast<QComboBox *>(widget))
            connect(box, &QComboBox::currentIndexChanged, this, edited);
        else if (auto *flag = qobject_cast<QCheckBox *>(widget))
            connect(flag, &QCheckBox::stateChanged, this, edited);
    }
}

// The control with the focus says in the status bar what its tooltip says.
void EnemyEditor::showHelpOnFocus()
{
    for (const FieldLayout &layout : EnemyLayout)
        controls_.control(layout.field)->installEventFilter(this);
    for (QComboBox *picker : pickers_) {
        picker->setToolTip(tr("The enemy to edit: its number and its name as the image "
                              "holds it. The three pages show the same enemy."));
        picker->installEventFilter(this);
    }
}

bool EnemyEditor::eventFilter(QObject *object, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        auto *control = static_cast<QWidget *>(object);
        emit helpShown(control->toolTip());
        for (const FieldLayout &layout : EnemyLayout) {
            if (controls_.control(layout.field) == object)
                emit fieldFocused(layout.field);
        }
        // The style frames the control with the focus only once the keyboard has moved
        // it; a click, or the window's start, should show where the keys go as well.
        if (!control->window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
            control->window()->setAttribute(Qt::WA_KeyboardFocusChange);
            control->update();
        }
    }
    return QWidget::eventFilter(object, event);
}

void EnemyEditor::controlEdited(Field field)
{
    if (session_.isOpen())
        session_.editField(shownEnemy_, field, controls_.value(field));
}

void EnemyEditor::showNoImage()
{
    for (QGroupBox *frame : frames_)
        frame->hide();
    tabs_->hide();
    firstLook_->show();
}

// The form is hidden until an image opens: its lists, and the room its labels
// need in bold, which loads a font of its own, wait until then.
void EnemyEditor::prepareForm()
{
    if (formPrepared_)
        return;
    formPrepared_ = true;
    controls_.attachLists(lists_);
    storePsi_->setModel(lists_.psiLabels());
    for (QComboBox *picker : pickers_) {
        const QSignalBlocker quiet(picker);
        picker->setModel(lists_.enemies());
    }
    for (const std::vector<QWidget *> &column : LabelColumns(frames_))
        EditMarks::makeRoom(column);
    AlignColumns(frames_);
}

void EnemyEditor::imageOpened()
{
    prepareForm();
    firstLook_->hide();
    tabs_->setCurrentIndex(0);
    tabs_->show();
    showCurrentPage();
    fillEnemyPickers();
    relabelArgumentLists();
    showEnemy(0);
}

// Only the frame of the tab chosen shows, with the focus on its enemy picker.
void EnemyEditor::showCurrentPage()
{
    const auto page = static_cast<std::size_t>(tabs_->currentIndex());
    if (page >= frames_.size())
        return;
    for (std::size_t k = 0; k < frames_.size(); ++k)
        frames_[k]->setVisible(k == page);
    pickers_[static_cast<std::size_t>(EnemyPickerIndex(Pages[page]))]->setFocus();
}

void EnemyEditor::stepPage(int step)
{
    if (session_.isOpen())
        tabs_->setCurrentIndex((tabs_->currentIndex() + step + tabs_->count()) % tabs_->count());
}

int EnemyEditor::shownPage() const
{
    return tabs_->currentIndex();
}

void EnemyEditor::showPage(int page)
{
    if (session_.isOpen() && page >= 0 && page < tabs_->count())
        tabs_->setCurrentIndex(page);
}

void EnemyEditor::fillEnemyPickers()
{
    QStringList entries;
    entries.reserve(ENEMY_COUNT);
    for (int k = 0; k < ENEMY_COUNT; ++k)
        entries.append(session_.enemyLabel(k));
    // Another image mostly names the same enemies; the pickers keep their place.
    SetChangedEntries(lists_.enemies(), entries);
}

void EnemyEditor::relabelEnemies(const QList<int> &indexes)
{
    QStringListModel *enemies = lists_.enemies();
    for (const int index : indexes) {
        const QModelIndex entry = enemies->index(index);
        const QString label = session_.enemyLabel(index);
        if (enemies->data(entry).toString() != label)
            enemies->setData(entry, label);
    }
    relabelArgumentLists();
}

void EnemyEditor::showEnemy(int index)
{
    if (!session_.isOpen() || index < 0 || index >= ENEMY_COUNT)
        return;
    for (QComboBox *picker : pickers_) {
        const QSignalBlocker quiet(picker);
        picker->setCurrentIndex(index);
    }
    shownEnemy_ = index;
    showRecord();
    emit enemyShown(index);
}

void EnemyEditor::showIfShown(const QList<int> &indexes)
{
    if (session_.isOpen() && indexes.contains(shownEnemy_))
        showRecord();
}

void EnemyEditor::showRecord()
{
    const PendingRecord *pending = session_.pendingOf(shownEnemy_);
    FormValues form = FormFromRecord(session_.shown(shownEnemy_));
    if (pending) {
        for (const auto &[field, text] : pending->unparsed)
            form[static_cast<std::size_t>(field)].text = text;
    }
    // The argument lists are filled for the actions shown before their
    // stored arguments are selected.
    for (int slot = 0; slot < ACTION_SLOT_COUNT; ++slot) {
        fillArgumentList(slot, form[static_cast<std::size_t>(ActionField(slot))].position);
        argumentBox(slot)->setToolTip(
            ToQString(FieldHelp(ArgumentField(slot), &session_.shown(shownEnemy_))));
    }
    controls_.show(form);
    marks_.show(pending, [this, pending](Field field) {
        return ConflictText(field, shownEnemy_, *pending,
                            EnemyTable(session_.storedRecords(), &session_.labels()));
    });
    showUsers();
    differences_.show(BaselineRecord(session_, shownEnemy_), session_.shown(shownEnemy_));
}

void EnemyEditor::fillArgumentList(int slot, int code)
{
    const std::optional<ActionKind> kind = KindOfAction(static_cast<std::uint32_t>(code));
    QComboBox *arguments = argumentBox(slot);
    const QSignalBlocker quiet(arguments);
    // Entries that are the same already are not set again.
    auto *entries = static_cast<QStringListModel *>(arguments->model());
    const QStringList wanted = kind ? lists_.arguments(*kind) : QStringList();
    if (entries->stringList() != wanted)
        entries->setStringList(wanted);
}

void EnemyEditor::relabelArgumentLists()
{
    // The argument lists shown keep their selection.
    for (int slot = 0; slot < ACTION_SLOT_COUNT; ++slot) {
        const QComboBox *action = controls_.comboBox(ActionField(slot));
        if (const auto kind = KindOfAction(static_cast<std::uint32_t>(action->currentIndex()))) {
            const QSignalBlocker quiet(argumentBox(slot));
            SetChangedEntries(static_cast<QStringListModel *>(argumentBox(slot)->model()),
                              lists_.arguments(*kind));
        }
    }
}

void EnemyEditor::focusField(Field field)
{
    QWidget *control = controls_.control(field);
    for (std::size_t i = 0; i < frames_.size(); ++i) {
        if (frames_[i]->isAncestorOf(control))
            tabs_->setCurrentIndex(static_cast<int>(i));
    }
    control->setFocus();
}

} // namespace mobwright
