#include "ModuleLoader.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace mobwright;

namespace {

// Folders by what they hold of the module: nothing, a file that is no
// library, or the built chart module itself.
enum class Holds { Nothing, Garbage, Module };

// What the failure says: nothing, that the module is missing, or what the loader found wrong.
enum class Says { Nothing, Missing, LoaderWords };

struct LoadCase
{
    std::vector<Holds> folders;
    bool loads;
    Says failure;
};

class ModuleLoaderTest : public testing::TestWithParam<LoadCase>
{
protected:
    const QFileInfo module_{QStringLiteral(CHART_MODULE_PATH)};

    std::string folderHolding(Holds holds)
    {
        auto &dir = dirs_.emplace_back(std::make_unique<QTemporaryDir>());
        const QString path = dir->filePath(module_.fileName());
        if (holds == Holds::Garbage) {
            QFile garbage(path);
            EXPECT_TRUE(garbage.open(QIODevice::WriteOnly));
            garbage.write("not a library\n");
        }
        if (holds == Holds::Module)
            return module_.absolutePath().toStdString();
        return dir->path().toStdString();
    }

private:
    std::vector<std::unique_ptr<QTemporaryDir>> dirs_;
};

TEST_P(ModuleLoaderTest, LoadsTheFirstUsableModuleOrSaysWhyNone)
{
    std::vector<std::string> folders;
    for (const Holds holds : GetParam().folders)
        folders.push_back(folderHolding(holds));
    const LoadedModule loaded = LoadModule(folders, module_.fileName().toStdString());
    EXPECT_EQ(loaded.handle != nullptr, GetParam().loads);
    switch (GetParam().failure) {
    case Says::Nothing:
        EXPECT_TRUE(loaded.failure.isEmpty()) << loaded.failure.toStdString();
        break;
    case Says::Missing:
        EXPECT_EQ(loaded.failure.toStdString(),
                  module_.fileName().toStdString() + " is not installed beside the program");
        break;
    case Says::LoaderWords: // the garbage file named, and what is wrong with it
        EXPECT_TRUE(loaded.failure.contains(module_.fileName()) && loaded.failure.contains(QLatin1String(": ")))
            << loaded.failure.toStdString();
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Folders, ModuleLoaderTest,
    testing::Values(LoadCase{{}, false, Says::Missing},
                    LoadCase{{Holds::Nothing, Holds::Nothing}, false, Says::Missing},
                    LoadCase{{Holds::Garbage, Holds::Nothing}, false, Says::LoaderWords},
                    LoadCase{{Holds::Nothing, Holds::Garbage, Holds::Module}, true, Says::Nothing},
                    LoadCase{{Holds::Module, Holds::Garbage}, true, Says::Nothing}));

} // namespace
