#include "EnemyForm.h"

#include "FieldEntries.h"

#include <gtest/gtest.h>

using namespace mobwright;

namespace {

ControlValue &At(FormValues &form, Field field)
{
    return form[static_cast<std::size_t>(field)];
}

const ControlValue &At(const FormValues &form, Field field)
{
    return form[static_cast<std::size_t>(field)];
}

EnemyRecord Stored(const FormValues &form, const EnemyRecord &shown)
{
    auto result = RecordFromForm(form, shown);
    if (const auto *error = std::get_if<FieldError>(&result))
        ADD_FAILURE() << error->message();
    return std::get<EnemyRecord>(result);
}

FieldError Refusal(const FormValues &form, const EnemyRecord &shown)
{
    auto result = RecordFromForm(form, shown);
    EXPECT_TRUE(std::holds_alternative<FieldError>(result));
    return std::holds_alternative<FieldError>(result) ? std::get<FieldError>(result)
                                                      : FieldError{Field::TheFlag, {}, {}};
}

// A record whose every field holds a value its control can show.
EnemyRecord ShowableRecord()
{
    EnemyRecord record;
    const std::uint8_t boss[] = {0x72, 0x9F, 0xA3, 0xA3};
    std::copy(std::begin(boss), std::end(boss), record.bytes(Field::Name).begin());
    record.setValue(Field::TheFlag, 1);
    record.setValue(Field::Type, 2);
    record.setValue(Field::InsidePic, 110);
    record.setValue(Field::OutsidePic, 463);
    record.setValue(Field::HP, 0x9C40);
    record.setValue(Field::Exp, 100000);
    record.setValue(Field::StartText, 0x00C5ABCD);
    record.setValue(Field::Music, 0xBF);
    record.setValue(Field::Action1, 10); // PSI
    record.setValue(Field::Argument1, 255);
    record.setValue(Field::Action2, 62); // call
    record.setValue(Field::Argument2, 230);
    record.setValue(Field::Action3, 140); // item
    record.setValue(Field::Argument3, 1);
    record.setValue(Field::Action4, 0); // normal
    record.setValue(Field::Argument4, 1);
    record.setValue(Field::FinalAction, 318);
    record.setValue(Field::Item, 255);
    return record;
}

} // namespace

TEST(FormFromRecord, ShowsEveryFieldAsItsControlWants)
{
    const FormValues form = FormFromRecord(ShowableRecord());
    EXPECT_EQ(At(form, Field::TheFlag).position, 1);
    EXPECT_EQ(At(form, Field::Name).text, "Boss");
    EXPECT_EQ(At(form, Field::Type).position, 2);
    EXPECT_EQ(At(form, Field::InsidePic).position, 110);
    EXPECT_EQ(At(form, Field::OutsidePic).position, 462);
    EXPECT_EQ(At(form, Field::HP).text, "40000");
    EXPECT_EQ(At(form, Field::Exp).text, "100000");
    EXPECT_EQ(At(form, Field::StartText).text, "C5ABCD");
    EXPECT_EQ(At(form, Field::DeathText).text, "000000");
    EXPECT_EQ(At(form, Field::Music).position, 191);
    EXPECT_EQ(At(form, Field::Argument1).position, 254);
    EXPECT_EQ(At(form, Field::Argument2).position, 229);
    EXPECT_EQ(At(form, Field::Argument3).position, 0);
    EXPECT_EQ(At(form, Field::Argument4).position, 0);
    EXPECT_EQ(At(form, Field::FinalAction).position, 318);
    EXPECT_EQ(At(form, Field::Item).position, 255);
    EXPECT_EQ(At(form, Field::MaxCall).text, "0");
}

TEST(FormFromRecord, ShowsNoEntryForZeroInOneBasedFields)
{
    const FormValues form = FormFromRecord(EnemyRecord{});
    EXPECT_EQ(At(form, Field::OutsidePic).position, KEEP_STORED);
    for (int slot = 0; slot < ACTION_SLOT_COUNT; ++slot)
        EXPECT_EQ(At(form, ArgumentField(slot)).position, KEEP_STORED);
    EXPECT_EQ(At(form, Field::Type).position, 0);
    EXPECT_EQ(At(form, Field::TheFlag).position, 0);
}

TEST(FormFromRecord, ShowsNoEntryForValuesWithoutOne)
{
    EnemyRecord record;
    record.setValue(Field::TheFlag, 2);
    record.setValue(Field::Type, 3);
    record.setValue(Field::InsidePic, 0x100);
    record.setValue(Field::OutsidePic, 464);
    record.setValue(Field::Action1, 319);
    record.setValue(Field::Argument1, 1); // its action is unknown
    record.setValue(Field::Action2, 0);
    record.setValue(Field::Argument2, 2); // a normal action offers one entry
    record.setValue(Field::Action3, 245);
    record.setValue(Field::Argument3, 231); // 230 enemies
    record.setValue(Field::ItemFreq, 8);
    record.setValue(Field::DeathSound, 2);
    const FormValues form = FormFromRecord(record);
    for (const Field field : {Field::TheFlag, Field::Type, Field::InsidePic, Field::OutsidePic,
                              Field::Action1, Field::Argument1, Field::Argument2, Field::Argument3,
                              Field::ItemFreq, Field::DeathSound})
        EXPECT_EQ(At(form, field).position, KEEP_STORED) << LayoutOf(field).control;
    EXPECT_EQ(At(form, Field::InsidePic).text, "(stored value 256)");
    EXPECT_EQ(At(form, Field::TheFlag).text, "(stored value 2)");
    EXPECT_EQ(At(form, Field::Argument3).text, "(stored value 231)");
    EXPECT_EQ(At(FormFromRecord(EnemyRecord{}), Field::OutsidePic).text, "");
}

