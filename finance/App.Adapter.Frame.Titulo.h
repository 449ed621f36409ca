#pragma once

#include "App.Base.Adapter.Cadastro.h"

#include <cstdint>

class TCheckBox;
class TSpeedButton;

// A row of the title list: one instalment with its title's payee, type, document, value, due
// date, company and, once settled, the settlement's value and date. Its check box marks the
// instalment for settlement; its side-menu button offers the boleto; its remove button hands the
// row straight to the window, which asks its own question.
class TTituloFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TTituloFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelDescricao;
    TLabel *LabelTitleNumeroDocumento;
    TLabel *LabelNumeroDocumento;
    TLabel *LabelTitleVencimento;
    TLabel *LabelVencimento;
    TLabel *LabelTitleValorParcela;
    TLabel *LabelValorParcela;
    TLabel *LabelTitleTipoTitulo;
    TLabel *LabelTipoTitulo;
    TLabel *LabelTitleParcelaTitulo;
    TLabel *LabelParcelaTitulo;
    TLabel *LabelTitleEmpresa;
    TLabel *LabelEmpresa;
    TLabel *LabelTitleDescricaoTitulo;
    TLabel *LabelDescricaoTitulo;
    TLabel *LabelTitleValorBaixa;
    TLabel *LabelValorBaixa;
    TLabel *LabelTitleDataBaixa;
    TLabel *LabelDataBaixa;
    TRectangle *RectangleValorBaixa;
    TCheckBox *CheckBoxMarcar;
    TSpeedButton *SpeedButtonMenuLateral;

    std::int64_t IdParcelaTitulo = 0;
    bool IsBaixadoTotal = false;
    // The title type's description and code ("R" or "D").
    QString TipoTituloMarcado;
    QString CodigoTipoTitulo;

    TProcFrame ProcCheckBoxMarcar;
    TProcFrame ProcMenuLateral;
    TProcFrame ProcExcluir;

    void CheckBoxMarcarClick();
    void SpeedButtonMenuLateralClick();
    // Runs ProcExcluir without the base question.
    void SpeedButtonRemoveClick() override;

protected:
    void fillRow(const TMemTable &ADataSet) override;
};
