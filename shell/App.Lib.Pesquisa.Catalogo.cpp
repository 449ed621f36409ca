#include "App.Lib.Pesquisa.Catalogo.h"

#include "App.Base.Adapter.Pesquisa.h"
#include "App.Base.Form.Pesquisa.h"
#include "App.Interf.Service.Endereco.h"
#include "App.Presenter.Classes.h"
#include "App.Presenter.ListaSistema.h"
#include "Common.Base.ClassInfo.h"
#include "Common.Lib.Formatter.Edit.h"
#include "Common.Lib.Utils.h"

#include "Common.Dto.ListaSistema.h"

#include "DateTime.h"
#include "Edit.h"
#include "FormatSettings.h"
#include "Label.h"
#include "MemTable.h"
#include "SysUtils.h"

#include <algorithm>
#include <initializer_list>
#include <type_traits>
#include <variant>

namespace {

const QString lineBreak = QStringLiteral("\r\n");

// The display text of a column of the current record.
QString col(const TMemTable &ADataSet, const char *AName)
{
    return ADataSet.FieldByName(QLatin1String(AName))->DisplayText();
}

std::int64_t colInt(const TMemTable &ADataSet, const char *AName)
{
    return TUtils::StrEmptyToInt64(ADataSet.FieldByName(QLatin1String(AName))->AsString());
}

const TMemberInfo &property(const TSerializeObject &ARecord, const QString &AName)
{
    const TMemberInfo *member = ARecord.ClassInfo().FindProperty(AName);
    if (!member) {
        throw Exception(Format(QStringLiteral("ERROR:A classe %s não possui a propriedade %s."),
                               { ARecord.ClassInfo().Name(), AName }));
    }
    return *member;
}

// A property of a record as text: whole numbers in decimal, floating ones as their shortest
// text and dates as a date, by the application's format settings.
QString propertyText(const TSerializeObject &ARecord, const QString &AName)
{
    const TValue value = property(ARecord, AName).GetValue(ARecord);
    return std::visit(
        [](const auto &v) -> QString {
            using V = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<V, std::monostate>)
                return QString();
            else if constexpr (std::is_same_v<V, bool>)
                return v ? QStringLiteral("True") : QStringLiteral("False");
            else if constexpr (std::is_same_v<V, std::int32_t> || std::is_same_v<V, std::int64_t>)
                return QString::number(v);
            else if constexpr (std::is_same_v<V, double>)
                return FloatToStr(v);
            else if constexpr (std::is_same_v<V, TDateTime>)
                return DateToStr(v);
            else
                return QString(v);
        },
        value);
}

double propertyFloat(const TSerializeObject &ARecord, const QString &AName)
{
    const TValue value = property(ARecord, AName).GetValue(ARecord);
    if (const auto *number = std::get_if<double>(&value))
        return *number;
    return StrToFloat(propertyText(ARecord, AName));
}

// OtherInfo of several properties, ";" between them.
std::function<QString(const TSerializeObject &)> joined(std::initializer_list<const char *> ANames)
{
    QStringList names;
    for (const char *name : ANames)
        names << QLatin1String(name);
    return [names](const TSerializeObject &ARecord) {
        QStringList parts;
        for (const QString &name : names)
            parts << propertyText(ARecord, name);
        return parts.join(u';');
    };
}

// A row showing one column.
std::function<QString(const TMemTable &)> column(const char *AName)
{
    return [AName](const TMemTable &ADataSet) { return col(ADataSet, AName); };
}

// A row showing DESCRICAO over ID.
QString descricaoId(const TMemTable &ADataSet)
{
    return col(ADataSet, "DESCRICAO") + lineBreak + col(ADataSet, "ID");
}

// Codes of the system lists are short: "1" finds the row of code "01" as the back end does.
bool sameCodigo(const QString &ACodigo, const QString &ATyped)
{
    if (ACodigo.trimmed().compare(ATyped.trimmed(), Qt::CaseInsensitive) == 0)
        return true;
    bool codigoNumber = false;
    bool typedNumber = false;
    const qlonglong codigo = ACodigo.trimmed().toLongLong(&codigoNumber);
    const qlonglong typed = ATyped.trimmed().toLongLong(&typedNumber);
    return codigoNumber && typedNumber && codigo == typed;
}

// The catalogue: one entry per lookup.

const TPesquisaCatalogoInfo unidadeFederativa {
    .Pesquisa = QStringLiteral("TPesquisaUnidadeFederativa"),
    .Presenter = QStringLiteral("TUnidadeFederativaPresenter"),
    .RecordClass = QStringLiteral("TUnidadeFederativaDto"),
    .EditText = QStringLiteral("Nome"),
    .RowText = column("NOME"),
};

const TPesquisaCatalogoInfo municipio {
    .Pesquisa = QStringLiteral("TPesquisaMunicipio"),
    .Presenter = QStringLiteral("TMunicipioPresenter"),
    .RecordClass = QStringLiteral("TMunicipioDto"),
    .EditText = QStringLiteral("Nome"),
    .OtherInfo = joined({ "Uf" }),
    .RowText = [](const TMemTable &ds) { return col(ds, "NOME") + u'-' + col(ds, "UF"); },
};

const TPesquisaCatalogoInfo bairro {
    .Pesquisa = QStringLiteral("TPesquisaBairro"),
    .Presenter = QStringLiteral("TBairroPresenter"),
    .RecordClass = QStringLiteral("TBairroDto"),
    .EditText = QStringLiteral("Bairro"),
    .OtherInfo = joined({ "Municipio", "Uf" }),
    .RowText =
        [](const TMemTable &ds) {
            return col(ds, "BAIRRO") + lineBreak + col(ds, "MUNICIPIO") + u'-' + col(ds, "UF");
        },
};

