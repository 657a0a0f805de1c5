#include "JournalFormat.h"

#include <zlib.h>

#include <ranges>
#include <span>

namespace mobwright {
namespace {

enum RecordType : char { IMAGE = 'I', ORIGINAL = 'O', ENTRY = 'E', MARK = 'M' };
constexpr qsizetype SIGNATURE_SIZE = sizeof(JOURNAL_SIGNATURE) - 1;
constexpr qsizetype FRAME_SIZE = 8;              // a record's length and CRC
constexpr std::uint32_t LARGEST_BODY = 4u << 20; // far above any entry's

std::uint32_t Crc(const char *bytes, std::size_t size)
{
    return static_cast<std::uint32_t>(
        crc32(0, reinterpret_cast<const Bytef *>(bytes), static_cast<uInt>(size)));
}

// A record's body, written field by field.
class Body
{
public:
    explicit Body(RecordType type) { bytes_.append(type); }
    Body &number(std::uint64_t value, int width = 8)
    {
        for (int i = 0; i < width; ++i)
            bytes_.append(static_cast<char>(value >> (8 * i)));
        return *this;
    }
    Body &bytes(std::span<const std::uint8_t> bytes)
    {
        number(bytes.size(), 4);
        bytes_.append(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
        return *this;
    }
    Body &text(const std::string &text)
    {
        return bytes({reinterpret_cast<const std::uint8_t *>(text.data()), text.size()});
    }
    QByteArray framed() const
    {
        QByteArray record;
        const auto size = static_cast<std::uint32_t>(bytes_.size());
        const std::uint32_t crc = Crc(bytes_.constData(), bytes_.size());
        for (const std::uint32_t value : {size, crc})
            for (int i = 0; i < 4; ++i)
                record.append(static_cast<char>(value >> (8 * i)));
        return record + bytes_;
    }

private:
    QByteArray bytes_;
};

using Bytes = std::span<const char>;

// The body of the record at offset at, or nothing where none is whole there.
std::optional<Bytes> BodyAt(const QByteArray &bytes, qsizetype at)
{
    if (at + FRAME_SIZE > bytes.size())
        return std::nullopt;
    std::uint32_t frame[2] = {}; // length, CRC
    for (int i = 0; i < FRAME_SIZE; ++i)
        frame[i / 4] |= std::uint32_t(std::uint8_t(bytes[at + i])) << (8 * (i % 4));
    const Bytes body(bytes.constData() + at + FRAME_SIZE, frame[0]);
    if (frame[0] == 0 || frame[0] > LARGEST_BODY ||
        qsizetype(frame[0]) > bytes.size() - at - FRAME_SIZE ||
        Crc(body.data(), body.size()) != frame[1])
        return std::nullopt;
    return body;
}

// A record's body after its type, read field by field; any field past its
// end makes it bad.
class Fields
{
public:
    explicit Fields(Bytes bytes)
        : data_(reinterpret_cast<const std::uint8_t *>(bytes.data()))
        , left_(bytes.size())
    {
    }
    std::uint64_t number(int width = 8)
    {
        std::uint64_t value = 0;
        for (const std::uint8_t byte : take(std::size_t(width)) | std::views::reverse)
            value = value << 8 | byte;
        return value;
    }
    std::vector<std::uint8_t> bytes()
    {
        const auto found = take(number(4));
        return {found.begin(), found.end()};
    }
    std::string text()
    {
        const auto found = take(number(4));
        return {found.begin(), found.end()};
    }
    // Whether every field was there, and nothing after them.
    bool whole() const { return good_ && left_ == 0; }
    bool good() const { return good_; }

private:
    std::span<const std::uint8_t> take(std::uint64_t count)
    {
        if (count > left_) {
            good_ = false;
            left_ = 0;
            return {};
        }
        const std::span<const std::uint8_t> found(data_, std::size_t(count));
        data_ += count;
        left_ -= std::size_t(count);
        return found;
    }

