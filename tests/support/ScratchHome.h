#pragma once

#include <QProcessEnvironment>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace mobwright::test {

// A home folder of its own for a test program and the programs it starts,
// so that no test reads or writes the user's settings, recent images or
// label files. It is removed when the object goes.
class ScratchHome
{
public:
    // For this process: made before the application object, whose paths it sets.
    void keepThisProcessApart() const
    {
        for (const auto &[name, value] : variables())
            qputenv(name, value.toLocal8Bit());
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder_.filePath("settings"));
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder_.filePath("settings"));
    }

    // For a program started: the environment with its home in the scratch folder.
    QProcessEnvironment environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const auto &[name, value] : variables())
            environment.insert(QString::fromLatin1(name), value);
        return environment;
    }

    QString path() const { return folder_.path(); }

private:
    std::vector<std::pair<const char *, QString>> variables() const
    {
        return {{"HOME", folder_.path()},
                {"XDG_CONFIG_HOME", folder_.filePath(".config")},
                {"XDG_DATA_HOME", folder_.filePath(".local/share")},
                {"XDG_CACHE_HOME", folder_.filePath(".cache")},
                {"XDG_STATE_HOME", folder_.filePath(".local/state")}};
    }

    QTemporaryDir folder_;
};

} // namespace mobwright::test
