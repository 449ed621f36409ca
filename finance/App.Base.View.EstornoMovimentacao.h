#pragma once

#include "App.Base.Form.Cadastro.h"

#include <cstdint>
#include <memory>

class TEstornoMovimentacaoFinanceiraPresenter;

// The frame of the list-only windows whose rows reverse a cash movement: no record tab, a
// filter bar, and one reversal presenter for every reversal the window makes, created and freed
// with it. A row's reversal runs estornarMovimentacaoFinanceira: the reversal dialog, then the
// reversal on a worker behind the wait overlay, the success message and a new search from page
// 1; a refusal is shown and the list stays as it is.
class TFormBaseViewEstornoMovimentacao : public TFormBaseCadastro
{
public:
    ~TFormBaseViewEstornoMovimentacao() override;

    TEstornoMovimentacaoFinanceiraPresenter &EstornoPresenter() const { return *FEstornoPresenter; }

    // The reversal of the movement of that id (64-bit: no movement is refused for its size).
    void estornarMovimentacaoFinanceira(std::int64_t AIdMovimentacao);

protected:
    TFormBaseViewEstornoMovimentacao(const QString &AClassName, QWidget *AParent);

    void FormCreate() override;
    void enablePanelFilter() override;

    // "WARNING:Seu usuário não possui permissão neste recurso." without the Movimentar
    // permission on this window.
    void requireMovimentar() const;
    // The movement id a row carries.
    static std::int64_t idMovimentacaoOf(const TFrameBaseAdapter *AFrame);

    std::unique_ptr<TEstornoMovimentacaoFinanceiraPresenter> FEstornoPresenter;
};