const TPesquisaCatalogoInfo logradouro {
    .Pesquisa = QStringLiteral("TPesquisaLogradouro"),
    .Presenter = QStringLiteral("TLogradouroPresenter"),
    .RecordClass = QStringLiteral("TLogradouroDto"),
    .EditText = QStringLiteral("Logradouro"),
    .OtherInfo = joined({ "Bairro", "Municipio", "Uf" }),
    .RowText =
        [](const TMemTable &ds) {
            return col(ds, "LOGRADOURO") + lineBreak + col(ds, "MUNICIPIO") + QStringLiteral(" - ")
                + col(ds, "UF") + lineBreak + QStringLiteral("Bairro: ") + col(ds, "BAIRRO");
        },
};

const TPesquisaCatalogoInfo perfilPermissao {
    .Pesquisa = QStringLiteral("TPesquisaPerfilPermissao"),
    .Presenter = QStringLiteral("TPerfilPermissaoPresenter"),
    .RecordClass = QStringLiteral("TPerfilPermissaoDto"),
    .EditText = QStringLiteral("Descricao"),
    .RowText = column("DESCRICAO"),
};

const TPesquisaCatalogoInfo lista {
    .Pesquisa = QStringLiteral("TPesquisaLista"),
    .Presenter = QStringLiteral("TListaSistemaPresenter"),
    .RecordClass = QStringLiteral("TListaSistemaDto"),
    .FixFilter = true,
    .EditText = QStringLiteral("Descricao"),
    .OtherInfo = joined({ "Codigo" }),
    .RowText = column("DESCRICAO"),
};

const TPesquisaCatalogoInfo carencia {
    .Pesquisa = QStringLiteral("TPesquisaCarencia"),
    .Presenter = QStringLiteral("TCarenciaPresenter"),
    .RecordClass = QStringLiteral("TCarenciaDto"),
    .EditText = QStringLiteral("Descricao"),
    .OtherInfo = joined({ "Tipo" }),
    .RowText =
        [](const TMemTable &ds) {
            return col(ds, "DESCRICAO") + lineBreak + col(ds, "CODIGO_TIPO") + u'-'
                + col(ds, "TIPO");
        },
};

const TPesquisaCatalogoInfo servico {
    .Pesquisa = QStringLiteral("TPesquisaServico"),
    .Presenter = QStringLiteral("TServicoPresenter"),
    .RecordClass = QStringLiteral("TServicoDto"),
    .FixFilter = true,
    .EditText = QStringLiteral("Descricao"),
    .OtherInfo = joined({ "BaseUtilizacao", "Valor" }),
    .RowText =
        [](const TMemTable &ds) {
            QString text
                = col(ds, "DESCRICAO") + lineBreak + QStringLiteral("Valor: ") + col(ds, "VALOR");
            if (ds.FieldByName(QStringLiteral("IS_SERVICO_KIT"))->AsBoolean())
                text += QStringLiteral(" - Serviço Kit");
            return text;
        },
};

const TPesquisaCatalogoInfo plano {
    .Pesquisa = QStringLiteral("TPesquisaPlano"),
    .Presenter = QStringLiteral("TPlanoPresenter"),
    .RecordClass = QStringLiteral("TPlanoDto"),
    .FixFilter = true,
    .EditText = QStringLiteral("Descricao"),
    .OtherInfo = joined({ "Valor", "ValorParcela" }),
    .RowText =
        [](const TMemTable &ds) {
            return col(ds, "DESCRICAO") + lineBreak
                + QStringLiteral("Base de Cálculo para Carência: ") + col(ds, "VALOR") + lineBreak
                + QStringLiteral("Valor Parcela: ") + col(ds, "VALOR_PARCELA")
                + QStringLiteral(" - Cobrança: ") + col(ds, "FORMA_COBRANCA");
        },
    .Small = true,
};

const TPesquisaCatalogoInfo pessoa {
    .Pesquisa = QStringLiteral("TPesquisaPessoa"),
    .Presenter = QStringLiteral("TPessoaPresenter"),
    .RecordClass = QStringLiteral("TPessoaDto"),
    .FixFilter = true,
    .EditText = QStringLiteral("Nome"),
    .OtherInfo = joined({ "DataNascimento" }),
    .RowText =
        [](const TMemTable &ds) {
            QString text = col(ds, "NOME").left(25) + lineBreak + QStringLiteral("CPF/CNPJ: ")
                + col(ds, "CPF_CNPJ");
            if (colInt(ds, "NUMERO_CONTRATO") != 0)
                text += QStringLiteral("\r\nContrato: ") + col(ds, "NUMERO_CONTRATO");
            return text;
        },
};

const TPesquisaCatalogoInfo pessoaFalecido {
    .Pesquisa = QStringLiteral("TPesquisaPessoaFalecido"),
    .Presenter = QStringLiteral("TPessoaPresenter"),
    .RecordClass = QStringLiteral("TPessoaDto"),
    .FixFilter = true,
    .EditText = QStringLiteral("Nome"),
    .OtherInfo = joined({ "DataNascimento" }),
    .RowText =
        [](const TMemTable &ds) {
            QString text
                = col(ds, "NOME") + lineBreak + QStringLiteral("CPF/CNPJ: ") + col(ds, "CPF_CNPJ");
            if (ds.FieldByName(QStringLiteral("DATA_NASCIMENTO"))->AsDateTime() != TDateTime())
                text += lineBreak + QStringLiteral("Nasc.: ") + col(ds, "DATA_NASCIMENTO");
            if (colInt(ds, "NUMERO_CONTRATO") != 0) {
                text += lineBreak
                    + (ds.FieldByName(QStringLiteral("DEPENDENTE_ATIVO"))->AsBoolean()
                           ? QStringLiteral("Ativo no Contrato: ")
                           : QStringLiteral("Desativado no Contrato: "))
                    + col(ds, "NUMERO_CONTRATO") + QStringLiteral(" - ") + col(ds, "PARENTESCO");
            }
            return text;
        },
    .Small = true,
};

