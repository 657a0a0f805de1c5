#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace mobwright {

// The fields of an enemy record, in record order.
enum class Field {
    TheFlag, Name, Type, InsidePic, OutsidePic, HP, PP, Exp, Money, Movement,
    StartText, DeathText, Palette, Level, Music, Offense, Defense, Speed, Guts, IQ,
    MissRate, Order, Action1, Action2, Action3, Action4, FinalAction,
    Argument1, Argument2, Argument3, Argument4, ItemFreq, Item, Status, DeathSound, MaxCall,
};
inline constexpr int FIELD_COUNT = static_cast<int>(Field::MaxCall) + 1;

enum class Encoding {
    Flag,             // one byte, FLAG_VALUES below
    GameText,         // the 25-byte name field
    ListPosition,     // the entry's position in the control's list
    ListPositionPlus1,// the entry's position + 1; 0 means no entry
    Number,           // decimal, shown unsigned
    TextAddress,      // 24-bit address, little-endian, as six hex digits
};

// What the flag's values mean, by the value stored: 0 clear, 1 set.
inline constexpr std::array<std::string_view, 2> FLAG_VALUES{"clear", "set"};

// Fields whose value is picked from a list.
constexpr bool IsList(Encoding encoding)
{
    return encoding == Encoding::ListPosition || encoding == Encoding::ListPositionPlus1;
}
// Fields whose control offers choices rather than text: the lists and the flag.
constexpr bool IsChoice(Encoding encoding)
{
    return encoding == Encoding::Flag || IsList(encoding);
}

// The list whose entries a field's stored values name. The argument lists
// follow their slot's action.
enum class ValueList { None, Type, DeathSound, Order, ItemFreq, Music, InsidePic, OutsidePic, Item, Action, Argument };

struct FieldLayout
{
    Field field;
    int offset; // within the record
    int width;  // bytes, little-endian
    Encoding encoding;
    ValueList list;
    std::string_view key;     // the column's name in exported tables
    std::string_view title;   // the field's name as the user reads it
    std::string_view control; // the window control that shows the field
    std::string_view label;   // the text beside it
    std::string_view meaning; // what the value is, in plain words
};

// Every field of the 94-byte record: the one place that knows the offsets.
inline constexpr std::array<FieldLayout, FIELD_COUNT> EnemyLayout{{
    {Field::TheFlag, 0, 1, Encoding::Flag, ValueList::None, "TheFlag", "'The' Flag", "chkFlag", "'The' Flag", "set when the game says \"the\" before the enemy's name"},
    {Field::Name, 1, 25, Encoding::GameText, ValueList::None, "Name", "Name", "txtName", "Name: ", "the enemy's name as the game shows it"},
    {Field::Type, 27, 1, Encoding::ListPosition, ValueList::Type, "Type", "Type", "cmbType", "Type: ", "the kind of enemy: normal, insect or metal"},
    {Field::InsidePic, 28, 2, Encoding::ListPosition, ValueList::InsidePic, "InsidePic", "Inside Pic", "cmbInside", "Inside Pic: ", "the enemy's picture in battle"},
    {Field::OutsidePic, 30, 2, Encoding::ListPositionPlus1, ValueList::OutsidePic, "OutsidePic", "Outside Pic", "cmbOutside", "Outside Pic:", "the enemy's picture on the map; 0 shows none"},
    {Field::HP, 33, 2, Encoding::Number, ValueList::None, "HP", "HP", "txtHP", "HP: ", "the enemy's hit points"},
    {Field::PP, 35, 2, Encoding::Number, ValueList::None, "PP", "PP", "txtPP", "PP: ", "the enemy's psychic points"},
    {Field::Exp, 37, 4, Encoding::Number, ValueList::None, "Exp", "Exp", "txtExp", "Exp. : ", "the experience the party gains for defeating the enemy"},
    {Field::Money, 41, 2, Encoding::Number, ValueList::None, "Money", "Money", "txtMoney", "Money: ", "the money the party gains for defeating the enemy"},
    {Field::Movement, 43, 2, Encoding::Number, ValueList::None, "Movement", "Movement", "txtMove", "Movement: ", "how the enemy moves on the map"},
    {Field::StartText, 45, 3, Encoding::TextAddress, ValueList::None, "StartText", "Start Text", "txtStart", "Start Text: ", "where the text shown as the battle starts lies in the image"},
    {Field::DeathText, 49, 3, Encoding::TextAddress, ValueList::None, "DeathText", "Death Text", "txtDeath", "Death Text: ", "where the text shown when the enemy is defeated lies in the image"},
    {Field::Palette, 53, 1, Encoding::Number, ValueList::None, "Palette", "Palette", "txtPal", "Palette: ", "picks one of 32 palettes, 0 to 31, for the battle picture"},
    {Field::Level, 54, 1, Encoding::Number, ValueList::None, "Level", "Level", "txtLevel", "Level: ", "compared with the party's level for running away"},
    {Field::Music, 55, 1, Encoding::ListPosition, ValueList::Music, "Music", "Music", "cmbMusic", "Music:", "the music played in the battle"},
    {Field::Offense, 56, 1, Encoding::Number, ValueList::None, "Offense", "Offense", "txtOffense", "Offense: ", ""},
    {Field::Defense, 58, 1, Encoding::Number, ValueList::None, "Defense", "Defense", "txtDefense", "Defense: ", ""},
    {Field::Speed, 60, 1, Encoding::Number, ValueList::None, "Speed", "Speed", "txtSpeed", "Speed: ", ""},
    {Field::Guts, 61, 1, Encoding::Number, ValueList::None, "Guts", "Guts", "txtGuts", "Guts: ", ""},
    {Field::IQ, 62, 1, Encoding::Number, ValueList::None, "IQ", "IQ", "txtIQ", "IQ: ", ""},
    {Field::MissRate, 68, 1, Encoding::Number, ValueList::None, "MissRate", "Miss Rate", "txtRate", "Miss Rate: ", ""},
    {Field::Order, 69, 1, Encoding::ListPosition, ValueList::Order, "Order", "Order", "cmbOrd", "Order: ", "the order in which the enemy takes its four actions"},
    {Field::Action1, 70, 2, Encoding::ListPosition, ValueList::Action, "Action1", "Action 1", "cmbAct1", "Action 1:", "the first of the four actions the enemy takes in battle"},
    {Field::Action2, 72, 2, Encoding::ListPosition, ValueList::Action, "Action2", "Action 2", "cmbAct2", "Action 2: ", "the second of the four actions the enemy takes in battle"},
    {Field::Action3, 74, 2, Encoding::ListPosition, ValueList::Action, "Action3", "Action 3", "cmbAct3", "Action 3: ", "the third of the four actions the enemy takes in battle"},
    {Field::Action4, 76, 2, Encoding::ListPosition, ValueList::Action, "Action4", "Action 4", "cmbAct4", "Action 4 : ", "the fourth of the four actions the enemy takes in battle"},
    {Field::FinalAction, 78, 2, Encoding::ListPosition, ValueList::Action, "FinalAction", "Final Action", "cmbFinalAct", "Final Action: ", ""},
    {Field::Argument1, 80, 1, Encoding::ListPositionPlus1, ValueList::Argument, "Argument1", "Argument 1", "cmbArgs(0)", "Argument  1:", "what the first action uses; its action decides the list"},
    {Field::Argument2, 81, 1, Encoding::ListPositionPlus1, ValueList::Argument, "Argument2", "Argument 2", "cmbArgs(1)", "Argument 2:", "what the second action uses; its action decides the list"},
    {Field::Argument3, 82, 1, Encoding::ListPositionPlus1, ValueList::Argument, "Argument3", "Argument 3", "cmbArgs(2)", "Argument 3: ", "what the third action uses; its action decides the list"},
    {Field::Argument4, 83, 1, Encoding::ListPositionPlus1, ValueList::Argument, "Argument4", "Argument 4", "cmbArgs(3)", "Argument 4: ", "what the fourth action uses; its action decides the list"},
    {Field::ItemFreq, 87, 1, Encoding::ListPosition, ValueList::ItemFreq, "ItemFreq", "Item Freq", "cmbItemFreq", "Item Freq.: ", "how often the enemy leaves its item, as a chance out of 128"},
    {Field::Item, 88, 1, Encoding::ListPosition, ValueList::Item, "Item", "Item", "cmbItem", "Item: ", "the item the enemy may leave"},
    {Field::Status, 89, 1, Encoding::Number, ValueList::None, "Status", "Status", "txtStatus", "Satus: ", ""},
    {Field::DeathSound, 90, 1, Encoding::ListPosition, ValueList::DeathSound, "DeathSound", "Death Sound", "cmbDeath", "Death Sound:", "the sound when the enemy is defeated"},
    {Field::MaxCall, 92, 1, Encoding::Number, ValueList::None, "MaxCall", "Max Call", "txtMaxCall", "Max Call: ", "how many of this enemy may be on the field at once"},
}};

