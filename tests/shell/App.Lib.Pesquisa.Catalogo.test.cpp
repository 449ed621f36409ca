#include "App.Lib.Pesquisa.Catalogo.h"

#include "App.Base.Adapter.Pesquisa.h"
#include "App.Base.Form.Pesquisa.h"
#include "App.Base.Presenter.Cadastro.h"
#include "App.Interf.Service.Endereco.h"
#include "App.Lib.Application.h"
#include "App.Lib.ItemControl.h"
#include "Common.Base.ClassInfo.Build.h"
#include "Common.Base.Dto.h"
#include "Common.Base.FilterClass.h"
#include "Common.Dto.Empresa.h"
#include "Common.Dto.Usuario.h"
#include "Common.Lib.JSON.h"
#include "Common.Lib.Utils.h"
#include "Edit.h"
#include "Label.h"
#include "Layouts.h"
#include "MemTable.h"
#include "ScrollBox.h"
#include "SpeedButton.h"

#include "ShellWindows.h"
#include "WaitFor.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

// List rows of the business subsystems, as their units will declare them: the members the
// lookups read. They are put in the class registry only while a catalogue test runs.

class TUnidadeFederativaDto final : public TBaseDto
{
    ZUNTA_CLASS(TUnidadeFederativaDto)
    QString Nome;
};
BOOST_DESCRIBE_STRUCT(TUnidadeFederativaDto, (TBaseDto), (Nome))
ZUNTA_DEFINE_CLASS_UNREGISTERED(TUnidadeFederativaDto)

class TMunicipioDto final : public TBaseDto
{
    ZUNTA_CLASS(TMunicipioDto)
    QString Nome;
    QString Uf;
};
BOOST_DESCRIBE_STRUCT(TMunicipioDto, (TBaseDto), (Nome, Uf))
ZUNTA_DEFINE_CLASS_UNREGISTERED(TMunicipioDto)

class TBairroDto final : public TBaseDto
{
    ZUNTA_CLASS(TBairroDto)
    QString Bairro;
    QString Municipio;
    QString Uf;
};
BOOST_DESCRIBE_STRUCT(TBairroDto, (TBaseDto), (Bairro, Municipio, Uf))
ZUNTA_DEFINE_CLASS_UNREGISTERED(TBairroDto)

class TLogradouroDto final : public TBaseDto
{
    ZUNTA_CLASS(TLogradouroDto)
    QString Logradouro;
    QString Bairro;
    QString Municipio;
    QString Uf;
};
BOOST_DESCRIBE_STRUCT(TLogradouroDto, (TBaseDto), (Logradouro, Bairro, Municipio, Uf))
ZUNTA_DEFINE_CLASS_UNREGISTERED(TLogradouroDto)

// The many rows that show only their description.
#define DESCRICAO_DTO(ClassName)                                                                   \
    class ClassName final : public TBaseDto                                                        \
    {                                                                                              \
        ZUNTA_CLASS(ClassName)                                                                     \
        QString Descricao;                                                                         \
    };                                                                                             \
    BOOST_DESCRIBE_STRUCT(ClassName, (TBaseDto), (Descricao))                                      \
    ZUNTA_DEFINE_CLASS_UNREGISTERED(ClassName)

DESCRICAO_DTO(TPerfilPermissaoDto)
DESCRICAO_DTO(TMotivoDto)
DESCRICAO_DTO(TFuncaoDto)
DESCRICAO_DTO(TEquipeDto)
DESCRICAO_DTO(TEspecialidadeDto)
DESCRICAO_DTO(TCarteiraDto)
DESCRICAO_DTO(TComissaoDto)
DESCRICAO_DTO(TTipoDocumentoDto)
DESCRICAO_DTO(TPlanoContasDto)
DESCRICAO_DTO(TContaDto)
DESCRICAO_DTO(TIntegracaoApiFinanceiraDto)
DESCRICAO_DTO(TCemiterioRuaDto)
#undef DESCRICAO_DTO

class TCarenciaDto final : public TBaseDto
{
    ZUNTA_CLASS(TCarenciaDto)
    QString Descricao;
    QString CodigoTipo;
    QString Tipo;
};
BOOST_DESCRIBE_STRUCT(TCarenciaDto, (TBaseDto), (Descricao, CodigoTipo, Tipo))
ZUNTA_DEFINE_CLASS_UNREGISTERED(TCarenciaDto)

class TServicoDto final : public TBaseDto
{
    ZUNTA_CLASS(TServicoDto)
    QString Descricao;
    double Valor = 0;
    bool IsServicoKit = false;
    std::int64_t BaseUtilizacao = 0;
};
BOOST_DESCRIBE_STRUCT(TServicoDto, (TBaseDto), (Descricao, Valor, IsServicoKit, BaseUtilizacao))
ZUNTA_DEFINE_CLASS_UNREGISTERED(TServicoDto)

class TPlanoDto final : public TBaseDto
{
    ZUNTA_CLASS(TPlanoDto)
    QString Descricao;
    double Valor = 0;
    double ValorParcela = 0;
    QString FormaCobranca;
    TDateTime DataFinal;
};
BOOST_DESCRIBE_STRUCT(TPlanoDto,
                      (TBaseDto),
                      (Descricao, Valor, ValorParcela, FormaCobranca, DataFinal))
ZUNTA_DEFINE_CLASS_UNREGISTERED(TPlanoDto)

class TPessoaDto final : public TBaseDto
{
    ZUNTA_CLASS(TPessoaDto)
    QString Nome;
    QString CpfCnpj;
    TDateTime DataNascimento;
    std::int64_t NumeroContrato = 0;
    bool DependenteAtivo = false;
    QString Parentesco;
};
BOOST_DESCRIBE_STRUCT(TPessoaDto,
                      (TBaseDto),
                      (Nome, CpfCnpj, DataNascimento, NumeroContrato, DependenteAtivo, Parentesco))
ZUNTA_DEFINE_CLASS_UNREGISTERED(TPessoaDto)

class TColaboradorDto final : public TBaseDto
{
    ZUNTA_CLASS(TColaboradorDto)
    QString Colaborador;
};
BOOST_DESCRIBE_STRUCT(TColaboradorDto, (TBaseDto), (Colaborador))
ZUNTA_DEFINE_CLASS_UNREGISTERED(TColaboradorDto)

class TNumeroSorteioDto final : public TBaseDto
{
    ZUNTA_CLASS(TNumeroSorteioDto)
    QString Numero;
};
BOOST_DESCRIBE_STRUCT(TNumeroSorteioDto, (TBaseDto), (Numero))
ZUNTA_DEFINE_CLASS_UNREGISTERED(TNumeroSorteioDto)

class TRelatorioDto final : public TBaseDto
{
    ZUNTA_CLASS(TRelatorioDto)
    QString DescricaoUsuario;
};
BOOST_DESCRIBE_STRUCT(TRelatorioDto, (TBaseDto), (DescricaoUsuario))
ZUNTA_DEFINE_CLASS_UNREGISTERED(TRelatorioDto)

class TSeguradoraDto final : public TBaseDto
{
    ZUNTA_CLASS(TSeguradoraDto)
    QString Seguradora;
    QString CodigoContrato;
};
BOOST_DESCRIBE_STRUCT(TSeguradoraDto, (TBaseDto), (Seguradora, CodigoContrato))
ZUNTA_DEFINE_CLASS_UNREGISTERED(TSeguradoraDto)

class TBancoDto final : public TBaseDto
{
    ZUNTA_CLASS(TBancoDto)
    QString Nome;
    std::int64_t Codigo = 0;
};
BOOST_DESCRIBE_STRUCT(TBancoDto, (TBaseDto), (Nome, Codigo))
ZUNTA_DEFINE_CLASS_UNREGISTERED(TBancoDto)

class TAgenciaDto final : public TBaseDto
{
    ZUNTA_CLASS(TAgenciaDto)
    QString Nome;
    std::int64_t Numero = 0;
};
BOOST_DESCRIBE_STRUCT(TAgenciaDto, (TBaseDto), (Nome, Numero))
ZUNTA_DEFINE_CLASS_UNREGISTERED(TAgenciaDto)