TEST(RecordFromForm, AnUnchangedFormGivesBackTheRecordButTheAddressesFourthBytes)
{
    EnemyRecord record = ShowableRecord();
    record.setValue(Field::StartText, 0x07C5ABCD);
    record.setValue(Field::DeathText, 0xFF000001);
    record.setValue(Field::Type, 7);     // without an entry
    record.setValue(Field::TheFlag, 9);  // neither clear nor checked
    record.setValue(Field::Argument4, 77); // beyond a normal action's one entry
    const std::uint8_t stray[] = {0x72, 0x01, 0x9F, 0x00, 0x55, 0x66};
    std::copy(std::begin(stray), std::end(stray), record.bytes(Field::Name).begin());

    EnemyRecord expected = record;
    expected.setValue(Field::StartText, 0x00C5ABCD);
    expected.setValue(Field::DeathText, 0x00000001);
    EXPECT_EQ(Stored(FormFromRecord(record), record), expected);
}

TEST(RecordFromForm, StoresEditedValues)
{
    const EnemyRecord shown = ShowableRecord();
    FormValues form = FormFromRecord(shown);
    At(form, Field::HP).text = "300";
    At(form, Field::Exp).text = " 4294967295 ";
    At(form, Field::StartText).text = "abcd";
    At(form, Field::Name).text = "Ab";
    At(form, Field::TheFlag).position = 0;
    At(form, Field::OutsidePic).position = 0;
    At(form, Field::Argument1).position = 0;
    At(form, Field::Type).position = 1;

    const EnemyRecord stored = Stored(form, shown);
    EXPECT_EQ(stored.value(Field::HP), 300u);
    EXPECT_EQ(stored.value(Field::Exp), 0xFFFFFFFFu);
    EXPECT_EQ(stored.value(Field::StartText), 0x0000ABCDu);
    EXPECT_EQ(stored.value(Field::TheFlag), 0u);
    EXPECT_EQ(stored.value(Field::OutsidePic), 1u);
    EXPECT_EQ(stored.value(Field::Argument1), 1u);
    EXPECT_EQ(stored.value(Field::Type), 1u);
    const auto name = stored.bytes(Field::Name);
    EXPECT_EQ(name[0], 0x71);
    EXPECT_EQ(name[1], 0x92);
    EXPECT_TRUE(std::all_of(name.begin() + 2, name.end(), [](auto b) { return b == 0; }));
}

TEST(RecordFromForm, ReportsTheFirstRefusedFieldInRecordOrder)
{
    const EnemyRecord shown = ShowableRecord();
    FormValues form = FormFromRecord(shown);
    At(form, Field::MaxCall).text = "256";
    At(form, Field::HP).text = "12x";
    FieldError error = Refusal(form, shown);
    EXPECT_EQ(error.field, Field::HP);
    EXPECT_EQ(error.text, "12x");

    At(form, Field::Name).text = "Caf\xC3\xA9";
    error = Refusal(form, shown);
    EXPECT_EQ(error.field, Field::Name);
    EXPECT_NE(error.message().find("\"\xC3\xA9\""), std::string::npos) << error.message();

    At(form, Field::Name).text = std::string(26, 'a');
    EXPECT_EQ(Refusal(form, shown).field, Field::Name);
}

TEST(FieldEntries, EveryListPositionFitsItsField)
{
    for (const FieldLayout &layout : EnemyLayout) {
        const auto count = static_cast<std::uint64_t>(FixedEntries(layout.field).size());
        const std::uint64_t largest = layout.encoding == Encoding::ListPositionPlus1 ? count : count - 1;
        if (count > 0) {
            EXPECT_LT(largest, std::uint64_t{1} << (8 * layout.width)) << layout.control;
        }
    }
    for (const ActionKind kind : {ActionKind::Normal, ActionKind::Psi, ActionKind::Call, ActionKind::Item})
        EXPECT_LE(ArgumentEntryCount(kind), MAX_ARGUMENT_ENTRIES);
    EXPECT_EQ(ArgumentEntryCount(ActionKind::Normal), 1);
    EXPECT_EQ(ArgumentEntryCount(ActionKind::Psi), 255);
    EXPECT_EQ(ArgumentEntryCount(ActionKind::Call), 230);
    EXPECT_EQ(ArgumentEntryCount(ActionKind::Item), 255);
    EXPECT_EQ(ItemArgumentLabels().front(), ItemLabels()[1]);
    EXPECT_EQ(PsiArgumentLabels().back(), ActionLabels()[264]);
}
