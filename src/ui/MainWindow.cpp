#include "MainWindow.h"

#include "EditorPages.h"
#include "EnemyLabels.h"
#include "LabelFolder.h"
#include "ListModels.h"
#include "QtText.h"
#include "RecordStore.h"
#include "RomError.h"
#include "icon.xpm"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHash>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStringListModel>
#include <QTabBar>
#include <QUrl>
#include <QVBoxLayout>

namespace mobwright {
namespace {

constexpr std::array Pages{Page::Stats, Page::Actions, Page::GfxSound};

QString DefaultOpenDialog(QWidget *parent)
{
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Open ROM"),
                                        QCoreApplication::applicationDirPath(),
                                        QStringLiteral("Snes Rom Files (*.smc);;All Files (*)"));
}

QFrame *HorizontalRule(const char *name)
{
    auto *line = new QFrame;
    line->setObjectName(QString::fromLatin1(name));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

Main::Main(QWidget *parent)
    : QMainWindow(parent)
    , cursor_(rom_, [this] { return cmbEnemy[0]->currentIndex(); })
    , lists_(new ListModels(this))
    , controls_(*lists_)
    , openDialog_(DefaultOpenDialog)
{
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(QStringLiteral("Mobwright"));
    setWindowIcon(QPixmap(icon_xpm));
    buildMenu();
    buildHelpMenu();
    buildPages();
    messageSink_ = [this](const QString &message) {
        QMessageBox::warning(this, windowTitle(), message);
    };
    Form_Load();
}

Main::~Main() = default;

void Main::buildMenu()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction *load = file->addAction(QStringLiteral("Load ROM"), this, &Main::mnuLoad_Click);
    load->setObjectName(QStringLiteral("mnuLoad"));
    QAction *close = file->addAction(QStringLiteral("Close ROM"), this, &Main::mnuClose_Click);
    close->setObjectName(QStringLiteral("mnuClose"));
}

void Main::buildHelpMenu()
{
    QMenu *help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    QAction *folder =
        help->addAction(QStringLiteral("Open Label Folder"), this, &Main::mnuLabelFolder_Click);
    folder->setObjectName(QStringLiteral("mnuLabelFolder"));
}

void Main::mnuLabelFolder_Click()
{
    const QString folder = LabelFolder();
    if (!QDir().mkpath(folder)) {
        report(QStringLiteral("The label folder %1 cannot be created.").arg(folder));
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

void Main::useLabelFolder(const QString &folder)
{
    const QStringList problems = ReadLabelFolder(folder, listLabels_);
    showListLabels();
    if (!problems.isEmpty())
        report(problems.join(QStringLiteral("\n\n")));
}

void Main::showListLabels()
{
    lists_->relabel(listLabels_);
    relabelArgumentLists();
}

void Main::showListLabels(const std::vector<ListEntry> &entries)
{
    if (entries.empty())
        return;
    lists_->relabel(listLabels_, entries);
    relabelArgumentLists();
}

void Main::relabelArgumentLists()
{
    // The argument lists shown keep their selection.
    for (int slot = 0; slot < ACTION_SLOT_COUNT; ++slot) {
        if (const auto kind = ActionKinds.kindOf(actionBox(slot)->currentIndex()))
            SetChangedEntries(static_cast<QStringListModel *>(argumentBox(slot)->model()),
                              lists_->arguments(*kind));
    }
}

void Main::buildPages()
{
    auto *central = new QWidget;
    auto *column = new QVBoxLayout(central);
    column->addWidget(HorizontalRule("Line1"));
    column->addWidget(HorizontalRule("Line2"));

    TabStrip1 = new QTabBar;
    TabStrip1->setObjectName(QStringLiteral("TabStrip1"));
    TabStrip1->setExpanding(false);
    for (const char *caption : TabCaptions)
        TabStrip1->addTab(QString::fromLatin1(caption));
    connect(TabStrip1, &QTabBar::currentChanged, this, &Main::TabStrip1_Click);
    column->addWidget(TabStrip1);

    QHash<QString, QWidget *> controls;
    for (const FieldLayout &layout : EnemyLayout)
        controls.insert(ToQString(layout.control), controls_.control(layout.field));
    for (const Page page : Pages) {
        const int k = EnemyPickerIndex(page);
        QComboBox *picker = MakeComboBox(IndexedName("cmbEnemy", k), 30);
        picker->setModel(lists_->enemies());
        cmbEnemy[static_cast<std::size_t>(k)] = picker;
        controls.insert(picker->objectName(), picker);
        connect(picker, &QComboBox::currentIndexChanged, this, [this, k] { cmbEnemy_Click(k); });
    }
    // The frames lie at one place, the size of the largest, one shown at a time.
    auto *stack = new QGridLayout;
    for (const Page page : Pages) {
        QGroupBox *frame =
            BuildPage(page, [&controls](const QString &name) { return controls.value(name); });
        const int index = ApplyButtonIndex(page);
        auto *apply = frame->findChild<QPushButton *>(IndexedName("cmdApply", index));
        connect(apply, &QPushButton::clicked, this, [this, index] { cmdApply_Click(index); });
        frames_[static_cast<std::size_t>(page)] = frame;
        QSizePolicy policy = frame->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        frame->setSizePolicy(policy);
        stack->addWidget(frame, 0, 0);
    }
    column->addLayout(stack, 1);

    const std::array handlers{&Main::cmbAct1_Click, &Main::cmbAct2_Click, &Main::cmbAct3_Click,
                              &Main::cmbAct4_Click};
    for (int slot = 0; slot < ACTION_SLOT_COUNT; ++slot)
        connect(actionBox(slot), &QComboBox::currentIndexChanged, this,
                handlers[static_cast<std::size_t>(slot)]);

    // The PSI labels, never shown.
    auto *storePsi = MakeComboBox(QStringLiteral("cmbStorePSI"), 20);
    storePsi->setModel(lists_->psiLabels());
    storePsi->setParent(central);
    storePsi->hide();

    setCentralWidget(central);
}

void Main::Form_Load()
{
    for (QGroupBox *frame : frames_)
        frame->hide();
    TabStrip1->hide();
}

void Main::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

void Main::Form_Unload()
{
    if (RomLoaded)
        rom_.Close();
}

void Main::mnuLoad_Click()
{
    const QString fileName = openDialog_(this);
    if (fileName.isEmpty())
        return;
    LoadImage(fileName);
}

void Main::LoadImage(const QString &path)
{
    LoadImageFile(QFile::encodeName(path).toStdString());
}

void Main::LoadImageFile(const std::string &fileName)
{
    // Everything shown from the new image is read before the loaded one is
    // released, so a failure leaves the image before it loaded and shown. The
    // image that is open already is read again through its own handle, since
    // its lock would refuse a second one.
    RomFile next;
    std::vector<std::string> labels;
    EnemyRecord first;
    try {
        next =
            rom_.holds(fileName) ? rom_.Reopened(fileName) : RomFile::Open(fileName, fileOpener_);
        labels = ReadEnemyLabels(next);
        first = ReadRecordAt(next, 0);
        listLabels_.readImage(next);
    } catch (const RomError &error) {
        report(ToQString(error.what()));
        return;
    }
    rom_ = std::move(next); // releases the image opened before, if it was another
    RomLoaded = true;

    TabStrip1->setCurrentIndex(0);
    TabStrip1->show();
    TabStrip1_Click();
    FillEnemyLists(labels);
    showListLabels();
    ShowEnemyRecord(first);
}

void Main::mnuClose_Click()
{
    rom_.Close();
    RomLoaded = false;
    listLabels_.forgetImage();
    showListLabels();
    for (QGroupBox *frame : frames_)
        frame->hide();
    TabStrip1->hide();
}

void Main::TabStrip1_Click()
{
    const QString caption = TabStrip1->tabText(TabStrip1->currentIndex());
    for (std::size_t i = 0; i < frames_.size(); ++i) {
        if (caption == QLatin1String(TabCaptions[i])) {
            for (std::size_t k = 0; k < frames_.size(); ++k)
                frames_[k]->setVisible(k == i);
        }
    }
}

void Main::FillEnemyLists(const std::vector<std::string> &labels)
{
    QStringList entries;
    entries.reserve(static_cast<qsizetype>(labels.size()));
    for (const std::string &label : labels)
        entries.append(ToQString(label));

    // Replacing the entries takes the pickers through "no selection"; no
    // record may be shown until the new entries are in place.
    fillingPickers_ = true;
    lists_->enemies()->setStringList(entries);
    for (QComboBox *picker : cmbEnemy)
        picker->setCurrentIndex(0);
    fillingPickers_ = false;
    ActionKinds.BuildActionKinds();
}

void Main::cmbEnemy_Click(int index)
{
    if (fillingPickers_)
        return;
    // Read afresh for each copy: a nested handling may have moved it back.
    const QComboBox *source = cmbEnemy[static_cast<std::size_t>(index)];
    for (QComboBox *picker : cmbEnemy) {
        if (picker->currentIndex() != source->currentIndex())
            picker->setCurrentIndex(source->currentIndex());
    }
    const int chosen = cmbEnemy[0]->currentIndex();
    if (!RomLoaded || chosen < 0 || !ActionKinds.isBuilt())
        return;
    if (chosen != ShownEnemy || ReloadPending) {
        if (!LoadEnemyRecord()) {
            // The failure is reported once; the controls still show ShownEnemy.
            ReloadPending = false;
            selectEnemy(ShownEnemy);
        }
    }
}

void Main::selectEnemy(int index)
{
    fillingPickers_ = true;
    for (QComboBox *picker : cmbEnemy)
        picker->setCurrentIndex(index);
    fillingPickers_ = false;
}

bool Main::LoadEnemyRecord()
{
    try {
        ShowEnemyRecord(ReadEnemyRecord(cursor_));
    } catch (const RomError &error) {
        report(QStringLiteral("Cannot show the enemy: %1").arg(ToQString(error.what())));
        return false;
    }
    return true;
}

void Main::ShowEnemyRecord(const EnemyRecord &record)
{
    shownRecord_ = record;
    const FormValues form = FormFromRecord(record);

    // The argument lists are filled for the actions about to be shown before
    // their stored arguments are selected; the slots' own handling waits.
    showingRecord_ = true;
    for (int slot = 0; slot < ACTION_SLOT_COUNT; ++slot)
        FillArgumentList(slot, form[static_cast<std::size_t>(ActionField(slot))].position);
    controls_.show(form);
    showingRecord_ = false;

    ReloadPending = false;
    ShownEnemy = cmbEnemy[0]->currentIndex();
}

void Main::FillArgumentList(int slot, int code)
{
    const std::optional<ActionKind> kind = ActionKinds.kindOf(code);
    QComboBox *arguments = argumentBox(slot);
    arguments->setProperty("Tag", kind ? QString::fromLatin1(KindName(*kind).data()) : QString());
    // Entries that are the same already are not set again.
    auto *entries = static_cast<QStringListModel *>(arguments->model());
    const QStringList wanted = kind ? lists_->arguments(*kind) : QStringList();
    if (entries->stringList() != wanted)
        entries->setStringList(wanted);
    arguments->setCurrentIndex(-1);
}

void Main::ActionSlotChanged(int slot)
{
    if (showingRecord_)
        return;
    QComboBox *arguments = argumentBox(slot);
    const QString kindBefore = arguments->property("Tag").toString();
    const int positionBefore = arguments->currentIndex();
    FillArgumentList(slot, actionBox(slot)->currentIndex());
    // Another action of the same kind keeps its argument.
    const bool sameKind = arguments->property("Tag").toString() == kindBefore;
    arguments->setCurrentIndex(sameKind ? positionBefore : 0);
}

void Main::cmdApply_Click(int /*index*/)
{
    ApplyEnemyRecord();
}

void Main::ApplyEnemyRecord()
{
    if (!RomLoaded)
        return;
    const auto result = RecordFromForm(controls_.read(), shownRecord_);
    if (const auto *refusal = std::get_if<FieldError>(&result)) {
        QWidget *control = controls_.control(refusal->field);
        showPageOf(control);
        control->setFocus();
        report(ToQString(refusal->message()));
        return;
    }

    const int index = cmbEnemy[0]->currentIndex();
    EnemyRecord after;
    try {
        // The bytes the editor does not edit are written as they are now.
        after = ReadEnemyRecord(cursor_).WithFieldsOf(std::get<EnemyRecord>(result));
        rom_.ConfirmUnchanged();
        WriteEnemyRecord(cursor_, after);
        if (syncAfterApply_)
            rom_.Sync();
    } catch (const RomError &error) {
        ReportFailedApply(index, error);
        return;
    }
    RelabelEnemy(index);
    showListLabels(listLabels_.recordStored(index, after.allBytes()));
    // The controls show the record as it now is in the file.
    try {
        ShowEnemyRecord(ReadEnemyRecord(cursor_));
    } catch (const RomError &error) {
        report(
            QStringLiteral("The changes to enemy %1 are on the disk, but showing the record again "
                           "failed.\n\n%2")
                .arg(index + 1)
                .arg(ToQString(error.what())));
    }
}

void Main::ReportFailedApply(int index, const RomError &error)
{
    const auto *failedWrite = dynamic_cast<const RomWriteError *>(&error);
    QString outcome = QStringLiteral("Nothing was written.");
    if (failedWrite && failedWrite->written() > 0)
        outcome = QStringLiteral(
                      "Only %1 of its %2 bytes were written, so the record in the file is partly "
                      "changed.")
                      .arg(failedWrite->written())
                      .arg(ENEMY_RECORD_SIZE);
    else if (!failedWrite)
        outcome = QStringLiteral("The record may not be on the disk yet."); // the sync failed
    report(QStringLiteral("The changes to enemy %1 could not be written. %2\n\n%3")
               .arg(index + 1)
               .arg(outcome, ToQString(error.what())));
    RelabelEnemy(index);
}

void Main::RelabelEnemy(int index)
{
    // The picker names the enemy as the file holds it, whatever the apply did.
    std::string name;
    try {
        name = ReadEnemyName(rom_, index);
    } catch (const RomError &) {
        return; // the label stays; the failure has been reported
    }
    QStringListModel *enemies = lists_->enemies();
    const QModelIndex entry = enemies->index(index);
    const QString label = ToQString(EnemyLabel(index, name));
    if (enemies->data(entry).toString() != label)
        enemies->setData(entry, label);
}

void Main::showPageOf(QWidget *control)
{
    for (std::size_t i = 0; i < frames_.size(); ++i) {
        if (frames_[i]->isAncestorOf(control))
            TabStrip1->setCurrentIndex(static_cast<int>(i));
    }
}

void Main::report(const QString &message)
{
    messageSink_(message);
}

} // namespace mobwright
