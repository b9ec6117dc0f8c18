#include "app/settings_file.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "test_support.h"

namespace glifora {
namespace {

using test::FileExists;
using test::ReadFile;
using test::WriteFile;

// The file as a fresh start writes it, every key at its start-up value.
const std::string kFreshMain =
    "ColorFondoAscii=16777215\r\nColorTextoAscii=0\r\nTama\xF1oAscii=50\r\nPaletaAscii=0\r\n"
    "LuminosidadAscii=0\r\nAsciiNegativado=0\r\nPreviewAscii=0\r\nColorFondoWeb=0\r\n"
    "Tama\xF1oWeb=3\r\nPaletaWeb=0\r\nWebCalidad=0\r\nPreviewWeb=0\r\nMasDetalleAscii=0\r\n";
const std::string kFreshFont = "[Fuente]\r\nNombre=Lucida Console\r\nTama\xF1o=6\r\n";
const std::string kFreshFile = "[Main]\r\n" + kFreshMain + kFreshFont;

class SettingsFile : public ::testing::Test {
  protected:
    std::string Path(const char* name = "GLZ.ini") const {
        return dir_.path().toStdString() + "/" + name;
    }
    QTemporaryDir dir_;
};

TEST_F(SettingsFile, FreshFileHasTwoSectionsInTableOrder) {
    ASSERT_TRUE(SaveSettingsTo(Path(), SettingsValues{}));
    EXPECT_EQ(ReadFile(Path()), kFreshFile);
    // Writing again changes nothing: every key is replaced in place.
    ASSERT_TRUE(SaveSettingsTo(Path(), SettingsValues{}));
    EXPECT_EQ(ReadFile(Path()), kFreshFile);
}

TEST_F(SettingsFile, ValuesComeFromTheControlsState) {
    SettingsValues v;
    v.asciiBackColor = MakeColor(1, 2, 3);
    v.asciiPalette = -1;
    v.luminosity = -100;
    v.asciiNegative = CheckBoxValue(Qt::Checked);
    v.webQuality = CheckBoxValue(Qt::PartiallyChecked);
    v.webPreview = CheckBoxValue(Qt::Unchecked);
    v.asciiDetail = CheckBoxValue(Qt::Checked);
    v.font = {"DejaVu Sans Mono", 12};
    std::vector<std::string> values;
    for (const ProfileEntry& entry : SettingsEntries(v)) values.push_back(entry.value);
    // In the order of the fresh file; red in the colour's low byte.
    EXPECT_EQ(values,
              (std::vector<std::string>{"197121", "0", "50", "-1", "-100", "1", "0", "0", "3", "0",
                                        "2", "0", "1", "DejaVu Sans Mono", "12"}));
}

TEST_F(SettingsFile, ExistingSectionsKeysAndLinesAreKept) {
    // Capitals in the section name, a key in other case, LF-only lines, a
    // comment, another section and a blank line before it.
    WriteFile(Path(),
              "; mis ajustes\n"
              "[MAIN]\n"
              "tama\xD1oascii = 10\n"
              "Otra=1\n"
              "\r\n"
              "[Extra]\r\n"
              "Clave=valor\r\n"
              "PaletaWeb=7\r\n");
    ASSERT_TRUE(SaveSettingsTo(Path(), SettingsValues{}));
    // The existing key is replaced where it stands, the others follow the
    // section's last line, and the new section comes at the end.
    std::string others = kFreshMain;
    others.erase(others.find("Tama\xF1oAscii=50\r\n"), 16);
    EXPECT_EQ(ReadFile(Path()), "; mis ajustes\n[MAIN]\nTama\xF1oAscii=50\r\nOtra=1\n" + others +
                                    "\r\n[Extra]\r\nClave=valor\r\nPaletaWeb=7\r\n" + kFreshFont);
}

TEST_F(SettingsFile, FailedWritesLeaveTheFileAsItWas) {
    const std::string original = "[Main]\r\nPaletaAscii=3\r\n";
    WriteFile(Path(), original);
    QFile::setPermissions(QString::fromStdString(Path()), QFile::ReadOwner);
    EXPECT_FALSE(SaveSettingsTo(Path(), SettingsValues{}));
    EXPECT_EQ(ReadFile(Path()), original);
    QFile::setPermissions(QString::fromStdString(Path()), QFile::ReadOwner | QFile::WriteOwner);

    // A face that cannot be written stops the whole save, not half of it.
    SettingsValues bad;
    bad.font.FontName = "Mono\nRota";
    EXPECT_FALSE(SaveSettingsTo(Path(), bad));
    EXPECT_EQ(ReadFile(Path()), original);

    EXPECT_FALSE(WriteProfileString("Main", "k", "v", dir_.path().toStdString()));
    EXPECT_FALSE(WriteProfileString("Main", "k", "v", Path("no/such/folder/GLZ.ini")));
    EXPECT_FALSE(FileExists(Path("no/such/folder/GLZ.ini")));
}

TEST_F(SettingsFile, SavesIntoTheUserConfigurationFolder) {
    // A root folder gets a single separator.
    EXPECT_EQ(IniFilePathIn("/"), "/GLZ.ini");
    EXPECT_EQ(IniFilePathIn("/home/ana/.config/glifora"), "/home/ana/.config/glifora/GLZ.ini");
    EXPECT_EQ(IniFilePathIn("/home/ana/"), "/home/ana/GLZ.ini");
    EXPECT_EQ(IniFilePathIn(""), "");
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", dir_.path().toLocal8Bit());
    const std::string path = IniFilePath();
    EXPECT_TRUE(path.starts_with(dir_.path().toStdString() + "/"));
    EXPECT_TRUE(path.ends_with("/GLZ.ini"));
    // The folder is made on the first save.
    EXPECT_TRUE(SaveSettings(SettingsValues{}));
    EXPECT_TRUE(WriteIniValue("Fuente", "Nombre", "Liberation Mono"));
    std::string expected = kFreshFile;
    expected.replace(expected.find("Lucida Console"), 14, "Liberation Mono");
    EXPECT_EQ(ReadFile(path), expected);
    if (saved.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", saved);
}

}  // namespace
}  // namespace glifora