const TPesquisaCatalogoInfo motivo {
    .Pesquisa = QStringLiteral("TPesquisaMotivo"),
    .Presenter = QStringLiteral("TMotivoPresenter"),
    .RecordClass = QStringLiteral("TMotivoDto"),
    .FixFilter = true,
    .EditText = QStringLiteral("Descricao"),
    .RowText = column("DESCRICAO"),
};

const TPesquisaCatalogoInfo funcao {
    .Pesquisa = QStringLiteral("TPesquisaFuncao"),
    .Presenter = QStringLiteral("TFuncaoPresenter"),
    .RecordClass = QStringLiteral("TFuncaoDto"),
    .EditText = QStringLiteral("Descricao"),
    .RowText = column("DESCRICAO"),
};

const TPesquisaCatalogoInfo equipe {
    .Pesquisa = QStringLiteral("TPesquisaEquipe"),
    .Presenter = QStringLiteral("TEquipePresenter"),
    .RecordClass = QStringLiteral("TEquipeDto"),
    .EditText = QStringLiteral("Descricao"),
    .RowText = column("DESCRICAO"),
};

const TPesquisaCatalogoInfo especialidade {
    .Pesquisa = QStringLiteral("TPesquisaEspecialidade"),
    .Presenter = QStringLiteral("TEspecialidadePresenter"),
    .RecordClass = QStringLiteral("TEspecialidadeDto"),
    .EditText = QStringLiteral("Descricao"),
    .RowText = column("DESCRICAO"),
};

const TPesquisaCatalogoInfo empresa {
    .Pesquisa = QStringLiteral("TPesquisaEmpresa"),
    .Presenter = QStringLiteral("TEmpresaPresenter"),
    .RecordClass = QStringLiteral("TEmpresaDto"),
    .EditText = QStringLiteral("Empresa"),
    .OtherInfo = joined({ "CpfCnpj" }),
    .RowText = column("EMPRESA"),
};

const TPesquisaCatalogoInfo colaborador {
    .Pesquisa = QStringLiteral("TPesquisaColaborador"),
    .Presenter = QStringLiteral("TColaboradorPresenter"),
    .RecordClass = QStringLiteral("TColaboradorDto"),
    .FixFilter = true,
    .EditText = QStringLiteral("Colaborador"),
    .RowText = column("COLABORADOR"),
};

const TPesquisaCatalogoInfo numeroSorteio {
    .Pesquisa = QStringLiteral("TPesquisaNumeroSorteio"),
    .Presenter = QStringLiteral("TNumeroSorteioPresenter"),
    .RecordClass = QStringLiteral("TNumeroSorteioDto"),
    .EditText = QStringLiteral("Numero"),
    .RowText = column("NUMERO"),
};

const TPesquisaCatalogoInfo relatorio {
    .Pesquisa = QStringLiteral("TPesquisaRelatorio"),
    .Presenter = QStringLiteral("TRelatorioPresenter"),
    .RecordClass = QStringLiteral("TRelatorioDto"),
    .FixFilter = true,
    .EditText = QStringLiteral("DescricaoUsuario"),
    .RowText = column("DESCRICAO_USUARIO"),
};

const TPesquisaCatalogoInfo seguradora {
    .Pesquisa = QStringLiteral("TPesquisaSeguradora"),
    .Presenter = QStringLiteral("TSeguradoraPresenter"),
    .RecordClass = QStringLiteral("TSeguradoraDto"),
    .EditText = QStringLiteral("Seguradora"),
    .OtherInfo = joined({ "CodigoContrato" }),
    .RowText = column("SEGURADORA"),
};

const TPesquisaCatalogoInfo carteira {
    .Pesquisa = QStringLiteral("TPesquisaCarteira"),
    .Presenter = QStringLiteral("TCarteiraPresenter"),
    .RecordClass = QStringLiteral("TCarteiraDto"),
    .EditText = QStringLiteral("Descricao"),
    .RowText = column("DESCRICAO"),
};

const TPesquisaCatalogoInfo classes {
    .Pesquisa = QStringLiteral("TPesquisaClasses"),
    .Presenter = QStringLiteral("TClassesPresenter"),
    .RecordClass = QStringLiteral("TClassesDto"),
    .EditText = QStringLiteral("DescricaoClasse"),
    .RowText = column("DESCRICAO_CLASSE"),
    .Small = true,
};

const TPesquisaCatalogoInfo comissao {
    .Pesquisa = QStringLiteral("TPesquisaComissao"),
    .Presenter = QStringLiteral("TComissaoPresenter"),
    .RecordClass = QStringLiteral("TComissaoDto"),
    .EditText = QStringLiteral("Descricao"),
    .RowText = column("DESCRICAO"),
};

const TPesquisaCatalogoInfo banco {
    .Pesquisa = QStringLiteral("TPesquisaBanco"),
    .Presenter = QStringLiteral("TBancoPresenter"),
    .RecordClass = QStringLiteral("TBancoDto"),
    .EditText = QStringLiteral("Nome"),
    .OtherInfo = joined({ "Codigo" }),
    .RowText = [](const TMemTable &ds) { return col(ds, "NOME") + lineBreak + col(ds, "CODIGO"); },
};

const TPesquisaCatalogoInfo agencia {
    .Pesquisa = QStringLiteral("TPesquisaAgencia"),
    .Presenter = QStringLiteral("TAgenciaPresenter"),
    .RecordClass = QStringLiteral("TAgenciaDto"),
    .EditText = QStringLiteral("Nome"),
    .OtherInfo = joined({ "Numero" }),
    .RowText = [](const TMemTable &ds) { return col(ds, "NOME") + lineBreak + col(ds, "NUMERO"); },
};

const TPesquisaCatalogoInfo tipoDocumento {
    .Pesquisa = QStringLiteral("TPesquisaTipoDocumento"),
    .Presenter = QStringLiteral("TTipoDocumentoPresenter"),
    .RecordClass = QStringLiteral("TTipoDocumentoDto"),
    .EditText = QStringLiteral("Descricao"),
    .RowText = descricaoId,
};

