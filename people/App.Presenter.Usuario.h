#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.Usuario.h"
#include "Common.ComplexPost.Usuario.h"
#include "Common.Dto.Usuario.h"

#include <QStringList>

#include <cstdint>

class TMemTable;

// The presenter of the users' registration: lists users (TUsuarioDto rows; the user lookup lists
// them through it too) and saves a user as one aggregate with its company links, the profiles
// held per company, its accounts and its settlement methods. The child tables and three of the
// remove lists belong to the user window, which hands them in whenever it clears its record tab;
// the settlement methods' remove list is the presenter's own. The password-change window reaches
// it by the name "TUsuarioPresenter.ModifyPassword" (see ModificarSenha).
class TUsuarioPresenter final
    : public TCadastroPresenterOf<TUsuarioComplexPost, TUsuarioDto, TUsuarioService>
{
public:
    TUsuarioPresenter();

    // ASenha is already the digest (DigestSenha); failures reach the caller unchanged.
    void ModifyPassword(std::int64_t AIdUsuario, const QString &ASenha);
    // The back end gives the user a new password; failures reach the caller unchanged.
    void ResetPassword(std::int64_t AIdUsuario);

    // The window's tables and remove lists (ids as decimal texts, one per entry), read only
    // during a save; none is owned.
    void SetDataSetEmpresa(TMemTable *AValue) { m_dataSetEmpresa = AValue; }
    void SetListRemoveEmpresa(QStringList *AValue) { m_listRemoveEmpresa = AValue; }
    void SetDataSetEmpresaPermissao(TMemTable *AValue) { m_dataSetEmpresaPermissao = AValue; }
    void SetListRemoveEmpresaPermissao(QStringList *AValue)
    {
        m_listRemoveEmpresaPermissao = AValue;
    }
    void SetDataSetUsuarioConta(TMemTable *AValue) { m_dataSetUsuarioConta = AValue; }
    void SetListRemoveUsuarioConta(QStringList *AValue) { m_listRemoveUsuarioConta = AValue; }
    void SetDataSetUsuarioFormaBaixaConta(TMemTable *AValue)
    {
        m_dataSetUsuarioFormaBaixaConta = AValue;
    }
    // The settlement methods' remove list, emptied by every Clear; the settlement sub-form's
    // presenter records its removals here.
    QStringList &ListRemoveUsuarioFormaBaixaConta() { return m_listRemoveUsuarioFormaBaixaConta; }

protected:
    // Builds the aggregate from the tables and remove lists on the calling (main) thread and
    // posts it to /usuario/complex off it. A company row never linked and not ticked is left out;
    // all removed profile links travel in the first company item.
    std::unique_ptr<TSerializeObject> PostComplexService() override;
    // The user alone (TUsuarioEntity): the child lists are read by the window's row lists.
    std::unique_ptr<TSerializeObject> getById(std::int64_t AId) override;
    void afterClear() override;

private:
    void addEmpresas(TUsuarioComplexPost &ABody);
    void addContas(TUsuarioComplexPost &ABody);
    void addFormasBaixa(TUsuarioComplexPost &ABody);

    TMemTable *m_dataSetEmpresa = nullptr;
    QStringList *m_listRemoveEmpresa = nullptr;
    TMemTable *m_dataSetEmpresaPermissao = nullptr;
    QStringList *m_listRemoveEmpresaPermissao = nullptr;
    TMemTable *m_dataSetUsuarioConta = nullptr;
    QStringList *m_listRemoveUsuarioConta = nullptr;
    TMemTable *m_dataSetUsuarioFormaBaixaConta = nullptr;
    QStringList m_listRemoveUsuarioFormaBaixaConta;
};
