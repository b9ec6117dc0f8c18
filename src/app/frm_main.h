#pragma once
// The main window: the working picture on the left, the text art on the
// right, the settings of the two modes below the picture, toolbar, menus and
// status bar. Commands are public so the desktop start-up, drag and drop and
// the tests reach them the same way the menus do.

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "animation/anim_art_controls.h"
#include "animation/animart_writer.h"
#include "animation/gif_frames.h"
#include "animation/work_folder.h"
#include "app/frm_opc_algoritmo.h"
#include "app/frm_preview.h"
#include "app/working_picture_host.h"
#include "editor/editor_document.h"
#include "filters/filter_engine.h"
#include "filters/throttled_progress.h"
#include "platform/dialogs.h"
#include "textart/text_art_job.h"
#include "textart/text_art_session.h"
#include "webart/webart_writer.h"

class QAction;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QScrollBar;
class QSlider;
class QStatusBar;
class QToolBar;
class QWidget;

namespace glifora {

class ClickLabel;
class PictureBox;
class PicturePanel;
class StatusPanel;
class TextArtPanel;
class WebArtPanel;

struct MainOptions {
    // Shows the hidden buttons and enables the greyed entries (editor, revert).
    bool allFeatures = false;
};

class frmEfectConfig;
class frmEditor;
class frmFonts;

class frmMain : public QMainWindow, public WorkingPictureHost {
    Q_OBJECT
  public:
    using Options = MainOptions;

    explicit frmMain(Dialogs& dialogs, Options options = {}, QWidget* parent = nullptr);
    ~frmMain() override;

    // --- State read by tests and by the other windows ---
    [[nodiscard]] const std::string& TextArt() const { return textArt_; }
    [[nodiscard]] const Raster& Resized() const { return picResized_; }
    [[nodiscard]] TextArtSession& Session() { return session_; }
    [[nodiscard]] int ColumnCount() const { return columnCount_; }
    [[nodiscard]] QString PanelText(const QString& key) const;
    [[nodiscard]] bool AsciiMode() const;
    [[nodiscard]] ColorValue TextForeColor() const { return foreColor_; }
    [[nodiscard]] ColorValue TextBackColor() const { return backColor_; }
    [[nodiscard]] Dialogs& UserDialogs() { return dialogs_; }
    [[nodiscard]] frmPreview* Preview() const { return preview_; }

    // --- Commands ---
    void LoadImageFile();
    // Loads `path` as the open command does after its dialog; false (and the
    // load error box) when it cannot be decoded.
    bool LoadPictureFile(const std::string& path);
    void Play();
    void GenerateTextArt(Algorithm algorithm);
    // The conversion settings the controls show now.
    [[nodiscard]] TextArtSettings TextSettings(Algorithm algorithm);
    void SaveTextArt();
    // "Guardar como imagen...": TextArt in the text box's font and colours.
    void SaveTextArtPicture();
    void CopyToClipboard();
    void ShowTextPreview();
    void ChangeFont();
    void AskRegenerate();
    // Takes `face` as the text-art face (the fixed-font list's double click).
    void TakeFontFace(const std::string& face);
    void ComputeColumnCount();
    void UpdateScrollBars();
    void UndoPicture();
    void RevertPicture();
    void SetMode(bool ascii);
    void ShowImagePreview();
    void ShowAbout();
    // "Opciones del algoritmo", created unticked on first use.
    frmOpcAlgoritmo* OptionsPanel();
    // The clean-up of closing: frame files deleted, working folder removed.
    void Shutdown();
    // Shows the picture's displayed raster again (after it changed in place).
    void RepaintPicture(bool now = false);

    // The filter engine's repaint of the working picture.
    void Repaint() override { RepaintPicture(); }
    [[nodiscard]] FilterEngine& Engine() { return engine_; }
    [[nodiscard]] frmEfectConfig* EfectConfig() const { return efectConfig_; }
    void ApplyMenuEffect(int code, int parameter);
    // Tools around the text art.
    void OpenEditor();
    void OpenFixedFonts();
    void SaveSettingsFile();
    void OpenHostSettings();

    // Web art and animation.
    void PlayWebArt();
    void PlayAnimation();
    void AnimArtFromDirectory();
    void ShowFrameSelection();
    // The web-art settings the controls show now.
    [[nodiscard]] WebArtSettings WebSettings() const;
    [[nodiscard]] const WorkFolder& WorkingFolder() const { return workFolder_; }
    [[nodiscard]] FrameState& Frames() { return frames_; }
    [[nodiscard]] WebArtState& WebState() { return web_; }
    // Shows prgBar1 at done/total and lets pending events run, throttled as
    // for the filters.
    void ReportProgress(int done, int total);
    void HideProgress();