const TPesquisaCatalogoInfo planoContas {
    .Pesquisa = QStringLiteral("TPesquisaPlanoContas"),
    .Presenter = QStringLiteral("TPlanoContasPresenter"),
    .RecordClass = QStringLiteral("TPlanoContasDto"),
    .FixFilter = true,
    .EditText = QStringLiteral("Descricao"),
    .RowText = descricaoId,
};

const TPesquisaCatalogoInfo contrato {
    .Pesquisa = QStringLiteral("TPesquisaContrato"),
    .Presenter = QStringLiteral("TContratoPresenter"),
    .RecordClass = QStringLiteral("TContratoDto"),
    .EditText = QStringLiteral("Titular"),
    .OtherInfo = joined({ "IdTitular" }),
    .RowText = column("TITULAR"),
};

const TPesquisaCatalogoInfo conta {
    .Pesquisa = QStringLiteral("TPesquisaConta"),
    .Presenter = QStringLiteral("TContaPresenter"),
    .RecordClass = QStringLiteral("TContaDto"),
    .EditText = QStringLiteral("Descricao"),
    .RowText = descricaoId,
};

const TPesquisaCatalogoInfo convenio {
    .Pesquisa = QStringLiteral("TPesquisaConvenio"),
    .Presenter = QStringLiteral("TConvenioPresenter"),
    .RecordClass = QStringLiteral("TConvenioDto"),
    .EditText = QStringLiteral("Pessoa"),
    .OtherInfo =
        [](const TSerializeObject &ARecord) {
            return FormatFloat(QStringLiteral(",0.00"),
                               propertyFloat(ARecord, QStringLiteral("Desconto")))
                + u';' + propertyText(ARecord, QStringLiteral("Segmento"));
        },
    .RowText =
        [](const TMemTable &ds) {
            return col(ds, "PESSOA") + lineBreak + QStringLiteral("Segmento: ")
                + col(ds, "SEGMENTO") + lineBreak + QStringLiteral("Desconto: ")
                + col(ds, "DESCONTO");
        },
};

// The contract id is the caller's fixed filter, given to the presenter, not to the fetch.
const TPesquisaCatalogoInfo dependenteContratoSemTitular {
    .Pesquisa = QStringLiteral("TPesquisaDependenteContratoSemTitular"),
    .Presenter = QStringLiteral("TDependenteContratoPresenter"),
    .RecordClass = QStringLiteral("TDependenteContratoDto"),
    .EditText = QStringLiteral("Pessoa"),
    .RowText =
        [](const TMemTable &ds) {
            return col(ds, "PESSOA") + lineBreak + QStringLiteral("CPF/CNPJ: ")
                + FormatTextByType(col(ds, "CPF_CNPJ"), TFormatterEdit::CNPJorCPF) + lineBreak
                + QStringLiteral("PARENTESCO: ") + col(ds, "PARENTESCO");
        },
};

const TPesquisaCatalogoInfo integracaoApiFinanceira {
    .Pesquisa = QStringLiteral("TPesquisaIntegracaoApiFinanceira"),
    .Presenter = QStringLiteral("TIntegracaoApiFinanceiraPresenter"),
    .RecordClass = QStringLiteral("TIntegracaoApiFinanceiraDto"),
    .EditText = QStringLiteral("Descricao"),
    .RowText = descricaoId,
};

const TPesquisaCatalogoInfo ordemServico {
    .Pesquisa = QStringLiteral("TPesquisaOrdemServico"),
    .Presenter = QStringLiteral("TOrdemServicoPresenter"),
    .RecordClass = QStringLiteral("TOrdemServicoDto"),
    .EditText = QStringLiteral("Contratante"),
    .RowText =
        [](const TMemTable &ds) {
            QString text = col(ds, "CONTRATANTE");
            if (ds.FieldByName(QStringLiteral("DATA_NASCIMENTO"))->AsDateTime() > TDateTime()) {
                text += lineBreak + QStringLiteral("Data de Nascimento: ")
                    + col(ds, "DATA_NASCIMENTO");
            }
            return text + lineBreak + QStringLiteral("Data O.S: ") + col(ds, "DATA")
                + QStringLiteral(" - R$") + col(ds, "VALOR_TOTAL");
        },
    .Small = true,
};

const TPesquisaCatalogoInfo parcelaBaixaSimplificada {
    .Pesquisa = QStringLiteral("TPesquisaParcelaBaixaSimplificada"),
    .Presenter = QStringLiteral("TParcelaBaixaSimplificadaPresenter"),
    .RecordClass = QStringLiteral("TParcelaBaixaSimplificadaDto"),
    .EditText = QStringLiteral("Nome"),
    .RowText =
        [](const TMemTable &ds) {
            return QStringLiteral("Nome: ") + col(ds, "NOME").left(20) + lineBreak
                + QStringLiteral("Vencto: ") + col(ds, "VENCIMENTO") + lineBreak
                + QStringLiteral("Doc: ") + col(ds, "NUMERO_DOCUMENTO")
                + QStringLiteral(" - Valor: ") + col(ds, "VALOR");
        },
};

const TPesquisaCatalogoInfo usuario {
    .Pesquisa = QStringLiteral("TPesquisaUsuario"),
    .Presenter = QStringLiteral("TUsuarioPresenter"),
    .RecordClass = QStringLiteral("TUsuarioDto"),
    .EditText = QStringLiteral("Nome"),
    .RowText = column("NOME"),
};

const TPesquisaCatalogoInfo veiculo {
    .Pesquisa = QStringLiteral("TPesquisaVeiculo"),
    .Presenter = QStringLiteral("TVeiculoPresenter"),
    .RecordClass = QStringLiteral("TVeiculoDto"),
    .EditText = QStringLiteral("Modelo"),
    .RowText =
        [](const TMemTable &ds) {
            return col(ds, "MODELO") + lineBreak + QStringLiteral("Marca: ") + col(ds, "MARCA")
                + lineBreak + QStringLiteral("Placa: ") + col(ds, "PLACA");
        },
};