    const std::uint8_t *data_;
    std::size_t left_;
    bool good_ = true;
};

// Reads one record's body into content, which it leaves as it was where the
// record makes no sense there.
bool ReadRecord(Bytes body, JournalContent &content)
{
    Fields fields(body.subspan(1));
    switch (body[0]) {
    case ORIGINAL: {
        OriginalTable original{fields.number(), fields.bytes()};
        if (!fields.whole() || content.original || original.bytes.size() != ENEMY_TABLE_SIZE)
            return false;
        content.original = std::move(original);
        return true;
    }
    case ENTRY: {
        JournalEntry entry{fields.number(), std::int64_t(fields.number()), fields.text()};
        for (auto count = fields.number(4); count > 0 && fields.good(); --count)
            entry.enemies.push_back(int(fields.number(2)));
        bool sound =
            std::ranges::all_of(entry.enemies, [](int enemy) { return enemy < ENEMY_COUNT; });
        for (auto count = fields.number(4); count > 0 && fields.good(); --count) {
            JournalSpan span{fields.number(), fields.bytes(), fields.bytes()};
            sound = sound && span.before.size() == span.after.size();
            entry.spans.push_back(std::move(span));
        }
        const bool inOrder =
            content.entries.empty() || content.entries.back().sequence < entry.sequence;
        if (!fields.whole() || !sound || !inOrder)
            return false;
        content.entries.push_back(std::move(entry));
        return true;
    }
    case MARK: {
        const std::uint64_t sequence = fields.number();
        const auto mark = EntryMark(fields.number(1));
        const bool known = mark > EntryMark::None && mark <= EntryMark::Left;
        // Only the last entry is ever marked: a write waits for its mark.
        if (!fields.whole() || !known || content.entries.empty() ||
            content.entries.back().sequence != sequence ||
            content.entries.back().mark != EntryMark::None)
            return false;
        content.entries.back().mark = mark;
        return true;
    }
    default:
        return false;
    }
}

} // namespace

QByteArray EncodeOriginal(const OriginalTable &original)
{
    return Body(ORIGINAL).number(original.offset).bytes(original.bytes).framed();
}

QByteArray EncodeEntry(const JournalEntry &entry)
{
    Body body(ENTRY);
    body.number(entry.sequence).number(std::uint64_t(entry.time)).text(entry.step);
    body.number(entry.enemies.size(), 4);
    for (const int enemy : entry.enemies)
        body.number(std::uint64_t(enemy), 2);
    body.number(entry.spans.size(), 4);
    for (const JournalSpan &span : entry.spans)
        body.number(span.offset).bytes(span.before).bytes(span.after);
    return body.framed();
}

QByteArray EncodeMark(std::uint64_t sequence, EntryMark mark)
{
    return Body(MARK).number(sequence).number(std::uint64_t(mark), 1).framed();
}

QByteArray EncodeJournal(const JournalContent &content)
{
    const JournalImage &image = content.image;
    QByteArray bytes(JOURNAL_SIGNATURE);
    bytes += Body(IMAGE)
                 .text(image.path)
                 .number(image.identity.device)
                 .number(image.identity.inode)
                 .number(image.size)
                 .framed();
    if (content.original)
        bytes += EncodeOriginal(*content.original);
    for (const JournalEntry &entry : content.entries) {
        bytes += EncodeEntry(entry);
        if (entry.mark != EntryMark::None)
            bytes += EncodeMark(entry.sequence, entry.mark);
    }
    return bytes;
}

DecodedJournal DecodeJournal(const QByteArray &bytes)
{
    DecodedJournal journal;
    JournalImage &image = journal.content.image;
    const auto first =
        bytes.startsWith(JOURNAL_SIGNATURE) ? BodyAt(bytes, SIGNATURE_SIZE) : std::nullopt;
    std::optional<Fields> fields;
    if (first && (*first)[0] == IMAGE) {
        fields.emplace(first->subspan(1));
        image = {fields->text(), {fields->number(), fields->number()}, fields->number()};
    }
    if (!fields || !fields->whole())
        throw JournalError("it is no journal of this program, or its beginning is damaged");
    qsizetype at = SIGNATURE_SIZE + FRAME_SIZE + qsizetype(first->size());
    for (auto body = BodyAt(bytes, at); body && ReadRecord(*body, journal.content);
         body = BodyAt(bytes, at))
        at += FRAME_SIZE + qsizetype(body->size());
    journal.goodBytes = at;
    journal.unreadBytes = bytes.size() - at;
    return journal;
}

} // namespace mobwright
