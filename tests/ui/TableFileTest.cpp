#include "EditorHarness.h"
#include "MessageBox.h"

#include <QFile>
#include <QScreen>
#include <QStatusBar>

using namespace mobwright;
using namespace mobwright::test;

// Export tells where it wrote; the places it refuses are in outputs/.
TEST(TableFile, ExportTellsWhereItWrote)
{
    TestImage image;
    EditorHarness editor;
    editor.loadRom(image.path());
    const QString path = QString::fromStdString(image.path()) + ".csv";
    editor.window().exportTableTo(path);
    EXPECT_EQ(editor.window().statusBar()->currentMessage(), "Table exported to " + path);
    EXPECT_TRUE(QFile::exists(path));
}

// However many rows are refused, the box that tells of them fits on the screen.
TEST(TableFile, ImportRefusalsFitTheScreen)
{
    TestImage image;
    EditorHarness editor;
    editor.loadRom(image.path());
    QByteArray csv = "Enemy,HP,Name\n";
    for (int k = 1; k <= 230; ++k)
        csv +=
            QByteArray::number(k) + "," + QByteArray(200, 'x') + "," + QByteArray(200, '#') + "\n";
    const QString path = QString::fromStdString(image.path()) + ".csv";
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(csv);
    file.close();
    editor.window().importTableFrom(path);
    const QString message = editor.takeMessages().value(0);
    EXPECT_TRUE(message.endsWith("\u2026 and 440 more refusals.")) << message.toStdString();
    const auto box = WarningBox(&editor.window(), "Mobwright", message);
    box->show();
    EXPECT_LE(box->frameGeometry().height(), box->screen()->availableGeometry().height());
    EXPECT_LE(box->frameGeometry().width(), box->screen()->availableGeometry().width());
    QFile::remove(path);
}
