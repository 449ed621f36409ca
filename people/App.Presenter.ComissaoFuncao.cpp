#include "App.Presenter.ComissaoFuncao.h"

#include "MemTable.h"

#include <vector>

ZUNTA_REGISTER_PRESENTER(TComissaoFuncaoPresenter)

TComissaoFuncaoPresenter::TComissaoFuncaoPresenter()
    : TSubCadastroPresenterOf(QStringLiteral("TComissaoFuncaoPresenter"),
                              { { "ID_MODELO_COMISSAO", 0, "0000000000" },
                                { "ID_FUNCAO", 0, "0000000000" },
                                { "FUNCAO", 100 } })
{ }

QString TComissaoFuncaoPresenter::GetFieldsSearch()
{
    return QStringLiteral("FUNCAO");
}

void TComissaoFuncaoPresenter::loadRows()
{
    const auto rows = service().fillComissaoFuncao(IdPrincipal);
    fillDataSetInfo(rows ? &*rows : nullptr);
}

void TComissaoFuncaoPresenter::deleteChildRecords(std::int64_t AId)
{
    if (!m_dataSetTipoComissaoFuncao)
        return;
    TMemTable &tipos = *m_dataSetTipoComissaoFuncao;
    // A type's instalment bands hang under the type's row, not the function's: without this
    // step they would stay behind, tied to no row, and stored ones would never be removed.
    if (m_dataSetFaixaParcelaTipoComissao && tipos.Active()) {
        std::vector<std::int64_t> tiposDaFuncao;
        {
            const TDataSetFilterKeeper keeper(tipos);
            tipos.SetFiltered(false);
            tipos.SetFilter(QStringLiteral("ID_REGISTRO_FK = ") + QString::number(AId));
            tipos.SetFiltered(true);
            for (tipos.First(); !tipos.Eof(); tipos.Next())
                tiposDaFuncao.push_back(CurrentIdRegistro(tipos));
        }
        for (const std::int64_t idRegistroTipo : tiposDaFuncao)
            deleteRecordsRegistroFK(idRegistroTipo,
                                    *m_dataSetFaixaParcelaTipoComissao,
                                    m_listRemoveFaixaParcelaTipoComissao);
    }
    deleteRecordsRegistroFK(AId, tipos, m_listRemoveTipoComissaoFuncao);
}

void TComissaoFuncaoPresenter::afterUpdateInfoRegistroFK()
{
    fillColumnFromControl(QStringLiteral("FUNCAO"), QStringLiteral("EditFuncao"));
}