class TContratoDto final : public TBaseDto
{
    ZUNTA_CLASS(TContratoDto)
    std::int64_t Codigo = 0;
    QString Titular;
    std::int64_t IdTitular = 0;
};
BOOST_DESCRIBE_STRUCT(TContratoDto, (TBaseDto), (Codigo, Titular, IdTitular))
ZUNTA_DEFINE_CLASS_UNREGISTERED(TContratoDto)

// What the contract presenter sends when it lists active contracts only.
class TContratoFilterClass final : public TBaseFilterClass
{
    ZUNTA_CLASS(TContratoFilterClass)
    QString ApenasContratosAtivos;
};
BOOST_DESCRIBE_STRUCT(TContratoFilterClass, (TBaseFilterClass), (ApenasContratosAtivos))
ZUNTA_DEFINE_CLASS_UNREGISTERED(TContratoFilterClass)

class TConvenioDto final : public TBaseDto
{
    ZUNTA_CLASS(TConvenioDto)
    QString Pessoa;
    QString Segmento;
    double Desconto = 0;
};
BOOST_DESCRIBE_STRUCT(TConvenioDto, (TBaseDto), (Pessoa, Segmento, Desconto))
ZUNTA_DEFINE_CLASS_UNREGISTERED(TConvenioDto)

class TDependenteContratoDto final : public TBaseDto
{
    ZUNTA_CLASS(TDependenteContratoDto)
    QString Pessoa;
    QString CpfCnpj;
    QString Parentesco;
    QString CodigoParentesco;
};
BOOST_DESCRIBE_STRUCT(TDependenteContratoDto,
                      (TBaseDto),
                      (Pessoa, CpfCnpj, Parentesco, CodigoParentesco))
ZUNTA_DEFINE_CLASS_UNREGISTERED(TDependenteContratoDto)

class TOrdemServicoDto final : public TBaseDto
{
    ZUNTA_CLASS(TOrdemServicoDto)
    QString Contratante;
    TDateTime DataNascimento;
    TDateTime Data;
    double ValorTotal = 0;
};
BOOST_DESCRIBE_STRUCT(TOrdemServicoDto, (TBaseDto), (Contratante, DataNascimento, Data, ValorTotal))
ZUNTA_DEFINE_CLASS_UNREGISTERED(TOrdemServicoDto)

class TParcelaBaixaSimplificadaDto final : public TBaseDto
{
    ZUNTA_CLASS(TParcelaBaixaSimplificadaDto)
    QString Nome;
    TDateTime Vencimento;
    QString NumeroDocumento;
    double Valor = 0;
    std::int64_t NumeroContrato = 0;
};
BOOST_DESCRIBE_STRUCT(TParcelaBaixaSimplificadaDto,
                      (TBaseDto),
                      (Nome, Vencimento, NumeroDocumento, Valor, NumeroContrato))
ZUNTA_DEFINE_CLASS_UNREGISTERED(TParcelaBaixaSimplificadaDto)

class TVeiculoDto final : public TBaseDto
{
    ZUNTA_CLASS(TVeiculoDto)
    QString Modelo;
    QString Marca;
    QString Placa;
};
BOOST_DESCRIBE_STRUCT(TVeiculoDto, (TBaseDto), (Modelo, Marca, Placa))
ZUNTA_DEFINE_CLASS_UNREGISTERED(TVeiculoDto)

class TCemiterioBlocoDto final : public TBaseDto
{
    ZUNTA_CLASS(TCemiterioBlocoDto)
    QString Descricao;
    QString Rua;
};
BOOST_DESCRIBE_STRUCT(TCemiterioBlocoDto, (TBaseDto), (Descricao, Rua))
ZUNTA_DEFINE_CLASS_UNREGISTERED(TCemiterioBlocoDto)

class TCemiterioLocalTamanhoDto final : public TBaseDto
{
    ZUNTA_CLASS(TCemiterioLocalTamanhoDto)
    QString Descricao;
    std::int64_t Quantidade = 0;
};
BOOST_DESCRIBE_STRUCT(TCemiterioLocalTamanhoDto, (TBaseDto), (Descricao, Quantidade))
ZUNTA_DEFINE_CLASS_UNREGISTERED(TCemiterioLocalTamanhoDto)

