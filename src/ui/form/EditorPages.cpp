#include "EditorPages.h"

#include "EnemyLayout.h"
#include "QtText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include <map>
#include <optional>
#include <vector>

namespace mobwright {
namespace {

// This file's texts, as translators see them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(EditorPages)
};

enum Column { Left, Right, Wide };

struct Cell
{
    int row;
    Column column;
    std::optional<Field> field; // none: the page's enemy picker
};

struct PageDescription
{
    const char *frame;
    const char *caption;
    int enemyPicker; // index in the picker array
    int applyButton; // index in the button array
    int firstLabel;  // index in the label array
    std::vector<Cell> cells;
};

const PageDescription &Describe(Page page)
{
    // The label array leaves indexes 19 to 21 and 35 to 37 unused. The
    // stats stand in two columns of about equal height, so that the tallest
    // page fits a small screen.
    static const PageDescription stats{"frmOne",
                                       QT_TRANSLATE_NOOP("EditorPages", "Enemy Stats."),
                                       0,
                                       0,
                                       0,
                                       {{0, Wide, std::nullopt},
                                        {1, Left, Field::Name},
                                        {2, Left, Field::HP},
                                        {1, Right, Field::TheFlag},
                                        {3, Left, Field::PP},
                                        {4, Left, Field::Exp},
                                        {5, Left, Field::Money},
                                        {5, Right, Field::Speed},
                                        {3, Right, Field::Offense},
                                        {4, Right, Field::Defense},
                                        {9, Left, Field::Status},
                                        {2, Right, Field::Level},
                                        {6, Right, Field::Guts},
                                        {7, Right, Field::IQ},
                                        {6, Left, Field::Item},
                                        {7, Left, Field::ItemFreq},
                                        {8, Right, Field::MissRate},
                                        {8, Left, Field::Type}}};
    static const PageDescription actions{"frmTwo",
                                         QT_TRANSLATE_NOOP("EditorPages", "Actions."),
                                         2,
                                         2,
                                         17,
                                         {{0, Wide, std::nullopt},
                                          {1, Left, Field::Action1},
                                          {1, Right, Field::Argument1},
                                          {2, Left, Field::Action2},
                                          {2, Right, Field::Argument2},
                                          {3, Left, Field::Action3},
                                          {3, Right, Field::Argument3},
                                          {4, Left, Field::Action4},
                                          {4, Right, Field::Argument4},
                                          {5, Left, Field::Order},
                                          {6, Left, Field::FinalAction},
                                          {7, Left, Field::StartText},
                                          {8, Left, Field::DeathText},
                                          {9, Left, Field::MaxCall}}};
    static const PageDescription gfxSound{"frmThree",
                                          QT_TRANSLATE_NOOP("EditorPages", "Gfx / Sound"),
                                          1,
                                          1,
                                          34,
                                          {{0, Wide, std::nullopt},
                                           {1, Left, Field::OutsidePic},
                                           {1, Right, Field::Movement},
                                           {2, Left, Field::InsidePic},
                                           {2, Right, Field::DeathSound},
                                           {3, Left, Field::Palette},
                                           {3, Right, Field::Music}}};
    switch (page) {
    case Page::Stats: return stats;
    case Page::Actions: return actions;
    case Page::GfxSound: break;
    }
    return gfxSound;
}

// The label array skips two blocks of indexes.
int NextLabelIndex(int index)
{
    ++index;
    if (index == 19 || index == 35)
        index += 3;
    return index;
}

QString LabelText(std::optional<Field> field)
{
    return field ? ToQString(LayoutOf(*field).label) : Text::tr("Enemy: ");
}

} // namespace

QString IndexedName(const char *array, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
}

int EnemyPickerIndex(Page page)
{
    return Describe(page).enemyPicker;
}

