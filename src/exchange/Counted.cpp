#include "Counted.h"

#include <QCoreApplication>

namespace mobwright {
namespace {

struct NounForms
{
    const char *one;
    const char *many;
};

// Indexed by Noun.
constexpr NounForms Forms[] = {
    {QT_TRANSLATE_NOOP("Counted", "%1 enemy"), QT_TRANSLATE_NOOP("Counted", "%1 enemies")},
    {QT_TRANSLATE_NOOP("Counted", "%1 field"), QT_TRANSLATE_NOOP("Counted", "%1 fields")},
    {QT_TRANSLATE_NOOP("Counted", "%1 cell"), QT_TRANSLATE_NOOP("Counted", "%1 cells")},
    {QT_TRANSLATE_NOOP("Counted", "%1 field or byte"),
     QT_TRANSLATE_NOOP("Counted", "%1 fields and bytes")},
    {QT_TRANSLATE_NOOP("Counted", "%1 value that no list names"),
     QT_TRANSLATE_NOOP("Counted", "%1 values that no list names")},
};

} // namespace

QString Counted(qsizetype count, Noun noun)
{
    const NounForms &forms = Forms[static_cast<int>(noun)];
    return QCoreApplication::translate("Counted", count == 1 ? forms.one : forms.many).arg(count);
}

} // namespace mobwright
