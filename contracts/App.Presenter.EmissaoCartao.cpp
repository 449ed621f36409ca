#include "App.Presenter.EmissaoCartao.h"

#include "App.Service.DependenteContrato.h"
#include "Common.ComplexPost.DependenteContrato.ValidadeCartao.h"
#include "Common.Dto.DependenteContrato.ValidadeCartao.h"

#include "FormatSettings.h"

ZUNTA_REGISTER_PRESENTER(TEmissaoCartaoPresenter)

TEmissaoCartaoPresenter::TEmissaoCartaoPresenter()
    : TBaseCadastroPresenter(QStringLiteral("TEmissaoCartaoPresenter"))
{ }

std::unique_ptr<TBaseEntity> TEmissaoCartaoPresenter::CreateEntity()
{
    return nullptr;
}

std::unique_ptr<TBaseService> TEmissaoCartaoPresenter::CreateService()
{
    return nullptr;
}

std::optional<TObjectList<TValidadeCartaoDependenteContratoDto>>
TEmissaoCartaoPresenter::findValidadeCartao(const QStringList &AList)
{
    TListInt64 ids;
    for (const QString &id : AList)
        ids.push_back(StrToInt64(id));
    TDependenteContratoService service;
    return service.findValidadeCartao(ids);
}

void TEmissaoCartaoPresenter::postValidadeCartao(
    const TValidadeCartaoDependenteContratoComplexPost &AComplexPost)
{
    TDependenteContratoService service;
    service.postValidadeCartao(AComplexPost);
}