namespace {

// One entity of a later subsystem as far as its lookup sees it: the presenter's class name, the
// service's (which gives the resource path), the list row and the display formats of columns
// that are not shown plainly (dates show "dd/mm/yyyy" and amounts ",0.00" everywhere).
struct Entidade
{
    const char *Presenter;
    const char *Service;
    const TClassInfo &(*Row)();
    std::map<QString, QString> Formats;
};

template<class T>
const TClassInfo &infoOf()
{
    return T::StaticClassInfo();
}

const std::vector<Entidade> &entidades()
{
    static const std::vector<Entidade> all {
        { "TUnidadeFederativaPresenter",
          "TUnidadeFederativaService",
          infoOf<TUnidadeFederativaDto>,
          {} },
        { "TMunicipioPresenter", "TMunicipioService", infoOf<TMunicipioDto>, {} },
        { "TBairroPresenter", "TBairroService", infoOf<TBairroDto>, {} },
        { "TLogradouroPresenter", "TLogradouroService", infoOf<TLogradouroDto>, {} },
        { "TPerfilPermissaoPresenter", "TPerfilPermissaoService", infoOf<TPerfilPermissaoDto>, {} },
        { "TCarenciaPresenter", "TCarenciaService", infoOf<TCarenciaDto>, {} },
        { "TServicoPresenter", "TServicoService", infoOf<TServicoDto>, {} },
        { "TPlanoPresenter", "TPlanoService", infoOf<TPlanoDto>, {} },
        { "TPessoaPresenter", "TPessoaService", infoOf<TPessoaDto>, {} },
        { "TMotivoPresenter", "TMotivoService", infoOf<TMotivoDto>, {} },
        { "TFuncaoPresenter", "TFuncaoService", infoOf<TFuncaoDto>, {} },
        { "TEquipePresenter", "TEquipeService", infoOf<TEquipeDto>, {} },
        { "TEspecialidadePresenter", "TEspecialidadeService", infoOf<TEspecialidadeDto>, {} },
        { "TEmpresaPresenter", "TEmpresaService", infoOf<TEmpresaDto>, {} },
        { "TColaboradorPresenter", "TColaboradorService", infoOf<TColaboradorDto>, {} },
        { "TNumeroSorteioPresenter", "TNumeroSorteioService", infoOf<TNumeroSorteioDto>, {} },
        { "TRelatorioPresenter", "TRelatorioService", infoOf<TRelatorioDto>, {} },
        { "TSeguradoraPresenter", "TSeguradoraService", infoOf<TSeguradoraDto>, {} },
        { "TCarteiraPresenter", "TCarteiraService", infoOf<TCarteiraDto>, {} },
        { "TComissaoPresenter", "TComissaoService", infoOf<TComissaoDto>, {} },
        { "TBancoPresenter", "TBancoService", infoOf<TBancoDto>, { { "CODIGO", "000" } } },
        { "TAgenciaPresenter", "TAgenciaService", infoOf<TAgenciaDto>, { { "NUMERO", "0000" } } },
        { "TTipoDocumentoPresenter", "TTipoDocumentoService", infoOf<TTipoDocumentoDto>, {} },
        { "TPlanoContasPresenter", "TPlanoContasService", infoOf<TPlanoContasDto>, {} },
        { "TContratoPresenter", "TContratoService", infoOf<TContratoDto>, {} },
        { "TContaPresenter", "TContaService", infoOf<TContaDto>, {} },
        { "TConvenioPresenter", "TConvenioService", infoOf<TConvenioDto>, {} },
        { "TDependenteContratoPresenter",
          "TDependenteContratoService",
          infoOf<TDependenteContratoDto>,
          {} },
        { "TIntegracaoApiFinanceiraPresenter",
          "TIntegracaoApiFinanceiraService",
          infoOf<TIntegracaoApiFinanceiraDto>,
          {} },
        { "TOrdemServicoPresenter", "TOrdemServicoService", infoOf<TOrdemServicoDto>, {} },
        { "TParcelaBaixaSimplificadaPresenter",
          "TParcelaBaixaSimplificadaService",
          infoOf<TParcelaBaixaSimplificadaDto>,
          {} },
        { "TUsuarioPresenter", "TUsuarioService", infoOf<TUsuarioDto>, {} },
        { "TVeiculoPresenter", "TVeiculoService", infoOf<TVeiculoDto>, {} },
        { "TCemiterioRuaPresenter", "TCemiterioRuaService", infoOf<TCemiterioRuaDto>, {} },
        { "TCemiterioBlocoPresenter", "TCemiterioBlocoService", infoOf<TCemiterioBlocoDto>, {} },
        { "TCemiterioLocalTamanhoPresenter",
          "TCemiterioLocalTamanhoService",
          infoOf<TCemiterioLocalTamanhoDto>,
          {} },
    };
    return all;
}

// What the stand-in services' address finders were asked and answer: the key they were given,
// and the id of the record of the entity's row class they hand back, or the failure they raise.
struct FinderScript
{
    QStringList key;
    std::int64_t id = 0;
    QString failure;
};
FinderScript finderScript;

// A later subsystem's service as far as the lookups reach it; the geography services' finders
// answer from finderScript.
class TCatalogoService final : public TBaseService,
                               public IUnidadeFederativaFinder,
                               public IMunicipioFinder,
                               public IBairroFinder,
                               public ILogradouroFinder
{
public:
    TCatalogoService(const QString &AClassName, const TClassInfo &ARow)
        : TBaseService(AClassName)
        , m_row(ARow)
    { }

    std::unique_ptr<TBaseDto> FindBySigla(const QString &ASigla) override
    {
        return found({ ASigla });
    }
    std::unique_ptr<TBaseDto> FindByMunicipioUF(const QString &AMunicipio,
                                                const QString &AUF) override
    {
        return found({ AMunicipio, AUF });
    }
    std::unique_ptr<TBaseDto> FindByBairroMunicipioUF(const QString &ABairro,
                                                      const QString &AMunicipio,
                                                      const QString &AUF) override
    {
        return found({ ABairro, AMunicipio, AUF });
    }
    std::unique_ptr<TBaseDto> FindByCep(const QString &ACep) override { return found({ ACep }); }

private:
    std::unique_ptr<TBaseDto> found(const QStringList &AKey)
    {
        finderScript.key = AKey;
        if (!finderScript.failure.isEmpty())
            throw Exception(finderScript.failure);
        std::unique_ptr<TBaseDto> record(static_cast<TBaseDto *>(m_row.Create().release()));
        record->Id = finderScript.id;
        return record;
    }

    const TClassInfo &m_row;
};

// A stand-in of a later subsystem's presenter: one column per member of its list row, and the
// contract and contract-member parts the lookups use.
class TCatalogoPresenter final : public TBaseCadastroPresenter,
                                 public IPesquisaContratoPresenter,
                                 public IPesquisaDependenteContratoPresenter
{
public:
    explicit TCatalogoPresenter(const Entidade &AEntidade)
        : TBaseCadastroPresenter(QLatin1String(AEntidade.Presenter))
        , m_entidade(AEntidade)
    { }

    void findByFilterToDataSet() override
    {
        TBasePresenter::findByFilterToDataSet();
        if (!m_procBeforeFillDependente) {
            TBasePresenter::findByFilterToDataSet(m_entidade.Row());
            return;
        }
        // The member presenter's own request: the active members of contract IdPrincipal.
        m_procBeforeFillDependente();
        TBaseService &service = *Service();
        service.ClearRequest();
        service.ExecuteGet(service.ResourceName() + QStringLiteral("/ativo/")
                               + QString::number(IdPrincipal),
                           m_textSearch,
                           QString(),
                           true,
                           1,
                           200,
                           QString());
        const auto rows = TDravikJson::JsonToList(
            m_entidade.Row(), service.ResponseJson()[std::string_view("listHelper")]);
        std::vector<const TSerializeObject *> objects;
        for (const auto &row : rows)
            objects.push_back(row.get());
        fillObjectsDataSetInfo(&objects);
    }

    void SetFiltrarApenasAtivo(bool AValue) override
    {
        if (!AValue)
            return;
        auto filter = std::make_unique<TContratoFilterClass>();
        filter->ApenasContratosAtivos = QStringLiteral("-1#SIM");
        SetFilterClass(std::move(filter));
    }
    void SetIsFilterFaixaEtaria(bool) override { }
    void SetIsFilterDependenteAtivo(bool) override { }
    void SetProcBeforeFillDependente(std::function<void()> AValue) override
    {
        m_procBeforeFillDependente = std::move(AValue);
    }
    void SetTextSearch(const QString &AValue) override { m_textSearch = AValue; }

protected:
    void CreateFieldsDataSet() override
    {
        TBaseCadastroPresenter::CreateFieldsDataSet();
        for (const auto &member : m_entidade.Row().OwnMembers()) {
            const QString name = TUtils::convertClassPropToTableField(member->Name()).toUpper();
            TField *field = nullptr;
            switch (member->Kind()) {
            case TMemberKind::Int64:
                field = DataSetInfo().AddField(name, TFieldType::LargeInt);
                break;
            case TMemberKind::Double:
                field = DataSetInfo().AddField(name, TFieldType::Float);
                field->SetDisplayFormat(QStringLiteral(",0.00"));
                break;
            case TMemberKind::Boolean:
                field = DataSetInfo().AddField(name, TFieldType::Boolean);
                break;
            case TMemberKind::DateTime:
                field = DataSetInfo().AddField(name, TFieldType::DateTime);
                field->SetDisplayFormat(QStringLiteral("dd/mm/yyyy"));
                break;
            default:
                field = DataSetInfo().AddField(name, TFieldType::String, 100);
            }
            const auto format = m_entidade.Formats.find(name);
            if (format != m_entidade.Formats.end())
                field->SetDisplayFormat(format->second);
        }
    }
    std::unique_ptr<TBaseEntity> CreateEntity() override { return nullptr; }
    std::unique_ptr<TBaseService> CreateService() override
    {
        return std::make_unique<TCatalogoService>(QLatin1String(m_entidade.Service),
                                                  m_entidade.Row());
    }

private:
    const Entidade &m_entidade;
    std::function<void()> m_procBeforeFillDependente;
    QString m_textSearch;
};

// Registers the stand-ins for one test and removes them after it, so no other test sees them.
class Registrations
{
public:
    void presenter(const Entidade &AEntidade)
    {
        m_items.push_back(std::make_unique<TClassRegistration>(
            QLatin1String(AEntidade.Presenter),
            TPresenterFactory([&AEntidade]() -> std::unique_ptr<TBasePresenter> {
                return TBasePresenter::Create<TCatalogoPresenter>(AEntidade);
            })));
    }
    void row(const Entidade &AEntidade)
    {
        m_items.push_back(std::make_unique<TClassRegistration>(AEntidade.Row()));
    }
    // Every presenter, and every row class but the user's and the company's, which core has.
    void all()
    {
        for (const Entidade &entidade : entidades()) {
            presenter(entidade);
            if (&entidade.Row() != &TUsuarioDto::StaticClassInfo()
                && &entidade.Row() != &TEmpresaDto::StaticClassInfo())
                row(entidade);
        }
    }

private:
    std::vector<std::unique_ptr<TClassRegistration>> m_items;
};

const Entidade &entidade(const char *APresenter)
{
    for (const Entidade &e : entidades()) {
        if (std::string(e.Presenter) == APresenter)
            return e;
    }
    throw std::logic_error(APresenter);
}

class CatalogoTest : public ShellWindowsTest
{
protected:
    void SetUp() override
    {
        principal();
        host = new TLayout(principal().LayoutPrincipal, QStringLiteral("LayoutHost"));
        caption = new TLabel(host, QStringLiteral("LabelCampo"));
        caption->setText(QStringLiteral("Campo"));
        edit = new TEdit(host, QStringLiteral("EditCampo"));
        item.TitleControl = QStringLiteral("Campo");
        item.SetControl(edit);
        item.CaptionControl = caption;
        item.OtherInfo = QStringLiteral("ANTES");
        item.ProcPesquisa = [this](TBaseDto *ARecord, TTypeEventProc AEvent) {
            if (AEvent != TTypeEventProc::epSearch)
                return;
            found << ARecord->Id;
            foundClass = ARecord->ClassInfo().Name();
            // The rows the search window offered, read while it still stands.
            if (TFormBasePesquisa *form = window())
                rowTexts = shownRows(form);
        };
    }

