#pragma once

#include <QString>

#include <array>

#include <functional>
#include <vector>

class QGroupBox;
class QWidget;

namespace mobwright {

// In the order of the tabs.
enum class Page { Stats, Actions, GfxSound };

// Builds a page's frame: each control beside its label, in the page's
// reading order and columns, and the page's "Apply Changes" button.
// controlNamed gives the control of each name the page holds; besideOf a
// widget to put at a control's right, or null.
using WidgetNamed = std::function<QWidget *(const QString &name)>;
QGroupBox *BuildPage(Page page, const WidgetNamed &controlNamed, const WidgetNamed &besideOf);

// Gives the columns of every page the same widths, so that the pickers and
// columns keep their place when the page changes, and a width they grow to
// at most.
void AlignColumns(const std::array<QGroupBox *, 3> &frames);

// The labels, and the check box that names itself, of every page, by the
// columns they stand in: those of one column share its width.
std::vector<std::vector<QWidget *>> LabelColumns(const std::array<QGroupBox *, 3> &frames);

inline constexpr std::array<const char *, 3> TabCaptions{
    QT_TRANSLATE_NOOP("mobwright::EnemyEditor", "Stats"),
    QT_TRANSLATE_NOOP("mobwright::EnemyEditor", "Actions"),
    QT_TRANSLATE_NOOP("mobwright::EnemyEditor", "Gfx / Sound")};

// A control array element's name: IndexedName("cmbArgs", 2) is "cmbArgs(2)".
QString IndexedName(const char *array, int index);

// The page's elements of the "Apply Changes" buttons and of the enemy pickers.
int ApplyButtonIndex(Page page);
int EnemyPickerIndex(Page page);

} // namespace mobwright
