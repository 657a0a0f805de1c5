#include "WriteOutcome.h"

#include "EnemyLabels.h"
#include "HexText.h"

namespace mobwright {
namespace {

constexpr std::size_t LISTED_ENEMIES = 10;

const char *const OPEN_AGAIN = " Open the image again with \"Load ROM\".";

std::string Quoted(const std::string &path)
{
    return "\"" + path + "\"";
}

// "HP, Speed" after an enemy's number, where the outcome names them.
std::string ChangedParts(const WriteOutcome &outcome, int index)
{
    const auto found = outcome.changedParts.find(index);
    if (found == outcome.changedParts.end() || found->second.empty())
        return {};
    std::string text = " (";
    for (const std::string &part : found->second)
        text += (text.size() > 2 ? ", " : "") + part;
    return text + ")";
}

// "the bytes at 0x7FDC and 0x107DC"
std::string BytesAt(const std::vector<std::uint32_t> &offsets)
{
    std::string text = "the bytes at ";
    for (std::size_t k = 0; k < offsets.size(); ++k) {
        if (k > 0)
            text += k + 1 == offsets.size() ? " and " : ", ";
        text += "0x" + HexDigits(offsets[k]);
    }
    return text;
}

// What another program changed: enemies, with the parts of each, and bytes.
std::string ChangedBehind(const WriteOutcome &outcome)
{
    std::string text;
    if (!outcome.changedBehind.empty())
        text = EnemyList(outcome.changedBehind,
                         [&outcome](int index) { return ChangedParts(outcome, index); });
    if (!outcome.bytesChangedBehind.empty())
        text += (text.empty() ? "" : " and ") + BytesAt(outcome.bytesChangedBehind);
    return text;
}

std::string Refused(const WriteOutcome &outcome)
{
    const std::string image = Quoted(outcome.image);
    switch (outcome.cause) {
    case WriteOutcome::Cause::Replaced:
        return "The image " + image +
               " was replaced, moved or deleted since it was opened, so nothing was written." +
               OPEN_AGAIN;
    case WriteOutcome::Cause::Resized:
        return "The size of the image " + image + " changed from " +
               std::to_string(outcome.sizeThen) + " to " + std::to_string(outcome.sizeNow) +
               " bytes since it was opened, so nothing was written." + OPEN_AGAIN;
    case WriteOutcome::Cause::ChangedBehind:
        return "Another program changed " + ChangedBehind(outcome) + " in " + image +
               " since the editor read " +
               (outcome.changedBehind.size() == 1 && outcome.bytesChangedBehind.empty() ? "it"
                                                                                        : "them") +
               ", so nothing was written.";
    case WriteOutcome::Cause::Failed:
    case WriteOutcome::Cause::None:
        break;
    }
    return "Nothing was written to " + image + ". " + outcome.reason;
}

std::string ShortWrite(const WriteOutcome &outcome)
{
    std::string text = "The write into " + Quoted(outcome.image) +
                       " stopped part way, so the image holds part of the change. " +
                       outcome.reason;
    if (!outcome.whole.empty())
        text += " Written whole: " + EnemyList(outcome.whole) + ".";
    if (outcome.cut)
        text += " Cut: " + EnemyList({*outcome.cut}) + ", of whose 94 bytes the first " +
                std::to_string(outcome.cutBytes) + " are new.";
    if (!outcome.untouched.empty())
        text += " Still as they were: " + EnemyList(outcome.untouched) + ".";
    if (!outcome.bytesNotWritten.empty())
        text += " Not written whole: " + BytesAt(outcome.bytesNotWritten) + ".";
    return text;
}

} // namespace

std::string EnemyList(const std::vector<int> &indexes, const std::function<std::string(int index)> &after)
{
    std::string text = indexes.size() == 1 ? "enemy " : "enemies ";
    const std::size_t listed = std::min(indexes.size(), LISTED_ENEMIES);
    for (std::size_t i = 0; i < listed; ++i) {
        if (i > 0)
            text += i + 1 == listed && listed == indexes.size() ? " and " : ", ";
        text += EnemyNumber(indexes[i]) + (after ? after(indexes[i]) : std::string());
    }
    if (listed < indexes.size())
        text += " and " + std::to_string(indexes.size() - listed) + " more";
    return text;
}

std::string WriteOutcome::message() const
{
    switch (kind) {
    case Kind::Nothing:
    case Kind::Written:
        return {};
    case Kind::NotSynced:
        return "The changes were written into " + Quoted(image) +
               ", but may not be on the disk yet. " + reason;
    case Kind::NothingWritten:
        return Refused(*this);
    case Kind::ShortWrite:
        break;
    }
    return ShortWrite(*this);
}

} // namespace mobwright