    static QStringList shownRows(TFormBasePesquisa *form)
    {
        QStringList texts;
        for (QWidget *control : form->VertScrollBoxDados->controls()) {
            if (auto *row = qobject_cast<TFrameBaseAdapterPesquisa *>(control))
                texts << row->LabelDescricao->text();
        }
        return texts;
    }
    static TFormBasePesquisa *window()
    {
        TPesquisa *pesquisa = TApplicationZunta::GetInstance().OpenedPesquisa.data();
        return pesquisa ? pesquisa->FormPesquisa() : nullptr;
    }
    static bool lookupEnded()
    {
        FlushDeletes();
        return TApplicationZunta::GetInstance().OpenedPesquisa.isNull();
    }
    void search(const QString &AClass, const QString &AText, const QString &AFixFilter)
    {
        item.SetClassPesquisa(AClass);
        item.ValueFixFilter = AFixFilter;
        edit->setText(AText);
        item.ClickSearch();
    }

    Registrations registrations;
    TLayout *host = nullptr;
    TLabel *caption = nullptr;
    TEdit *edit = nullptr;
    TItemControl item;
    QList<std::int64_t> found;
    QString foundClass;
    QStringList rowTexts;
};

std::string listReply(const std::string &rows, int total)
{
    return "{\"total\":" + std::to_string(total) + ",\"pages\":1,\"listHelper\":" + rows + "}";
}

// --- The catalogue ----------------------------------------------------------------------------

struct CatalogoCase
{
    const char *name;
    const char *pesquisa;
    const char *listPath; // the search window's list request
    const char *fixFilter; // the caller's fixed filter
    bool fixFilterSent; // list and fetch carry it as "fix-filter"
    const char *rows; // the back end's list rows
    std::vector<const char *> rowTexts; // the rows offered, in order
    const char *fetchPath; // the fetch of the first offered row
    const char *record; // its reply
    const char *editText;
    const char *otherInfo; // "ANTES" is left alone
    const char *caption;
    const char *recordClass; // the class of the record handed back
    const char *listBody = ""; // a text the list request's body carries
};
void PrintTo(const CatalogoCase &row, std::ostream *os)
{
    *os << row.name;
}

class CatalogoCaseTest : public CatalogoTest, public ::testing::WithParamInterface<CatalogoCase>
{
};

TEST_P(CatalogoCaseTest, ListsTheRowsAndHandsTheChosenRecordBack)
{
    const CatalogoCase &c = GetParam();
    registrations.all();
    int total = 0;
    for (std::size_t at = 0; (at = std::string(c.rows).find("\"id\"", at)) != std::string::npos;
         ++at)
        ++total;
    backend.on("GET", c.listPath, FakeReply::json(listReply(c.rows, total)));
    backend.on("GET", c.fetchPath, FakeReply::json(c.record));

    search(QLatin1String(c.pesquisa), QStringLiteral("abc"), QLatin1String(c.fixFilter));
    // One row offered is chosen by itself; several show the window, where the first is picked.
    ASSERT_TRUE(
        waitFor([this] { return !found.isEmpty() || principal().LayoutApoio->isVisible(); }));
    if (found.isEmpty()) {
        ASSERT_TRUE(waitFor([] { return window()->SpeedButtonClose->isEnabled(); }));
        auto *row = qobject_cast<TFrameBaseAdapterPesquisa *>(
            window()->VertScrollBoxDados->controls().first());
        ASSERT_NE(row, nullptr);
        row->SpeedButtonSelect->click();
    }
    ASSERT_TRUE(waitFor([] { return lookupEnded(); }));

    const auto list = backend.last("GET", c.listPath);
    ASSERT_TRUE(list.has_value());
    EXPECT_EQ(list->param("search"), "ABC");
    const auto fetch = backend.last("GET", c.fetchPath);
    ASSERT_TRUE(fetch.has_value());
    for (const auto &request : { *list, *fetch }) {
        if (c.fixFilterSent)
            EXPECT_EQ(request.param("fix-filter"), c.fixFilter) << request.path;
        else
            EXPECT_FALSE(request.hasParam("fix-filter")) << request.path;
    }
    EXPECT_NE(list->body.find(c.listBody), std::string::npos) << list->body;

    QStringList expected;
    for (const char *text : c.rowTexts)
        expected << QString::fromUtf8(text);
    EXPECT_EQ(rowTexts, expected);
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(foundClass, QLatin1String(c.recordClass));
    EXPECT_EQ(item.Id, found.first());
    EXPECT_EQ(edit->text(), QString::fromUtf8(c.editText));
    EXPECT_EQ(item.OtherInfo, QString::fromUtf8(c.otherInfo));
    EXPECT_EQ(caption->text(), QString::fromUtf8(c.caption));
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());
}

