#include "App.Presenter.Ocorrencia.h"

#include "App.Service.Ocorrencia.h"
#include "Common.Dto.Ocorrencia.h"
#include "Common.Entity.Ocorrencia.h"
#include "Common.FilterClass.Ocorrencia.h"

#include "FormatSettings.h"
#include "SysUtils.h"

#include <optional>

ZUNTA_REGISTER_PRESENTER(TOcorrenciaPresenter)

namespace {

const QString CrLf = QStringLiteral("\r\n");

} // namespace

TOcorrenciaPresenter::TOcorrenciaPresenter()
    : TBaseCadastroPresenter(QStringLiteral("TOcorrenciaPresenter"))
{ }

std::unique_ptr<TBaseEntity> TOcorrenciaPresenter::CreateEntity()
{
    return std::make_unique<TOcorrenciaEntity>();
}

std::unique_ptr<TBaseService> TOcorrenciaPresenter::CreateService()
{
    return std::make_unique<TOcorrenciaService>();
}

std::unique_ptr<TBaseFilterClass> TOcorrenciaPresenter::CreateFilterClass()
{
    TBaseCadastroPresenter::CreateFilterClass();
    return std::make_unique<TOcorrenciaFilterClass>();
}

std::unique_ptr<TSerializeObject> TOcorrenciaPresenter::getById(std::int64_t AId)
{
    return Service()->findById<TOcorrenciaEntity>(AId);
}

std::unique_ptr<TSerializeObject> TOcorrenciaPresenter::PostService()
{
    TBaseCadastroPresenter::PostService();
    return Service()->post(*EntityAs<TOcorrenciaEntity>());
}

void TOcorrenciaPresenter::CreateFieldsDataSet()
{
    TBaseCadastroPresenter::CreateFieldsDataSet();
    TMemTable &table = DataSetInfo();
    // Both ids are 64-bit like the row's properties, so no record past 2,147,483,647 is cut.
    table.AddField(QStringLiteral("ID_OBJETO"), TFieldType::LargeInt);
    table.AddField(QStringLiteral("ID_OWNER"), TFieldType::LargeInt)
        ->SetDisplayFormat(QStringLiteral("0000000000"));
    table.AddField(QStringLiteral("STATUS_CODE"), TFieldType::Integer);
    table.AddField(QStringLiteral("DATA_CADASTRO"), TFieldType::DateTime)
        ->SetDisplayFormat(QStringLiteral("dd/mm/yyyy hh:nn:ss"));
    table.AddField(QStringLiteral("OPERACAO"), TFieldType::String, 100);
    table.AddField(QStringLiteral("NOME_CLASSE"), TFieldType::String, 100);
    table.AddField(QStringLiteral("USUARIO"), TFieldType::String, 200);
    table.AddField(QStringLiteral("DESCRICAO_CLASSE"), TFieldType::String, 200);
    table.AddField(QStringLiteral("BODY_REQUISICAO"), TFieldType::Memo);
    table.AddField(QStringLiteral("CONTENT_RESPOSTA"), TFieldType::Memo);
    table.AddField(QStringLiteral("OCORRENCIA"), TFieldType::Memo);
    table.AddField(QStringLiteral("OCORRENCIA_MANUAL"), TFieldType::Memo);
    table.AddField(QStringLiteral("IS_OCORRENCIA_MANUAL"), TFieldType::Boolean);
    table.AddField(QStringLiteral("IS_NOVO_REGISTRO"), TFieldType::Boolean);
    table.AddField(QStringLiteral("IS_REGISTRO_ALTERADO"), TFieldType::Boolean);
    table.AddField(QStringLiteral("IS_REGISTRO_REMOVIDO"), TFieldType::Boolean);
}

void TOcorrenciaPresenter::findByFilterToDataSet()
{
    TBaseCadastroPresenter::findByFilterToDataSet();
    TBasePresenter::findByFilterToDataSet<TOcorrenciaDto>();
}

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
    auto *entity = EntityAs<TOcorrenciaEntity>();
    entity->IdObjeto = AIdObjeto;
    entity->NomeClasse = ANomeClasse;
    entity->Operacao = QStringLiteral("POST");
    entity->StatusCode = 200;
    entity->IsOcorrenciaManual = true;
    entity->OcorrenciaManual = AOcorrenciaManual;
    // The saved record is of no use to the caller.
    Service()->post(*entity);
}

QString TOcorrenciaPresenter::pesquisarOcorrencias(std::int64_t AIdObjeto,
                                                   const QString &ANomeClasse)
{
    auto *filter = static_cast<TOcorrenciaFilterClass *>(FilterClass());
    const QString id = QString::number(AIdObjeto);
    filter->IdObjeto = id + u'#' + id;
    filter->IdNomeClasse = ANomeClasse + u'#' + ANomeClasse;

    const QString notFound = QStringLiteral("WARNING:Informações não localizadas.");
    std::optional<TObjectList<TOcorrenciaDto>> rows;
    try {
        rows = Service()->findByFilter<TOcorrenciaDto>(QString(), QString(), 1, 100, filter);
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
