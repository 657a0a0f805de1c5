// Each file under cases/ is imported into a blank image with the command
// line; NAME.expect beside it says what must follow, a line for each fact:
//   image EEE OFFSET HEX   the image's record EEE holds these bytes first
//   stdin                  the file comes on standard input, with --format
//   args WORDS             more arguments to the import
//   status N               the exit status
//   error TEXT / output TEXT / absent TEXT   standard error / output has it, or neither
//   change EEE OFFSET HEX  these bytes are written; no other byte changes
#include "ExchangeHarness.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace mobwright;
using namespace mobwright::test;

namespace {

struct Case
{
    QString input;
    QStringList facts;
};

std::vector<Case> Cases()
{
    std::vector<Case> cases;
    const QDir folder(QStringLiteral(CASES_DIR));
    for (const QFileInfo &expect : folder.entryInfoList({QStringLiteral("*.expect")})) {
        QFile file(expect.filePath());
        file.open(QIODevice::ReadOnly);
        const QStringList inputs =
            folder.entryList({expect.completeBaseName() + QStringLiteral(".*")})
                .filter(QRegularExpression(QStringLiteral("\\.(csv|json)$")));
        cases.push_back({folder.filePath(inputs.value(0)),
                         QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts)});
    }
    return cases;
}

// Sets or expects the bytes "EEE OFFSET HEX" name in image's contents.
void PutBytes(const QString &where, const TestImage &image, std::vector<std::uint8_t> &contents)
{
    const QStringList words = where.split(u' ');
    const QByteArray bytes = QByteArray::fromHex(words[2].toLatin1());
    std::copy(bytes.begin(), bytes.end(),
              contents.begin() + image.recordOffset(words[0].toInt() - 1) + words[1].toInt());
}

class ImportCase : public testing::TestWithParam<Case>
{
};

} // namespace

TEST_P(ImportCase, DoesWhatItsExpectFileSays)
{
    const Case &c = GetParam();
    ASSERT_TRUE(QFileInfo(c.input).isFile()) << "no input beside its .expect file";
    TestImage image;
    std::vector<std::uint8_t> contents = image.contents();
    QStringList arguments = {QStringLiteral("import"), PathOf(image), c.input};
    QByteArray input;
    for (const QString &fact : c.facts) {
        const QString kind = fact.section(u' ', 0, 0);
        const QString rest = fact.section(u' ', 1);
        if (kind == u"image") {
            PutBytes(rest, image, contents);
            image.setBytes(0, contents);
        } else if (kind == u"stdin") {
            QFile file(c.input);
            file.open(QIODevice::ReadOnly);
            input = file.readAll();
            arguments = {arguments[0], arguments[1], QStringLiteral("-"),
                         QStringLiteral("--format"), QFileInfo(c.input).suffix()};
        } else if (kind == u"args") {
            arguments += rest.split(u' ');
        }
    }
    const CommandRun run = RunCommand(arguments, input);
    for (const QString &fact : c.facts) {
        const QString kind = fact.section(u' ', 0, 0);
        const QString rest = fact.section(u' ', 1);
        if (kind == u"status")
            EXPECT_EQ(run.status, rest.toInt()) << run.err.toStdString();
        else if (kind == u"error")
            EXPECT_TRUE(run.err.contains(rest)) << rest.toStdString() << "\n"
                                                << run.err.toStdString();
        else if (kind == u"output")
            EXPECT_TRUE(run.out.contains(rest)) << rest.toStdString() << "\n"
                                                << run.out.toStdString();
        else if (kind == u"absent")
            EXPECT_FALSE(run.out.contains(rest) || run.err.contains(rest)) << rest.toStdString();
        else if (kind == u"change")
            PutBytes(rest, image, contents);
    }
    EXPECT_TRUE(image.contents() == contents) << "the image holds other bytes than expected";
}

INSTANTIATE_TEST_SUITE_P(Cases, ImportCase, testing::ValuesIn(Cases()), [](const auto &info) {
    return QFileInfo(info.param.input).completeBaseName().toStdString();
});