constexpr const FieldLayout &LayoutOf(Field field)
{
    return EnemyLayout[static_cast<std::size_t>(field)];
}

// The four action slots, each an action with its argument.
inline constexpr int ACTION_SLOT_COUNT = 4;
constexpr Field ActionField(int slot)
{
    return static_cast<Field>(static_cast<int>(Field::Action1) + slot);
}
constexpr Field ArgumentField(int slot)
{
    return static_cast<Field>(static_cast<int>(Field::Argument1) + slot);
}
// The slot whose argument a field is, if it is one.
constexpr std::optional<int> ArgumentSlot(Field field)
{
    const int slot = static_cast<int>(field) - static_cast<int>(Field::Argument1);
    return slot >= 0 && slot < ACTION_SLOT_COUNT ? std::optional(slot) : std::nullopt;
}

// The field's name as the user reads it, in messages and headers.
constexpr std::string_view FieldName(Field field)
{
    return LayoutOf(field).title;
}

// Whether a record offset lies in no field.
constexpr bool IsUncovered(int offset)
{
    for (const FieldLayout &layout : EnemyLayout) {
        if (offset >= layout.offset && offset < layout.offset + layout.width)
            return false;
    }
    return true;
}

// A byte that no field covers but whose meaning is known.
struct KnownByte
{
    int offset;
    std::string_view title;
    std::string_view meaning;
};

inline constexpr std::array<KnownByte, 7> KnownBytes{{
    {26, "Pronoun", "1 he, 2 she, 3 it"},
    {32, "Runs Away", "1: the enemy flees from a party whose level is above its own"},
    {63, "Weak to Fire", "the enemy's weakness to fire, as stored"},
    {64, "Weak to Freeze", "the enemy's weakness to freezing, as stored"},
    {65, "Weak to Flash", "the enemy's weakness to flash, as stored"},
    {66, "Weak to Paralysis", "the enemy's weakness to paralysis, as stored"},
    {67, "Weak to Hypnosis", "the enemy's weakness to hypnosis, as stored"},
}};

// The known meaning of a byte no field covers, if any.
constexpr const KnownByte *KnownByteAt(int offset)
{
    for (const KnownByte &known : KnownBytes) {
        if (known.offset == offset)
            return &known;
    }
    return nullptr;
}

} // namespace mobwright
