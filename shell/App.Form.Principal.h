#pragma once

#include "App.Base.Form.h"

#include <cstdint>
#include <functional>

class TGridLayout;
class TImage;
class TLabel;
class TLayout;
class TLine;
class TMultiView;
class TPanel;
class TRectangle;
class TSpeedButton;
class TStatusBar;

// The program's one main window. Its creation is the whole start-up: it covers the work area,
// prepares the "temp" folder, runs the self-update check and the login loop, and then shows the
// user, the company and the version and hands its areas to the application object; once shown it
// builds the menus from the back end's menu rows. Every other window is docked into its
// LayoutPrincipal; popups and lookups appear in its side area LayoutApoio. A failed start-up or a
// cancelled login ends the program (Encerrar) without asking anything. Created through
// TFormBase::Create<TFormPrincipal>(), normally by ExecuteZunta.
class TFormPrincipal final : public TFormBase
{
public:
    explicit TFormPrincipal(QWidget *AParent = nullptr);
    // Frees the application object (open windows, top menus) with the window.
    ~TFormPrincipal() override;

    // The update check; a failure ends the program.
    void atualizar();
    // The login loop: 0 for a full login with the choice of company, a user id for the same-user
    // re-login after the inactivity lock. A cancel or a failure ends the program.
    void logar(std::int64_t AIdUsuarioLogado);
    // Builds the menus once per login, when a user is logged in.
    void loadMenu();
    // Ends the program without the closing question, with the exit status given.
    void Encerrar(int AExitCode = 0);

    bool IsLogado() const { return FIsLogado; }
    // Encerrar was called, and with which status.
    bool IsEncerrado() const { return m_encerrado; }
    int ExitCode() const { return m_exitCode; }

    // How Encerrar ends the program: by default it leaves the running event loop with the status
    // (before the loop starts there is none, and ExecuteZunta returns the status instead); tests
    // record the call. Null restores the default.
    using TTerminateProc = std::function<void(int AExitCode)>;
    static void SetTerminateProc(TTerminateProc AProc);

    bool IgnorePermission() override { return true; }
    void ApplyThemeApp() override;
    // The base step, then the window closes (asking the closing question).
    void CloseForm() override;

    TStatusBar *StatusBarSystem;
    TLabel *LabelVersionSystem;
    TLabel *LabelDravikCompany;
    TPanel *PanelSuperior;
    TRectangle *RectangleSuperior;
    TLabel *LabelEmpresa;
    TSpeedButton *SpeedButtonFechar;
    TSpeedButton *SpeedButtonMinimizar;
    TSpeedButton *SpeedButtonMenuLateral;
    TRectangle *RectangleMenuSuperior;
    TGridLayout *LayoutTopMenu;
    TLayout *LayoutLogo;
    TImage *ImageLogo;
    TLayout *LayoutUsuario;
    TRectangle *RectangleUsuario;
    TLayout *Layout2;
    TImage *ImageUser;
    TLayout *LayoutNomeUsuario;
    TLabel *LabelLogadoNome;
    TImage *ImageLogout;
    TLine *Line4;
    TRectangle *RectanglePrincipal;
    TImage *ImageLogoPrincipal;
    TLayout *LayoutPrincipal;
    TLayout *LayoutApoio;
    TMultiView *MultiViewMenu;

protected:
    void FormCreate() override;
    void showEvent(QShowEvent *AEvent) override;
    void closeEvent(QCloseEvent *AEvent) override;

private:
    void BuildMenuSistema();
    void SpeedButtonMenuLateralClick();
    void ImageLogoutClick();
    // The closing question; true to close.
    bool FormCloseQuery();

    bool FIsLogado = false;
    // The menus of the current login are on the bar: a second show (a restore from minimised)
    // builds nothing.
    bool m_menuCarregado = false;
    bool m_encerrado = false;
    int m_exitCode = 0;
};

// The program's start, once the platform's application object exists: the image lists, the main
// window (whose creation runs the update check and the login) and, only when a user logged in,
// the event loop given. Returns the process's exit status: the event loop's, or the one the
// start-up ended with (0 for a cancelled login).
int ExecuteZunta(const std::function<int()> &AEventLoop);
