#include "App.Presenter.Titulo.h"

#include "App.Lib.ManagerControls.h"
#include "App.Lib.Utils.h"
#include "App.Presenter.CancelamentoFinanceiro.h"

#include "DateUtils.h"
#include "Desktop.h"
#include "MemTable.h"
#include "SysUtils.h"

#include <QUrl>

#include <cmath>

ZUNTA_REGISTER_PRESENTER(TTituloPresenter)

TTituloPresenter::TTituloPresenter()
    : TCadastroPresenterOf(QStringLiteral("TTituloPresenter"),
                           { { "FAVORECIDO", 100 },
                             { "LISTA_TIPO_TITULO", 0, "0000000000" },
                             { "TIPO_DOCUMENTO", 100 },
                             { "CODIGO_TIPO_TITULO", 10 },
                             { "TIPO_TITULO", 100 },
                             { "DATA", 0, "dd/mm/yyyy" },
                             { "NUMERO_DOCUMENTO", 30 },
                             { "DESCRICAO", 300 },
                             { "VALOR", 0, ",0.00" },
                             { "VALOR_PARCELA", 0, ",0.00" },
                             { "VENCIMENTO", 0, "dd/mm/yyyy" },
                             { "VALOR_BAIXA", 0, ",0.00" },
                             { "DATA_BAIXA", 0, "dd/mm/yyyy" },
                             { "PARCELA_TITULO", 20 },
                             { "EMPRESA", 300 },
                             { "ID_PARCELA_TITULO", 0, "0000000000" },
                             { "POSSUI_BAIXA_TOTAL" } })
{
    ManagerControls().ProcConsistSave = [this](QStringList &AErrors) {
        if (IsBaixadoTotal)
            AErrors.append(
                QStringLiteral("WARNING:O título possui baixa total e não pode ser alterado."));
    };
}

std::vector<double> TTituloPresenter::DividirValor(double AValor, int AQuantidade)
{
    std::vector<double> valores;
    if (AQuantidade < 1)
        return valores;
    // In whole cents, so the shares add up to the total exactly.
    const auto total = static_cast<long long>(std::llround(AValor * 100.0));
    const auto parcela = static_cast<long long>(
        std::llround(static_cast<double>(total) / static_cast<double>(AQuantidade)));
    for (int i = 1; i < AQuantidade; ++i)
        valores.push_back(static_cast<double>(parcela) / 100.0);
    valores.push_back(static_cast<double>(total - parcela * (AQuantidade - 1)) / 100.0);
    return valores;
}

std::unique_ptr<TSerializeObject> TTituloPresenter::getById(std::int64_t AId)
{
    auto found = service().findById<TTituloEntity>(AId);
    m_loaded.reset();
    if (found) {
        m_loaded = std::make_unique<TTituloEntity>();
        TUtils::CopyInfoObject(found.get(), m_loaded.get());
    }
    return found;
}

std::unique_ptr<TSerializeObject> TTituloPresenter::PostComplexService()
{
    if (m_loaded && m_loaded->Id != 0 && entity()->Id == m_loaded->Id) {
        auto body = std::make_unique<TTituloComplexPost>();
        TUtils::CopyInfoObject(m_loaded.get(), body.get());
        ManagerControls().SetObjectFromValueControl(*body);
        SetEntity(std::move(body));
    }
    TTituloComplexPost &body = *entity();
    if (m_valorSimplificado)
        body.Valor = *m_valorSimplificado;
    m_valorSimplificado.reset();
    body.GerarBoletos = m_gerarBoletos;
    AppendRemoveIds(ListRemoveEmpresaTitulo, *body.RemoveEmpresaTitulos);
    AppendRemoveIds(ListRemoveParcelaTitulo, *body.RemoveParcelaTitulos);
    AppendRemoveIds(ListRemovePlanoContasTitulo, *body.RemovePlanoContasTitulos);
    AppendDataSetRows(m_dataSetEmpresaTitulo, *body.EmpresaTitulos);
    if (m_dataSetParcelaTitulo && m_dataSetParcelaTitulo->Active())
        m_dataSetParcelaTitulo->SetIndexFieldNames(QStringLiteral("VENCIMENTO"));
    AppendDataSetRows(m_dataSetParcelaTitulo, *body.ParcelaTitulos);
    AppendDataSetRows(m_dataSetPlanoContasTitulo, *body.PlanoContasTitulos);
    std::unique_ptr<TSerializeObject> saved;
    runOffMainThread([this, &body, &saved] { saved = service().postComplex(body); });
    return saved;
}

