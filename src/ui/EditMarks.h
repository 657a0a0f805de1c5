#pragma once

#include "EnemyLayout.h"

#include <array>
#include <bitset>
#include <vector>

class QWidget;

namespace mobwright {

struct PendingRecord;

// Marks the labels of edited fields in bold, so that no edit goes unnoticed.
class EditMarks
{
public:
    // The widget that names a field's control and carries its mark.
    void setLabel(Field field, QWidget *label);
    // Gives labels that share a column's width room for their text in bold,
    // italic too for a field that differs from the baseline, so that marking
    // moves nothing.
    static void MakeRoom(const std::vector<QWidget *> &column);
    // Marks the fields that pending edits, or none.
    void show(const PendingRecord *pending);

private:
    void mark(Field field, bool edited);

    std::array<QWidget *, FIELD_COUNT> labels_{};
    std::bitset<FIELD_COUNT> edited_;
};

} // namespace mobwright
