#include "ImageSession.h"
#include "TestImage.h"
#include "UserLabelFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace mobwright;
using namespace mobwright::test;

// A list's file written by hand into a folder that had none is taken at once: the folder
// itself is watched, not only the files it held when it was read.
TEST(UserLabelFolder, TakesAFileWrittenIntoTheFolderLater)
{
    TestImage image;
    ImageSession session;
    session.open(image.path());
    const QTemporaryDir folder;
    UserLabelFolder labels(session, folder.path());
    labels.readAll();
    const ListEntry entry{LongList::Music, 0x34};
    QStringList lines;
    for (const std::string &label : session.labels().baseLabels(entry.list))
        lines.append(QString::fromStdString(label));
    lines[entry.position] = lines[entry.position].section(" - ", 0, 0) + " - Dojo";

    QFile file(QDir(folder.path()).filePath(QString::fromUtf8(LabelFileName(entry.list))));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write((lines.join('\n') + '\n').toUtf8());
    file.close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return session.labels().label(entry).ends_with(" - Dojo"); }))
        << session.labels().label(entry);
}
