#include "ChangesPreview.h"
#include "EditorHarness.h"
#include "TableActions.h"
#include "MessageBox.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTableWidget>
#include <QTimer>
#include <QScreen>
#include <QStatusBar>

using namespace mobwright;
using namespace mobwright::test;

// A name the guard refuses is told why, and the save dialog comes back with
// it; the desktop's own "replace?" question comes first. The places refused
// are in outputs/.
TEST(TableFile, ARefusedNameBringsTheSaveDialogBack)
{
    TestImage image;
    EditorHarness editor;
    editor.loadRom(image.path());
    const QString victim = QString::fromStdString(image.path()) + ".victim.sfc";
    QFile file(victim);
    file.open(QIODevice::WriteOnly);
    file.write("kept");
    file.close();
    QStringList offered;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *replace = qobject_cast<QMessageBox *>(modal)) {
            replace->button(QMessageBox::Yes)->click();
        } else if (auto *dialog = qobject_cast<QFileDialog *>(modal);
                   dialog && !dialog->property("answered").toBool()) {
            dialog->setProperty("answered", true);
            auto *name = dialog->findChild<QLineEdit *>("fileNameEdit");
            offered.append(name->text());
            name->setText(offered.size() == 1 ? victim : victim + ".csv");
            // Pressed once this answer returns: the question it asks is answered meanwhile.
            QMetaObject::invokeMethod(
                dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Save), "click",
                Qt::QueuedConnection);
        }
    });
    answer.start(20);
    // The desktop's save dialog, its refusals kept with the messages.
    editor.prompter().save = [&](QWidget *parent, const SaveQuestion &question, QString *filter) {
        return AskWhereToSave(
            parent, question,
            [&](const QString &refusal) { editor.prompter().messages.append(refusal); }, filter);
    };
    editor.find<QAction>("mnuExport")->trigger();
    // Back with the name refused, its extension the filter's.
    ASSERT_EQ(offered.size(), 2);
    EXPECT_EQ(offered[1], QFileInfo(victim).completeBaseName() + ".csv");
    EXPECT_TRUE(editor.takeMessages().value(0).startsWith("Not written to " + victim));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "kept");
    EXPECT_EQ(editor.window().statusBar()->currentMessage(),
              "Table exported to " + victim + ".csv");
}

// Values that no list names are written only once the preview's box that
// counts them is ticked; the preview marks them.
TEST(TableFile, ImportWritesValuesNoListNamesOnlyWhenAskedFor)
{
    TestImage image;
    EditorHarness editor;
    editor.loadRom(image.path());
    editor.prompter().changes = ConfirmChanges;
    const QString csv = QString::fromStdString(image.path()) + ".csv";
    QFile file(csv);
    file.open(QIODevice::WriteOnly);
    file.write("Enemy,TheFlag\n001,2\n");
    file.close();
    QString seen;
    QTimer::singleShot(0, [&] {
        QWidget *preview = QApplication::activeModalWidget();
        auto *take = preview->findChild<QCheckBox *>("chkUnlisted");
        auto *write = preview->findChild<QPushButton *>("cmdWriteChanges");
        seen = take->text() + (write->isEnabled() ? "|enabled|" : "|disabled|") +
               preview->findChild<QTableWidget *>("tblChanges")->item(0, 3)->text();
        take->click();
        write->click();
    });
    // Through the menu: the file dialog cancelled does nothing, a file chosen is imported.
    editor.prompter().nextFile.clear();
    editor.find<QAction>("mnuImport")->trigger();
    EXPECT_TRUE(seen.isEmpty() && editor.takeMessages().isEmpty());
    editor.prompter().nextFile = csv;
    editor.find<QAction>("mnuImport")->trigger();
    EXPECT_EQ(seen, "&Also write 1 value that no list names|disabled|2 (no list names it)");
    EXPECT_EQ(image.recordBytes(0)[0], 2);
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
    editor.find<TableActions>()->importTableFrom(path);
    const QString message = editor.takeMessages().value(0);
    EXPECT_TRUE(message.endsWith("\u2026 and 440 more refusals.")) << message.toStdString();
    const auto box = WarningBox(&editor.window(), "Mobwright", message);
    box->show();
    EXPECT_LE(box->frameGeometry().height(), box->screen()->availableGeometry().height());
    EXPECT_LE(box->frameGeometry().width(), box->screen()->availableGeometry().width());
    QFile::remove(path);
}
