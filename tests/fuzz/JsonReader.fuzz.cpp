// Arbitrary bytes as a reply: read into a wire object with every member kind, written back and
// read again, and read as a page of rows copied into a list table the way a list load copies
// them (the columns paired once, each row appended, copied and posted). A reply may be refused
// only with the system's own exceptions; anything else (a crash, a sanitizer report, an uncaught
// exception, a written text that does not read back the same) is a finding.

#include "Common.Base.ClassInfo.Build.h"
#include "Common.Base.Dto.h"
#include "Common.Base.Entity.h"
#include "Common.Lib.JSON.h"
#include "Common.Lib.Utils.h"
#include "JsonValue.h"
#include "MemTable.h"
#include "SysUtils.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

enum class TSituacaoFuzz { Ativo, Suspenso, Cancelado };
BOOST_DESCRIBE_ENUM(TSituacaoFuzz, Ativo, Suspenso, Cancelado)

// A list row with a member of every plain kind.
class TLinhaFuzzDto final : public TBaseDto
{
    ZUNTA_CLASS(TLinhaFuzzDto)

    std::int32_t Numero = 0;
    std::int64_t IdPessoa = 0;
    double Valor = 0;
    bool IsAtivo = false;
    QString Nome;
    TSString Foto;
    TDateTime DataVencimento;
    TSituacaoFuzz Situacao = TSituacaoFuzz::Ativo;
};
BOOST_DESCRIBE_STRUCT(TLinhaFuzzDto,
                      (TBaseDto),
                      (Numero, IdPessoa, Valor, IsAtivo, Nome, Foto, DataVencimento, Situacao))
ZUNTA_DEFINE_CLASS(TLinhaFuzzDto)

// An aggregate body with every member kind, nesting itself and its rows.
class TAgregadoFuzzComplexPost final : public TBaseEntity
{
    ZUNTA_CLASS(TAgregadoFuzzComplexPost)

    std::int32_t Numero = 0;
    double Valor = 0;
    bool IsAtivo = false;
    QString Nome;
    TSString Foto;
    TDateTime DataVencimento;
    TSituacaoFuzz Situacao = TSituacaoFuzz::Ativo;
    std::unique_ptr<TLinhaFuzzDto> Principal;
    std::unique_ptr<TAgregadoFuzzComplexPost> Anterior;
    std::unique_ptr<TObjectList<TLinhaFuzzDto>> ListItem;
    std::unique_ptr<TListInt64> ListRemoveItem;
    std::unique_ptr<TListString> ListNome;
};
BOOST_DESCRIBE_STRUCT(TAgregadoFuzzComplexPost,
                      (TBaseEntity),
                      (Numero,
                       Valor,
                       IsAtivo,
                       Nome,
                       Foto,
                       DataVencimento,
                       Situacao,
                       Principal,
                       Anterior,
                       ListItem,
                       ListRemoveItem,
                       ListNome))
ZUNTA_DEFINE_CLASS(TAgregadoFuzzComplexPost)

[[noreturn]] void finding(const char *what, const QString &detail)
{
    std::fprintf(stderr, "%s\n%s\n", what, detail.toUtf8().constData());
    std::abort();
}

// Read, write, read again: the second text must be the first.
void readObject(std::string_view bytes)
{
    std::unique_ptr<TAgregadoFuzzComplexPost> body;
    try {
        body = TDravikJson::JsonToObject<TAgregadoFuzzComplexPost>(
            QByteArray(bytes.data(), qsizetype(bytes.size())));
    } catch (const Exception &) {
        return;
    }
    const QString written = body->AsJson();
    std::unique_ptr<TAgregadoFuzzComplexPost> again;
    try {
        again = TDravikJson::JsonToObject<TAgregadoFuzzComplexPost>(written);
    } catch (const Exception &e) {
        finding("a written body does not read back", e.Message() + u'\n' + written);
    }
    if (again->AsJson() != written)
        finding("a written body reads back different", written + u'\n' + again->AsJson());

    // SetAsJson loads into an existing object and must leave it whole whatever it meets.
    try {
        body->SetAsJson(QString::fromUtf8(bytes.data(), qsizetype(bytes.size())));
    } catch (const Exception &) { }
    (void)body->AsJson();
    body->Clear();
}

// The list table of the rows, as a presenter declares it.
void createColumns(TMemTable &table)
{
    table.AddField(QStringLiteral("ID_REGISTRO"), TFieldType::AutoInc);
    table.AddField(QStringLiteral("ID"), TFieldType::LargeInt);
    table.AddField(QStringLiteral("NUMERO"), TFieldType::Integer);
    table.AddField(QStringLiteral("ID_PESSOA"), TFieldType::LargeInt);
    table.AddField(QStringLiteral("VALOR"), TFieldType::Float);
    table.AddField(QStringLiteral("IS_ATIVO"), TFieldType::Boolean);
    table.AddField(QStringLiteral("NOME"), TFieldType::String, 100);
    table.AddField(QStringLiteral("FOTO"), TFieldType::Memo);
    table.AddField(QStringLiteral("DATA_VENCIMENTO"), TFieldType::DateTime);
    table.AddField(QStringLiteral("SITUACAO"), TFieldType::String, 20);
    table.CreateDataSet();
}

// A page as the list load reads it: the totals, the rows of "listHelper", the table filled.
void readPage(std::string_view bytes)
{
    const TJsonValue reply = TJsonValue::Parse(bytes);
    try {
        if (reply.Contains(std::string_view("listHelper"))) {
            if (const TJsonValue total = reply[std::string_view("total")])
                (void)total.AsInt32();
            if (const TJsonValue pages = reply[std::string_view("pages")])
                (void)pages.AsInt32();
        }
        const TObjectList<TLinhaFuzzDto> rows
            = TDravikJson::JsonToList<TLinhaFuzzDto>(reply[std::string_view("listHelper")]);
        TMemTable table;
        createColumns(table);
        const TObjectToRecordMap map(TLinhaFuzzDto::StaticClassInfo(), table);
        for (const auto &row : rows) {
            table.Append();
            try {
                map.copyObject(*row);
            } catch (const Exception &) {
                table.Cancel();
                throw;
            }
            table.Post();
        }
        for (table.First(); !table.Eof(); table.Next())
            (void)table.FieldByName(QStringLiteral("NOME"))->AsString();
    } catch (const Exception &) { }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    readObject(bytes);
    readPage(bytes);
    return 0;
}