const CatalogoCase catalogoCases[] = {
    { "UnidadeFederativa",
      "TPesquisaUnidadeFederativa",
      "/unidade-federativa",
      "F",
      false,
      R"([{"id":5,"nome":"SAO PAULO"}])",
      { "SAO PAULO" },
      "/unidade-federativa/pesquisa/5",
      R"({"id":5,"nome":"SAO PAULO"})",
      "SAO PAULO",
      "ANTES",
      "Campo - ID: 5",
      "TUnidadeFederativaDto" },
    { "Municipio",
      "TPesquisaMunicipio",
      "/municipio",
      "F",
      false,
      R"([{"id":6,"nome":"CAMPINAS","uf":"SP"}])",
      { "CAMPINAS-SP" },
      "/municipio/pesquisa/6",
      R"({"id":6,"nome":"CAMPINAS","uf":"SP"})",
      "CAMPINAS",
      "SP",
      "Campo - ID: 6",
      "TMunicipioDto" },
    { "Bairro",
      "TPesquisaBairro",
      "/bairro",
      "F",
      false,
      R"([{"id":7,"bairro":"CENTRO","municipio":"CAMPINAS","uf":"SP"}])",
      { "CENTRO\r\nCAMPINAS-SP" },
      "/bairro/pesquisa/7",
      R"({"id":7,"bairro":"CENTRO","municipio":"CAMPINAS","uf":"SP"})",
      "CENTRO",
      "CAMPINAS;SP",
      "Campo - ID: 7",
      "TBairroDto" },
    { "Logradouro",
      "TPesquisaLogradouro",
      "/logradouro",
      "F",
      false,
      R"([{"id":8,"logradouro":"RUA A","bairro":"CENTRO","municipio":"CAMPINAS","uf":"SP"}])",
      { "RUA A\r\nCAMPINAS - SP\r\nBairro: CENTRO" },
      "/logradouro/pesquisa/8",
      R"({"id":8,"logradouro":"RUA A","bairro":"CENTRO","municipio":"CAMPINAS","uf":"SP"})",
      "RUA A",
      "CENTRO;CAMPINAS;SP",
      "Campo - ID: 8",
      "TLogradouroDto" },
    { "PerfilPermissao",
      "TPesquisaPerfilPermissao",
      "/perfil-permissao",
      "F",
      false,
      R"([{"id":9,"descricao":"CAIXA"}])",
      { "CAIXA" },
      "/perfil-permissao/pesquisa/9",
      R"({"id":9,"descricao":"CAIXA"})",
      "CAIXA",
      "ANTES",
      "Campo - ID: 9",
      "TPerfilPermissaoDto" },
    { "Lista",
      "TPesquisaLista",
      "/lista-sistema",
      "SEXO",
      true,
      R"([{"id":4,"codigo":"01","descricao":"MASCULINO","tipo":"SEXO"}])",
      { "MASCULINO" },
      "/lista-sistema/pesquisa/4",
      R"({"id":4,"codigo":"01","descricao":"MASCULINO"})",
      "MASCULINO",
      "01",
      "Campo - Código: 01",
      "TListaSistemaDto" },
    { "Carencia",
      "TPesquisaCarencia",
      "/carencia",
      "F",
      false,
      R"([{"id":10,"descricao":"PADRAO","codigoTipo":"02","tipo":"DIAS"}])",
      { "PADRAO\r\n02-DIAS" },
      "/carencia/pesquisa/10",
      R"({"id":10,"descricao":"PADRAO","tipo":"DIAS"})",
      "PADRAO",
      "DIAS",
      "Campo - ID: 10",
      "TCarenciaDto" },
    { "ServicoKitAndPlain",
      "TPesquisaServico",
      "/servico",
      "SRV",
      true,
      R"([{"id":11,"descricao":"VELORIO","valor":1250.5,"isServicoKit":true},
          {"id":12,"descricao":"COROA","valor":80,"isServicoKit":false}])",
      { "VELORIO\r\nValor: 1.250,50 - Serviço Kit", "COROA\r\nValor: 80,00" },
      "/servico/pesquisa/11",
      R"({"id":11,"descricao":"VELORIO","valor":1250.5,"baseUtilizacao":3})",
      "VELORIO",
      "3;1250,5",
      "Campo - ID: 11",
      "TServicoDto" },
    { "PlanoPastEndDateNotListed",
      "TPesquisaPlano",
      "/plano",
      "PLA",
      true,
      R"([{"id":13,"descricao":"OURO","valor":100,"valorParcela":45.9,"formaCobranca":"CARNE"},
          {"id":14,"descricao":"PRATA","valor":80,"valorParcela":30,"formaCobranca":"BOLETO",
           "dataFinal":"2001-02-03T12:00:00.000Z"},
          {"id":15,"descricao":"BRONZE","valor":50,"valorParcela":20,"formaCobranca":"PIX",
           "dataFinal":"2999-02-03T12:00:00.000Z"}])",
      { "OURO\r\nBase de Cálculo para Carência: 100,00\r\nValor Parcela: 45,90 - Cobrança: CARNE",
        "BRONZE\r\nBase de Cálculo para Carência: 50,00\r\nValor Parcela: 20,00 - Cobrança: PIX" },
      "/plano/pesquisa/13",
      R"({"id":13,"descricao":"OURO","valor":100,"valorParcela":45.9})",
      "OURO",
      "100;45,9",
      "Campo - ID: 13",
      "TPlanoDto" },
    { "PessoaWithAndWithoutContract",
      "TPesquisaPessoa",
      "/pessoa",
      "NEP",
      true,
      R"([{"id":16,"nome":"ANA MARIA DA SILVA SAURO PEREIRA DE SOUZA","cpfCnpj":"12345678909",
           "numeroContrato":0},
          {"id":17,"nome":"BETO","cpfCnpj":"98765432100","numeroContrato":1234}])",
      { "ANA MARIA DA SILVA SAURO \r\nCPF/CNPJ: 12345678909",
        "BETO\r\nCPF/CNPJ: 98765432100\r\nContrato: 1234" },
      "/pessoa/pesquisa/16",
      R"({"id":16,"nome":"ANA MARIA","dataNascimento":"1980-05-17T12:00:00.000Z"})",
      "ANA MARIA",
      "17/05/1980",
      "Campo - ID: 16",
      "TPessoaDto" },
    { "PessoaFalecido",
      "TPesquisaPessoaFalecido",
      "/pessoa",
      "NCT",
      true,
      R"([{"id":18,"nome":"ANA MARIA DA SILVA SAURO PEREIRA DE SOUZA","cpfCnpj":"123",
           "dataNascimento":"1950-01-02T12:00:00.000Z","numeroContrato":77,
           "dependenteAtivo":false,"parentesco":"MAE"},
          {"id":19,"nome":"BETO","cpfCnpj":"456","numeroContrato":78,"dependenteAtivo":true,
           "parentesco":"PAI"}])",
      { "ANA MARIA DA SILVA SAURO PEREIRA DE SOUZA\r\nCPF/CNPJ: 123\r\nNasc.: 02/01/1950\r\n"
        "Desativado no Contrato: 77 - MAE",
        "BETO\r\nCPF/CNPJ: 456\r\nAtivo no Contrato: 78 - PAI" },
      "/pessoa/pesquisa/18",
      R"({"id":18,"nome":"ANA MARIA","dataNascimento":"1950-01-02T12:00:00.000Z"})",
      "ANA MARIA",
      "02/01/1950",
      "Campo - ID: 18",
      "TPessoaDto" },
    { "Motivo",
      "TPesquisaMotivo",
      "/motivo",
      "CANCELAMENTO",
      true,
      R"([{"id":20,"descricao":"MUDANCA"}])",
      { "MUDANCA" },
      "/motivo/pesquisa/20",
      R"({"id":20,"descricao":"MUDANCA"})",
      "MUDANCA",
      "ANTES",
      "Campo - ID: 20",
      "TMotivoDto" },
    { "Funcao",
      "TPesquisaFuncao",
      "/funcao",
      "F",
      false,
      R"([{"id":21,"descricao":"COBRADOR"}])",
      { "COBRADOR" },
      "/funcao/pesquisa/21",
      R"({"id":21,"descricao":"COBRADOR"})",
      "COBRADOR",
      "ANTES",
      "Campo - ID: 21",
      "TFuncaoDto" },
    { "Equipe",
      "TPesquisaEquipe",
      "/equipe",
      "F",
      false,
      R"([{"id":22,"descricao":"NORTE"}])",
      { "NORTE" },
      "/equipe/pesquisa/22",
      R"({"id":22,"descricao":"NORTE"})",
      "NORTE",
      "ANTES",
      "Campo - ID: 22",
      "TEquipeDto" },
    { "Especialidade",
      "TPesquisaEspecialidade",
      "/especialidade",
      "F",
      false,
      R"([{"id":23,"descricao":"CLINICO"}])",
      { "CLINICO" },
      "/especialidade/pesquisa/23",
      R"({"id":23,"descricao":"CLINICO"})",
      "CLINICO",
      "ANTES",
      "Campo - ID: 23",
      "TEspecialidadeDto" },
    { "Empresa",
      "TPesquisaEmpresa",
      "/empresa",
      "F",
      false,
      R"([{"id":24,"empresa":"ZUNTA LTDA"}])",
      { "ZUNTA LTDA" },
      "/empresa/pesquisa/24",
      R"({"id":24,"empresa":"ZUNTA LTDA","cpfCnpj":"11222333000181"})",
      "ZUNTA LTDA",
      "11222333000181",
      "Campo - ID: 24",
      "TEmpresaDto" },
    { "Colaborador",
      "TPesquisaColaborador",
      "/colaborador",
      "COB",
      true,
      R"([{"id":25,"colaborador":"JOAO"}])",
      { "JOAO" },
      "/colaborador/pesquisa/25",
      R"({"id":25,"colaborador":"JOAO"})",
      "JOAO",
      "ANTES",
      "Campo - ID: 25",
      "TColaboradorDto" },
    { "NumeroSorteio",
      "TPesquisaNumeroSorteio",
      "/numero-sorteio",
      "F",
      false,
      R"([{"id":26,"numero":"00123"}])",
      { "00123" },
      "/numero-sorteio/pesquisa/26",
      R"({"id":26,"numero":"00123"})",
      "00123",
      "ANTES",
      "Campo - ID: 26",
      "TNumeroSorteioDto" },
    { "Relatorio",
      "TPesquisaRelatorio",
      "/relatorio",
      "CONTRATO",
      true,
      R"([{"id":27,"descricaoUsuario":"CARTEIRINHAS"}])",
      { "CARTEIRINHAS" },
      "/relatorio/pesquisa/27",
      R"({"id":27,"descricaoUsuario":"CARTEIRINHAS"})",
      "CARTEIRINHAS",
      "ANTES",
      "Campo - ID: 27",
      "TRelatorioDto" },
    { "Seguradora",
      "TPesquisaSeguradora",
      "/seguradora",
      "F",
      false,
      R"([{"id":28,"seguradora":"VIDA SA"}])",
      { "VIDA SA" },
      "/seguradora/pesquisa/28",
      R"({"id":28,"seguradora":"VIDA SA","codigoContrato":"C-9"})",
      "VIDA SA",
      "C-9",
      "Campo - ID: 28",
      "TSeguradoraDto" },
    { "Carteira",
      "TPesquisaCarteira",
      "/carteira",
      "F",
      false,
      R"([{"id":29,"descricao":"ZONA SUL"}])",
      { "ZONA SUL" },
      "/carteira/pesquisa/29",
      R"({"id":29,"descricao":"ZONA SUL"})",
      "ZONA SUL",
      "ANTES",
      "Campo - ID: 29",
      "TCarteiraDto" },
    { "Classes",
      "TPesquisaClasses",
      "/classes",
      "F",
      false,
      R"([{"id":30,"nomeClasse":"TPessoa","descricaoClasse":"PESSOAS"}])",
      { "PESSOAS" },
      "/classes/pesquisa/30",
      R"({"id":30,"nomeClasse":"TPessoa","descricaoClasse":"PESSOAS"})",
      "PESSOAS",
      "ANTES",
      "Campo - ID: 30",
      "TClassesDto" },
    { "Comissao",
      "TPesquisaComissao",
      "/comissao",
      "F",
      false,
      R"([{"id":31,"descricao":"VENDAS"}])",
      { "VENDAS" },
      "/comissao/pesquisa/31",
      R"({"id":31,"descricao":"VENDAS"})",
      "VENDAS",
      "ANTES",
      "Campo - ID: 31",
      "TComissaoDto" },
    { "Banco",
      "TPesquisaBanco",
      "/banco",
      "F",
      false,
      R"([{"id":32,"nome":"BANCO DO BRASIL","codigo":1}])",
      { "BANCO DO BRASIL\r\n001" },
      "/banco/pesquisa/32",
      R"({"id":32,"nome":"BANCO DO BRASIL","codigo":1})",
      "BANCO DO BRASIL",
      "1",
      "Campo - ID: 32",
      "TBancoDto" },
    { "Agencia",
      "TPesquisaAgencia",
      "/agencia",
      "F",
      false,
      R"([{"id":33,"nome":"CENTRO","numero":42}])",
      { "CENTRO\r\n0042" },
      "/agencia/pesquisa/33",
      R"({"id":33,"nome":"CENTRO","numero":42})",
      "CENTRO",
      "42",
      "Campo - ID: 33",
      "TAgenciaDto" },
    { "TipoDocumento",
      "TPesquisaTipoDocumento",
      "/tipo-documento",
      "F",
      false,
      R"([{"id":34,"descricao":"BOLETO"}])",
      { "BOLETO\r\n0000000034" },
      "/tipo-documento/pesquisa/34",
      R"({"id":34,"descricao":"BOLETO"})",
      "BOLETO",
      "ANTES",
      "Campo - ID: 34",
      "TTipoDocumentoDto" },
    { "PlanoContas",
      "TPesquisaPlanoContas",
      "/plano-contas",
      "R",
      true,
      R"([{"id":35,"descricao":"RECEITAS"}])",
      { "RECEITAS\r\n0000000035" },
      "/plano-contas/pesquisa/35",
      R"({"id":35,"descricao":"RECEITAS"})",
      "RECEITAS",
      "ANTES",
      "Campo - ID: 35",
      "TPlanoContasDto" },
    { "ContratoActiveOnlyWithNumberCaption",
      "TPesquisaContrato",
      "/contrato",
      "F",
      false,
      R"([{"id":36,"codigo":77,"titular":"ANA"}])",
      { "ANA" },
      "/contrato/pesquisa/36",
      R"({"id":36,"codigo":77,"titular":"ANA","idTitular":501})",
      "ANA",
      "501",
      "Campo - Número: 77",
      "TContratoDto",
      R"("apenasContratosAtivos":"-1#SIM")" },
    { "Conta",
      "TPesquisaConta",
      "/conta",
      "08",
      false,
      R"([{"id":37,"descricao":"CAIXA GERAL"}])",
      { "CAIXA GERAL\r\n0000000037" },
      "/conta/pesquisa/37",
      R"({"id":37,"descricao":"CAIXA GERAL"})",
      "CAIXA GERAL",
      "ANTES",
      "Campo - ID: 37",
      "TContaDto" },
    { "Convenio",
      "TPesquisaConvenio",
      "/convenio",
      "F",
      false,
      R"([{"id":38,"pessoa":"FARMACIA","segmento":"SAUDE","desconto":12.5}])",
      { "FARMACIA\r\nSegmento: SAUDE\r\nDesconto: 12,50" },
      "/convenio/pesquisa/38",
      R"({"id":38,"pessoa":"FARMACIA","segmento":"SAUDE","desconto":1234.5})",
      "FARMACIA",
      "1.234,50;SAUDE",
      "Campo - ID: 38",
      "TConvenioDto" },
    { "DependenteContratoNeverTheHolder",
      "TPesquisaDependenteContratoSemTitular",
      "/dependente-contrato/ativo/321",
      "321",
      false,
      R"([{"id":39,"pessoa":"FILHO","cpfCnpj":"12345678909","parentesco":"FILHO",
           "codigoParentesco":"03"},
          {"id":40,"pessoa":"TITULAR","cpfCnpj":"98765432100","parentesco":"TITULAR",
           "codigoParentesco":"01"},
          {"id":41,"pessoa":"ESPOSA","cpfCnpj":"11222333000181","parentesco":"CONJUGE",
           "codigoParentesco":"02"}])",
      { "FILHO\r\nCPF/CNPJ: 123.456.789-09\r\nPARENTESCO: FILHO",
        "ESPOSA\r\nCPF/CNPJ: 11.222.333/0001-81\r\nPARENTESCO: CONJUGE" },
      "/dependente-contrato/pesquisa/39",
      R"({"id":39,"pessoa":"FILHO"})",
      "FILHO",
      "ANTES",
      "Campo - ID: 39",
      "TDependenteContratoDto" },
    { "IntegracaoApiFinanceira",
      "TPesquisaIntegracaoApiFinanceira",
      "/integracao-api-financeira",
      "F",
      false,
      R"([{"id":42,"descricao":"PIX"}])",
      { "PIX\r\n0000000042" },
      "/integracao-api-financeira/pesquisa/42",
      R"({"id":42,"descricao":"PIX"})",
      "PIX",
      "ANTES",
      "Campo - ID: 42",
      "TIntegracaoApiFinanceiraDto" },
    { "OrdemServico",
      "TPesquisaOrdemServico",
      "/ordem-servico",
      "F",
      false,
      R"([{"id":43,"contratante":"ANA","dataNascimento":"1950-01-02T12:00:00.000Z",
           "data":"2024-03-05T12:00:00.000Z","valorTotal":1500},
          {"id":44,"contratante":"BETO","data":"2024-03-06T12:00:00.000Z","valorTotal":20}])",
      { "ANA\r\nData de Nascimento: 02/01/1950\r\nData O.S: 05/03/2024 - R$1.500,00",
        "BETO\r\nData O.S: 06/03/2024 - R$20,00" },
      "/ordem-servico/pesquisa/43",
      R"({"id":43,"contratante":"ANA"})",
      "ANA",
      "ANTES",
      "Campo - ID: 43",
      "TOrdemServicoDto" },
    { "ParcelaBaixaSimplificada",
      "TPesquisaParcelaBaixaSimplificada",
      "/parcela-baixa-simplificada",
      "F",
      false,
      R"([{"id":45,"nome":"ANA MARIA DA SILVA SAURO","vencimento":"2024-03-10T12:00:00.000Z",
           "numeroDocumento":"D-1","valor":59.9}])",
      { "Nome: ANA MARIA DA SILVA S\r\nVencto: 10/03/2024\r\nDoc: D-1 - Valor: 59,90" },
      "/parcela-baixa-simplificada/pesquisa/45",
      R"({"id":45,"nome":"ANA MARIA","numeroContrato":55})",
      "ANA MARIA",
      "ANTES",
      "Campo - Contrato: 55",
      "TParcelaBaixaSimplificadaDto" },
    { "Usuario",
      "TPesquisaUsuario",
      "/usuario",
      "F",
      false,
      R"([{"id":46,"nome":"ADMIN"}])",
      { "ADMIN" },
      "/usuario/pesquisa/46",
      R"({"id":46,"nome":"ADMIN"})",
      "ADMIN",
      "ANTES",
      "Campo - ID: 46",
      "TUsuarioDto" },
    { "Veiculo",
      "TPesquisaVeiculo",
      "/veiculo",
      "F",
      false,
      R"([{"id":47,"modelo":"SPRINTER","marca":"MB","placa":"ABC1D23"}])",
      { "SPRINTER\r\nMarca: MB\r\nPlaca: ABC1D23" },
      "/veiculo/pesquisa/47",
      R"({"id":47,"modelo":"SPRINTER"})",
      "SPRINTER",
      "ANTES",
      "Campo - ID: 47",
      "TVeiculoDto" },
    { "CemiterioRua",
      "TPesquisaCemiterioRua",
      "/cemiterio-rua",
      "F",
      false,
      R"([{"id":48,"descricao":"RUA 1"}])",
      { "RUA 1" },
      "/cemiterio-rua/pesquisa/48",
      R"({"id":48,"descricao":"RUA 1"})",
      "RUA 1",
      "ANTES",
      "Campo - ID: 48",
      "TCemiterioRuaDto" },
    { "CemiterioBloco",
      "TPesquisaCemiterioBloco",
      "/cemiterio-bloco",
      "F",
      false,
      R"([{"id":49,"descricao":"BLOCO B","rua":"RUA 1"}])",
      { "BLOCO B\r\nRua: RUA 1" },
      "/cemiterio-bloco/pesquisa/49",
      R"({"id":49,"descricao":"BLOCO B","rua":"RUA 1"})",
      "BLOCO B",
      "RUA 1",
      "Campo - ID: 49",
      "TCemiterioBlocoDto" },
    { "CemiterioLocalTamanho",
      "TPesquisaCemiterioLocalTamanho",
      "/cemiterio-local-tamanho",
      "F",
      false,
      R"([{"id":50,"descricao":"GAVETA","quantidade":3}])",
      { "GAVETA\r\nQuantidade: 3" },
      "/cemiterio-local-tamanho/pesquisa/50",
      R"({"id":50,"descricao":"GAVETA"})",
      "GAVETA",
      "ANTES",
      "Campo - ID: 50",
      "TCemiterioLocalTamanhoDto" },
};
INSTANTIATE_TEST_SUITE_P(Catalogo,
                         CatalogoCaseTest,
                         ::testing::ValuesIn(catalogoCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(CatalogoTest, SmallRowsShowTheirTextAtFourFifthsOfTheSize)
{
    registrations.all();
    backend.on("GET",
               "/classes",
               FakeReply::json(listReply(R"([{"id":1,"descricaoClasse":"A"},
                                             {"id":2,"descricaoClasse":"B"}])",
                                         2)));
    search(QStringLiteral("TPesquisaClasses"), QStringLiteral("abc"), QString());
    ASSERT_TRUE(waitFor([this] { return principal().LayoutApoio->isVisible(); }));
    auto *row = qobject_cast<TFrameBaseAdapterPesquisa *>(
        window()->VertScrollBoxDados->controls().first());
    ASSERT_NE(row, nullptr);
    const TFrameBaseAdapterPesquisa plain;
    EXPECT_EQ(row->LabelDescricao->fontSize(), int(plain.LabelDescricao->fontSize() * 0.8));
    window()->SpeedButtonClose->click();
    EXPECT_TRUE(waitFor([] { return lookupEnded(); }));
}

