#include "hostsettings/frm_sistema.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QTemporaryDir>

#include "test_support.h"

namespace glifora {
namespace {

using test::FileExists;
using test::ReadFile;
using test::WriteFile;

const std::string kBrowserHeader =
    "[HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\International\\Scripts\\3]\r\n";

std::string StoreWith(int fwrap, const char* pointSize, const char* ieFontSize) {
    return std::string("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Microsoft\\Notepad]\r\n") +
           "\"lfFaceName\"=\"Courier New\"\r\n\"iPointSize\"=dword:" + pointSize +
           "\r\n\"fwrap\"=dword:0000000" + std::to_string(fwrap) + "\r\n\r\n" + kBrowserHeader +
           "\"IEFontSize\"=" + ieFontSize + "\r\n";
}

class Panel : public ::testing::Test {
  protected:
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
    std::string Path() const { return dir_.path().toStdString() + "/registro.reg"; }
    QTemporaryDir dir_;
};

TEST_F(Panel, ShowsTheStoredSettingsRewritesTheBrowserSizeAndRereadsTheWordWrap) {
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    // Four bytes stored; the panel's selection writes them back as three.
    WriteFile(Path(), StoreWith(1, "00000069", "hex:02,00,00,00"));
    frmSistema panel{ValueStore(Path())};
    ASSERT_EQ(panel.cboESize->count(), 5);
    EXPECT_EQ(panel.lblNFont->text(), "Courier New");
    EXPECT_EQ(panel.lblNSize->text(), "10,5");
    EXPECT_EQ(panel.chkNAjuste->checkState(), Qt::Checked);
    EXPECT_EQ(panel.cboESize->currentIndex(), 2);
    EXPECT_EQ(ReadFile(Path()), StoreWith(1, "00000069", "hex:02,00,00"));

    // A click on the word-wrap box shows the stored state again and writes
    // nothing; a number the box cannot show leaves it as it was.
    const std::string stored = ReadFile(Path());
    panel.chkNAjuste->click();
    EXPECT_EQ(panel.chkNAjuste->checkState(), Qt::Checked);
    EXPECT_EQ(ReadFile(Path()), stored);
    for (int fwrap : {0, 2, 7}) {
        WriteFile(Path(), StoreWith(fwrap, "00000069", "hex:00"));
        panel.chkNAjuste->click();
    }
    EXPECT_EQ(panel.chkNAjuste->checkState(), Qt::PartiallyChecked);
}

TEST_F(Panel, ChoosingASizeStoresThreeBytes) {
    frmSistema panel{ValueStore(Path())};
    EXPECT_FALSE(FileExists(Path()));  // nothing stored: nothing selected, nothing written
    EXPECT_EQ(panel.cboESize->currentIndex(), -1);
    EXPECT_EQ(panel.lblNSize->text(), "0");

    panel.cboESize->setCurrentIndex(4);
    emit panel.cboESize->activated(4);
    EXPECT_EQ(ReadFile(Path()),
              "REGEDIT4\r\n\r\n" + kBrowserHeader + "\"IEFontSize\"=hex:04,00,00\r\n");
}

}  // namespace
}  // namespace glifora
