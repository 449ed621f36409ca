#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.Pessoa.h"
#include "Common.ComplexPost.Pessoa.h"
#include "Common.Dto.Pessoa.h"
#include "Common.FilterClass.Pessoa.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>

class TMemTable;

// The persons: the person window and the person lookups list TPessoaDto rows through it. The
// window saves a person with its addresses, contacts and payment-API links as one aggregate
// (PostComplex); before that it hands the presenter the three child tables of its sub-forms and
// gives each sub-form's presenter one of the remove lists (SetListRemove). A search needs three
// characters at least, unless the text is a number.
class TPessoaPresenter final : public TCadastroPresenterOf<TPessoaComplexPost,
                                                           TPessoaDto,
                                                           TPessoaService,
                                                           TPessoaFilterClass>
{
public:
    TPessoaPresenter();

    // The photo as the window holds it (TPictureText: PNG bytes one character per byte); the
    // empty text for none. A load sets it from the stored photo; a save sends it encoded.
    QString Foto;
    // Sent with every aggregate save: true asks the back end to delete the stored photo.
    bool RemoverFoto = false;
    // The child tables of the address, contact and payment-API link sub-forms; not owned. A
    // table that is unset or closed adds no rows to the aggregate.
    TMemTable *DataSetEndereco = nullptr;
    TMemTable *DataSetContato = nullptr;
    TMemTable *DataSetPessoaIntegracaoApi = nullptr;

    // One id of a removed stored child per line; the sub-forms' presenters append to them, and
    // they are emptied whenever the presenter is cleared.
    QStringList *ListRemoveEndereco() { return &m_listRemoveEndereco; }
    QStringList *ListRemoveContato() { return &m_listRemoveContato; }
    QStringList *ListRemovePessoaIntegracaoApi() { return &m_listRemovePessoaIntegracaoApi; }

    // "WARNING:Para realizar a pesquisa é necessário 3 letras no mínimo." for a search text of
    // fewer than three characters that is no whole number (the empty text included).
    static void validarTextoPesquisa(const QString &ATextSearch);

protected:
    void loadRows() override;
    void afterClear() override;
    std::unique_ptr<TSerializeObject> getById(std::int64_t AId) override;
    std::unique_ptr<TSerializeObject> PostService() override;
    std::unique_ptr<TSerializeObject> PostComplexService() override;

private:
    QStringList m_listRemoveEndereco;
    QStringList m_listRemoveContato;
    QStringList m_listRemovePessoaIntegracaoApi;
};
