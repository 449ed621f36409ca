#pragma once

#include "App.Base.Adapter.Cadastro.h"
#include "App.Lib.Theme.ColorFinanceiro.h"

#include <QString>

#include <cstdint>

class QWidget;
class TLabel;
class TMemTable;
class TRectangle;
class TSpeedButton;

// What a contract row's status depends on, as its list columns give it.
struct TContratoSituacao
{
    bool IsEmCarencia = false;
    int DiasParcelasEmAberto = 0;
    bool IsCancelado = false;
    bool IsTitularFalecido = false;
    bool IsSuspenso = false;
    bool IsQuitado = false;
};

// The status text of a contract row and the theme colour of its stripe; no colour keeps the
// row's own stripe.
struct TContratoStatus
{
    QString Texto;
    TAlphaColor TColorFinanceiroApp::*Cor = nullptr;
};

// The status of a contract: "ATIVO" on the row's own stripe, coloured by the waiting period or
// else by the days of open instalments (60 to 89, 90 and more); then cancelled, deceased holder,
// suspended and paid off, each later one winning over the earlier ones for the colour and, where
// it has one, for the text.
TContratoStatus contratoStatus(const TContratoSituacao &ASituacao);

// A row of the contract list: the holder, the contract's number, dates, plan, portfolio, phone,
// address and seller, the status text and stripe, the warning button (only while the contract
// has a warning) and the side-menu button, with the registration row's edit, remove and view
// buttons.
class TContratoFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TContratoFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelTitular;
    TLabel *LabelTitleCodigo;
    TLabel *LabelCodigo;
    TLabel *LabelTitleDiaVencimento;
    TLabel *LabelDiaVencimento;
    TLabel *LabelTitleDataContrato;
    TLabel *LabelDataContrato;
    TLabel *LabelTitlePlano;
    TLabel *LabelPlano;
    TLabel *LabelTitleStatusPlano;
    TLabel *LabelStatusPlano;
    TLabel *LabelTitleCarteira;
    TLabel *LabelCarteira;
    TLabel *LabelTitleTelefone;
    TLabel *LabelTelefone;
    TLabel *LabelTitleQuantidadeDependenteAtivo;
    TLabel *LabelQuantidadeDependenteAtivo;
    TLabel *LabelTitleEndereco;
    TLabel *LabelEndereco;
    TLabel *LabelTitleUltimaDataRecebida;
    TLabel *LabelUltimaDataRecebida;
    TLabel *LabelTitleVendedor;
    TLabel *LabelVendedor;
    TSpeedButton *SpeedButtonAviso;
    TSpeedButton *SpeedButtonMenuLateral;

    std::int64_t IdPessoaTitular = 0;
    // The window's warning and side-menu procedures, run by the row's two buttons when set.
    TProcFrame ProcAviso;
    TProcFrame ProcMenuLateral;

    const QString &Aviso() const { return FAviso; }
    // The warning button shows only while the text is not empty.
    void SetAviso(const QString &AValue);

    void SpeedButtonAvisoClick();
    void SpeedButtonMenuLateralClick();

protected:
    // The holder, the address, the phone, the warning and the status.
    void fillRow(const TMemTable &ADataSet) override;

private:
    QString FAviso;
};

// The legend of the contract list's status colours: "Legenda" in the list's footer, and the box
// of colours shown while the pointer is over it. The box lies in AHost (above the list, hidden at
// first); the squares take the theme's colours when the legend is built. The window keeps the
// legend as long as its footer, whose pointer events reach it.
class TContratoLegenda final
{
public:
    TContratoLegenda(QWidget *AFooter, QWidget *AHost);

    TRectangle *RectangleAbreLegenda;
    TLabel *LabelLegenda;
    TRectangle *RectangleHelpLegenda;
    TRectangle *RectangleCadastroAtivo;
    TRectangle *RectangleCadastroCancelado;
    TRectangle *RectangleCadastroEmCarencia;
    TRectangle *RectangleCadastroTitularFalecido;
    TRectangle *RectangleCadastroParcelasAbertasSessentaDias;
    TRectangle *RectangleCadastroParcelasAbertasQuarentaCincoDias;
    TRectangle *RectangleCadastroSuspenso;
    TRectangle *RectangleCadastroQuitado;

    void RectangleAbreLegendaMouseEnter();
    void RectangleAbreLegendaMouseLeave();
};
