#pragma once

#include <QDialog>
#include <QString>

#include <memory>

class TImage;
class TLabel;
class TLayout;
class TRectangle;
class TSpeedButton;

// The kinds of message window, in the order the system numbers them.
enum class TMessageType { mtSuccess, mtInformation, mtError, mtQuestion };

// The results of the message window (and of any modal window): OK, yes ("SIM"), no ("NÃO").
constexpr int mrOk = 1;
constexpr int mrYes = 6;
constexpr int mrNo = 7;

// The title of the window's bar for a kind: "Informação", "Aviso", "Erro", "Confirmação".
QString MessageTypeTitle(TMessageType kind);

// The one modal message window: a half-transparent cover over the work area with the dialog in
// its centre. Configured through its fluent operations, in the order MessageType, FileLog,
// Message, TitleForm, then Execute. Closed without a button (Escape, closing the window) it
// answers no (7) to a question and OK (1) otherwise.
class TFormMessage final : public QDialog
{
    Q_OBJECT

public:
    // Without an owner; the caller frees it.
    static std::unique_ptr<TFormMessage> New();
    ~TFormMessage() override;

    TFormMessage &MessageType(TMessageType value);
    TFormMessage &FileLog(const QString &value);
    TFormMessage &Message(const QString &value);
    TFormMessage &TitleForm(const QString &value);
    // Covers the screen's work area and shows the window modally; returns 1, 6 or 7.
    int Execute();

    TMessageType messageType() const { return m_messageType; }
    // The window's own events leave the inactivity timer alone (the change-of-user question).
    void IsInitializateApp() { m_isInitializateApp = true; }
    bool isInitializateApp() const { return m_isInitializateApp; }
    // The message window never asks for form permissions.
    bool IgnorePermission() const { return true; }
    void ApplyThemeApp();

    // Places the window over the work area as Execute does (without showing it).
    void coverWorkArea();

    // The height of RectangleDialog, which grows for long texts.
    int dialogHeight() const;

    // The result for a window closed without a button.
    int closedResult() const;

public slots:
    void reject() override;

private:
    TFormMessage();
    void FormCreate();

    TMessageType m_messageType = TMessageType::mtError;
    bool m_isInitializateApp = false;

    TLayout *LayoutPrincipal;
    TRectangle *RectangleBackground;
    TRectangle *RectangleDialog;
    TRectangle *RectangleTitleBar;
    TLayout *LayoutMessage;
    TLayout *Layout2;
    TLabel *LabelTituloBarra;
    TImage *ImageInformacao;
    TImage *ImageErro;
    TImage *ImageConfirmacao;
    TLabel *LabelTitleForm;
    TLabel *LabelMensagem;
    TLabel *LabelFileLog;
    TSpeedButton *SpeedButtonOK;
    TSpeedButton *SpeedButtonNao;
    TSpeedButton *SpeedButtonSim;
};
