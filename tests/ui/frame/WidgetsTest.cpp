#include "CompareActions.h"
#include "EditorHarness.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QMenu>

#include <algorithm>

using namespace mobwright;
using namespace mobwright::test;

namespace {

// The Qt class a widget is, whatever this program's own class for it is called.
QString QtClassOf(const QObject *object)
{
    const QMetaObject *meta = object->metaObject();
    while (!QByteArray(meta->className()).startsWith('Q'))
        meta = meta->superClass();
    return meta->className();
}

QString TextsOf(const QObject *object)
{
    QString texts;
    for (const char *property : {"text", "title", "windowTitle", "placeholderText", "toolTip"}) {
        const QVariant value = object->property(property);
        if (value.typeId() == QMetaType::QString && !value.toString().isEmpty())
            texts += QString(" %1=\"%2\"").arg(property, value.toString());
    }
    if (const auto *menu = qobject_cast<const QMenu *>(object)) {
        texts += " entries:";
        for (const QAction *entry : menu->actions())
            texts += " " + (entry->isSeparator() ? QString("-")
                            : entry->menu() ? entry->menu()->objectName() : entry->objectName());
    }
    return texts;
}

// The objects of a window, without those of the windows it owns; its menus are its own.
void Collect(const QObject *parent, QObjectList &objects)
{
    for (QObject *child : parent->children()) {
        const auto *widget = qobject_cast<const QWidget *>(child);
        if (widget && widget->isWindow() && !qobject_cast<const QMenu *>(widget))
            continue;
        objects.append(child);
        Collect(child, objects);
    }
}

// Every named object of a window, and every unnamed one with a text, one line each, sorted so
// that the order the program builds them in does not matter (a menu's order does).
QStringList Dump(const QWidget *window)
{
    QStringList lines;
    QObjectList objects;
    Collect(window, objects);
    for (const QObject *object : objects) {
        if (object->objectName().startsWith("qt_") || object->objectName().startsWith("_"))
            continue;
        const QString texts = TextsOf(object);
        if (object->objectName().isEmpty() && (texts.isEmpty() || qobject_cast<const QMenu *>(object)))
            continue;
        lines.append(QtClassOf(object) + " " + object->objectName() + texts);
    }
    lines.sort();
    lines.prepend(QtClassOf(window) + " " + window->objectName() + TextsOf(window));
    return lines;
}

} // namespace

// The names and texts of the windows' controls are what scripts, translators and users rely
// on: they change only on purpose. MOBWRIGHT_WRITE_WIDGETS=1 writes the list anew.
TEST(Widgets, KeepTheirNamesAndTexts)
{
    TestImage image;
    TestImage baseline;
    QSettings("Mobwright", "Mobwright").clear(); // no image opened before is offered
    EditorHarness editor;
    editor.loadRom(image.path());
    editor.find<CompareActions>("compareActions")->compareWith(QString::fromStdString(baseline.path()));
    for (const char *entry : {"mnuFind", "mnuTable", "mnuDifferences", "mnuRecordBytes", "mnuChart"})
        editor.find<QAction>(entry)->trigger();
    QStringList dump;
    QWidgetList windows = QApplication::topLevelWidgets();
    std::ranges::sort(windows, {}, &QWidget::objectName);
    for (const QWidget *window : windows) {
        if (window->isVisible())
            dump += Dump(window);
    }
    // The scratch files' names change from run to run.
    const QString imageName = QString::fromStdString(image.path());
    const QString baselineName = QString::fromStdString(baseline.path());
    for (QString &line : dump) {
        line.replace(imageName, "IMAGE").replace(QFileInfo(imageName).fileName(), "IMAGE");
        line.replace(baselineName, "BASELINE").replace(QFileInfo(baselineName).fileName(), "BASELINE");
    }
    QFile file(WIDGETS_FILE);
    if (qEnvironmentVariableIsSet("MOBWRIGHT_WRITE_WIDGETS")) {
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(dump.join('\n').toUtf8() + '\n');
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(dump.join('\n').toStdString(),
              QString::fromUtf8(file.readAll()).trimmed().toStdString());
}