    // --- Controls, named as the window's design names them; the panels own
    // them, the window keeps these pointers for its commands and the tests ---
    QToolBar* Toolbar1 = nullptr;
    QToolBar* tbModo = nullptr;
    QFrame* picMarco = nullptr;
    PictureBox* picMain = nullptr;
    QScrollBar* HScroll1 = nullptr;
    QScrollBar* VScroll1 = nullptr;
    QPlainTextEdit* txtAscii = nullptr;
    QFrame* mrcAscii = nullptr;
    QFrame* mrcWeb = nullptr;
    QFrame* mrcAnimArt = nullptr;
    QComboBox* cboPaletas = nullptr;
    QSlider* sldTamaño = nullptr;
    ClickLabel* lblTamañoAsciiMin = nullptr;
    ClickLabel* lblTamañoAsciiMax = nullptr;
    ClickLabel* lbl100 = nullptr;
    QSlider* sldLuminosidad = nullptr;
    ClickLabel* Label1 = nullptr;
    ClickLabel* lblAsciiForeColor = nullptr;
    ClickLabel* lblAsciiBackcolor = nullptr;
    QCheckBox* chkAsciiNegativo = nullptr;
    QCheckBox* chkMasDetalle = nullptr;
    QCheckBox* chkAsciiPrev = nullptr;
    QCheckBox* chkAnimArt = nullptr;
    QPushButton* cmdGIFAvance = nullptr;
    QComboBox* cboPaletaWeb = nullptr;
    QLineEdit* txtPaletaWeb = nullptr;
    ClickLabel* lblWebBackColor = nullptr;
    QToolBar* TBBordesWeb = nullptr;
    QSlider* sldWTamaño = nullptr;
    ClickLabel* lblTamañowebMin = nullptr;
    ClickLabel* lblTamañowebMax = nullptr;
    QCheckBox* chkWebCalidad = nullptr;
    QCheckBox* chkWebArtPrev = nullptr;
    QStatusBar* SBMain = nullptr;
    QProgressBar* prgBar1 = nullptr;
    QPushButton* cmd1 = nullptr;
    QPushButton* cmd2 = nullptr;
    QPushButton* Command1 = nullptr;
    QWidget* Picture1 = nullptr;

    // Menu entries, by their design names.
    [[nodiscard]] QAction* Action(const QString& name) const;
    [[nodiscard]] QMenu* Menu(const QString& name) const;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    struct ScreenMetrics {
        int width = 1024;
        int twipsPerPixel = 15;
    };
    [[nodiscard]] ScreenMetrics Screen() const;
    void BuildToolbars(QWidget* client);
    void BuildPanels(QWidget* client);
    void BuildHiddenControls(QWidget* client);
    void BuildMenus();
    void BuildImageMenus();
    void StartUp();
    void ApplyTextColors();
    void OnPaletteSelected(int index);
    void OnNegativeClicked();
    void OnDetailClicked();
    void OnLuminosityChanged();
    void OnSizeChanged();
    void ShowFontInStatus();
    void ChooseSwatchColor(ClickLabel* swatch);
    void ShowAlgorithmOptions();
    [[nodiscard]] bool FillTicked();
    // Asks for a page file and writes it whole through `write`; the path
    // written, or empty when cancelled or failed (the failure reported).
    std::string SavePage(const char* title, const std::function<bool(const ByteSink&)>& write);
    void WriteAnimation(const AnimArtRequest& request, bool preview);
    QAction* AddAction(QMenu* menu, const QString& name, const QString& caption);

    Dialogs& dialogs_;
    Options options_;
    TextArtSession session_;
    Raster picResized_;
    std::string textArt_;
    int columnCount_ = 250;
    ColorValue foreColor_ = 0;
    ColorValue backColor_ = 0xFFFFFF;
    WorkFolder workFolder_;
    FrameState frames_;
    WebArtState web_;
    std::unique_ptr<WidgetAnimArtControls> animControls_;
    FilterEngine engine_{*this};
    ThrottledProgress filterProgress_;
    frmEfectConfig* efectConfig_ = nullptr;
    // The editor's grid: it outlives the editor window, which is opened over it.
    EditorDocument editorDocument_;
    QPointer<frmEditor> editor_;
    QPointer<frmFonts> fonts_;
    PicturePanel* picturePanel_ = nullptr;
    TextArtPanel* textPanel_ = nullptr;
    WebArtPanel* webPanel_ = nullptr;
    StatusPanel* status_ = nullptr;
    QPointer<frmPreview> preview_;
    QPointer<frmOpcAlgoritmo> options_panel_;
    bool shutDown_ = false;
};

}  // namespace glifora
