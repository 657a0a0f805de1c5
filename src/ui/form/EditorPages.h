#pragma once

#include "EnemyLayout.h"

#include <QString>

#include <array>

#include <functional>
#include <vector>

class QComboBox;
class QGroupBox;
class QPushButton;
class QWidget;

namespace mobwright {

// In the order of the tabs.
enum class Page { Stats, Actions, GfxSound };

struct BuiltPage
{
    QGroupBox *frame;
    QPushButton *apply; // the page's "Apply Changes"
};

// Builds a page's frame: each control beside its label, in the page's
// reading order and columns, and the page's "Apply Changes" button.
// controlOf gives each field's control, picker is the page's enemy picker,
// and besideOf gives a widget to put at a field's control's right, or null.
using ControlOf = std::function<QWidget *(Field field)>;
BuiltPage BuildPage(Page page, const ControlOf &controlOf, QComboBox *picker,
                    const ControlOf &besideOf);

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

// The page's element of the enemy pickers.
int EnemyPickerIndex(Page page);

} // namespace mobwright
