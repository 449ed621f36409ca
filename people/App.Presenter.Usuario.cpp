#include "App.Presenter.Usuario.h"

#include "App.Lib.ForcaSenha.h"

#include "MemTable.h"

ZUNTA_REGISTER_PRESENTER(TUsuarioPresenter)

namespace {

const TClassRegistration modifyPasswordRegistration(
    QStringLiteral("TUsuarioPresenter.ModifyPassword"),
    TModifyPasswordProc([](std::int64_t AIdUsuario, const QString &ASenha) {
        TBasePresenter::Create<TUsuarioPresenter>()->ModifyPassword(AIdUsuario, ASenha);
    }));

// Each line as a 64-bit id; a line that is empty or no number gives 0.
void appendIds(TListInt64 &ATarget, const QStringList *ALines)
{
    if (!ALines)
        return;
    for (const QString &line : *ALines)
        ATarget.push_back(line.trimmed().toLongLong());
}

} // namespace

TUsuarioPresenter::TUsuarioPresenter()
    : TCadastroPresenterOf(QStringLiteral("TUsuarioPresenter"),
                           { { "NOME", 100 }, { "LOGIN", 50 }, { "EMAIL", 100 } })
{ }

void TUsuarioPresenter::ModifyPassword(std::int64_t AIdUsuario, const QString &ASenha)
{
    service().ModifyPassword(AIdUsuario, ASenha);
}

void TUsuarioPresenter::ResetPassword(std::int64_t AIdUsuario)
{
    service().ResetPassword(AIdUsuario);
}

std::unique_ptr<TSerializeObject> TUsuarioPresenter::getById(std::int64_t AId)
{
    return service().findById<TUsuarioEntity>(AId);
}

void TUsuarioPresenter::afterClear()
{
    m_listRemoveUsuarioFormaBaixaConta.clear();
}

std::unique_ptr<TSerializeObject> TUsuarioPresenter::PostComplexService()
{
    TUsuarioComplexPost &body = *entity();
    addEmpresas(body);
    addContas(body);
    addFormasBaixa(body);
    std::unique_ptr<TUsuarioComplexPost> saved;
    runOffMainThread([this, &body, &saved] { saved = service().postComplex(body); });
    return saved;
}

void TUsuarioPresenter::addEmpresas(TUsuarioComplexPost &ABody)
{
    appendIds(*ABody.RemoveUsuarioEmpresas, m_listRemoveEmpresa);
    if (!m_dataSetEmpresa || !m_dataSetEmpresa->Active())
        return;
    TMemTable &empresas = *m_dataSetEmpresa;
    empresas.SetFiltered(false);
    for (empresas.First(); !empresas.Eof(); empresas.Next()) {
        // A company never linked and not ticked has nothing to save.
        if (empresas.FieldByName(QStringLiteral("ID"))->AsLargeInt() == 0
            && !empresas.FieldByName(QStringLiteral("ATIVO"))->AsBoolean())
            continue;
        auto item = std::make_unique<TUsuarioEmpresaComplexPost>();
        SetObjectFromDataSet(item.get(), &empresas);
        // The back end removes profile links by id, whatever company they belonged to.
        if (ABody.UsuarioEmpresas->empty())
            appendIds(*item->RemoveUsuarioEmpresaPerfilPermissaos, m_listRemoveEmpresaPermissao);
        if (m_dataSetEmpresaPermissao && m_dataSetEmpresaPermissao->Active()) {
            TMemTable &perfis = *m_dataSetEmpresaPermissao;
            perfis.SetFiltered(false);
            perfis.SetFilter(QStringLiteral("ID_EMPRESA = ") + QString::number(item->IdEmpresa));
            perfis.SetFiltered(true);
            for (perfis.First(); !perfis.Eof(); perfis.Next()) {
                auto perfil = std::make_unique<TUsuarioEmpresaPerfilPermissaoEntity>();
                SetObjectFromDataSet(perfil.get(), &perfis);
                item->UsuarioEmpresaPerfilPermissaos->push_back(std::move(perfil));
            }
        }
        ABody.UsuarioEmpresas->push_back(std::move(item));
    }
}

void TUsuarioPresenter::addContas(TUsuarioComplexPost &ABody)
{
    appendIds(*ABody.RemoveUsuarioContas, m_listRemoveUsuarioConta);
    if (!m_dataSetUsuarioConta || !m_dataSetUsuarioConta->Active())
        return;
    TMemTable &contas = *m_dataSetUsuarioConta;
    contas.SetFiltered(false);
    for (contas.First(); !contas.Eof(); contas.Next()) {
        if (contas.FieldByName(QStringLiteral("ID_CONTA"))->AsLargeInt() == 0)
            continue;
        auto conta = std::make_unique<TUsuarioContaEntity>();
        SetObjectFromDataSet(conta.get(), &contas);
        ABody.UsuarioContas->push_back(std::move(conta));
    }
}

void TUsuarioPresenter::addFormasBaixa(TUsuarioComplexPost &ABody)
{
    appendIds(*ABody.RemoveUsuarioFormaBaixaContas, &m_listRemoveUsuarioFormaBaixaConta);
    if (!m_dataSetUsuarioFormaBaixaConta || !m_dataSetUsuarioFormaBaixaConta->Active())
        return;
    TMemTable &formas = *m_dataSetUsuarioFormaBaixaConta;
    formas.SetFiltered(false);
    for (formas.First(); !formas.Eof(); formas.Next()) {
        auto forma = std::make_unique<TUsuarioFormaBaixaContaEntity>();
        SetObjectFromDataSet(forma.get(), &formas);
        ABody.UsuarioFormaBaixaContas->push_back(std::move(forma));
    }
}