// Without the holder nothing is left: the search ends as one that found nothing, instead of
// waiting on a window that never shows.
TEST_F(CatalogoTest, MemberSearchFindingOnlyTheHolderEndsUnseen)
{
    registrations.all();
    backend.on("GET",
               "/dependente-contrato/ativo/321",
               FakeReply::json(listReply(
                   R"([{"id":40,"pessoa":"TITULAR","cpfCnpj":"1","codigoParentesco":"01"}])", 1)));
    search(QStringLiteral("TPesquisaDependenteContratoSemTitular"),
           QStringLiteral("titular"),
           QStringLiteral("321"));

    ASSERT_TRUE(waitFor([] { return lookupEnded(); }));
    EXPECT_FALSE(principal().LayoutApoio->isVisible());
    EXPECT_TRUE(principal().LayoutPrincipal->isEnabled());
    EXPECT_EQ(backend.count("GET", "/dependente-contrato/pesquisa/40"), 0u);
    EXPECT_EQ(item.Id, 0);
    EXPECT_TRUE(found.isEmpty());
}

// The back end answers an id it does not know with a JSON error text: no record comes of it.
TEST_F(CatalogoTest, UnknownIdIsNoRecord)
{
    registrations.all();
    backend.on("GET",
               "/motivo/pesquisa/99",
               FakeReply::json(R"({"error":"Registro não encontrado"})", 404));
    search(QStringLiteral("TPesquisaMotivo"), QStringLiteral("99"), QStringLiteral("BAIXA"));
    FlushDeletes();

    EXPECT_EQ(backend.last("GET", "/motivo/pesquisa/99")->param("fix-filter"), "BAIXA");
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList { QStringLiteral("WARNING:Informações não localizadas.") });
    EXPECT_EQ(item.Id, 0);
    EXPECT_TRUE(found.isEmpty());
    EXPECT_EQ(caption->text(), QStringLiteral("Campo"));
}

