#include "TestImage.h"

#include "TableGeometry.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <unistd.h>

namespace mobwright::test {
namespace {

std::string UniquePath()
{
    static std::atomic<int> counter{0};
    const auto dir = std::filesystem::path(testing::TempDir()) / "mobwright-tests";
    std::filesystem::create_directories(dir);
    return (dir / ("image-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".smc"))
        .string();
}

} // namespace

TestImage::TestImage(std::uint64_t size, std::uint8_t fill)
    : path_(UniquePath())
    , size_(size)
{
    std::ofstream out(path_, std::ios::binary | std::ios::trunc);
    const std::vector<char> block(64 * 1024, static_cast<char>(fill));
    for (std::uint64_t left = size; left > 0;) {
        const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(left, block.size()));
        out.write(block.data(), static_cast<std::streamsize>(n));
        left -= n;
    }
}

// With every file a test named after it: exports, patches, links.
TestImage::~TestImage()
{
    const std::filesystem::path image(path_);
    const std::string name = image.filename().string();
    std::error_code ignored;
    for (const auto &file : std::filesystem::directory_iterator(image.parent_path(), ignored)) {
        if (file.path().filename().string().starts_with(name))
            std::filesystem::remove_all(file.path(), ignored);
    }
}

std::uint32_t TestImage::tableOffset() const
{
    return EnemyTableOffset(KindOfImageSize(size_).value_or(ImageKind::CopierHeader));
}

std::uint32_t TestImage::recordOffset(int index) const
{
    return EnemyRecordOffset(tableOffset(), index);
}

std::uint32_t TestImage::imageOffset(std::uint32_t headeredOffset) const
{
    return OffsetInImage(headeredOffset, KindOfImageSize(size_).value_or(ImageKind::CopierHeader));
}

void TestImage::fillRandom(std::uint32_t seed)
{
    std::mt19937 random(seed);
    std::vector<std::uint8_t> bytes(size_);
    for (auto &b : bytes)
        b = static_cast<std::uint8_t>(random());
    setBytes(0, bytes);
}

void TestImage::setBytes(std::uint64_t offset, std::span<const std::uint8_t> bytes)
{
    ASSERT_LE(offset + bytes.size(), size_) << "test writes past its image";
    std::fstream file(path_, std::ios::binary | std::ios::in | std::ios::out);
    file.seekp(static_cast<std::streamoff>(offset));
    file.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void TestImage::setRecordBytes(int index, int recordOffset, std::initializer_list<std::uint8_t> bytes)
{
    setBytes(this->recordOffset(index) + static_cast<std::uint32_t>(recordOffset),
             std::span(bytes.begin(), bytes.size()));
}

void TestImage::setName(int index, const std::string &name)
{
    setGameText(recordOffset(index) + 1, name);
}

void TestImage::setGameText(std::uint64_t offset, const std::string &text)
{
    std::vector<std::uint8_t> codes;
    for (const char c : text)
        codes.push_back(static_cast<std::uint8_t>(c + 0x30));
    if (codes.size() < 25)
        codes.push_back(0);
    setBytes(offset, codes);
}

std::vector<std::uint8_t> TestImage::contents() const
{
    std::ifstream in(path_, std::ios::binary | std::ios::ate);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(in.tellg()));
    in.seekg(0);
    in.read(reinterpret_cast<char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

std::vector<std::uint8_t> TestImage::recordBytes(int index) const
{
    std::vector<std::uint8_t> record(ENEMY_RECORD_SIZE);
    std::ifstream in(path_, std::ios::binary);
    in.seekg(recordOffset(index));
    in.read(reinterpret_cast<char *>(record.data()), ENEMY_RECORD_SIZE);
    return record;
}

} // namespace mobwright::test
