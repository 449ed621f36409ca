#include "App.Presenter.Usuario.h"

#include "App.Lib.ForcaSenha.h"
#include "App.Service.Usuario.h"
#include "Common.Dto.Usuario.h"
#include "Common.Entity.Usuario.h"

#include "MemTable.h"

TUsuarioPresenter::TUsuarioPresenter()
    : TBaseCadastroPresenter(QStringLiteral("TUsuarioPresenter"))
{ }

void TUsuarioPresenter::ModifyPassword(std::int64_t AIdUsuario, const QString &ASenha)
{
    static_cast<TUsuarioService *>(Service())->ModifyPassword(AIdUsuario, ASenha);
}

void TUsuarioPresenter::findByFilterToDataSet()
{
    TBaseCadastroPresenter::findByFilterToDataSet();
    TBasePresenter::findByFilterToDataSet<TUsuarioDto>();
}

std::unique_ptr<TBaseEntity> TUsuarioPresenter::CreateEntity()
{
    return std::make_unique<TUsuarioEntity>();
}

std::unique_ptr<TBaseService> TUsuarioPresenter::CreateService()
{
    return std::make_unique<TUsuarioService>();
}

void TUsuarioPresenter::CreateFieldsDataSet()
{
    TBaseCadastroPresenter::CreateFieldsDataSet();
    DataSetInfo().AddField(QStringLiteral("NOME"), TFieldType::String, 100);
    DataSetInfo().AddField(QStringLiteral("LOGIN"), TFieldType::String, 50);
    DataSetInfo().AddField(QStringLiteral("EMAIL"), TFieldType::String, 100);
}

ZUNTA_REGISTER_PRESENTER(TUsuarioPresenter)

namespace {
const TClassRegistration modifyPasswordRegistration(
    QStringLiteral("TUsuarioPresenter.ModifyPassword"),
    TModifyPasswordProc([](std::int64_t AIdUsuario, const QString &ASenha) {
        TBasePresenter::Create<TUsuarioPresenter>()->ModifyPassword(AIdUsuario, ASenha);
    }));
} // namespace