// --- The system list by code ------------------------------------------------------------------

TEST_F(CatalogoTest, ListaByCodeAsksForIdZeroWithTheCodeAndTheListType)
{
    backend.on("GET",
               "/lista-sistema/pesquisa/0",
               FakeReply::json(R"({"id":4,"codigo":"01","descricao":"FEMININO"})"));
    item.TitleControl = QStringLiteral("Sexo");
    search(QStringLiteral("TPesquisaLista"), QStringLiteral("01"), QStringLiteral("SEXO"));
    FlushDeletes();

    const auto request = backend.last("GET", "/lista-sistema/pesquisa/0");
    ASSERT_TRUE(request.has_value());
    EXPECT_EQ(request->param("search"), "01");
    EXPECT_EQ(request->param("fix-filter"), "SEXO");
    EXPECT_EQ(item.Id, 4);
    EXPECT_EQ(edit->text(), QStringLiteral("FEMININO"));
    EXPECT_EQ(caption->text(), QStringLiteral("Sexo - Código: 01"));
    EXPECT_EQ(backend.count("GET", "/lista-sistema"), 0u);
}

TEST_F(CatalogoTest, ListaByCodeTakesTheRowOfThatCodeNotTheFirstMatch)
{
    // The back end's search matched "01" inside a longer code first.
    backend.on("GET",
               "/lista-sistema/pesquisa/0",
               FakeReply::json(R"({"id":9,"codigo":"010","descricao":"OUTRO"})"));
    backend.on("GET",
               "/lista-sistema",
               FakeReply::json(listReply(R"([{"id":9,"codigo":"010","descricao":"OUTRO"},
                                             {"id":4,"codigo":"01","descricao":"FEMININO"}])",
                                         2)));
    search(QStringLiteral("TPesquisaLista"), QStringLiteral("1"), QStringLiteral("SEXO"));
    FlushDeletes();

    const auto list = backend.last("GET", "/lista-sistema");
    ASSERT_TRUE(list.has_value());
    EXPECT_EQ(list->param("search"), "1");
    EXPECT_EQ(list->param("fix-filter"), "SEXO");
    EXPECT_EQ(item.Id, 4);
    EXPECT_EQ(edit->text(), QStringLiteral("FEMININO"));
    EXPECT_EQ(item.OtherInfo, QStringLiteral("01"));

    // No row of exactly that code: nothing is taken.
    backend.on(
        "GET", "/lista-sistema", FakeReply::json(listReply(R"([{"id":9,"codigo":"010"}])", 1)));
    item.Clear(edit);
    search(QStringLiteral("TPesquisaLista"), QStringLiteral("01"), QStringLiteral("SEXO"));
    FlushDeletes();
    EXPECT_EQ(item.Id, 0);
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList { QStringLiteral("WARNING:Informações não localizadas.") });
}

