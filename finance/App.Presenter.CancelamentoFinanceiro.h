#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.CancelamentoFinanceiro.h"
#include "Common.ComplexPost.CancelamentoFinanceiro.h"
#include "Common.Dto.CancelamentoFinanceiro.h"

// The batch financial cancellation: the cancellation window, the title removal and the receipt
// screen's removal of instalments send their bodies through postCancelamentoFinanceiroEmLote.
// The standard reads and the plain save are kept for completeness; no window uses them.
class TCancelamentoFinanceiroPresenter final
    : public TCadastroPresenterOf<TCancelamentoFinanceiroComplexPost,
                                  TCancelamentoFinanceiroDto,
                                  TCancelamentoFinanceiroService>
{
public:
    TCancelamentoFinanceiroPresenter();

    // A missing body raises "WARNING:Não foi possível gerar o cancelamento do financeiro." and
    // sends nothing; otherwise the service's batch. The caller keeps the body. Any thread.
    void postCancelamentoFinanceiroEmLote(const TCancelamentoFinanceiroComplexPost *AComplexPost);

    // Competences are six digits "mmyyyy", month first, as the competence edits give them.
    // Raises "WARNING:O campo %s não possui um valor válido." with ATitulo unless both months lie
    // from 1 to 12 and both years from 1900 to 2900 (an empty or unreadable part counts as 0).
    static void
    ValidarCompetencias(const QString &AInicial, const QString &AFinal, const QString &ATitulo);
    // Every month from the initial to the final competence, inclusive and in order, each as
    // "mmyyyy". A final month before the initial one raises "Data de Competência Inicial não
    // pode ser maior que a Data de Competência Final!". Both must have passed
    // ValidarCompetencias.
    static QStringList PeriodoCompetencia(const QString &AInicial, const QString &AFinal);

protected:
    void CreateExtraFields() override;
    std::unique_ptr<TSerializeObject> getById(std::int64_t AId) override;
    std::unique_ptr<TSerializeObject> PostService() override;
};
