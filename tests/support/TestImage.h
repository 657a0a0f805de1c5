#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

namespace mobwright::test {

// The smallest image with a copier header that holds the whole enemy table.
inline constexpr std::uint64_t MIN_IMAGE_SIZE = 1403 * 1024 + 512;
// A headerless image: a multiple of 1024 bytes that holds the table.
inline constexpr std::uint64_t HEADERLESS_IMAGE_SIZE = 1403 * 1024;

// A scratch image file for one test, deleted when the object goes with
// every file named after it (its path and a suffix).
class TestImage
{
public:
    explicit TestImage(std::uint64_t size = MIN_IMAGE_SIZE, std::uint8_t fill = 0);
    ~TestImage();

    TestImage(const TestImage &) = delete;
    TestImage &operator=(const TestImage &) = delete;

    const std::string &path() const { return path_; }
    std::uint64_t size() const { return size_; }
    std::uint32_t tableOffset() const;
    std::uint32_t recordOffset(int index) const;
    // Where what lies at headeredOffset in an image with a copier header lies in this one.
    std::uint32_t imageOffset(std::uint32_t headeredOffset) const;

    void fillRandom(std::uint32_t seed);
    void setBytes(std::uint64_t offset, std::span<const std::uint8_t> bytes);
    void setRecordBytes(int index, int recordOffset, std::initializer_list<std::uint8_t> bytes);
    // Stores name's characters as game text (ASCII + 0x30) and a zero after it.
    void setName(int index, const std::string &name);
    void setGameText(std::uint64_t offset, const std::string &text);

    std::vector<std::uint8_t> contents() const;
    std::vector<std::uint8_t> recordBytes(int index) const;

private:
    std::string path_;
    std::uint64_t size_;
};

} // namespace mobwright::test
