#pragma once

#include "App.Base.View.OperacaoContrato.h"
#include "Common.Dto.AtualizacaoTitularContrato.h"

#include <cstdint>

class TDateEdit;
class TEdit;
class TFechamentoOrdemServicoDto;
class TLabel;
class TMemo;

// Replaces a contract's holder by one of its members. Opened from the menu it sends the change
// and stays open for the next one, cleared once the back end accepted it and keeping the typed
// values after a refusal. Given a service-order closing (the holder died) it only chooses the new
// holder, hands it to the closing record and closes; the closing sends the change.
class TFormViewAtualizacaoTitular final : public TFormBaseViewOperacaoContrato
{
public:
    explicit TFormViewAtualizacaoTitular(QWidget *AParent = nullptr);

    TLabel *LabelTrocaTitular;
    TLabel *LabelContrato;
    TEdit *EditContrato;
    TLabel *LabelNovoTitular;
    TEdit *EditNovoTitular;
    TLabel *LabelCpfCnpjNovo;
    TEdit *EditCpfCnpjNovo;
    TLabel *LabelListaBaixaContrato;
    TEdit *EditListaBaixaContrato;
    TLabel *LabelDataBaixa;
    TDateEdit *DateEditDataBaixa;
    TLabel *LabelJustificativa;
    TMemo *MemoJustificativa;

    // Switches to the death-of-holder mode for that closing record (the caller's, kept by
    // reference while the view lives); null leaves the normal mode.
    void SetFechamentoOrdemServico(TFechamentoOrdemServicoDto *AFechamento);

    // The body being filled by the lookups.
    const TAtualizacaoTitularContratoDto &AtualizacaoTitular() const { return FAtualizacaoTitular; }

    void RectangleGravarClick() override;

protected:
    std::unique_ptr<TBasePresenter> createPresenter() override;
    void fillListControl() override;
    void FormCreate() override;

private:
    static void avisarCobrancas();
    void limparNovoTitular(const QString &AFixFilter);

    TAtualizacaoTitularContratoDto FAtualizacaoTitular;
    TFechamentoOrdemServicoDto *FFechamentoOrdemServico = nullptr;
};
