#include "App.Presenter.Classes.h"

#include "App.Service.Classes.h"
#include "Common.Dto.Classes.h"

ZUNTA_REGISTER_PRESENTER(TClassesPresenter)

TClassesPresenter::TClassesPresenter()
    : TBaseCadastroPresenter(QStringLiteral("TClassesPresenter"))
{ }

std::unique_ptr<TBaseEntity> TClassesPresenter::CreateEntity()
{
    return nullptr;
}

std::unique_ptr<TBaseService> TClassesPresenter::CreateService()
{
    return std::make_unique<TClassesService>();
}

void TClassesPresenter::CreateFieldsDataSet()
{
    TBaseCadastroPresenter::CreateFieldsDataSet();
    DataSetInfo().AddField(QStringLiteral("NOME_CLASSE"), TFieldType::String, 100);
    DataSetInfo().AddField(QStringLiteral("DESCRICAO_CLASSE"), TFieldType::String, 200);
}

void TClassesPresenter::findByFilterToDataSet()
{
    TBaseCadastroPresenter::findByFilterToDataSet();
    TBasePresenter::findByFilterToDataSet<TClassesDto>();
}