const TPesquisaCatalogoInfo cemiterioRua {
    .Pesquisa = QStringLiteral("TPesquisaCemiterioRua"),
    .Presenter = QStringLiteral("TCemiterioRuaPresenter"),
    .RecordClass = QStringLiteral("TCemiterioRuaDto"),
    .EditText = QStringLiteral("Descricao"),
    .RowText = column("DESCRICAO"),
};

const TPesquisaCatalogoInfo cemiterioBloco {
    .Pesquisa = QStringLiteral("TPesquisaCemiterioBloco"),
    .Presenter = QStringLiteral("TCemiterioBlocoPresenter"),
    .RecordClass = QStringLiteral("TCemiterioBlocoDto"),
    .EditText = QStringLiteral("Descricao"),
    .OtherInfo = joined({ "Rua" }),
    .RowText =
        [](const TMemTable &ds) {
            return col(ds, "DESCRICAO") + lineBreak + QStringLiteral("Rua: ") + col(ds, "RUA");
        },
};

const TPesquisaCatalogoInfo cemiterioLocalTamanho {
    .Pesquisa = QStringLiteral("TPesquisaCemiterioLocalTamanho"),
    .Presenter = QStringLiteral("TCemiterioLocalTamanhoPresenter"),
    .RecordClass = QStringLiteral("TCemiterioLocalTamanhoDto"),
    .EditText = QStringLiteral("Descricao"),
    .RowText =
        [](const TMemTable &ds) {
            return col(ds, "DESCRICAO") + lineBreak + QStringLiteral("Quantidade: ")
                + col(ds, "QUANTIDADE");
        },
};

const TPesquisaCatalogoInfo *const catalogo[] = {
    &unidadeFederativa,
    &municipio,
    &bairro,
    &logradouro,
    &perfilPermissao,
    &lista,
    &carencia,
    &servico,
    &plano,
    &pessoa,
    &pessoaFalecido,
    &motivo,
    &funcao,
    &equipe,
    &especialidade,
    &empresa,
    &colaborador,
    &numeroSorteio,
    &relatorio,
    &seguradora,
    &carteira,
    &classes,
    &comissao,
    &banco,
    &agencia,
    &tipoDocumento,
    &planoContas,
    &contrato,
    &conta,
    &convenio,
    &dependenteContratoSemTitular,
    &integracaoApiFinanceira,
    &ordemServico,
    &parcelaBaixaSimplificada,
    &usuario,
    &veiculo,
    &cemiterioRua,
    &cemiterioBloco,
    &cemiterioLocalTamanho,
};

// A value in every column of the current record, so that a row text takes the branches that
// read more columns.
void fillEveryColumn(TMemTable &ATable)
{
    for (int index = 0; index < ATable.FieldCount(); ++index) {
        TField *field = ATable.Fields(index);
        switch (field->DataType()) {
        case TFieldType::AutoInc:
            break;
        case TFieldType::Boolean:
            field->SetAsBoolean(true);
            break;
        case TFieldType::DateTime:
            field->SetAsDateTime(EncodeDate(2024, 3, 15));
            break;
        default:
            // "1" reads as a text and as a number alike.
            field->SetAsString(QStringLiteral("1"));
        }
    }
}

// The faults of one lookup whose presenter is registered.
QStringList problemsOf(const TPesquisaCatalogoInfo &AInfo, TBasePresenter &APresenter)
{
    QStringList problems;
    const auto fault
        = [&](const QString &AText) { problems << AInfo.Pesquisa + QStringLiteral(": ") + AText; };
    const TClassInfo *row = TClassRegistry::FindClass(AInfo.RecordClass);
    if (!row || !row->InheritsFrom(TBaseDto::StaticClassInfo())) {
        fault(Format(QStringLiteral("a classe %s não está registrada."), { AInfo.RecordClass }));
        return problems;
    }
    if (!row->FindProperty(AInfo.EditText))
        fault(Format(QStringLiteral("a classe %s não possui a propriedade %s."),
                     { row->Name(), AInfo.EditText }));
    if (const auto record = AInfo.OtherInfo ? row->Create() : nullptr) {
        try {
            AInfo.OtherInfo(*record);
        } catch (const Exception &failure) {
            fault(failure.Message());
        }
    }
    // The row text on an empty record and on a record with every column filled.
    TMemTable &table = APresenter.DataSetInfo();
    if (!table.Active())
        table.CreateDataSet();
    for (const bool filled : { false, true }) {
        table.Append();
        if (filled)
            fillEveryColumn(table);
        table.Post();
        try {
            AInfo.RowText(table);
        } catch (const Exception &failure) {
            fault(failure.Message());
            break;
        }
    }
    return problems;
}

} // namespace

std::vector<const TPesquisaCatalogoInfo *> catalogoEntries()
{
    return { std::begin(catalogo), std::end(catalogo) };
}

QStringList catalogoProblems(const std::vector<const TPesquisaCatalogoInfo *> &AEntries)
{
    QStringList problems;
    for (const TPesquisaCatalogoInfo *entry : AEntries) {
        std::unique_ptr<TBasePresenter> presenter;
        try {
            presenter = TBasePresenter::CreatePresenter(entry->Presenter);
        } catch (const Exception &failure) {
            problems << entry->Pesquisa + QStringLiteral(": ") + failure.Message();
            continue;
        }
        if (presenter)
            problems << problemsOf(*entry, *presenter);
    }
    return problems;
}

// --- TPesquisaCatalogo ------------------------------------------------------------------------

TPesquisaCatalogo::TPesquisaCatalogo(const TPesquisaCatalogoInfo &AInfo)
    : TPesquisa(AInfo.Pesquisa)
    , m_info(AInfo)
{ }

