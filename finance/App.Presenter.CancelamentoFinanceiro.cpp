#include "App.Presenter.CancelamentoFinanceiro.h"

#include "MemTable.h"
#include "SysUtils.h"

ZUNTA_REGISTER_PRESENTER(TCancelamentoFinanceiroPresenter)

namespace {

struct TCompetencia
{
    int Mes = 0;
    int Ano = 0;
};

// "mmyyyy": the month is the first two digits, the year the next four; a part that is missing or
// no number reads as 0.
TCompetencia competenciaOf(const QString &AValue)
{
    const auto part = [&AValue](qsizetype AFrom, qsizetype ALength) {
        bool ok = false;
        const int value = AValue.mid(AFrom, ALength).toInt(&ok);
        return ok ? value : 0;
    };
    return { part(0, 2), part(2, 4) };
}

bool competenciaValida(const TCompetencia &ACompetencia)
{
    return ACompetencia.Mes >= 1 && ACompetencia.Mes <= 12 && ACompetencia.Ano >= 1900
        && ACompetencia.Ano <= 2900;
}

} // namespace

TCancelamentoFinanceiroPresenter::TCancelamentoFinanceiroPresenter()
    : TCadastroPresenterOf(QStringLiteral("TCancelamentoFinanceiroPresenter"), { { "ID_TITULO" } })
{ }

void TCancelamentoFinanceiroPresenter::CreateExtraFields()
{
    DataSetInfo().AddField(QStringLiteral("DESCRICAO"), TFieldType::String, 500);
}

std::unique_ptr<TSerializeObject> TCancelamentoFinanceiroPresenter::getById(std::int64_t AId)
{
    return service().findById<TCancelamentoFinanceiroEntity>(AId);
}

std::unique_ptr<TSerializeObject> TCancelamentoFinanceiroPresenter::PostService()
{
    return service().post<TCancelamentoFinanceiroEntity>(*entity());
}

void TCancelamentoFinanceiroPresenter::postCancelamentoFinanceiroEmLote(
    const TCancelamentoFinanceiroComplexPost *AComplexPost)
{
    if (!AComplexPost) {
        throw Exception(Format(QStringLiteral("WARNING:Não foi possível gerar o %s."),
                               { QStringLiteral("cancelamento do financeiro") }));
    }
    service().postCancelamentoFinanceiroEmLote(*AComplexPost);
}

void TCancelamentoFinanceiroPresenter::ValidarCompetencias(const QString &AInicial,
                                                           const QString &AFinal,
                                                           const QString &ATitulo)
{
    if (!competenciaValida(competenciaOf(AInicial)) || !competenciaValida(competenciaOf(AFinal)))
        throw Exception(
            Format(QStringLiteral("WARNING:O campo %s não possui um valor válido."), { ATitulo }));
}

QStringList TCancelamentoFinanceiroPresenter::PeriodoCompetencia(const QString &AInicial,
                                                                 const QString &AFinal)
{
    const TCompetencia inicial = competenciaOf(AInicial);
    const TCompetencia final = competenciaOf(AFinal);
    const int primeiro = inicial.Ano * 12 + inicial.Mes - 1;
    const int ultimo = final.Ano * 12 + final.Mes - 1;
    if (ultimo < primeiro) {
        throw Exception(QStringLiteral(
            "Data de Competência Inicial não pode ser maior que a Data de Competência Final!"));
    }
    QStringList meses;
    meses.reserve(ultimo - primeiro + 1);
    for (int mes = primeiro; mes <= ultimo; ++mes)
        meses << QStringLiteral("%1%2")
                     .arg(mes % 12 + 1, 2, 10, QChar(u'0'))
                     .arg(mes / 12, 4, 10, QChar(u'0'));
    return meses;
}