BuiltPage BuildPage(Page page, const ControlOf &controlOf, QComboBox *picker,
                    const ControlOf &besideOf)
{
    const PageDescription &description = Describe(page);
    auto *frame = new QGroupBox(Text::tr(description.caption));
    frame->setObjectName(QString::fromLatin1(description.frame));
    auto *grid = new QGridLayout(frame);
    grid->setColumnMinimumWidth(2, 16); // between the two columns
    // The controls grow with the window; the labels keep their width.
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);

    int labelIndex = description.firstLabel;
    int lastRow = 0;
    int lastRightRow = -1;
    // The widgets that take the focus, by where they stand: row, then column.
    std::multimap<std::pair<int, int>, QWidget *> readingOrder;
    for (const Cell &cell : description.cells) {
        QWidget *control = cell.field ? controlOf(*cell.field) : picker;
        const int labelColumn = cell.column == Right ? 3 : 0;
        readingOrder.emplace(std::pair(cell.row, labelColumn), control);
        QWidget *placed = control;
        if (QWidget *beside = cell.field ? besideOf(*cell.field) : nullptr) {
            placed = new QWidget;
            auto *row = new QHBoxLayout(placed);
            row->setContentsMargins({});
            row->addWidget(control, 1);
            row->addWidget(beside);
            readingOrder.emplace(std::pair(cell.row, labelColumn + 1), beside);
        }
        if (cell.field && LayoutOf(*cell.field).encoding == Encoding::Flag) {
            grid->addWidget(control, cell.row, labelColumn, 1, 2);
        } else {
            auto *label = new QLabel(LabelText(cell.field));
            label->setObjectName(IndexedName("lbls", labelIndex));
            label->setBuddy(control);
            labelIndex = NextLabelIndex(labelIndex);
            grid->addWidget(label, cell.row, labelColumn);
            grid->addWidget(placed, cell.row, labelColumn + 1, 1, cell.column == Wide ? 4 : 1);
        }
        lastRow = std::max(lastRow, cell.row);
        if (cell.column != Left)
            lastRightRow = std::max(lastRightRow, cell.row);
    }

    // The button sits at the bottom of the right column.
    auto *apply = new QPushButton(Text::tr("Apply Changes"));
    apply->setObjectName(IndexedName("cmdApply", description.applyButton));
    const int buttonRow = lastRightRow < lastRow ? lastRow : lastRow + 1;
    grid->addWidget(apply, buttonRow, 4, Qt::AlignRight);
    grid->setRowStretch(buttonRow + 1, 1);
    readingOrder.emplace(std::pair(buttonRow, 4), apply);
    // Tab goes through the controls in reading order: row by row, left to right.
    QWidget *previous = nullptr;
    for (const auto &[place, widget] : readingOrder) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
    return {frame, apply};
}

void AlignColumns(const std::array<QGroupBox *, 3> &frames)
{
    std::array<int, 5> widths{};
    for (QGroupBox *frame : frames) {
        auto *grid = static_cast<QGridLayout *>(frame->layout());
        for (int i = 0; i < grid->count(); ++i) {
            int row = 0, column = 0, rows = 0, columns = 0;
            grid->getItemPosition(i, &row, &column, &rows, &columns);
            if (columns == 1 && column < static_cast<int>(widths.size()))
                widths[column] = std::max(widths[column], grid->itemAt(i)->sizeHint().width());
        }
    }
    for (QGroupBox *frame : frames) {
        auto *grid = static_cast<QGridLayout *>(frame->layout());
        for (std::size_t column = 0; column < widths.size(); ++column)
            grid->setColumnMinimumWidth(
                static_cast<int>(column),
                std::max(widths[column], grid->columnMinimumWidth(static_cast<int>(column))));
    }
    // On a wide screen the fields grow only so far, and the buttons stay by them.
    for (QGroupBox *frame : frames)
        frame->setMaximumWidth(frame->minimumSizeHint().width() * 4 / 3);
}

std::vector<std::vector<QWidget *>> LabelColumns(const std::array<QGroupBox *, 3> &frames)
{
    std::map<std::pair<int, int>, std::vector<QWidget *>> byColumnAndSpan;
    for (QGroupBox *frame : frames) {
        auto *grid = static_cast<QGridLayout *>(frame->layout());
        for (int i = 0; i < grid->count(); ++i) {
            QWidget *widget = grid->itemAt(i)->widget();
            if (!qobject_cast<QLabel *>(widget) && !qobject_cast<QCheckBox *>(widget))
                continue;
            int row = 0, column = 0, rows = 0, columns = 0;
            grid->getItemPosition(i, &row, &column, &rows, &columns);
            byColumnAndSpan[{column, columns}].push_back(widget);
        }
    }
    std::vector<std::vector<QWidget *>> labelColumns;
    for (auto &[place, widgets] : byColumnAndSpan)
        labelColumns.push_back(std::move(widgets));
    return labelColumns;
}

} // namespace mobwright
