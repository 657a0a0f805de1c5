#include "FileFormats.h"

#include <gtest/gtest.h>

using namespace mobwright;

// Each format is found by its key, by a file's name and by the filter a
// dialog gives back; the dialogs' filters read exactly as before.
TEST(FileFormats, AreFoundByKeyNameAndFilter)
{
    const FormatHelper tables({FormatKind::Table});
    const FormatHelper differences({FormatKind::Table, FormatKind::Patch});
    const FormatHelper images({FormatKind::Image});
    const auto key = [](const FileFormat *format) { return format ? format->key : QStringLiteral("-"); };
    const struct
    {
        const FormatHelper &helper;
        const char *asked;
        const char *byKey, *byPath;
    } cases[] = {
        {tables, "a.csv", "-", "csv"},     {tables, "CSV", "csv", "-"},       {tables, "b.JSON", "-", "json"},
        {tables, "c.ips", "-", "-"},       {tables, "json", "json", "-"},     {tables, "dir.json/t", "-", "-"},
        {differences, "d.ips", "-", "ips"}, {differences, "BPS", "bps", "-"}, {differences, "xml", "-", "-"},
        {images, "e.SFC", "-", "image"},   {images, "f.swc", "-", "image"},   {images, "g.fig", "-", "image"},
        {images, "h.smc.txt", "-", "-"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.asked);
        EXPECT_EQ(key(c.helper.byKey(c.asked)), c.byKey);
        EXPECT_EQ(key(c.helper.byPath(c.asked)), c.byPath);
        EXPECT_EQ(c.helper.ofPath(c.asked).key, *c.byPath == '-' ? c.helper.fallback().key : c.byPath);
    }
    EXPECT_EQ(tables.filter(), "CSV Files (*.csv);;JSON Files (*.json)");
    const QString parts = tables.filter(true);
    EXPECT_EQ(parts, "CSV Files (*.csv);;JSON Files (*.json);;CSV, only what the table shows (*.csv);;"
                     "JSON, only what the table shows (*.json)");
    EXPECT_EQ(images.filter(), "Snes Rom Files (*.smc *.sfc);;All Files (*)");
    EXPECT_EQ(differences.keys(), "csv|json|ips|bps");
    EXPECT_EQ(differences.keys(", "), "csv, json, ips, bps");
    for (const QString &filter : parts.split(";;")) {
        SCOPED_TRACE(filter.toStdString());
        EXPECT_EQ(key(tables.byFilter(filter)), filter.contains("json") ? "json" : "csv");
        EXPECT_EQ(tables.isPartFilter(filter), filter.contains("only"));
    }
    EXPECT_EQ(key(differences.byFilter("IPS Patches (*.ips)")), "ips");
    EXPECT_EQ(FormatNamed(u"bps").withExtension("dir.v2/patch"), "dir.v2/patch.bps");
    EXPECT_EQ(FormatNamed(u"bps").withExtension("patch.txt"), "patch.txt");
    EXPECT_THROW(FormatNamed(u"xml"), std::out_of_range);
}
