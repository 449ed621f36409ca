#include "App.Presenter.AtualizacaoValores.h"

#include "MemTable.h"
#include "SysUtils.h"

namespace {

const QString &atualizacaoValoresNaoLocalizadas()
{
    static const QString text = QStringLiteral("WARNING:Informações não localizadas.");
    return text;
}

// Empties the request list when a run leaves, however it leaves.
class TAtualizacaoValoresListReset
{
public:
    explicit TAtualizacaoValoresListReset(TObjectList<TAtualizacaoValoresDto> &AList)
        : m_list(AList)
    { }
    ~TAtualizacaoValoresListReset() { m_list.clear(); }
    TAtualizacaoValoresListReset(const TAtualizacaoValoresListReset &) = delete;
    TAtualizacaoValoresListReset &operator=(const TAtualizacaoValoresListReset &) = delete;

private:
    TObjectList<TAtualizacaoValoresDto> &m_list;
};

} // namespace

TAtualizacaoValoresPresenter::TAtualizacaoValoresPresenter(const QString &AClassName,
                                                           const QString &AResourcePath)
    : TSubCadastroPresenterOf(AClassName,
                              { { "DESCRICAO", 100 },
                                { "PERCENTUAL", 0, ",0.00" },
                                { "NOVO_VALOR", 0, ",0.00" },
                                { "NOVA_VIGENCIA", 0, "dd/mm/yyyy" },
                                { "VALOR_ATUAL", 0, ",0.00" },
                                { "VIGENCIA_ATUAL", 0, "dd/mm/yyyy" } })
    , FResourcePath(AResourcePath)
{ }

void TAtualizacaoValoresPresenter::CreateExtraFields()
{
    DataSetInfo().AddField(QStringLiteral("EM_EDICAO"), TFieldType::Boolean);
}

std::optional<TObjectList<TAtualizacaoValoresDto>> TAtualizacaoValoresPresenter::GetList()
{
    auto rows = service().GetList(FResourcePath, RowClass());
    if (!rows)
        return std::nullopt;
    TObjectList<TAtualizacaoValoresDto> list;
    for (auto &row : *rows)
        list.emplace_back(static_cast<TAtualizacaoValoresDto *>(row.release()));
    return list;
}

std::unique_ptr<TAtualizacaoValoresDto> TAtualizacaoValoresPresenter::GetById(std::int64_t AId)
{
    return std::unique_ptr<TAtualizacaoValoresDto>(static_cast<TAtualizacaoValoresDto *>(
        service().GetById(AId, FResourcePath, RowClass()).release()));
}

std::unique_ptr<TAtualizacaoValoresDto> TAtualizacaoValoresPresenter::NovoRegistro() const
{
    return std::unique_ptr<TAtualizacaoValoresDto>(
        static_cast<TAtualizacaoValoresDto *>(RowClass().Create().release()));
}

bool TAtualizacaoValoresPresenter::Listado(std::int64_t AId)
{
    TMemTable &table = DataSetInfo();
    if (!table.Active())
        return false;
    const TDataSetFilterKeeper keeper(table);
    table.SetFiltered(false);
    return table.Locate(QStringLiteral("ID"), TFieldValue(AId));
}

bool TAtualizacaoValoresPresenter::addRegistro(const TAtualizacaoValoresDto &ARegistro)
{
    if (Listado(ARegistro.Id))
        return false;
    TMemTable &table = DataSetInfo();
    const auto field
        = [&table](const char *AName) { return table.FieldByName(QLatin1String(AName)); };
    table.Append();
    field("ID")->SetAsLargeInt(ARegistro.Id);
    field("DESCRICAO")->SetAsString(ARegistro.Descricao);
    field("NOVO_VALOR")->SetAsFloat(ARegistro.NovoValor);
    field("VALOR_ATUAL")->SetAsFloat(ARegistro.ValorAtual);
    field("PERCENTUAL")->SetAsFloat(ARegistro.Percentual);
    field("NOVA_VIGENCIA")->SetAsDateTime(ARegistro.NovaVigencia);
    field("VIGENCIA_ATUAL")->SetAsDateTime(ARegistro.VigenciaAtual);
    fillRegistroColumns(ARegistro);
    field("EM_EDICAO")->SetAsBoolean(true);
    table.Post();
    return true;
}

void TAtualizacaoValoresPresenter::RemoverAtualizacao(std::int64_t AId)
{
    TMemTable &table = DataSetInfo();
    if (!Listado(AId))
        throw Exception(atualizacaoValoresNaoLocalizadas());
    table.Delete();
    if (ProcReloadDados)
        ProcReloadDados();
}

void TAtualizacaoValoresPresenter::PrepararAtualizacaoValores(
    std::unique_ptr<TAtualizacaoValoresDto> ANaoListados)
{
    FListDto.clear();
    TMemTable &table = DataSetInfo();
    if (table.Active()) {
        const TDataSetFilterKeeper keeper(table);
        table.SetFiltered(false);
        for (table.First(); !table.Eof(); table.Next()) {
            if (table.FieldByName(QStringLiteral("EM_EDICAO"))->AsBoolean())
                throw Exception(QStringLiteral(
                    "WARNING:Para prosseguir é necessário que todos registros estejam salvos."));
        }
    }
    try {
        fillListDto();
        if (ANaoListados) {
            ANaoListados->Id = 0;
            FListDto.push_back(std::move(ANaoListados));
        }
        if (FListDto.empty())
            throw Exception(atualizacaoValoresNaoLocalizadas());
    } catch (...) {
        FListDto.clear();
        throw;
    }
}

void TAtualizacaoValoresPresenter::PostAtualizacaoValores()
{
    const TAtualizacaoValoresListReset reset(FListDto);
    std::vector<const TSerializeObject *> items;
    items.reserve(FListDto.size());
    for (const auto &item : FListDto)
        items.push_back(item.get());
    service().PostAtualizacaoValores(FResourcePath, items);
}

void TAtualizacaoValoresPresenter::ExecutaAtualizacaoValores(
    std::unique_ptr<TAtualizacaoValoresDto> ANaoListados)
{
    PrepararAtualizacaoValores(std::move(ANaoListados));
    PostAtualizacaoValores();
}