void TPesquisaCatalogo::raiseMissingClass(const QString &AMissingClass) const
{
    throw Exception(
        Format(QStringLiteral("WARNING:A pesquisa %s não está disponível: a classe %s não está "
                              "registrada."),
               { ClassName(), AMissingClass }));
}

void TPesquisaCatalogo::raiseUnfitPresenter() const
{
    throw Exception(
        Format(QStringLiteral(
                   "WARNING:A pesquisa %s não está disponível: o apresentador %s não a atende."),
               { ClassName(), m_info.Presenter }));
}

std::unique_ptr<TBasePresenter> TPesquisaCatalogo::newPresenter()
{
    auto presenter = TBasePresenter::CreatePresenter(m_info.Presenter);
    if (!presenter)
        raiseMissingClass(m_info.Presenter);
    return presenter;
}

const TClassInfo &TPesquisaCatalogo::recordClass() const
{
    const TClassInfo *info = TClassRegistry::FindClass(m_info.RecordClass);
    if (!info || !info->InheritsFrom(TBaseDto::StaticClassInfo()))
        raiseMissingClass(m_info.RecordClass);
    return *info;
}

void TPesquisaCatalogo::instancePresenter()
{
    // Both halves are checked before anything is shown or asked of the back end.
    recordClass();
    auto presenter = newPresenter();
    if (m_info.FixFilter)
        presenter->ValueFixFilter = FValueFixFilter;
    SetPresenter(std::move(presenter));
}

void TPesquisaCatalogo::findObjectDto()
{
    storeRecord(Presenter()->Service()->findObjectPesquisaById(
        recordClass(), FIdFind, QString(), m_info.FixFilter ? FValueFixFilter : QString()));
}

void TPesquisaCatalogo::storeRecord(std::unique_ptr<TSerializeObject> ARecord)
{
    if (!ARecord || !ARecord->ClassInfo().InheritsFrom(TBaseDto::StaticClassInfo()))
        return;
    // The back end answers an unknown id with a JSON error text, which reads as a record
    // without an id: that is no record.
    if (static_cast<const TBaseDto *>(ARecord.get())->Id == 0)
        return;
    SetValueDescricao(propertyText(*ARecord, m_info.EditText));
    if (m_info.OtherInfo && FItemControl)
        FItemControl->OtherInfo = m_info.OtherInfo(*ARecord);
    SetObjectDto(std::unique_ptr<TBaseDto>(static_cast<TBaseDto *>(ARecord.release())));
}

void TPesquisaCatalogo::fillFrameItem(TMemTable &DataSet, TFrameBaseAdapter *&Frame)
{
    auto *row = new TFrameBaseAdapterPesquisa(FormPesquisa()->VertScrollBoxDados);
    Frame = row;
    if (m_info.Small)
        row->LabelDescricao->setFontSize(int(row->LabelDescricao->fontSize() * 0.8));
    row->LabelDescricao->setText(m_info.RowText(DataSet));
    TPesquisa::fillFrameItem(DataSet, Frame);
}

template<class I>
I &TPesquisaCatalogo::finder()
{
    instancePresenter();
    auto *finder = dynamic_cast<I *>(Presenter()->Service());
    if (!finder)
        raiseUnfitPresenter();
    return *finder;
}

std::int64_t TPesquisaCatalogo::keepEndereco(std::unique_ptr<TBaseDto> ARecord)
{
    SetObjectDto(std::move(ARecord));
    return ObjectDto() ? std::max<std::int64_t>(ObjectDto()->Id, 0) : 0;
}

void TPesquisaCatalogo::dropRows(int ARemoved)
{
    if (ARemoved <= 0)
        return;
    // The window's counts and its choice of a single match follow what is offered.
    TPaginate &paginate = Presenter()->Paginate;
    paginate.CountList = Presenter()->DataSetInfo().RecordCount();
    paginate.TotalRegistros = std::max(0, paginate.TotalRegistros - ARemoved);
}

// --- Address lookups --------------------------------------------------------------------------

TPesquisaUnidadeFederativa::TPesquisaUnidadeFederativa()
    : TPesquisaCatalogo(unidadeFederativa)
{ }

std::int64_t TPesquisaUnidadeFederativa::FindBySigla(const QString &AUF)
{
    return keepEndereco(finder<IUnidadeFederativaFinder>().FindBySigla(AUF));
}

TPesquisaMunicipio::TPesquisaMunicipio()
    : TPesquisaCatalogo(municipio)
{ }

std::int64_t TPesquisaMunicipio::FindByMunicipioUF(const QString &AMunicipio, const QString &AUF)
{
    return keepEndereco(finder<IMunicipioFinder>().FindByMunicipioUF(AMunicipio, AUF));
}

TPesquisaBairro::TPesquisaBairro()
    : TPesquisaCatalogo(bairro)
{ }

std::int64_t TPesquisaBairro::FindByBairroMunicipioUF(const QString &ABairro,
                                                      const QString &AMunicipio,
                                                      const QString &AUF)
{
    return keepEndereco(finder<IBairroFinder>().FindByBairroMunicipioUF(ABairro, AMunicipio, AUF));
}

TPesquisaLogradouro::TPesquisaLogradouro()
    : TPesquisaCatalogo(logradouro)
{ }

std::int64_t TPesquisaLogradouro::FindByCEP(const QString &ACep)
{
    return keepEndereco(finder<ILogradouroFinder>().FindByCep(ACep));
}

// --- System lists -----------------------------------------------------------------------------

TPesquisaLista::TPesquisaLista()
    : TPesquisaCatalogo(lista)
{ }

std::unique_ptr<TBasePresenter> TPesquisaLista::newPresenter()
{
    return TBasePresenter::Create<TListaSistemaPresenter>();
}

