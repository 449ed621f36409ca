#pragma once

#include "App.Base.View.OperacaoContrato.h"

#include <cstdint>

class TCancelamentoOrdemServicoDto;
class TEdit;
class TLabel;
class TPessoaEntity;

// Asks, while a service order whose deceased was a contract holder is cancelled, which kinship
// the contract's current holder had before becoming holder, and writes it into the caller's
// cancellation record on "Gravar". The caller judges an empty choice.
class TFormSubViewAtualizarParentescoTitular final : public TFormBaseViewOperacaoContrato
{
public:
    explicit TFormSubViewAtualizarParentescoTitular(QWidget *AParent = nullptr);

    TLabel *LabelTrocaParentesco;
    TLabel *LabelNomePessoa;
    TLabel *LabelListaParentesco;
    TEdit *EditListaParentesco;

    // The contract's current holder, shown in the banners.
    void SetPessoa(const TPessoaEntity &APessoa);
    // The caller's record, kept by reference while the view lives.
    void SetCancelamentoDto(TCancelamentoOrdemServicoDto *ACancelamento)
    {
        FCancelamentoDto = ACancelamento;
    }

    void RectangleGravarClick() override;

protected:
    std::unique_ptr<TBasePresenter> createPresenter() override;
    void fillListControl() override;

private:
    std::int64_t FNovoParentesco = 0;
    TCancelamentoOrdemServicoDto *FCancelamentoDto = nullptr;
};
