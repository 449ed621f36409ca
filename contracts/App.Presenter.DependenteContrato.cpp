#include "App.Presenter.DependenteContrato.h"

#include "App.Lib.ItemControl.h"
#include "App.Service.ListaSistema.h"

#include "Edit.h"
#include "FormatSettings.h"
#include "MemTable.h"

#include <optional>
#include <utility>

ZUNTA_REGISTER_PRESENTER(TDependenteContratoPresenter)

namespace {

// The text of a bound edit; null when the control is not bound (or is no edit).
const TEdit *boundEdit(const TBasePresenter &APresenter, const char *AName, TItemControl **AItem)
{
    TItemControl *item = APresenter.FindItemControl(QLatin1String(AName));
    *AItem = item;
    return item ? qobject_cast<const TEdit *>(item->Control()) : nullptr;
}

} // namespace

TDependenteContratoPresenter::TDependenteContratoPresenter()
    : TSubCadastroPresenterOf(QStringLiteral("TDependenteContratoPresenter"),
                              { { "ID_PESSOA", 0, "0000000000" },
                                { "ID_NUMERO_SORTEIO", 0, "0000000000" },
                                { "PESSOA", 100 },
                                { "NUMERO_SORTEIO", 100 },
                                { "LISTA_PARENTESCO", 0, "0000000000" },
                                { "PARENTESCO", 100 },
                                { "CODIGO_PARENTESCO", 10 },
                                { "LISTA_BAIXA_CONTRATO", 0, "0000000000" },
                                { "BAIXA_CONTRATO", 100 },
                                { "CPF_CNPJ", 20 },
                                { "IS_ENVIA_EMAIL" },
                                { "CONTEM_SERVICOS_ADICIONAIS" },
                                { "IS_POLITICAMENTE_EXPOSTO" },
                                { "IS_EM_CARENCIA" },
                                { "DATA_NASCIMENTO", 0, "dd/mm/yyyy" },
                                { "DATA_FILIACAO", 0, "dd/mm/yyyy" },
                                { "DATA_VALIDADE_CARTAO", 0, "dd/mm/yyyy" },
                                { "DATA_BAIXA", 0, "dd/mm/yyyy" },
                                { "DATA_INCLUSAO_TITULAR", 0, "dd/mm/yyyy" },
                                { "IS_FALECIDO" } })
{ }

void TDependenteContratoPresenter::loadRows()
{
    if (m_procBeforeFillDependente)
        m_procBeforeFillDependente();
    const QString search = std::exchange(m_textSearchDependente, QString());
    TDependenteContratoService &dependentes = service();
    std::optional<TObjectList<TDependenteContratoDto>> rows;
    if (IsFilterByPlano)
        rows = dependentes.fillDependenteContratoByPlano(IdPrincipal, IdPlano);
    else if (IsFilterDependenteAtivo || IsFilterFaixaEtaria)
        rows = dependentes.fillDependenteAtivo(IdPrincipal, IsFilterFaixaEtaria, search);
    else
        rows = dependentes.fillDependenteContrato(IdPrincipal);
    fillDataSetInfo(rows ? &*rows : nullptr);
}

QString TDependenteContratoPresenter::GetFieldsSearch()
{
    return QStringLiteral("ID_PESSOA;PESSOA;LISTA_PARENTESCO;PARENTESCO;LISTA_BAIXA_CONTRATO;"
                          "BAIXA_CONTRATO;DATA_FILIACAO;DATA_BAIXA");
}

void TDependenteContratoPresenter::afterClear()
{
    TSubCadastroPresenterOf::afterClear();
    IsFilterFaixaEtaria = false;
}

void TDependenteContratoPresenter::deleteChildRecords(std::int64_t AId)
{
    TSubCadastroPresenterOf::deleteChildRecords(AId);
    if (DataSetServicoDependente)
        deleteRecordsRegistroFK(AId, *DataSetServicoDependente, ListRemoveServicoDependente);
    if (DataSetBeneficiarioDependenteContrato) {
        deleteRecordsRegistroFK(
            AId, *DataSetBeneficiarioDependenteContrato, ListRemoveBeneficiarioDependenteContrato);
    }
}

void TDependenteContratoPresenter::afterUpdateInfoRegistroFK()
{
    TMemTable &table = DataSetInfo();
    TItemControl *item = nullptr;
    if (const TEdit *pessoa = boundEdit(*this, "EditPessoa", &item)) {
        table.FieldByName(QStringLiteral("PESSOA"))->SetAsString(pessoa->text());
        // The person lookup leaves the birth date as text; a person without one keeps none.
        TDateTime nascimento;
        if (!TryStrToDate(item->OtherInfo.trimmed(), nascimento))
            nascimento = TDateTime();
        table.FieldByName(QStringLiteral("DATA_NASCIMENTO"))->SetAsDateTime(nascimento);
    }
    if (const TEdit *parentesco = boundEdit(*this, "EditListaParentesco", &item)) {
        table.FieldByName(QStringLiteral("PARENTESCO"))->SetAsString(parentesco->text());
        table.FieldByName(QStringLiteral("CODIGO_PARENTESCO"))->SetAsString(item->OtherInfo);
    }
    if (const TEdit *baixa = boundEdit(*this, "EditListaBaixaContrato", &item))
        table.FieldByName(QStringLiteral("BAIXA_CONTRATO"))->SetAsString(baixa->text());
}

std::int64_t TDependenteContratoPresenter::findIdBaixa(const QString &ACodigo)
{
    std::int64_t id = 0;
    runOffMainThread([&] {
        TListaSistemaService listas;
        id = listas.GetListaSistemaByCodigoTipo(ACodigo, QStringLiteral("BAIXA_CONTRATO"));
    });
    return id;
}

std::int64_t TDependenteContratoPresenter::findIdBaixaFalecimento()
{
    return findIdBaixa(QStringLiteral("04"));
}

std::int64_t TDependenteContratoPresenter::findIdBaixaFinalizacaoContrato()
{
    return findIdBaixa(QStringLiteral("01"));
}