void TPesquisaLista::findObjectDto()
{
    TBaseService &service = *Presenter()->Service();
    auto row = service.findPesquisaById<TListaSistemaDto>(FIdFind, FListaCodigo, FValueFixFilter);
    const bool byCodigo = FIdFind == 0 && !FListaCodigo.isEmpty();
    if (byCodigo && row && row->Id != 0 && !sameCodigo(row->Codigo, FListaCodigo)) {
        // The back end's search also matches the code inside longer codes and descriptions, and
        // its first match may be such a row: take the row of exactly that code, or none.
        row.reset();
        auto rows = service.findByFilter<TListaSistemaDto>(FListaCodigo, FValueFixFilter, 1, 100);
        if (rows) {
            const auto found = std::find_if(rows->begin(), rows->end(), [this](const auto &r) {
                return sameCodigo(r->Codigo, FListaCodigo);
            });
            if (found != rows->end())
                row = std::move(*found);
        }
    }
    storeRecord(std::move(row));
}

TPesquisaClasses::TPesquisaClasses()
    : TPesquisaCatalogo(classes)
{ }

std::unique_ptr<TBasePresenter> TPesquisaClasses::newPresenter()
{
    return TBasePresenter::Create<TClassesPresenter>();
}

// --- Lookups with steps of their own ----------------------------------------------------------

TPesquisaPlano::TPesquisaPlano()
    : TPesquisaCatalogo(plano)
{ }

void TPesquisaPlano::beforeFillFrame()
{
    TMemTable &table = Presenter()->DataSetInfo();
    if (!table.Active() || table.Filtered())
        return;
    const int before = table.RecordCount();
    table.SetFilter(
        Format(QStringLiteral("(DATA_FINAL IS NULL) OR (DATA_FINAL = 0) OR (DATA_FINAL > %s)"),
               { QuotedFilterText(FormatDateTime(QStringLiteral("yyyy-mm-dd"), Date())) }));
    table.SetFiltered(true);
    dropRows(before - table.RecordCount());
}

TPesquisaContrato::TPesquisaContrato()
    : TPesquisaCatalogo(contrato)
{ }

void TPesquisaContrato::instancePresenter()
{
    TPesquisaCatalogo::instancePresenter();
    auto *contratos = dynamic_cast<IPesquisaContratoPresenter *>(Presenter());
    if (!contratos)
        raiseUnfitPresenter();
    contratos->SetFiltrarApenasAtivo(true);
}

void TPesquisaContrato::afterFindObjectDto()
{
    SetInfoRetorno(QStringLiteral("Número: ")
                   + propertyText(*ObjectDto(), QStringLiteral("Codigo")));
}

TPesquisaDependenteContratoSemTitular::TPesquisaDependenteContratoSemTitular()
    : TPesquisaCatalogo(dependenteContratoSemTitular)
{ }

void TPesquisaDependenteContratoSemTitular::instancePresenter()
{
    TPesquisaCatalogo::instancePresenter();
    TBasePresenter *presenter = Presenter();
    auto *dependentes = dynamic_cast<IPesquisaDependenteContratoPresenter *>(presenter);
    if (!dependentes)
        raiseUnfitPresenter();
    presenter->IdPrincipal = TUtils::StrEmptyToInt64(FValueFixFilter);
    dependentes->SetIsFilterFaixaEtaria(false);
    dependentes->SetIsFilterDependenteAtivo(true);
    // The procedure runs on the loading thread, which reads no widget: the search window's text
    // is the presenter's TextSearch (copied from its search edit before every load), the bound
    // edit's is taken now.
    const auto *edit
        = FItemControl ? qobject_cast<const TEdit *>(FItemControl->Control()) : nullptr;
    const QString textControl = edit ? edit->text().trimmed() : QString();
    dependentes->SetProcBeforeFillDependente([presenter, dependentes, textControl] {
        const QString text = presenter->TextSearch.trimmed();
        dependentes->SetTextSearch(text.isEmpty() ? textControl : text);
    });
}

void TPesquisaDependenteContratoSemTitular::beforeFillFrame()
{
    TMemTable &table = Presenter()->DataSetInfo();
    if (!table.Active())
        return;
    TField *parentesco = table.FieldByName(QStringLiteral("CODIGO_PARENTESCO"));
    int removed = 0;
    table.First();
    while (!table.Eof()) {
        if (parentesco->AsString() == QStringLiteral("01")) {
            table.Delete();
            ++removed;
        } else {
            table.Next();
        }
    }
    dropRows(removed);
}

TPesquisaParcelaBaixaSimplificada::TPesquisaParcelaBaixaSimplificada()
    : TPesquisaCatalogo(parcelaBaixaSimplificada)
{ }

void TPesquisaParcelaBaixaSimplificada::afterFindObjectDto()
{
    SetInfoRetorno(QStringLiteral("Contrato: ")
                   + propertyText(*ObjectDto(), QStringLiteral("NumeroContrato")));
}

// --- Plain lookups ----------------------------------------------------------------------------

TPesquisaPerfilPermissao::TPesquisaPerfilPermissao()
    : TPesquisaCatalogo(perfilPermissao)
{ }

TPesquisaCarencia::TPesquisaCarencia()
    : TPesquisaCatalogo(carencia)
{ }

TPesquisaServico::TPesquisaServico()
    : TPesquisaCatalogo(servico)
{ }

TPesquisaPessoa::TPesquisaPessoa()
    : TPesquisaCatalogo(pessoa)
{ }

TPesquisaPessoaFalecido::TPesquisaPessoaFalecido()
    : TPesquisaCatalogo(pessoaFalecido)
{ }

TPesquisaMotivo::TPesquisaMotivo()
    : TPesquisaCatalogo(motivo)
{ }

TPesquisaFuncao::TPesquisaFuncao()
    : TPesquisaCatalogo(funcao)
{ }

TPesquisaEquipe::TPesquisaEquipe()
    : TPesquisaCatalogo(equipe)
{ }

TPesquisaEspecialidade::TPesquisaEspecialidade()
    : TPesquisaCatalogo(especialidade)
{ }

