#include "ExchangeHarness.h"

#include <gtest/gtest.h>

using namespace mobwright;
using namespace mobwright::test;

namespace {

// A file to import, what the command says and where it says it.
struct Refusal
{
    const char *name;
    const char *suffix;
    const char *contents;
    const char *where; // the start of the message on standard error
};

const Refusal Refusals[] = {
    {"BadCell", ".csv", "Enemy,HP,PP\r\n001,12,1\r\n002,abc,2\r\n",
     "Row 3, column \"HP\": cannot take \"abc\""},
    {"NameOutsideTheGameText", ".csv", "Enemy,Name\r\n001,Zoë\r\n", "Row 2, column \"Name\""},
    {"NoEntryInItsList", ".csv", "Enemy,Type\r\n001,3\r\n", "Row 2, column \"Type\""},
    {"UnknownColumn", ".csv", "Enemy,Hitpoints\r\n001,1\r\n", "Row 1, column \"Hitpoints\""},
    {"DuplicateEnemy", ".csv", "Enemy,HP\r\n001,1\r\n1,2\r\n", "Row 3, column \"Enemy\""},
    {"NoSuchEnemy", ".csv", "Enemy,HP\r\n231,1\r\n", "Row 2, column \"Enemy\""},
    {"MalformedCsv", ".csv", "Enemy,HP\r\n001,\"1\"2\r\n", "Row 2, column \"HP\": not well-formed"},
    {"ShortCsvRow", ".csv", "Enemy,HP\r\n001\r\n", "Row 2: has 1 cells"},
    {"WrongJsonType", ".json", R"([{"Enemy": 1, "HP": "12"}])", "Row 1, column \"HP\""},
    {"JsonNotAnArray", ".json", R"({"Enemy": "001"})", "The file: not a JSON array"},
};

class RefusedImport : public testing::TestWithParam<Refusal>
{
};

} // namespace

TEST_P(RefusedImport, NamesRowAndColumnAndWritesNothing)
{
    TestImage image;
    image.fillRandom(5);
    // A cell that would be taken, so that a refusal elsewhere must hold it back.
    const QString file = WriteFile(image, GetParam().suffix,
                                   QByteArray(GetParam().contents).replace("001,12", "001,77"));
    const auto before = image.contents();
    const CommandRun run = RunCommand({QStringLiteral("import"), PathOf(image), file});
    EXPECT_EQ(run.status, EXIT_REFUSED);
    EXPECT_TRUE(run.err.startsWith(QString::fromUtf8(GetParam().where))) << run.err.toStdString();
    EXPECT_EQ(image.contents(), before);
}

INSTANTIATE_TEST_SUITE_P(Kinds, RefusedImport, testing::ValuesIn(Refusals),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(CommandLine, ExitStatuses)
{
    TestImage image;
    const QString csv = WriteFile(image, ".csv", "Enemy,HP\r\n001,300\r\n");
    const QString missing = PathOf(image) + ".missing";
    const std::tuple<QStringList, int, const char *> cases[] = {
        // arguments, status, output
        {{"--help"}, EXIT_DONE, "export IMAGE"},
        {{"--version"}, EXIT_DONE, ""},
        {{"export", PathOf(image)}, EXIT_DONE, "Enemy,TheFlag,Name,Name bytes,Byte 26,Type,"},
        {{"export", PathOf(image), "--format", "json"}, EXIT_DONE, "[\n    {\n"},
        {{"export", PathOf(image), "--format", "xml"}, EXIT_REFUSED, ""},
        {{"export", missing}, EXIT_FILE_FAILED, ""},
        {{"export", PathOf(image), "-o", missing + "/no/such/folder.csv"}, EXIT_FILE_FAILED, ""},
        {{"import", PathOf(image), csv, "--dry-run"}, EXIT_DONE, "001: , HP: 0 -> 300\nDry run"},
        {{"import", missing, csv}, EXIT_FILE_FAILED, ""},
        {{"import", PathOf(image), missing}, EXIT_REFUSED, ""},
        {{"import", PathOf(image)}, EXIT_REFUSED, ""},
        {{"--no-such-option"}, EXIT_REFUSED, ""},
    };
    for (const auto &[arguments, status, out] : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const CommandRun run = RunCommand(arguments);
        EXPECT_EQ(run.status, status) << run.err.toStdString();
        EXPECT_TRUE(run.out.contains(QString::fromUtf8(out))) << run.out.toStdString();
        EXPECT_EQ(run.status == EXIT_DONE, run.err.isEmpty()) << run.err.toStdString();
    }
    EXPECT_EQ(image.recordBytes(0)[33], 0) << "a dry run writes nothing";
    EXPECT_EQ(RunCommand({"import", PathOf(image), csv}).status, EXIT_DONE);
    EXPECT_EQ(image.recordBytes(0)[33], 300 % 256);
}
