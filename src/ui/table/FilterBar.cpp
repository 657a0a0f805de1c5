#include "FilterBar.h"

#include "ColumnValues.h"
#include "EnemyTableModel.h"
#include "Prompter.h"
#include "QtText.h"
#include "RefusalFrame.h"
#include "Settings.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

namespace mobwright {
namespace {

const QString SavedFiltersKey = QStringLiteral("enemyTable/savedFilters");
const QString Joint = QStringLiteral(", ");

} // namespace

FilterBar::FilterBar(const EnemyTableModel &model, std::shared_ptr<Settings> settings,
                     Prompter &prompter, QWidget *parent)
    : QWidget(parent)
    , model_(model)
    , settings_(std::move(settings))
    , prompter_(prompter)
    , field_(new QLineEdit)
    , saved_(settings_->value(SavedFiltersKey).toStringList())
{
    field_->setObjectName(QStringLiteral("txtFilter"));
    field_->setPlaceholderText(
        tr("Name or number; or HP > 40000, Level 10..20, Type = Insect, Name ~ bat"));
    field_->setClearButtonEnabled(true);
    connect(field_, &QLineEdit::textChanged, this, &FilterBar::read);

    auto *savedButton = new QToolButton;
    savedButton->setObjectName(QStringLiteral("cmdSavedFilters"));
    savedButton->setText(tr("Sa&ved"));
    savedButton->setToolTip(tr("Filters kept under names: choose one, or save this one"));
    savedButton->setPopupMode(QToolButton::InstantPopup);
    auto *menu = new QMenu(savedButton);
    menu->setObjectName(QStringLiteral("mnuSavedFilters"));
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { fillSavedMenu(*menu); });
    savedButton->setMenu(menu);

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    auto *label = new QLabel(tr("&Filter:"));
    label->setBuddy(field_);
    row->addWidget(label);
    row->addWidget(field_, 1);
    row->addWidget(savedButton);
}

void FilterBar::read(const QString &text)
{
    auto filter = RowFilter::parse(text, model_.table());
    const auto *refusal = std::get_if<Refusal>(&filter);
    const QString reason = refusal ? ToQString(refusal->message()) : QString();
    FrameAsRefused(*field_, refusal != nullptr);
    field_->setToolTip(reason);
    emit refusalChanged(reason);
    if (!refusal)
        emit filterChanged(std::get<RowFilter>(filter));
}

void FilterBar::putValues(const Column &column, const QStringList &texts)
{
    const QString term = texts.isEmpty() ? QString() : OneOfTerm(column, texts);
    ticked_.insert(column.name, texts);
    QString text = field_->text();
    const QString before = terms_.take(column.name);
    const qsizetype at = before.isEmpty() ? -1 : text.indexOf(before);
    if (at >= 0) {
        text.remove(at, before.size());
        // with the comma that joined it to the others
        if (text.mid(at, Joint.size()) == Joint)
            text.remove(at, Joint.size());
        else if (at >= Joint.size() && text.mid(at - Joint.size(), Joint.size()) == Joint)
            text.remove(at - Joint.size(), Joint.size());
    }
    if (!term.isEmpty()) {
        terms_.insert(column.name, term);
        text += (text.trimmed().isEmpty() ? QString() : Joint) + term;
    }
    field_->setText(text.trimmed().isEmpty() ? QString() : text);
}

void FilterBar::fillSavedMenu(QMenu &menu)
{
    menu.clear();
    int k = 0;
    for (const auto &[name, text] : saved_.all()) {
        QAction *entry = menu.addAction(name, this, [this, text] { field_->setText(text); });
        entry->setObjectName(QStringLiteral("mnuSavedFilter(%1)").arg(k++));
        entry->setToolTip(text);
    }
    menu.setToolTipsVisible(true);
    if (k > 0)
        menu.addSeparator();
    QAction *save = menu.addAction(tr("&Save Filter As…"), this, &FilterBar::saveFilter);
    save->setObjectName(QStringLiteral("mnuSaveFilter"));
    save->setEnabled(!field_->text().trimmed().isEmpty());
    QMenu *forget = menu.addMenu(tr("&Forget"));
    forget->setEnabled(k > 0);
    for (const auto &[name, text] : saved_.all()) {
        forget->addAction(name, this, [this, name] {
            saved_.remove(name);
            storeSaved();
        });
    }
}

void FilterBar::saveFilter()
{
    const QString text = field_->text();
    const auto name = prompter_.filterName(window(), text);
    if (!name)
        return;
    if (saved_.save(*name, text))
        prompter_.warn(window(), tr("The filter was not saved: it needs a name."));
    else
        storeSaved();
}

void FilterBar::storeSaved()
{
    settings_->setValue(SavedFiltersKey, saved_.stored());
}

} // namespace mobwright
