#include "App.Presenter.ListaSistema.h"

#include "App.Service.ListaSistema.h"
#include "Common.Dto.ListaSistema.h"
#include "Common.Entity.ListaSistema.h"

ZUNTA_REGISTER_PRESENTER(TListaSistemaPresenter)

TListaSistemaPresenter::TListaSistemaPresenter()
    : TBaseCadastroPresenter(QStringLiteral("TListaSistemaPresenter"))
{ }

std::unique_ptr<TBaseEntity> TListaSistemaPresenter::CreateEntity()
{
    return std::make_unique<TListaSistemaEntity>();
}

std::unique_ptr<TBaseService> TListaSistemaPresenter::CreateService()
{
    return std::make_unique<TListaSistemaService>();
}

std::unique_ptr<TSerializeObject> TListaSistemaPresenter::getById(std::int64_t AId)
{
    return Service()->findById<TListaSistemaEntity>(AId);
}

std::unique_ptr<TSerializeObject> TListaSistemaPresenter::PostService()
{
    TBaseCadastroPresenter::PostService();
    return Service()->post(*EntityAs<TListaSistemaEntity>());
}

void TListaSistemaPresenter::CreateFieldsDataSet()
{
    TBaseCadastroPresenter::CreateFieldsDataSet();
    // The sizes are the edits' maximum lengths in the registration window.
    DataSetInfo().AddField(QStringLiteral("CODIGO"), TFieldType::String, 20);
    DataSetInfo().AddField(QStringLiteral("DESCRICAO"), TFieldType::String, 100);
    DataSetInfo().AddField(QStringLiteral("TIPO"), TFieldType::String, 50);
}

void TListaSistemaPresenter::findByFilterToDataSet()
{
    TBaseCadastroPresenter::findByFilterToDataSet();
    TBasePresenter::findByFilterToDataSet<TListaSistemaDto>();
}
