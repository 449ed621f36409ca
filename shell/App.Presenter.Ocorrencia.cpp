#include "App.Presenter.Ocorrencia.h"

#include "FormatSettings.h"
#include "SysUtils.h"

#include <optional>

ZUNTA_REGISTER_PRESENTER(TOcorrenciaPresenter)

namespace {

const QString CrLf = QStringLiteral("\r\n");

} // namespace

// Both ids are 64-bit like the row's properties, so no record past 2,147,483,647 is cut.
TOcorrenciaPresenter::TOcorrenciaPresenter()
    : TCadastroPresenterOf(QStringLiteral("TOcorrenciaPresenter"),
                           { { "ID_OBJETO" },
                             { "ID_OWNER", 0, "0000000000" },
                             { "STATUS_CODE" },
                             { "DATA_CADASTRO", 0, "dd/mm/yyyy hh:nn:ss" },
                             { "OPERACAO", 100 },
                             { "NOME_CLASSE", 100 },
                             { "USUARIO", 200 },
                             { "DESCRICAO_CLASSE", 200 },
                             { "BODY_REQUISICAO" },
                             { "CONTENT_RESPOSTA" },
                             { "OCORRENCIA" },
                             { "OCORRENCIA_MANUAL" },
                             { "IS_OCORRENCIA_MANUAL" },
                             { "IS_NOVO_REGISTRO" },
                             { "IS_REGISTRO_ALTERADO" },
                             { "IS_REGISTRO_REMOVIDO" } })
{ }

void TOcorrenciaPresenter::validarOcorrenciaManual(const QString &AOcorrenciaManual)
{
    if (AOcorrenciaManual.trimmed().isEmpty())
        throw Exception(
            Format(QStringLiteral("WARNING:É necessário preencher o campo %s para prosseguir."),
                   { QStringLiteral("ocorrência manual") }));
}

void TOcorrenciaPresenter::gravarOcorrenciaManual(std::int64_t AIdObjeto,
                                                  const QString &AOcorrenciaManual,
                                                  const QString &ANomeClasse)
{
    TOcorrenciaEntity *entity = this->entity();
    entity->IdObjeto = AIdObjeto;
    entity->NomeClasse = ANomeClasse;
    entity->Operacao = QStringLiteral("POST");
    entity->StatusCode = 200;
    entity->IsOcorrenciaManual = true;
    entity->OcorrenciaManual = AOcorrenciaManual;
    // The saved record is of no use to the caller.
    service().post(*entity);
}

QString TOcorrenciaPresenter::pesquisarOcorrencias(std::int64_t AIdObjeto,
                                                   const QString &ANomeClasse)
{
    TOcorrenciaFilterClass *filter = this->filter();
    const QString id = QString::number(AIdObjeto);
    filter->IdObjeto = id + u'#' + id;
    filter->IdNomeClasse = ANomeClasse + u'#' + ANomeClasse;

    const QString notFound = QStringLiteral("WARNING:Informações não localizadas.");
    std::optional<TObjectList<TOcorrenciaDto>> rows;
    try {
        rows = service().findByFilter<TOcorrenciaDto>(QString(), QString(), 1, 100, filter);
    } catch (...) {
        // Whatever went wrong, the user is only told that there is nothing to show.
        throw Exception(notFound);
    }
    if (!rows)
        throw Exception(notFound);

    QString text;
    for (const auto &row : *rows) {
        if (!text.isEmpty())
            text += CrLf + QString(52, u'-') + CrLf;
        text += QStringLiteral("Data e horário da ocorrência: ")
            + FormatDateTime(QStringLiteral("dd/mm/yyyy hh:nn:ss"), row->DataCadastro) + CrLf
            + QStringLiteral("Usuário: ") + row->Usuario;
        text += CrLf
            + (row->IsOcorrenciaManual ? QStringLiteral("Manual? Sim")
                                       : QStringLiteral("Manual? Não"));
        text += CrLf + QStringLiteral("********OCORRÊNCIA********") + CrLf + row->Ocorrencia;
    }
    return text;
}