void TTituloPresenter::afterClear()
{
    ListRemoveEmpresaTitulo.clear();
    ListRemoveParcelaTitulo.clear();
    ListRemovePlanoContasTitulo.clear();
    m_loaded.reset();
    m_valorSimplificado.reset();
}

namespace {

// Empties the table (opening it when closed) with its filter off.
void esvaziarTabela(TMemTable &ADataSet)
{
    if (!ADataSet.Active()) {
        ADataSet.CreateDataSet();
        return;
    }
    ADataSet.SetFiltered(false);
    if (!ADataSet.IsEmpty())
        ADataSet.EmptyDataSet();
}

void appendRateio(TMemTable *ADataSet, const QString &AIdColumn, std::int64_t AId, double AValor)
{
    if (!ADataSet)
        return;
    esvaziarTabela(*ADataSet);
    ADataSet->Append();
    ADataSet->FieldByName(AIdColumn)->SetAsLargeInt(AId);
    ADataSet->FieldByName(QStringLiteral("VALOR"))->SetAsFloat(AValor);
    ADataSet->Post();
}

} // namespace

void TTituloPresenter::AddInformationTituloSimplificado(std::int64_t AIdEmpresa,
                                                        std::int64_t AIdPlanoContas,
                                                        TDateTime ADataVencimento,
                                                        double AValor,
                                                        const QString &ADocumentoPagamento,
                                                        int AQuantidadeParcelas)
{
    Clear(true, false);
    m_valorSimplificado = AValor;
    appendRateio(m_dataSetEmpresaTitulo, QStringLiteral("ID_EMPRESA"), AIdEmpresa, AValor);
    appendRateio(
        m_dataSetPlanoContasTitulo, QStringLiteral("ID_PLANO_CONTAS"), AIdPlanoContas, AValor);
    if (!m_dataSetParcelaTitulo)
        return;
    TMemTable &parcelas = *m_dataSetParcelaTitulo;
    esvaziarTabela(parcelas);
    const std::vector<double> valores = DividirValor(AValor, AQuantidadeParcelas);
    for (int i = 1; i <= AQuantidadeParcelas; ++i) {
        parcelas.Append();
        parcelas.FieldByName(QStringLiteral("VENCIMENTO"))
            ->SetAsDateTime(i == 1 ? ADataVencimento : IncMonth(ADataVencimento, i - 1));
        parcelas.FieldByName(QStringLiteral("NUMERO_DOCUMENTO"))->SetAsString(ADocumentoPagamento);
        parcelas.FieldByName(QStringLiteral("PARCELA"))->SetAsInteger(i);
        parcelas.FieldByName(QStringLiteral("VALOR"))->SetAsFloat(valores[std::size_t(i - 1)]);
        parcelas.Post();
    }
}

void TTituloPresenter::GerarBoleto(std::int64_t AIdParcelaTitulo)
{
    service().GerarBoleto(AIdParcelaTitulo);
}

bool TTituloPresenter::OpenLinkBoleto(std::int64_t AIdParcelaTitulo)
{
    const QString link = service().GetLinkBoleto(AIdParcelaTitulo).trimmed();
    const QUrl url(link, QUrl::StrictMode);
    // Only a web address goes to the desktop: an error text or a local path must not be opened.
    const QString scheme = url.scheme().toLower();
    if (link.isEmpty() || !url.isValid() || url.host().isEmpty()
        || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        TAppUtils::MessageSystem(Format(QStringLiteral("WARNING:Não foi possível gerar o %s."),
                                        { QStringLiteral("boleto impresso") }));
        return false;
    }
    TDesktopServices::Current().OpenUrl(url);
    return true;
}

void TTituloPresenter::RemoveTitulo(std::int64_t AId, const QString &AObservacao)
{
    if (AId == 0)
        throw Exception(Format(QStringLiteral("WARNING:Campo %s não está preenchido corretamente."),
                               { QStringLiteral("ID") }));
    // A cancellation without its reason leaves no trace of why the title went.
    if (AObservacao.trimmed().isEmpty())
        throw Exception(QStringLiteral(
            "WARNING:É necessário preencher o campo justificativa para prosseguir."));
    const auto cancelamento = TBasePresenter::Create<TCancelamentoFinanceiroPresenter>();
    TCancelamentoFinanceiroComplexPost body;
    body.Titulos->push_back(AId);
    body.Observacao = AObservacao;
    cancelamento->postCancelamentoFinanceiroEmLote(&body);
}