TPesquisaEmpresa::TPesquisaEmpresa()
    : TPesquisaCatalogo(empresa)
{ }

TPesquisaColaborador::TPesquisaColaborador()
    : TPesquisaCatalogo(colaborador)
{ }

TPesquisaNumeroSorteio::TPesquisaNumeroSorteio()
    : TPesquisaCatalogo(numeroSorteio)
{ }

TPesquisaRelatorio::TPesquisaRelatorio()
    : TPesquisaCatalogo(relatorio)
{ }

TPesquisaSeguradora::TPesquisaSeguradora()
    : TPesquisaCatalogo(seguradora)
{ }

TPesquisaCarteira::TPesquisaCarteira()
    : TPesquisaCatalogo(carteira)
{ }

TPesquisaComissao::TPesquisaComissao()
    : TPesquisaCatalogo(comissao)
{ }

TPesquisaBanco::TPesquisaBanco()
    : TPesquisaCatalogo(banco)
{ }

TPesquisaAgencia::TPesquisaAgencia()
    : TPesquisaCatalogo(agencia)
{ }

TPesquisaTipoDocumento::TPesquisaTipoDocumento()
    : TPesquisaCatalogo(tipoDocumento)
{ }

TPesquisaPlanoContas::TPesquisaPlanoContas()
    : TPesquisaCatalogo(planoContas)
{ }

TPesquisaConta::TPesquisaConta()
    : TPesquisaCatalogo(conta)
{ }

TPesquisaConvenio::TPesquisaConvenio()
    : TPesquisaCatalogo(convenio)
{ }

TPesquisaIntegracaoApiFinanceira::TPesquisaIntegracaoApiFinanceira()
    : TPesquisaCatalogo(integracaoApiFinanceira)
{ }

TPesquisaOrdemServico::TPesquisaOrdemServico()
    : TPesquisaCatalogo(ordemServico)
{ }

TPesquisaUsuario::TPesquisaUsuario()
    : TPesquisaCatalogo(usuario)
{ }

TPesquisaVeiculo::TPesquisaVeiculo()
    : TPesquisaCatalogo(veiculo)
{ }

TPesquisaCemiterioRua::TPesquisaCemiterioRua()
    : TPesquisaCatalogo(cemiterioRua)
{ }

TPesquisaCemiterioBloco::TPesquisaCemiterioBloco()
    : TPesquisaCatalogo(cemiterioBloco)
{ }

TPesquisaCemiterioLocalTamanho::TPesquisaCemiterioLocalTamanho()
    : TPesquisaCatalogo(cemiterioLocalTamanho)
{ }

ZUNTA_REGISTER_PESQUISA(TPesquisaUnidadeFederativa)
ZUNTA_REGISTER_PESQUISA(TPesquisaMunicipio)
ZUNTA_REGISTER_PESQUISA(TPesquisaBairro)
ZUNTA_REGISTER_PESQUISA(TPesquisaLogradouro)
ZUNTA_REGISTER_PESQUISA(TPesquisaPerfilPermissao)
ZUNTA_REGISTER_PESQUISA(TPesquisaLista)
ZUNTA_REGISTER_PESQUISA(TPesquisaCarencia)
ZUNTA_REGISTER_PESQUISA(TPesquisaServico)
ZUNTA_REGISTER_PESQUISA(TPesquisaPlano)
ZUNTA_REGISTER_PESQUISA(TPesquisaPessoa)
ZUNTA_REGISTER_PESQUISA(TPesquisaPessoaFalecido)
ZUNTA_REGISTER_PESQUISA(TPesquisaMotivo)
ZUNTA_REGISTER_PESQUISA(TPesquisaFuncao)
ZUNTA_REGISTER_PESQUISA(TPesquisaEquipe)
ZUNTA_REGISTER_PESQUISA(TPesquisaEspecialidade)
ZUNTA_REGISTER_PESQUISA(TPesquisaEmpresa)
ZUNTA_REGISTER_PESQUISA(TPesquisaColaborador)
ZUNTA_REGISTER_PESQUISA(TPesquisaNumeroSorteio)
ZUNTA_REGISTER_PESQUISA(TPesquisaRelatorio)
ZUNTA_REGISTER_PESQUISA(TPesquisaSeguradora)
ZUNTA_REGISTER_PESQUISA(TPesquisaCarteira)
ZUNTA_REGISTER_PESQUISA(TPesquisaClasses)
ZUNTA_REGISTER_PESQUISA(TPesquisaComissao)
ZUNTA_REGISTER_PESQUISA(TPesquisaBanco)
ZUNTA_REGISTER_PESQUISA(TPesquisaAgencia)
ZUNTA_REGISTER_PESQUISA(TPesquisaTipoDocumento)
ZUNTA_REGISTER_PESQUISA(TPesquisaPlanoContas)
ZUNTA_REGISTER_PESQUISA(TPesquisaContrato)
ZUNTA_REGISTER_PESQUISA(TPesquisaConta)
ZUNTA_REGISTER_PESQUISA(TPesquisaConvenio)
ZUNTA_REGISTER_PESQUISA(TPesquisaDependenteContratoSemTitular)
ZUNTA_REGISTER_PESQUISA(TPesquisaIntegracaoApiFinanceira)
ZUNTA_REGISTER_PESQUISA(TPesquisaOrdemServico)
ZUNTA_REGISTER_PESQUISA(TPesquisaParcelaBaixaSimplificada)
ZUNTA_REGISTER_PESQUISA(TPesquisaUsuario)
ZUNTA_REGISTER_PESQUISA(TPesquisaVeiculo)
ZUNTA_REGISTER_PESQUISA(TPesquisaCemiterioRua)
ZUNTA_REGISTER_PESQUISA(TPesquisaCemiterioBloco)
ZUNTA_REGISTER_PESQUISA(TPesquisaCemiterioLocalTamanho)
