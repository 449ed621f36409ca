#pragma once

#include "App.Base.Presenter.Cadastro.h"
#include "Common.Base.Types.h"

#include <QStringList>

#include <optional>

class TValidadeCartaoDependenteContratoComplexPost;
class TValidadeCartaoDependenteContratoDto;

// Reads and renews the membership-card validity of selected members through the member
// service; it edits no record of its own and only binds the renewal view's controls.
class TEmissaoCartaoPresenter final : public TBaseCadastroPresenter
{
public:
    TEmissaoCartaoPresenter();

    // The validities of the members whose ids the texts hold; a text that is no whole number
    // raises EConvertError before any request. The caller owns the result; none for no rows.
    std::optional<TObjectList<TValidadeCartaoDependenteContratoDto>>
    findValidadeCartao(const QStringList &AList);
    // Raises the back end's refusal text (or the generic problem text for an empty reply).
    void postValidadeCartao(const TValidadeCartaoDependenteContratoComplexPost &AComplexPost);

protected:
    std::unique_ptr<TBaseEntity> CreateEntity() override;
    std::unique_ptr<TBaseService> CreateService() override;
};
