#pragma once

#include "EnemyUsage.h"
#include "ImageNames.h"
#include "LabelForms.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace mobwright {

class RomFile;

// The labels the long lists show: the base lists (built in, or the user's
// own), with names the open image gives to entries that have none.
class ListLabels
{
public:
    ListLabels();

    // Replaces a base list with labels of the list's form and count.
    void setBase(LongList list, std::vector<std::string> labels);

    // Takes the names of an image just opened (read by ReadImageNames, which
    // throws when they cannot be read), and its enemy table records. Returns
    // the entries whose labels may have changed.
    std::vector<ListEntry> takeImage(ImageNames names, std::span<const EnemyRecord> records);
    void forgetImage();
    // Takes the record now stored for enemy index; returns the entries
    // whose labels may have changed.
    std::vector<ListEntry> recordStored(int index, const EnemyRecord &record);

    int count(LongList list) const;
    // The base labels of a list, as a user's file holds them.
    std::vector<std::string> baseLabels(LongList list) const;
    // In order: the item table's name, a real name of the base list, the
    // ability or items performing the action, or a placeholder made up from
    // the enemies using the entry, in parentheses: "(Marsh Hopper +2)".
    std::string label(ListEntry entry) const;
    // The enemies whose stored records use the entry, in any field that takes it.
    std::vector<int> users(ListEntry entry) const { return usage_.users(entry); }

private:
    EntryName imageName(ListEntry entry) const;
    std::vector<ListEntry> renamedBy(const ImageNames &names) const;

    struct BaseLabel
    {
        std::string text;
        bool named; // whether it has a real name, not a placeholder
    };

    std::array<std::vector<BaseLabel>, LONG_LISTS.size()> base_;
    std::optional<ImageNames> image_;
    EnemyUsage usage_;
};

} // namespace mobwright
