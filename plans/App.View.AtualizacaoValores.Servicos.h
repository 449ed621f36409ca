#pragma once

#include "App.View.AtualizacaoValores.h"

// "ATUALIZAÇÃO DE VALORES DE SERVIÇOS": the bulk price update of services.
class TFormViewAtualizacaoValoresServicos final : public TFormViewAtualizacaoValores
{
public:
    explicit TFormViewAtualizacaoValoresServicos(QWidget *AParent = nullptr);

protected:
    void SetInfoPresenter() override;
    void fillListControl() override;
    TAtualizacaoValoresFrameAdapter *newFrame() override;
};