// --- Address finders --------------------------------------------------------------------------
// The requests themselves are the geography services' (tested with them); a finder hands its key
// to its entity's service as given and keeps the record that comes back.

struct FinderCase
{
    const char *name;
    std::function<std::int64_t()> find;
    QStringList key;
};
void PrintTo(const FinderCase &row, std::ostream *os)
{
    *os << row.name;
}

class FinderTest : public CatalogoTest, public ::testing::WithParamInterface<FinderCase>
{
protected:
    void SetUp() override
    {
        CatalogoTest::SetUp();
        finderScript = {};
    }
    void TearDown() override
    {
        finderScript = {};
        CatalogoTest::TearDown();
    }
};

TEST_P(FinderTest, HandsTheKeyToTheServiceAndGivesTheIdAboveZero)
{
    registrations.all();
    const FinderCase &c = GetParam();
    finderScript.id = 12;
    EXPECT_EQ(c.find(), 12);
    EXPECT_EQ(finderScript.key, c.key);

    for (const std::int64_t id : { std::int64_t(0), std::int64_t(-3) }) {
        finderScript.id = id;
        EXPECT_EQ(c.find(), 0) << id;
    }

    finderScript.failure = QStringLiteral("WARNING:Registro não localizado.");
    try {
        c.find();
        ADD_FAILURE() << "no exception";
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message(), finderScript.failure);
    }
    // Nothing but the service's finder was asked.
    EXPECT_EQ(backend.requests().size(), backend.count("POST", "/auth"));
}

const FinderCase finderCases[] = {
    { "Sigla",
      [] {
          return TPesquisa::Create<TPesquisaUnidadeFederativa>()->FindBySigla(QStringLiteral("sp"));
      },
      { QStringLiteral("sp") } },
    { "MunicipioUF",
      [] {
          return TPesquisa::Create<TPesquisaMunicipio>()->FindByMunicipioUF(
              QStringLiteral("Campinas"), QStringLiteral("sp"));
      },
      { QStringLiteral("Campinas"), QStringLiteral("sp") } },
    { "BairroMunicipioUF",
      [] {
          return TPesquisa::Create<TPesquisaBairro>()->FindByBairroMunicipioUF(
              QStringLiteral("Centro"), QStringLiteral("Campinas"), QStringLiteral("sp"));
      },
      { QStringLiteral("Centro"), QStringLiteral("Campinas"), QStringLiteral("sp") } },
    { "Cep",
      [] {
          return TPesquisa::Create<TPesquisaLogradouro>()->FindByCEP(QStringLiteral("13010-abc"));
      },
      { QStringLiteral("13010-abc") } },
};
INSTANTIATE_TEST_SUITE_P(Finders,
                         FinderTest,
                         ::testing::ValuesIn(finderCases),
                         [](const auto &info) { return std::string(info.param.name); });

// --- Lookups whose subsystem is not there yet -------------------------------------------------

TEST_F(CatalogoTest, MissingPresenterOrRowClassIsNamedAndNothingIsAsked)
{
    const auto requests
        = [this] { return backend.requests().size() - backend.count("POST", "/auth"); };
    for (const QString &text : { QStringLiteral("abc"), QStringLiteral("15") }) {
        search(QStringLiteral("TPesquisaPessoa"), text, QStringLiteral("NEP"));
        ASSERT_TRUE(waitFor([] { return lookupEnded(); }));
    }
    const QString missing = QStringLiteral(
        "WARNING:A pesquisa TPesquisaPessoa não está disponível: a classe %1 não está registrada.");
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList({ missing.arg(QStringLiteral("TPessoaDto")),
                            missing.arg(QStringLiteral("TPessoaDto")) }));

    // With its row class but still without its presenter.
    registrations.row(entidade("TPessoaPresenter"));
    search(QStringLiteral("TPesquisaPessoa"), QStringLiteral("abc"), QStringLiteral("NEP"));
    ASSERT_TRUE(waitFor([] { return lookupEnded(); }));
    EXPECT_EQ(dialogs.messageTexts().last(), missing.arg(QStringLiteral("TPessoaPresenter")));

    EXPECT_EQ(requests(), 0u);
    EXPECT_EQ(item.Id, 0);
    EXPECT_EQ(edit->text(), QStringLiteral("abc"));
    EXPECT_FALSE(principal().LayoutApoio->isVisible());
    EXPECT_TRUE(principal().LayoutPrincipal->isEnabled());
}

// --- Consistency of the catalogue ------------------------------------------------------------

TEST(CatalogoConsistenciaTest, EveryLookupFitsThePresenterAndRowItNames)
{
    // With the presenters this program has, then with a stand-in of every later subsystem's.
    EXPECT_EQ(catalogoProblems(catalogoEntries()), QStringList());
    Registrations registrations;
    registrations.all();
    EXPECT_EQ(catalogoProblems(catalogoEntries()), QStringList());
}

TEST(CatalogoConsistenciaTest, NamesTheLookupsOfARegisteredPresenterWhoseRowClassIsMissing)
{
    Registrations registrations;
    registrations.presenter(entidade("TPessoaPresenter"));
    EXPECT_EQ(
        catalogoProblems(catalogoEntries()),
        (QStringList { "TPesquisaPessoa: a classe TPessoaDto não está registrada.",
                       "TPesquisaPessoaFalecido: a classe TPessoaDto não está registrada." }));
}

TEST(CatalogoConsistenciaTest, NamesWhatAnEntryReadsThatItsRowOrTableLacks)
{
    const TPesquisaCatalogoInfo entry {
        .Pesquisa = QStringLiteral("TPesquisaListaTeste"),
        .Presenter = QStringLiteral("TListaSistemaPresenter"),
        .RecordClass = QStringLiteral("TListaSistemaDto"),
        .EditText = QStringLiteral("Nome"),
        .OtherInfo = [](const TSerializeObject &) -> QString {
            throw Exception(QStringLiteral("ERROR:Sem Sigla."));
        },
        // The missing column is read only for a row that has a code.
        .RowText =
            [](const TMemTable &ds) {
                QString text = ds.FieldByName(QStringLiteral("DESCRICAO"))->AsString();
                if (!ds.FieldByName(QStringLiteral("CODIGO"))->AsString().isEmpty())
                    text += ds.FieldByName(QStringLiteral("CODIGO_TIPO"))->AsString();
                return text;
            },
    };
    EXPECT_EQ(catalogoProblems({ &entry }),
              (QStringList {
                  "TPesquisaListaTeste: a classe TListaSistemaDto não possui a propriedade Nome.",
                  "TPesquisaListaTeste: ERROR:Sem Sigla.",
                  "TPesquisaListaTeste: lista_sistema: Field 'CODIGO_TIPO' not found" }));
    // An entry whose presenter this program does not have is not looked at.
    TPesquisaCatalogoInfo absent = entry;
    absent.Presenter = QStringLiteral("TInexistentePresenter");
    EXPECT_EQ(catalogoProblems({ &absent }), QStringList());
}

} // namespace
