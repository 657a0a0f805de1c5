#pragma once

#include <array>
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
    Flag,             // 0 clear, 1 checked
    GameText,         // the 25-byte name field
    ListPosition,     // the entry's position in the control's list
    ListPositionPlus1,// the entry's position + 1; 0 means no entry
    Number,           // decimal, shown unsigned
    TextAddress,      // 24-bit address as six hex digits; the fourth byte is written as 0
};

struct FieldLayout
{
    Field field;
    int offset; // within the record
    int width;  // bytes, little-endian
    Encoding encoding;
    std::string_view control; // the window control that shows the field
    std::string_view label;   // the text beside it
};

// Every field of the 94-byte record: the one place that knows the offsets.
inline constexpr std::array<FieldLayout, FIELD_COUNT> EnemyLayout{{
    {Field::TheFlag, 0, 1, Encoding::Flag, "chkFlag", "'The' Flag"},
    {Field::Name, 1, 25, Encoding::GameText, "txtName", "Name: "},
    {Field::Type, 27, 1, Encoding::ListPosition, "cmbType", "Type: "},
    {Field::InsidePic, 28, 2, Encoding::ListPosition, "cmbInside", "Inside Pic: "},
    {Field::OutsidePic, 30, 2, Encoding::ListPositionPlus1, "cmbOutside", "Outside Pic:"},
    {Field::HP, 33, 2, Encoding::Number, "txtHP", "HP: "},
    {Field::PP, 35, 2, Encoding::Number, "txtPP", "PP: "},
    {Field::Exp, 37, 4, Encoding::Number, "txtExp", "Exp. : "},
    {Field::Money, 41, 2, Encoding::Number, "txtMoney", "Money: "},
    {Field::Movement, 43, 2, Encoding::Number, "txtMove", "Movement: "},
    {Field::StartText, 45, 4, Encoding::TextAddress, "txtStart", "Start Text: "},
    {Field::DeathText, 49, 4, Encoding::TextAddress, "txtDeath", "Death Text: "},
    {Field::Palette, 53, 1, Encoding::Number, "txtPal", "Palette: "},
    {Field::Level, 54, 1, Encoding::Number, "txtLevel", "Level: "},
    {Field::Music, 55, 1, Encoding::ListPosition, "cmbMusic", "Music:"},
    {Field::Offense, 56, 1, Encoding::Number, "txtOffense", "Offense: "},
    {Field::Defense, 58, 1, Encoding::Number, "txtDefense", "Defense: "},
    {Field::Speed, 60, 1, Encoding::Number, "txtSpeed", "Speed: "},
    {Field::Guts, 61, 1, Encoding::Number, "txtGuts", "Guts: "},
    {Field::IQ, 62, 1, Encoding::Number, "txtIQ", "IQ: "},
    {Field::MissRate, 68, 1, Encoding::Number, "txtRate", "Miss Rate: "},
    {Field::Order, 69, 1, Encoding::ListPosition, "cmbOrd", "Order: "},
    {Field::Action1, 70, 2, Encoding::ListPosition, "cmbAct1", "Action 1:"},
    {Field::Action2, 72, 2, Encoding::ListPosition, "cmbAct2", "Action 2: "},
    {Field::Action3, 74, 2, Encoding::ListPosition, "cmbAct3", "Action 3: "},
    {Field::Action4, 76, 2, Encoding::ListPosition, "cmbAct4", "Action 4 : "},
    {Field::FinalAction, 78, 2, Encoding::ListPosition, "cmbFinalAct", "Final Action: "},
    {Field::Argument1, 80, 1, Encoding::ListPositionPlus1, "cmbArgs(0)", "Argument  1:"},
    {Field::Argument2, 81, 1, Encoding::ListPositionPlus1, "cmbArgs(1)", "Argument 2:"},
    {Field::Argument3, 82, 1, Encoding::ListPositionPlus1, "cmbArgs(2)", "Argument 3: "},
    {Field::Argument4, 83, 1, Encoding::ListPositionPlus1, "cmbArgs(3)", "Argument 4: "},
    {Field::ItemFreq, 87, 1, Encoding::ListPosition, "cmbItemFreq", "Item Freq.: "},
    {Field::Item, 88, 1, Encoding::ListPosition, "cmbItem", "Item: "},
    {Field::Status, 89, 1, Encoding::Number, "txtStatus", "Satus: "},
    {Field::DeathSound, 90, 1, Encoding::ListPosition, "cmbDeath", "Death Sound:"},
    {Field::MaxCall, 92, 1, Encoding::Number, "txtMaxCall", "Max Call: "},
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

// The field's name as the user reads it: its label without blanks and colon.
std::string_view FieldName(Field field);

} // namespace mobwright
